// The window itself: its frame, fonts and wiring, its first showing and the
// board's game-ended notice.

#include <QCloseEvent>
#include <QShowEvent>

#include "VeltanGUI.h"
#include "appIcon.h"
#include "externalEngine.h"
#include "gameEndedNotice.h"
#include "howToPlayMenu.h"
#include "settingsKeys.h"
#include "settingsStore.h"
#include "stoppedBoardHint.h"
#include "storedBoardSettings.h"
#include "ui_VeltanGUI.h"
#include "unfinishedGame.h"
#include "windowFit.h"
#include "windowPlace.h"

namespace {

constexpr int ClockIntervalMs = 100;

// The layout is drawn for "MS Sans Serif". Where it is missing, fontconfig
// would stand in a much wider face and the clocks would run into each other,
// so fonts of its width come first.
const QStringList LayoutFamilies = {
    QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),       QStringLiteral("Liberation Sans"),
    QStringLiteral("Helvetica"),     QStringLiteral("Nimbus Sans"), QStringLiteral("FreeSans"),
};

QFont LabelFont(int pixels)
{
    QFont font;
    font.setFamilies(LayoutFamilies);
    font.setBold(true);
    font.setPixelSize(pixels);
    return font;
}

} // namespace

TFrmVeltanBrd::TFrmVeltanBrd(QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::TFrmVeltanBrd>()), TimerClock(this),
      _settings(std::make_unique<TSettingsStore>()),
      _keptGame(std::make_unique<TUnfinishedGameFile>(TUnfinishedGameFile::DefaultFolder()))
{
    ui->setupUi(this);
    VeltanBrd1 = ui->VeltanBrd1;

    setWindowIcon(AppIcon());
    ApplyFonts();

    VeltanBrd1->SetLoading(true);
    ApplyStoredBoardSettings(*VeltanBrd1);
    ApplyRememberedLook();
    ApplyRememberedComputer();
    VeltanBrd1->SetLoading(false);
    SetUpResizing();

    TimerClock.setObjectName(QStringLiteral("TimerClock"));
    TimerClock.setInterval(ClockIntervalMs);
    connect(&TimerClock, &QTimer::timeout, this, &TFrmVeltanBrd::TimerClockTimer);

    ConnectMenu();
    ConnectFileMenu();
    ConnectBoard();
    ConnectHiddenControls();
    ConnectComputerMenu();
    SetUpThinkingLine();
    ConnectLastMoveMenu();
    AddHowToPlay(*ui->N1, ui->MnuItmInfo, *this);
    // A press on the board before play is started says how to start it. A
    // game that has ended would only tell its result again, so it says nothing.
    new TStoppedBoardHint(
        *VeltanBrd1,
        [this] {
            if (VeltanBrd1->GameEnded() && VeltanBrd1->LineEnding() == TGameEnding::None)
                SetStatusText(tr("Start/Stop (%1) starts the game")
                                  .arg(ui->StartStop1->shortcut().toString(QKeySequence::NativeText)));
        },
        this);
    _place = std::make_unique<TWindowPlace>(*this, [this](const QByteArray& geometry) {
        _settings->Write(settingkeys::WindowGeometry, geometry);
    });
}

TFrmVeltanBrd::~TFrmVeltanBrd()
{
    TimerClock.stop();
    _thinkingTimer.stop();
    _place.reset();
    // The board outlives this part of the window by a moment; it must not
    // call back into it while it goes.
    VeltanBrd1->OnLegalMove = nullptr;
    VeltanBrd1->OnTurnSettled = nullptr;
    VeltanBrd1->OnDraw = nullptr;
    VeltanBrd1->OnMouseDown = nullptr;
    VeltanBrd1->OnMouseUp = nullptr;
    VeltanBrd1->OnHostMoveDue = nullptr;
    VeltanBrd1->OnHostMoveCancelled = nullptr;
    VeltanBrd1->OnResizeRequest = nullptr;
    centralWidget()->removeEventFilter(this);
}

void TFrmVeltanBrd::ApplyFonts()
{
    QFont windowFont = font();
    windowFont.setFamilies(LayoutFamilies);
    setFont(windowFont);
    ui->LblStatusMovesLeftInTurn->setFont(LabelFont(StatusFontPixels));
    QPalette black = ui->LblStatusMovesLeftInTurn->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    ui->LblStatusMovesLeftInTurn->setPalette(black);
    ui->LblTimeLeftWhite->setFont(LabelFont(ClockFontPixels));
    ui->LblTimeLeftBlack->setFont(LabelFont(ClockFontPixels));
    SetStatusText(QStringLiteral(" "));
    SetClockLabel(*ui->LblTimeLeftWhite, QStringLiteral(" "));
    SetClockLabel(*ui->LblTimeLeftBlack, QStringLiteral(" "));
}

