#include "VeltanOptions.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QShowEvent>

#include "clockText.h"
#include "integerText.h"
#include "labelFitting.h"
#include "screenPlacement.h"
#include "ui_VeltanOptions.h"
#include "userDialogs.h"
#include "veltanbrd.h"

namespace {

constexpr double MinutesPerDay = 1440.0;
constexpr double SecondsPerDay = 86400.0;
// Where the dialog's frame goes relative to the main window's frame.
const QPoint OffsetFromOwner(-10, 87);

// What the boxes show: the entry with the board's value when the list has one,
// else the value itself as typed text, so a reopened dialog shows (and "Ok"
// keeps) a time or increment the user typed.
void ShowWholeNumber(QComboBox& box, double value)
{
    const std::optional<int> whole = RoundedUpWhole(value);
    const int index = whole ? box.findText(QString::number(*whole)) : -1;
    if (index >= 0) {
        box.setCurrentIndex(index);
        return;
    }
    box.setCurrentIndex(-1);
    box.setEditText(whole ? QString::number(*whole) : QString());
}

// An index the list does not have leaves the box without a selection, which
// "Ok" reports instead of applying something the board does not hold.
void SelectIndex(QComboBox& box, int index)
{
    box.setCurrentIndex(index >= 0 && index < box.count() ? index : -1);
}

QString ClockLabel(const QString& team, double timeLeft, double timeStart)
{
    // Exactly equal: the team's clock has not run in this game yet.
    return timeLeft == timeStart ? team : team + QStringLiteral("s time left ") + ClockText(timeLeft);
}

// Selects the first entry of a 1/2/4 list holding at least `minimum`, if any.
void SelectFirstEntryAtLeast(QComboBox& box, int minimum)
{
    for (int i = 0; i < box.count(); ++i) {
        const std::optional<int> value = IntegerFromText(box.itemText(i));
        if (value && *value >= minimum) {
            box.setCurrentIndex(i);
            return;
        }
    }
}

} // namespace

TFrmVeltanOptions::TFrmVeltanOptions(QWidget* AOwner, TVeltanBrd& aVeltanBrd)
    : QDialog(AOwner), ui(std::make_unique<Ui::TFrmVeltanOptions>()), _board(aVeltanBrd),
      _gameSettingsOpen(aVeltanBrd.GameEnded()), _pieceSets(LoadPieceSetChoices())
{
    ui->setupUi(this);
    // Labels take the width of their text, whatever font stands in for Tahoma,
    // and keep clear of their boxes.
    for (QLabel* const label : findChildren<QLabel*>())
        label->adjustSize();
    const std::pair<QLabel*, QWidget*> labelledBoxes[] = {
        {ui->Label2, ui->CbxPieceSet},        {ui->Label5, ui->CbxSelectStartPosition},
        {ui->Label6, ui->CbxRowShift},        {ui->Label7, ui->CbxMovesPerTeamTurn},
        {ui->Label8, ui->CbxPlayersPerTeam},  {ui->Label9, ui->CbxTimeWhite},
        {ui->Label10, ui->CbxIncrementWhite}, {ui->Label12, ui->CbxTimeBlack},
        {ui->Label13, ui->CbxIncrementBlack},
    };
    for (const auto& [label, box] : labelledBoxes)
        KeepLabelBeforeBox(*label, *box);
    for (QComboBox* const box : {ui->CbxTimeWhite, ui->CbxTimeBlack})
        box->lineEdit()->setPlaceholderText(QStringLiteral("60"));
    // A typed number is the number meant: completed from the list, "1" would
    // become a 15-minute game and "4" a 45-second increment.
    for (QComboBox* const box :
         {ui->CbxTimeWhite, ui->CbxTimeBlack, ui->CbxIncrementWhite, ui->CbxIncrementBlack})
        box->setCompleter(nullptr);

    const int designedWidth = width();
    for (QWidget* const widget : std::initializer_list<QWidget*>{
             ui->Label2, ui->CbxPieceSet, ui->Label5, ui->CbxSelectStartPosition, ui->Label6, ui->CbxRowShift,
             ui->Label7, ui->CbxMovesPerTeamTurn, ui->Label8, ui->CbxPlayersPerTeam, ui->Panel1})
        _anchors.Add(widget, designedWidth);

    if (AOwner != nullptr) {
        move(AOwner->window()->frameGeometry().topLeft() + OffsetFromOwner);
        MoveInsideScreen(*this, AOwner);
    }

    for (QComboBox* const box : GameBoxes())
        box->setEnabled(_gameSettingsOpen);

    connect(ui->BtnOK, &QPushButton::clicked, this, &TFrmVeltanOptions::BtnOKClick);
    // activated: only the user's choices, never a selection made from code.
    connect(ui->CbxMovesPerTeamTurn, &QComboBox::activated, this,
            &TFrmVeltanOptions::CbxMovesPerTeamTurnChange);
    connect(ui->CbxPlayersPerTeam, &QComboBox::activated, this, &TFrmVeltanOptions::CbxPlayersPerTeamChange);
}

