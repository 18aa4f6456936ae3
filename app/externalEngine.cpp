#include "externalEngine.h"

#include <QFileInfo>
#include <algorithm>

#include "historyReplay.h"
#include "infoLine.h"
#include "moveText.h"
#include "positionCommand.h"

namespace {

using std::chrono::milliseconds;

constexpr double MillisecondsPerDay = 86'400'000.0;
// A program that is told to go gets a moment to end before it is killed.
constexpr int QuitWaitMs = 300;
// The most of a refused answer, or of the program's reason for refusing a game, a message repeats.
constexpr qsizetype QuotedAnswerLength = 24;
constexpr qsizetype QuotedReasonLength = 80;
// What the program writes when it refuses the game it was sent.
const QByteArray PositionRefusal = QByteArrayLiteral("info string position:");

milliseconds DaysToMilliseconds(double days)
{
    return milliseconds(static_cast<long long>(std::max(0.0, days) * MillisecondsPerDay));
}

bool IsLastRank(Square sq)
{
    const int rank = TVeltanBrdKernel::YPos(sq);
    return rank == 1 || rank == BoardSize;
}

// The most of another program's words a message repeats, as the program wrote them.
QString Shown(const QByteArray& words, qsizetype length)
{
    return QString::fromLatin1(words.left(length));
}

} // namespace

TExternalEngine::TExternalEngine(TVeltanBrdKernel& board, QObject* parent) : QObject(parent), _board(board)
{
    _deadline.setSingleShot(true);
    connect(&_deadline, &QTimer::timeout, this, &TExternalEngine::DeadlinePassed);
    connect(&_process, &QProcess::readyReadStandardOutput, this, &TExternalEngine::ReadOutput);
    connect(&_process, &QProcess::errorOccurred, this, &TExternalEngine::ProcessError);
    connect(&_process, &QProcess::finished, this, &TExternalEngine::ProcessFinished);
    connect(&_process, &QProcess::started, this, [this] { Send("vep"); });
    // What the program writes to its error channel is of no use here and must not fill a pipe.
    _process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

TExternalEngine::~TExternalEngine()
{
    Shutdown();
}

bool TExternalEngine::CanRun(const QString& program)
{
    const QFileInfo file(program);
    return file.isAbsolute() && file.isFile() && file.isExecutable();
}

void TExternalEngine::Start(const QString& program)
{
    Shutdown();
    _program = program;
    _pending.clear();
    _moveWaiting = false;
    // A program that is not there is told of once the caller has finished
    // setting up, as a program that ends at once would be.
    if (!CanRun(program)) {
        GiveWay(Message(tr("could not be started: there is no program at %1").arg(program)));
        return;
    }
    Enter(TState::Greeting, Grace);
    // Failing to start is reported through errorOccurred; the greeting follows `started`.
    _process.start(program, {});
}

void TExternalEngine::Shutdown()
{
    _deadline.stop();
    _state = TState::Off;
    _moveWaiting = false;
    if (_process.state() == QProcess::NotRunning)
        return;
    // Its ending is ours, not a failure: nothing it does from here is heard.
    const QSignalBlocker quiet(_process);
    Send("stop");
    Send("quit");
    if (!_process.waitForFinished(QuitWaitMs)) {
        _process.kill();
        _process.waitForFinished(QuitWaitMs);
    }
}

void TExternalEngine::MoveDue()
{
    if (_playing)
        return;
    switch (_state) {
    case TState::Off:
        return;
    case TState::Greeting:
    case TState::Readying:
    case TState::Stopping:
        _moveWaiting = true;
        return;
    case TState::Thinking:
        // A `go` for the position shown is outstanding: nothing more to ask.
        if (AskedPositionShown())
            return;
        if (!_stopSent)
            Send("stop");
        Enter(TState::Stopping, Grace);
        _moveWaiting = true;
        return;
    case TState::Idle:
        break;
    }
    _moveWaiting = false;
    if (!MoveWanted())
        return;
    // The program is told the game as moves from its start, made by the
    // referee it uses itself: a history that does not lead to the position
    // shown would have it search another game, and its answer could still
    // pass for a move here.
    const THistoryReplay replay = ReplayHistory(_board);
    if (!replay.problem.empty()) {
        GiveWay(tr("The game on the board cannot be told to the engine program \"%1\" as moves from its "
                   "start (%2). %3")
                    .arg(ProgramName(), QString::fromStdString(replay.problem), BuiltInPlaysText()));
        return;
    }
    _askedMove = _board.LastMove;
    _askedPosition = _board.position();
    _askedWhite = _board.WhiteToMove();
    _askedPlayer = _board.CurrentTeamPlayer();
    milliseconds time{0};
    const std::string go = GoCommand(time);
    Send(PositionCommand(replay.moves));
    Send(go);
    _askedAt = std::chrono::steady_clock::now();
    _reported = TThinkingProgress{};
    _stopSent = false;
    Enter(TState::Thinking, time + Grace);
}

void TExternalEngine::Cancel()
{
    if (_state == TState::Thinking) {
        if (!_stopSent)
            Send("stop");
        Enter(TState::Stopping, Grace);
    }
    _moveWaiting = false;
}

bool TExternalEngine::MoveNow()
{
    if (_state != TState::Thinking)
        return false;
    // Still Thinking: the answer to the `stop` is the answer to the `go`, and
    // is checked and played as such. A stopped program answers at once.
    if (!_stopSent) {
        Send("stop");
        _stopSent = true;
        Enter(TState::Thinking, Grace);
    }
    return true;
}

TThinkingProgress TExternalEngine::Progress() const
{
    if (_state != TState::Thinking)
        return {};
    TThinkingProgress progress = _reported;
    progress.running = true;
    progress.elapsed = std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now() - _askedAt);
    return progress;
}

