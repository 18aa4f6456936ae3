#include "VeltanMoveList.h"

#include <QResizeEvent>
#include <QSignalBlocker>
#include <string>
#include <vector>

#include "screenPlacement.h"
#include "ui_VeltanMoveList.h"
#include "veltanbrd.h"

namespace {

// Height of one line of the list, as the layout was designed.
constexpr int LineHeight = 13;
// Where the window opens relative to its owner's top-left corner.
constexpr QPoint OffsetFromOwner{-10, 87};

} // namespace

TFrmVeltanMoveList::TFrmVeltanMoveList(QWidget* AOwner, TVeltanBrd& aVeltanBrd, TGameHost& aHost)
    : QDialog(AOwner), ui(std::make_unique<Ui::TFrmVeltanMoveList>()), VeltanBrd(aVeltanBrd), Host(aHost),
      anchors(QSize())
{
    ui->setupUi(this);

    // The list follows the window; Back, Forward and Ok stay at the bottom
    // right, Save and Load where they were designed.
    anchors = TEdgeAnchors(size());
    anchors.Anchor(*ui->LbxMoves, {true, true, true, true});
    anchors.Anchor(*ui->BtnSave, {true, true, false, false});
    anchors.Anchor(*ui->BtnLoad, {true, true, false, false});
    for (QWidget* button : {ui->ButtonBack, ui->ButtonForward, ui->BtnOK})
        anchors.Anchor(*button, {false, false, true, true});

    if (AOwner != nullptr) {
        move(AOwner->window()->pos() + OffsetFromOwner);
        MoveInsideScreen(*this, AOwner);
    }

    connect(ui->ButtonBack, &QPushButton::clicked, this, &TFrmVeltanMoveList::ButtonBackClick);
    connect(ui->ButtonForward, &QPushButton::clicked, this, &TFrmVeltanMoveList::ButtonForwardClick);
    connect(ui->BtnOK, &QPushButton::clicked, this, &TFrmVeltanMoveList::BtnOKClick);
    connect(ui->BtnSave, &QPushButton::clicked, this, &TFrmVeltanMoveList::BtnSaveClick);
    connect(ui->BtnLoad, &QPushButton::clicked, this, &TFrmVeltanMoveList::BtnLoadClick);
    // A new line chosen by mouse or keyboard, and a click on the line already chosen.
    connect(ui->LbxMoves, &QListWidget::currentRowChanged, this, &TFrmVeltanMoveList::LbxMovesClick);
    connect(ui->LbxMoves, &QListWidget::itemClicked, this,
            [this](const QListWidgetItem* item) { LbxMovesClick(ui->LbxMoves->row(item)); });

    FillList();
}

TFrmVeltanMoveList::~TFrmVeltanMoveList() = default;

void TFrmVeltanMoveList::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    anchors.Apply(event->size());
}

void TFrmVeltanMoveList::FillList()
{
    std::vector<std::string> lines;
    VeltanBrd.GetMoveList(lines);
    // Refilling is no choice of the user's: it must not jump anywhere.
    const QSignalBlocker blocker(ui->LbxMoves);
    ui->LbxMoves->clear();
    const QFontMetrics metrics = ui->LbxMoves->fontMetrics();
    for (const std::string& line : lines) {
        const QString text = QString::fromStdString(line);
        ui->LbxMoves->addItem(text);
        ui->LbxMoves->item(ui->LbxMoves->count() - 1)
            ->setSizeHint(
                QSize(metrics.horizontalAdvance(text) + 2 * metrics.averageCharWidth(), LineHeight));
    }
}

void TFrmVeltanMoveList::ShowRecord(int moveno)
{
    if (moveno == VeltanBrd.LastMove || moveno < 0 || moveno > VeltanBrd.HistoryEnd())
        return;
    // Looking at another record stops running play first: no clock may run
    // and no computer think while the position is only being looked at.
    Host.StopPlay();
    VeltanBrd.GotoMove(moveno);
    Host.RecordShown();
}

void TFrmVeltanMoveList::ButtonBackClick()
{
    ShowRecord(VeltanBrd.LastMove - 1);
    FillList();
}

void TFrmVeltanMoveList::ButtonForwardClick()
{
    ShowRecord(VeltanBrd.LastMove + 1);
    FillList();
}

void TFrmVeltanMoveList::LbxMovesClick(int row)
{
    if (row < 0)
        return;
    // The list is not refilled after a jump, so line i of n keeps naming
    // record n - i and the user can jump on from any line.
    ShowRecord(ui->LbxMoves->count() - row);
}

void TFrmVeltanMoveList::BtnOKClick()
{
    accept();
}