TFrmVeltanOptions::~TFrmVeltanOptions() = default;

void TFrmVeltanOptions::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A window restored by the window system is not a new showing.
    if (!event->spontaneous())
        FormShow();
}

void TFrmVeltanOptions::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    _anchors.Follow(width());
}

void TFrmVeltanOptions::FormShow()
{
    SelectIndex(*ui->CbxRowShift, _board.StartPositionRowShift());
    SelectIndex(*ui->CbxSelectStartPosition, _board.StartPositionType());

    ui->LblTimeLeftWhite->setText(
        ClockLabel(QStringLiteral("White"), _board.TimeLeftWhite(), _board.TimeStartWhite()));
    ui->LblTimeLeftBlack->setText(
        ClockLabel(QStringLiteral("Black"), _board.TimeLeftBlack(), _board.TimeStartBlack()));
    ui->LblTimeLeftWhite->adjustSize();
    ui->LblTimeLeftBlack->adjustSize();

    ShowWholeNumber(*ui->CbxTimeWhite, _board.TimeStartWhite() * MinutesPerDay);
    ShowWholeNumber(*ui->CbxIncrementWhite, _board.TimeIncrementWhite() * SecondsPerDay);
    ShowWholeNumber(*ui->CbxTimeBlack, _board.TimeStartBlack() * MinutesPerDay);
    ShowWholeNumber(*ui->CbxIncrementBlack, _board.TimeIncrementBlack() * SecondsPerDay);

    ui->CbxPlayersPerTeam->setCurrentIndex(
        ui->CbxPlayersPerTeam->findText(QString::number(_board.PlayersPerTeam())));
    ui->CbxMovesPerTeamTurn->setCurrentIndex(
        ui->CbxMovesPerTeamTurn->findText(QString::number(_board.MovesPerTeamTurn())));

    ui->CbxPieceSet->setCurrentIndex(
        ui->CbxPieceSet->findText(PieceSetItemFor(_pieceSets, _board.CustomPieceSet())));
    _shownGameBoxes = GameBoxTexts();
}

void TFrmVeltanOptions::CbxMovesPerTeamTurnChange()
{
    const std::optional<int> moves = IntegerFromText(ui->CbxMovesPerTeamTurn->currentText());
    const std::optional<int> players = IntegerFromText(ui->CbxPlayersPerTeam->currentText());
    // Every player of a team needs a move of each team turn: fewer moves than
    // players bring the players down with them. The board hears of neither
    // before "Ok", so a dialog closed without it leaves the game's turns alone.
    if (moves && players && *moves < *players)
        SelectFirstEntryAtLeast(*ui->CbxPlayersPerTeam, *moves);
}

void TFrmVeltanOptions::CbxPlayersPerTeamChange()
{
    const std::optional<int> players = IntegerFromText(ui->CbxPlayersPerTeam->currentText());
    const std::optional<int> moves = IntegerFromText(ui->CbxMovesPerTeamTurn->currentText());
    // More players than moves bring the moves up with them.
    if (players && moves && *moves < *players)
        SelectFirstEntryAtLeast(*ui->CbxMovesPerTeamTurn, *players);
}

void TFrmVeltanOptions::BtnOKClick()
{
    // Opened during a game, the game boxes were never open to the user: a game
    // that has ended since (a flag fall) keeps its position and its record.
    // Boxes left as they were shown keep a stopped game that goes on: only a
    // change of the game's settings, or a game that is over, calls for a new one.
    const bool setsUpGame =
        _gameSettingsOpen && _board.GameEnded() && !(GameBoxesAsShown() && _gameGoesOn && _gameGoesOn());
    std::optional<TGameSetup> setup;
    if (setsUpGame) {
        // Every box is read before anything is applied: a bad one leaves the
        // board as it was and the dialog open for the correction.
        setup = ReadGameSetup();
        if (!setup || (_mayReplaceGame && !_mayReplaceGame()))
            return;
    }
    ApplyPieceSet();
    if (setup)
        _newGameSetUp = SetupGame(_board, *setup);
    accept();
}