bool TExternalEngine::MoveWanted() const
{
    return !_board.GameEnded() && _board.ComputerToMove() && _board.LastMove < MaxHistoryMoves;
}

bool TExternalEngine::AskedPositionShown() const
{
    return _askedMove == _board.LastMove && _askedWhite == _board.WhiteToMove() &&
           _askedPlayer == _board.CurrentTeamPlayer() && _askedPosition == _board.position();
}

std::string TExternalEngine::PositionCommand(const std::vector<std::string>& moves) const
{
    const MoveInfo& start = _board.MoveList[0];
    const TTurnRules rules{_board.MovesPerTeamTurn(), _board.PlayersPerTeam()};
    return BoardPositionCommand(start.position, start.players, rules, moves);
}

std::string TExternalEngine::GoCommand(milliseconds& time) const
{
    const bool white = _board.WhiteToMove();
    const milliseconds left = DaysToMilliseconds(white ? _board.TimeLeftWhite() : _board.TimeLeftBlack());
    // Every level stops at a quarter of what is left on the team's clock.
    const milliseconds quarter = std::max(milliseconds(1), left / 4);
    if (_board.ComputerUsesClock()) {
        time = left;
        return "go wtime " + std::to_string(DaysToMilliseconds(_board.TimeLeftWhite()).count()) + " btime " +
               std::to_string(DaysToMilliseconds(_board.TimeLeftBlack()).count()) + " winc " +
               std::to_string(DaysToMilliseconds(_board.TimeIncrementWhite()).count()) + " binc " +
               std::to_string(DaysToMilliseconds(_board.TimeIncrementBlack()).count());
    }
    if (_board.ComputerMoveTime() > milliseconds(0)) {
        time = std::min(_board.ComputerMoveTime(), quarter);
        return "go movetime " + std::to_string(time.count());
    }
    time = quarter;
    return "go depth " + std::to_string(_board.SearchDepth()) + " movetime " +
           std::to_string(quarter.count());
}

void TExternalEngine::ReadOutput()
{
    _pending += _process.readAllStandardOutput();
    while (_state != TState::Off) {
        const qsizetype end = _pending.indexOf('\n');
        if (end < 0)
            break;
        const QByteArray line = _pending.left(end);
        _pending.remove(0, end + 1);
        if (line.size() > MaxLineLength) {
            Fail(tr("sent a line that is far too long"));
            return;
        }
        HandleLine(line);
    }
    if (_state != TState::Off && _pending.size() > MaxLineLength)
        Fail(tr("sent a line that is far too long"));
}

void TExternalEngine::HandleLine(const QByteArray& line)
{
    const QByteArray simple = line.simplified();
    const QList<QByteArray> words = simple.split(' ');
    const QByteArray& first = words.front();
    if (simple.startsWith(PositionRefusal) && (_state == TState::Thinking || _state == TState::Stopping)) {
        // A refused game leaves the program with the one before, which is no
        // longer on the board: whatever it answers is about another game.
        const QByteArray reason = simple.mid(PositionRefusal.size()).trimmed();
        Fail(tr("refused the game it was sent (%1)").arg(Shown(reason, QuotedReasonLength)));
    } else if (first == "vepok" && _state == TState::Greeting) {
        Send("isready");
        Enter(TState::Readying, Grace);
    } else if (first == "readyok" && _state == TState::Readying) {
        Enter(TState::Idle, milliseconds(0));
        if (_moveWaiting)
            MoveDue();
    } else if (first == "bestmove" && (_state == TState::Thinking || _state == TState::Stopping)) {
        HandleBestMove(words.size() > 1 ? words[1] : QByteArray());
    } else if (first == "info" && _state == TState::Thinking) {
        HandleInfo(line);
    }
    // Anything else (names, options, stray words) changes nothing.
}

