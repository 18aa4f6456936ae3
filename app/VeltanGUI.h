#pragma once
// The main window: the board, the status line and the two team clocks under
// it, and the one menu. It drives the course of a game: it starts and stops
// play, runs the clock of the team to move, and ends play when the board
// reports the end of a game.

#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>
#include <memory>

#include "gameAuthority.h"
#include "gameHost.h"
#include "modalRunner.h"
#include "pieceSetImages.h"
#include "setupGame.h"
#include "veltanbrdKernel.h"
#include "windowFit.h"

class QAction;
class QEvent;
class QCloseEvent;
class QLabel;
class QShowEvent;
class TExternalEngine;
struct TKeptGame;
class TVeltanBrd;
class TSettingsStore;
class TUnfinishedGameFile;
class TWindowPlace;
namespace Ui {
class TFrmVeltanBrd;
}

/// The program's one main window. Its class name is what the board looks
/// for when it posts the game-ended notice.
///
/// Play is Stopped (GameEnded, board disabled, clock standing), Running
/// (board enabled, the clock of the team to move counting down) or Ended
/// (like Stopped, but the status line keeps the last text of the game).
class TFrmVeltanBrd : public QMainWindow, public TGameHost {
    Q_OBJECT

public:
    /// Builds the window from its layout, applies the board's stored settings
    /// and wires menu, board and clock. Play is stopped until "Start/Stop".
    explicit TFrmVeltanBrd(QWidget* parent = nullptr);
    ~TFrmVeltanBrd() override;
    TFrmVeltanBrd(const TFrmVeltanBrd&) = delete;
    TFrmVeltanBrd& operator=(const TFrmVeltanBrd&) = delete;

    // ---- The game's host --------------------------------------------------------

    /// The remembered piece set and game choices (on a first start French at
    /// 80 pixels and the default options), a new game.
    void InitialGameSetup() override;
    /// Brings clock, status line and current-player highlight in line with the
    /// board's GameEnded: while a game runs the clock runs and the status line
    /// shows the moves left; otherwise the clock stands and the line is kept.
    void UpdateGameSettings() override;
    /// Toggles between running and stopped play. Stopping appends
    /// " (Game stopped)" to the status line; starting takes one clock step at once.
    void StartStop() override;
    /// Stops running play as Start/Stop does; nothing when play is stopped.
    void StopPlay() override;
    /// The status line names who is to move at the record shown (or its
    /// ending), and the kept game notes the record.
    void RecordShown() override;
    QString GameFileFolder() const override;
    void SetGameFileFolder(const QString& folder) override;
    /// While the game is unfinished and has moves not saved or loaded by the
    /// user, asks "Abandon the game in progress?"; true when it may go. Never
    /// while a game authority decides the game.
    bool MayReplaceGame() override;
    void GameKeptInFile() override;

    // ---- Keeping the game -------------------------------------------------------

    /// A game file to load at the first showing instead of offering the kept
    /// game; a bad file gets the loader's message and the program goes on without it.
    void SetStartFile(const QString& path) { _startFile = path; }
    /// This program's own kept game: the file resumed at start, else a new
    /// one (unclaimed until the start has chosen it).
    TUnfinishedGameFile& KeptGame() { return *_keptGame; }

    // ---- The clock --------------------------------------------------------------

    /// One clock step: while the clock runs, the team to move loses one timer
    /// interval (100 ms); a clock that drops below zero loses the game on
    /// time. Then both clock labels show the times, unless play has ended or
    /// a clock stands at zero or below.
    void ItsShowTime();
    /// True while the clock of the team to move is counting down.
    bool ClockRunning() const { return TimerClock.isActive(); }

    // ---- Parts --------------------------------------------------------------------

    /// The board the window owns for the whole run.
    TVeltanBrd& Board() { return *VeltanBrd1; }
    const TVeltanBrd& Board() const { return *VeltanBrd1; }
    /// The eight piece sets the window keeps ready.
    const TPieceSetImages& PieceSets() const { return _pieceSets; }
    /// Replaces how the window runs its dialogs (options, move list,
    /// promotion); the default is exec(). An empty runner restores it.
    void SetModalRunner(TModalRunner runner);

    // ---- Who decides ------------------------------------------------------------

    /// Hands the game to `authority` (not owned; it must clear itself before it
    /// goes), or back to the window's own kernel and clock with nullptr. The
    /// window's clock is stopped either way.
    void SetGameAuthority(TGameAuthority* authority);
    /// The authority in force; nullptr while the window decides itself.
    TGameAuthority* GameAuthority() const { return _authority; }
    /// What the authority lets the computer do may have changed: the computer menu follows.
    void AuthorityChanged() { UpdateComputerMenu(); }
    /// Shows a text in the status line under the board.
    void SetStatusText(const QString& text);
    /// Both clock labels show the board's TimeLeftWhite and TimeLeftBlack.
    void ShowClocks();

protected:
    /// Handles the board's game-ended notice once the handler that ended the game has returned.
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    /// Lays the client area out again whenever it changes size.
    bool eventFilter(QObject* watched, QEvent* event) override;
    /// Stops the computer's search before the window goes.
    void closeEvent(QCloseEvent* event) override;

private:
    // Window and wiring (mainWindow.cpp).
    void ApplyFonts();
    void ConnectMenu();
    void ConnectBoard();
    void FormShow();