std::array<QComboBox*, 8> TFrmVeltanOptions::GameBoxes() const
{
    return {ui->CbxSelectStartPosition, ui->CbxRowShift,  ui->CbxMovesPerTeamTurn, ui->CbxPlayersPerTeam,
            ui->CbxTimeWhite,           ui->CbxTimeBlack, ui->CbxIncrementWhite,   ui->CbxIncrementBlack};
}

std::vector<QString> TFrmVeltanOptions::GameBoxTexts() const
{
    std::vector<QString> texts;
    for (const QComboBox* const box : GameBoxes())
        texts.push_back(box->currentText());
    return texts;
}

bool TFrmVeltanOptions::GameBoxesAsShown() const
{
    // By text: a value picked or typed again as it stood is no change.
    return GameBoxTexts() == _shownGameBoxes;
}

void TFrmVeltanOptions::ApplyPieceSet()
{
    if (ui->CbxPieceSet->currentIndex() < 0)
        return;
    if (const std::optional<QImage> pieces = PieceSetForItem(_pieceSets, ui->CbxPieceSet->currentText()))
        _board.SetCustomPieceSet(*pieces);
}

std::optional<TGameSetup> TFrmVeltanOptions::ReadGameSetup()
{
    // In the order the settings are applied, so the first bad box is named.
    TGameSetup setup;
    const auto rowShift = ReadBoxIndex(*ui->CbxRowShift);
    if (!rowShift)
        return std::nullopt;
    const auto startPosition = ReadBoxIndex(*ui->CbxSelectStartPosition);
    if (!startPosition)
        return std::nullopt;
    const auto incrementBlack = ReadBoxNumber(*ui->CbxIncrementBlack);
    if (!incrementBlack)
        return std::nullopt;
    const auto incrementWhite = ReadBoxNumber(*ui->CbxIncrementWhite);
    if (!incrementWhite)
        return std::nullopt;
    const auto timeWhite = ReadBoxNumber(*ui->CbxTimeWhite);
    if (!timeWhite)
        return std::nullopt;
    const auto timeBlack = ReadBoxNumber(*ui->CbxTimeBlack);
    if (!timeBlack)
        return std::nullopt;
    const auto players = ReadBoxNumber(*ui->CbxPlayersPerTeam);
    if (!players)
        return std::nullopt;
    const auto moves = ReadBoxNumber(*ui->CbxMovesPerTeamTurn);
    if (!moves)
        return std::nullopt;

    setup.rowShift = *rowShift;
    setup.startPositionIndex = *startPosition;
    setup.incrementBlackSeconds = *incrementBlack;
    setup.incrementWhiteSeconds = *incrementWhite;
    setup.timeWhiteMinutes = *timeWhite;
    setup.timeBlackMinutes = *timeBlack;
    setup.playersPerTeam = *players;
    setup.movesPerTeamTurn = *moves;
    if (!IsOfferedGameSetup(setup)) {
        // Only a board whose settings came from elsewhere (a game file) can
        // show more players than moves; the user has to choose.
        UserDialogs().ShowMessage(this, QGuiApplication::applicationDisplayName(),
                                  tr("Each player needs a move in every team turn: choose at least as many "
                                     "moves per turn as players per team."),
                                  QMessageBox::Warning);
        ui->CbxMovesPerTeamTurn->setFocus();
        return std::nullopt;
    }
    return setup;
}

std::optional<int> TFrmVeltanOptions::ReadBoxNumber(QComboBox& box)
{
    const std::optional<int> value = IntegerFromText(box.currentText());
    if (!value)
        ReportUnreadableBox(box);
    return value;
}

std::optional<int> TFrmVeltanOptions::ReadBoxIndex(QComboBox& box)
{
    const int index = box.currentIndex();
    if (index < 0) {
        ReportUnreadableBox(box);
        return std::nullopt;
    }
    return index;
}

void TFrmVeltanOptions::ReportUnreadableBox(QComboBox& box)
{
    UserDialogs().ShowMessage(this, QGuiApplication::applicationDisplayName(),
                              QStringLiteral("'%1' is not a valid integer value").arg(box.currentText()),
                              QMessageBox::Critical);
    // Straight back to the box that needs the correction.
    box.setFocus();
    if (QLineEdit* const edit = box.lineEdit())
        edit->selectAll();
}