void TExternalEngine::HandleInfo(const QByteArray& line)
{
    // Only a report of a move the position shown allows is passed on: the
    // line above the board never shows a move the program could not play.
    const std::optional<TInfoLine> report = ReadInfoLine(std::string_view(line.constData(), line.size()));
    if (!report || !AskedPositionShown() || !_board.MoveIsLegal(report->from, report->to))
        return;
    _reported.depth = report->depth;
    _reported.from = report->from;
    _reported.to = report->to;
}

void TExternalEngine::HandleBestMove(const QByteArray& word)
{
    const bool stopped = _state == TState::Stopping;
    Enter(TState::Idle, milliseconds(0));
    // An answer for a position no longer shown, or for a game that ended
    // meanwhile (a flag fall among them), is dropped.
    if (stopped || !AskedPositionShown() || !MoveWanted()) {
        if (_moveWaiting)
            MoveDue();
        return;
    }
    const std::optional<TProtocolMove> move = ReadMoveText(std::string_view(word.constData(), word.size()));
    const bool promotes = move && (_board.PieceOn(move->from) == 'P' || _board.PieceOn(move->from) == 'p') &&
                          IsLastRank(move->to);
    if (!move || !_board.MoveIsLegal(move->from, move->to) || (move->promotion != NoPromotion && !promotes)) {
        const QString shown = Shown(word, QuotedAnswerLength);
        Fail(tr("answered with a move the game does not allow (%1)")
                 .arg(shown.isEmpty() ? tr("none") : shown));
        return;
    }
    PlayMove(move->from, move->to, move->promotion);
}

void TExternalEngine::PlayMove(Square from, Square to, char promotion)
{
    // The board's own road: animated, recorded and timed as a person's move is.
    const char kept = _board.PromoteTo;
    _board.PromoteTo = promotion == NoPromotion ? 'q' : promotion;
    _playing = true;
    _board.move(from, to);
    _playing = false;
    _board.PromoteTo = kept;
    // A turn of several moves goes on with this engine's next one.
    MoveDue();
}

void TExternalEngine::ProcessError(QProcess::ProcessError error)
{
    if (error == QProcess::FailedToStart)
        Fail(tr("could not be started"));
    else if (error == QProcess::Crashed)
        Fail(tr("stopped working"));
}

void TExternalEngine::ProcessFinished()
{
    Fail(tr("stopped working"));
}

void TExternalEngine::DeadlinePassed()
{
    Fail(tr("did not answer in time"));
}

void TExternalEngine::Send(const std::string& line)
{
    if (_process.state() != QProcess::Running)
        return;
    _process.write(QByteArray::fromStdString(line + '\n'));
}

void TExternalEngine::Enter(TState state, milliseconds wait)
{
    _state = state;
    if (wait > milliseconds(0))
        _deadline.start(wait);
    else
        _deadline.stop();
}

void TExternalEngine::Fail(const QString& why)
{
    if (_state == TState::Off)
        return;
    const QString message = Message(why);
    Shutdown();
    emit Failed(message);
}

void TExternalEngine::GiveWay(const QString& message)
{
    Shutdown();
    // Raised from the event loop: the caller may be the board in the middle
    // of a move, which the window's answer (stopping the game, a message box)
    // must not run into. A program started again meanwhile is not blamed.
    QMetaObject::invokeMethod(
        this,
        [this, message] {
            if (_state == TState::Off)
                emit Failed(message);
        },
        Qt::QueuedConnection);
}

QString TExternalEngine::Message(const QString& why) const
{
    return tr("The engine program \"%1\" %2. %3").arg(ProgramName(), why, BuiltInPlaysText());
}

QString TExternalEngine::BuiltInPlaysText()
{
    return tr("The computer plays with its built-in engine until Veltan is started again, or until "
              "you choose an engine again under Computer engine.");
}

QString TExternalEngine::ProgramName() const
{
    return NameOf(_program);
}

QString TExternalEngine::NameOf(const QString& program)
{
    const QString name = QFileInfo(program).fileName();
    return name.isEmpty() ? program : name;
}