void TFrmVeltanBrd::ConnectMenu()
{
    auto* const newGame = new QAction(tr("New game"), this);
    newGame->setObjectName(QStringLiteral("MnuItemNewGame"));
    newGame->setShortcut(QKeySequence::New);
    ui->N1->insertAction(ui->MnuItemOptions, newGame);
    connect(newGame, &QAction::triggered, this, &TFrmVeltanBrd::MnuItemNewGameClick);
    // The two view switches show their state.
    ui->MnuItemWhiteOnTop->setCheckable(true);
    ui->MnuItemShowCoordinates->setCheckable(true);
    UpdateViewMenu();
    connect(ui->MnuItemOptions, &QAction::triggered, this, &TFrmVeltanBrd::MnuItemOptionsClick);
    connect(ui->MnuItemWhiteOnTop, &QAction::triggered, this, &TFrmVeltanBrd::MnuItemWhiteOnTopClick);
    connect(ui->MnuItemShowCoordinates, &QAction::triggered, this,
            &TFrmVeltanBrd::MnuItemShowCoordinatesClick);
    connect(ui->MnuItemShowMovelist, &QAction::triggered, this, &TFrmVeltanBrd::MnuItemShowMovelistClick);
    connect(ui->MnuItmInfo, &QAction::triggered, this, &TFrmVeltanBrd::MnuItmInfoClick);
    connect(ui->StartStop1, &QAction::triggered, this, &TFrmVeltanBrd::StartStop1Click);
    connect(ui->Disclaimer1, &QAction::triggered, this, &TFrmVeltanBrd::Disclaimer1Click);
    connect(ui->MnuItemTest1, &QAction::triggered, this, &TFrmVeltanBrd::MnuItemTest1Click);
}

void TFrmVeltanBrd::ConnectBoard()
{
    VeltanBrd1->OnLegalMove = [this](TVeltanBrdKernel& sender, Square oldSq, Square newSq) {
        VeltanBrd1LegalMove(sender, oldSq, newSq);
    };
    VeltanBrd1->OnTurnSettled = [this](TVeltanBrdKernel& sender) { VeltanBrd1TurnSettled(sender); };
    VeltanBrd1->OnDraw = [this](TVeltanBrdKernel& sender) { VeltanBrd1Draw(sender); };
    VeltanBrd1->OnMouseDown = [this](TVeltanBrd& sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                                     int x, int y) { VeltanBrd1MouseDown(sender, button, shift, x, y); };
    VeltanBrd1->OnMouseUp = [this](TVeltanBrd& sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                                   int x, int y) { VeltanBrd1MouseUp(sender, button, shift, x, y); };
}

void TFrmVeltanBrd::SetModalRunner(TModalRunner runner)
{
    _runModal = runner ? std::move(runner) : TModalRunner(ExecModal);
}

int TFrmVeltanBrd::RunModal(QDialog& dialog)
{
    return _runModal(dialog);
}

bool TFrmVeltanBrd::event(QEvent* event)
{
    // Posted by the board when play ends, so this runs after the handler
    // that ended the game has returned.
    if (event->type() == GameEndedMessage()) {
        UpdateGameSettings();
        KeepUnfinishedGame();
        return true;
    }
    return QMainWindow::event(event);
}

void TFrmVeltanBrd::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Only the first showing sets the game up; coming back from the taskbar changes nothing.
    if (!_shownOnce && !event->spontaneous()) {
        _shownOnce = true;
        FormShow();
    }
}

void TFrmVeltanBrd::closeEvent(QCloseEvent* event)
{
    // A search must not end into a window that is going away.
    VeltanBrd1->CancelThinking();
    _externalEngine->Shutdown();
    KeepUnfinishedGame();
    _keptGame->Flush();
    QMainWindow::closeEvent(event);
}

void TFrmVeltanBrd::FormShow()
{
    // Where the player left it while that still fits a present screen; else
    // centred on the screen it opens on, at the designed size where that fits.
    if (!restoreGeometry(_settings->Read(settingkeys::WindowGeometry)) || !FitsAScreen(frameGeometry()))
        PlaceOnScreen();
    InitialGameSetup();
    VeltanBrd1->setEnabled(false);
    // The offer, or the file named on the command line, comes once the window has been shown.
    QMetaObject::invokeMethod(this, &TFrmVeltanBrd::StartWithKeptGame, Qt::QueuedConnection);
}
