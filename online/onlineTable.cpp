#include "onlineTable.h"

#include <QAction>
#include <QMenu>

#include "VeltanGUI.h"
#include "boardFollowing.h"
#include "onlineBoard.h"
#include "tableTexts.h"
#include "veltanbrd.h"

namespace online {
namespace {

constexpr int ClockTickMs = 100;
constexpr double MillisecondsPerDay = 86'400'000.0;

// What a local game offers but a game the server decides cannot: its
// settings are the server's, and nobody but the seats' players moves.
const char* const LocalCommandNames[] = {
    "MnuItemOptions",       "MnuItemNewGame", "MnuItemOpenGame",    "MnuItemComputerWhite",
    "MnuItemComputerBlack", "MnuItemMoveNow", "MnuItemSuggestMove",
};

bool IsPawn(char letter)
{
    return letter == 'p' || letter == 'P';
}

} // namespace

TOnlineTable::TOnlineTable(TFrmVeltanBrd& window, std::unique_ptr<net::TOnlineSession> session)
    : window_(window), board_(window.Board()), session_(std::move(session))
{
    window_.StopPlay();
    board_.CancelThinking();
    windowLegalMove_ = board_.OnLegalMove;
    windowTurnSettled_ = board_.OnTurnSettled;
    windowDraw_ = board_.OnDraw;
    windowComputerWhite_ = board_.ComputerPlaysWhite();
    windowComputerBlack_ = board_.ComputerPlaysBlack();
    board_.SetComputerPlaysWhite(false);
    board_.SetComputerPlaysBlack(false);
    board_.OnLegalMove = [this](TVeltanBrdKernel&, Square from, Square to) {
        if (!following_) {
            droppedFrom_ = from;
            droppedTo_ = to;
        }
    };
    board_.OnTurnSettled = [this](TVeltanBrdKernel&) {
        // Sent once the board has finished the drop, so showing the game anew
        // (a move that may not go) never happens under the board's own feet.
        if (!following_ && droppedFrom_ != SqrNone)
            QMetaObject::invokeMethod(this, &TOnlineTable::SendDroppedMove, Qt::QueuedConnection);
    };
    window_.SetGameAuthority(this);
    SetLocalCommandsEnabled(false);

    net::TOnlineSession* const s = session_.get();
    connect(s, &net::TOnlineSession::GameReset, this, &TOnlineTable::OnGameReset);
    connect(s, &net::TOnlineSession::MoveArrived, this, &TOnlineTable::OnMoveArrived);
    connect(s, &net::TOnlineSession::MoveTakenBack, this, &TOnlineTable::OnMoveTakenBack);
    connect(s, &net::TOnlineSession::MoveAnswered, this, &TOnlineTable::ShowStatus);
    connect(s, &net::TOnlineSession::StateChanged, this, &TOnlineTable::ShowStatus);
    connect(s, &net::TOnlineSession::SeatsChanged, this, &TOnlineTable::ShowStatus);
    connect(s, &net::TOnlineSession::Seated, this, &TOnlineTable::ShowStatus);
    connect(s, &net::TOnlineSession::ClocksChanged, this, &TOnlineTable::TickClocks);
    connect(s, &net::TOnlineSession::ErrorReceived, this, &TOnlineTable::OnError);
    connect(s, &net::TOnlineSession::ConnectionChanged, this, &TOnlineTable::OnConnection);
    connect(s, &net::TOnlineSession::Failed, this, &TOnlineTable::OnFailed);

    clockTick_.setInterval(ClockTickMs);
    connect(&clockTick_, &QTimer::timeout, this, &TOnlineTable::TickClocks);
    clockTick_.start();
    board_.setEnabled(false);
    ShowStatus();
}

TOnlineTable::~TOnlineTable()
{
    clockTick_.stop();
    // The session's signals must not reach a table half gone.
    session_->disconnect(this);
    session_->Close();
    board_.OnLegalMove = windowLegalMove_;
    board_.OnTurnSettled = windowTurnSettled_;
    board_.OnDraw = windowDraw_;
    board_.SetComputerPlaysWhite(windowComputerWhite_);
    board_.SetComputerPlaysBlack(windowComputerBlack_);
    window_.SetGameAuthority(nullptr);
    SetLocalCommandsEnabled(true);
    // What is on the board becomes a local game, stopped: Start/Stop plays on from it.
    board_.SetDoRefreshWindowsBoard(false);
    board_.SetGameEnded(true);
    board_.SetDoRefreshWindowsBoard(true);
    board_.setEnabled(false);
    // The computer menu and the highlights as a stopped local game has them.
    window_.UpdateGameSettings();
}

void TOnlineTable::StartStopAsked()
{
    switch (session_->Game().State()) {
    case net::TGameState::Waiting:
        session_->Command(net::TTeamCommand::Start);
        break;
    case net::TGameState::Running:
        session_->Command(net::TTeamCommand::Pause);
        break;
    case net::TGameState::Paused:
        session_->Command(net::TTeamCommand::Continue);
        break;
    case net::TGameState::Ended:
        SetNotice(session_->Game().Ending().message);
        break;
    }
}

void TOnlineTable::RecordShown()
{
    UpdateBoardControl();
    if (board_.LastMove != board_.HistoryEnd())
        SetNotice(tr("Looking back at move %1 of %2: the game goes on at the last one")
                      .arg(board_.LastMove)
                      .arg(board_.HistoryEnd()));
    else
        SetNotice({});
}

void TOnlineTable::OnGameReset()
{
    ShowGame();
    emit Changed();
}

void TOnlineTable::OnMoveArrived(int number, Square, Square)
{
    const std::vector<net::TPlayedMove>& moves = session_->Game().Moves();
    if (number < 1 || number > static_cast<int>(moves.size()))
        return ShowGame();
    // A new move brings a player who looked back to the game as it stands.
    if (board_.LastMove != board_.HistoryEnd())
        board_.GotoMove(board_.HistoryEnd());
    notice_.clear();
    following_ = true;
    const bool fits = board_.HistoryEnd() == number - 1 && session_->Game().Pending().empty() &&
                      PlayArrivedMove(board_, moves[static_cast<std::size_t>(number - 1)].move);
    following_ = false;
    if (!fits)
        ShowGame();
    UpdateBoardControl();
    ShowStatus();
    emit Changed();
}

void TOnlineTable::OnMoveTakenBack(const QString&, Square from, Square to, const QString& reason)
{
    ShowGame();
    SetNotice(tr("%1 was refused: %2").arg(net::MoveName({from, to, NoPromotion}), reason));
}

void TOnlineTable::OnError(const QString&, const QString& text)
{
    SetNotice(text);
}

void TOnlineTable::OnConnection(net::TConnectionState)
{
    UpdateBoardControl();
    ShowStatus();
}

void TOnlineTable::OnFailed(const QString& problem)
{
    UpdateBoardControl();
    SetNotice(problem);
    emit Failed(problem);
}

void TOnlineTable::SendDroppedMove()
{
    const Square from = droppedFrom_;
    const Square to = droppedTo_;
    droppedFrom_ = droppedTo_ = SqrNone;
    // The game may have been shown anew since the drop: only the move still on top goes.
    const int last = board_.LastMove;
    if (last < 1 || last != board_.HistoryEnd() ||
        board_.MoveList[static_cast<std::size_t>(last)].OldSquare != from ||
        board_.MoveList[static_cast<std::size_t>(last)].NewSquare != to)
        return;
    // A pawn that arrived as another piece was promoted: the board chose which.
    char promotion = NoPromotion;
    const std::string before = board_.GetMove(board_.LastMove - 1).position;
    const char moved = from >= 1 && static_cast<std::size_t>(from) <= before.size()
                           ? before[static_cast<std::size_t>(from - 1)]
                           : ' ';
    const char landed = board_.PieceOn(to);
    if (IsPawn(moved) && !IsPawn(landed))
        promotion = static_cast<char>(QChar::toLower(static_cast<char32_t>(landed)));
    const net::TMoveRequest request = session_->Move(from, to, promotion);
    if (!request.problem.isEmpty()) {
        ShowGame();
        SetNotice(request.problem);
        return;
    }
    notice_.clear();
    UpdateBoardControl();
    ShowStatus();
}

void TOnlineTable::ShowGame()
{
    following_ = true;
    const QString problem = ShowFollowedGame(board_, session_->Game());
    following_ = false;
    if (!problem.isEmpty())
        notice_ = problem;
    UpdateBoardControl();
    TickClocks();
    ShowStatus();
}

void TOnlineTable::UpdateBoardControl()
{
    const net::TFollowedGame& game = session_->Game();
    const std::optional<net::TSeat> mover = game.BoardMover();
    bool held = false;
    if (mover)
        for (const net::TSeat seat : session_->HeldSeats())
            held = held || seat == *mover;
    const bool may = held && game.State() == net::TGameState::Running &&
                     board_.LastMove == board_.HistoryEnd() &&
                     session_->Connection().State() != net::TConnectionState::Failed;
    board_.SetPaintBoardCurrentTeamPlayer(game.State() == net::TGameState::Running);
    board_.setEnabled(may);
}

void TOnlineTable::ShowStatus()
{
    UpdateBoardControl();
    const std::optional<qint64> since = session_->Connection().ReconnectingSinceMs();
    QString text =
        since ? ReconnectingText(net::MonotonicNowMs() - *since) : StatusText(session_->Game(), board_);
    if (!notice_.isEmpty())
        text = notice_;
    if (text != status_) {
        status_ = text;
        window_.SetStatusText(text.isEmpty() ? QStringLiteral(" ") : text);
    }
    emit Changed();
}

void TOnlineTable::TickClocks()
{
    const net::TFollowedGame& game = session_->Game();
    if (!game.HasGame())
        return;
    const qint64 now = net::MonotonicNowMs();
    board_.SetTimeLeftWhite(static_cast<double>(game.Clocks().LeftMs(true, now)) / MillisecondsPerDay);
    board_.SetTimeLeftBlack(static_cast<double>(game.Clocks().LeftMs(false, now)) / MillisecondsPerDay);
    window_.ShowClocks();
    // The time away grows while the line is down.
    if (session_->Connection().ReconnectingSinceMs())
        ShowStatus();
}

void TOnlineTable::SetNotice(const QString& text)
{
    notice_ = text;
    ShowStatus();
}

void TOnlineTable::SetLocalCommandsEnabled(bool enabled)
{
    if (localCommands_.isEmpty()) {
        for (const char* name : LocalCommandNames)
            if (auto* const action = window_.findChild<QAction*>(QString::fromLatin1(name)))
                localCommands_.append(action);
        if (auto* const levels = window_.findChild<QMenu*>(QStringLiteral("MnuComputerLevel")))
            localCommands_.append(levels->menuAction());
    }
    for (const QPointer<QAction>& action : localCommands_)
        if (action)
            action->setEnabled(enabled);
}

} // namespace online
