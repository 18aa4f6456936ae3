#pragma once
// What the main window's tests share: a dialogs double that answers at once,
// a shown main window driven by keys and mouse, small positions to play on.

#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QString>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "VeltanGUI.h"
#include "platformColor.h"
#include "userDialogs.h"
#include "veltanbrd.h"

/// Records every message box instead of showing it; file dialogs answer
/// what the test put in (empty: "cancelled").
class TAnsweringDialogs : public TUserDialogs {
public:
    struct TMessage {
        QString caption;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
    };
    std::vector<TMessage> messages;
    /// Runs while a box would be open, with the box just recorded.
    std::function<void(const TMessage&)> whileOpen;
    /// What the open-file and save-file dialogs answer; empty: cancelled.
    QString openFileName;
    QString saveFileName;

    void ShowMessage(QWidget*, const QString& caption, const QString& text, QMessageBox::Icon icon) override;
    QString GetSaveFileName(QWidget*, const QString&, const QString&, const QString& filter) override
    {
        ++saveDialogs;
        saveFilter = filter;
        return saveFileName;
    }
    QString GetOpenFileName(QWidget*, const QString&, const QString&, const QString& filter) override
    {
        ++openDialogs;
        openFilter = filter;
        return openFileName;
    }
    bool AskYesNo(QWidget*, const QString&, const QString& text) override;
    TChoiceAnswer AskChoice(QWidget*, const QString&, const QString& text, const QString&,
                            const QString&) override;

    /// Questions asked, in order, and the answers they get.
    std::vector<QString> questions;
    bool yes = false;
    TChoiceAnswer choice = TChoiceAnswer::First;
    int openDialogs = 0;
    int saveDialogs = 0;
    /// The filters the last open-file and save-file dialogs offered, first the one shown.
    QString openFilter;
    QString saveFilter;

    /// The texts of all boxes shown, in order.
    std::vector<QString> Texts() const;
};

/// One piece placed for a test: square, letter, owner.
struct TPlaced {
    Square square;
    char piece;
    char owner = '1';
};

/// Makes the first legal move found on the board (squares in order); false when there is none.
bool MakeFirstLegalMove(TVeltanBrdKernel& board);
/// Starts play in the window when it is stopped and makes `count` moves, the
/// first legal one found each time; false when one could not be made.
bool PlayFirstLegalMoves(TFrmVeltanBrd& window, int count);

/// A main window as the program shows it, headless and active, with its
/// message boxes answered by `dialogs` and its dialogs by `RunDialog`.
class TMainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    TFrmVeltanBrd& Window() { return *window; }
    /// Closes the window (as the player does) and opens a new one, as the next
    /// start of the program does; startFile as named on its command line.
    void Reopen(const QString& startFile = {});
    TVeltanBrd& Board() { return window->Board(); }
    /// Starts play when stopped and makes `count` moves, the first legal one found each time.
    void PlayMoves(int count) { ASSERT_TRUE(PlayFirstLegalMoves(*window, count)); }
    QLabel& Label(const char* name);
    QString Status() { return Label("LblStatusMovesLeftInTurn").text(); }
    QString WhiteClock() { return Label("LblTimeLeftWhite").text(); }
    QString BlackClock() { return Label("LblTimeLeftBlack").text(); }

    /// The menu command with that caption; throws when the window has none.
    QAction& Action(const QString& text);
    /// Ctrl+key on the window, as the player presses it.
    void PressCtrl(Qt::Key key);
    /// A key without modifiers on the window, as the player presses it.
    void PressKey(Qt::Key key);
    /// Delivers the game-ended notice the board may have posted, and nothing
    /// else: no clock step can sneak in.
    void DeliverNotices();
    /// Puts exactly the given pieces on the board as a new game (stopped),
    /// with the given turn split. Start it with Ctrl+S.
    void SetUpPosition(const std::vector<TPlaced>& pieces, int movesPerTeamTurn = 1, int playersPerTeam = 1);
    /// Drags the piece on `from` to `to` with the left button, past the drag distance.
    void Drag(Square from, Square to);
    /// The colour of a pixel of the board's canvas as 0x00BBGGRR.
    TColor CanvasColor(QPoint at);
    /// Top-left pixel of a square on the canvas.
    QPoint SquareOrigin(Square sq);

    /// Answers every dialog the window runs; the default closes it at once with 0.
    std::function<int(QDialog&)> RunDialog = [](QDialog&) { return 0; };

    TAnsweringDialogs dialogs;

private:
    std::unique_ptr<TScopedUserDialogs> _scopedDialogs;
    std::unique_ptr<TFrmVeltanBrd> window;
};

/// One clock step in days (100 ms).
inline constexpr double ClockStep = 100.0 / 86'400'000.0;