    // Fitting the window to its screen (windowLayout.cpp).
    void SetUpResizing();
    void ArrangeClientArea();
    void ResizeForBoard(int side);
    void PlaceOnScreen();
    /// True when a present screen's available area holds the whole frame.
    static bool FitsAScreen(const QRect& frame);
    void FitPanelFontsTo(int width);
    QSize ClientToWindow(QSize client) const;

    // Menu commands (menuCommands.cpp, dialogCommands.cpp, infoBoxes.cpp).
    void MnuItemOptionsClick();
    void MnuItemNewGameClick();
    void MnuItemWhiteOnTopClick();
    void MnuItemShowCoordinatesClick();
    void UpdateViewMenu();
    void MnuItemShowMovelistClick();
    void MnuItmInfoClick();
    void StartStop1Click();
    void Disclaimer1Click();
    void MnuItemTest1Click();
    int RunModal(QDialog& dialog);
    /// Open game…, Save game… and Quit (fileMenu.cpp).
    void ConnectFileMenu();

    // Lasting settings (rememberedSettings.cpp, lastMoveMenu.cpp).
    void ApplyRememberedLook();
    void ApplyRememberedComputer();
    void ApplyRememberedEngine();
    TGameSetup RememberedGameSetup();
    void RememberGameSetup();
    void RememberPieceSet();
    void RememberBoardLook();
    void RememberComputerPlayer();
    void RememberEngine();
    void ConnectLastMoveMenu();
    void MnuItemShowLastMoveClick(bool checked);

    // The kept unfinished game (gameKeeping.cpp).
    void StartWithKeptGame();
    bool OpenStartFile();
    void OfferKeptGame();
    void ResumeKeptGame(const TKeptGame& kept);
    void KeepUnfinishedGame();

    // The computer player's menu commands (computerMenu.cpp).
    void ConnectComputerMenu();
    void MnuItemComputerWhiteClick(bool checked);
    void MnuItemComputerBlackClick(bool checked);
    void ComputerLevelChosen(QAction* action);
    void UpdateComputerMenu();
    void UpdateMoveNow();
    void MnuItemMoveNowClick();
    void MnuItemSuggestMoveClick();

    // Which engine plays the computer's moves (engineChoice.cpp).
    void ConnectEngineMenu();
    void EngineBuiltInChosen();
    void EngineProgramChosen();
    void ExternalEngineFailed(const QString& message);
    void UpdateEngineMenu();

    // The line that tells what the computer thinks (thinkingLine.cpp).
    void SetUpThinkingLine();
    void UpdateThinkingLine();

    // Hidden controls of the computer player (hiddenControls.cpp).
    void ConnectHiddenControls();
    void RadioGroup1Click();
    void RadioGroup2Click();
    void ComboBox2Change(int index);
    void CheckBoxLinesClick(bool checked);
    void ButtonnewClick();
    void ButtonMoveClick();
    void ButtonStopClick();

    // Game flow (gameFlow.cpp).
    void VeltanBrd1LegalMove(TVeltanBrdKernel& Sender, Square oldSq, Square newSq);
    void VeltanBrd1TurnSettled(TVeltanBrdKernel& Sender);
    void VeltanBrd1Draw(TVeltanBrdKernel& Sender);
    void VeltanBrd1MouseDown(TVeltanBrd& Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X,
                             int Y);
    void VeltanBrd1MouseUp(TVeltanBrd& Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X,
                           int Y);
    void ShowMessage(const QString& text, QMessageBox::Icon icon);

    // Clock (gameClock.cpp).
    void TimerClockTimer();
    void SetClockRunning(bool run);
    void ClockStepsAfterMove();
    void SetClockLabel(QLabel& label, const QString& text);
    static void SetLabelText(QLabel& label, const QString& text);
    // The status line as set, cut short where it would reach White's clock.
    void FitStatusText();

    std::unique_ptr<Ui::TFrmVeltanBrd> ui;
    TVeltanBrd* VeltanBrd1 = nullptr; // owned by the window as a child widget
    QTimer TimerClock;
    TPieceSetImages _pieceSets;
    TModalRunner _runModal = ExecModal;
    bool _shownOnce = false;
    TPanelFonts _panelFonts;         // the status panel's fonts at the window's width
    QString _statusText;             // the whole status line, however much of it shows
    QLabel* _thinkingLine = nullptr; // owned by its panel
    QTimer _thinkingTimer;
    std::unique_ptr<TSettingsStore> _settings;
    std::unique_ptr<TUnfinishedGameFile> _keptGame;
    std::unique_ptr<TWindowPlace> _place;
    QString _startFile;
    // Moves made since the user last saved or loaded the game.
    bool _unsavedMoves = false;
    QAction* _showLastMove = nullptr;
    TExternalEngine* _externalEngine = nullptr; // owned by the window
    QAction* _engineBuiltIn = nullptr;          // owned by the engine menu
    QAction* _engineProgram = nullptr;
    TGameAuthority* _authority = nullptr; // not owned: see SetGameAuthority
};
