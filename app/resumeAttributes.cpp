#include "resumeAttributes.h"

#include <QXmlStreamReader>

#include "computerLevels.h"
#include "gameFileFormat.h"
#include "veltanbrdKernel.h"

namespace {

const QString ComputerWhiteAttribute = QStringLiteral("ComputerWhite");
const QString ComputerBlackAttribute = QStringLiteral("ComputerBlack");
const QString ComputerLevelAttribute = QStringLiteral("ComputerLevel");
// Milliseconds: the clock counts in tenths of a second, finer than a record's h:mm:ss.
const QString TimeLeftWhiteAttribute = QStringLiteral("ClockWhiteMs");
const QString TimeLeftBlackAttribute = QStringLiteral("ClockBlackMs");
const QString ClockRanAttribute = QStringLiteral("ClockRan");
const QString ShownMoveAttribute = QStringLiteral("ShownMove");
const QString TrueText = QStringLiteral("true");
const QString FalseText = QStringLiteral("false");
const QString NoClock = QStringLiteral("None");

constexpr double MillisecondsPerDay = 86'400'000.0;
// Longer than any clock a game can be set to (the options take minutes in an int).
constexpr qint64 LongestClockMs = qint64{1} << 45;

std::optional<bool> ReadFlag(const QXmlStreamAttributes& attributes, const QString& name)
{
    const auto value = attributes.value(name);
    if (value == TrueText || value == FalseText)
        return value == TrueText;
    return std::nullopt;
}

std::optional<int> ReadMoveNumber(const QXmlStreamAttributes& attributes, const QString& name)
{
    bool number = false;
    const int moveno = attributes.value(name).toInt(&number);
    if (!number || moveno < 0 || moveno > MaxHistoryMoves)
        return std::nullopt;
    return moveno;
}

std::optional<double> ReadClock(const QXmlStreamAttributes& attributes, const QString& name)
{
    bool number = false;
    const qint64 ms = attributes.value(name).toLongLong(&number);
    if (!number || ms <= 0 || ms > LongestClockMs)
        return std::nullopt;
    return static_cast<double>(ms) / MillisecondsPerDay;
}

QString ClockText(double days)
{
    return QString::number(qRound64(days * MillisecondsPerDay));
}

} // namespace

TResumeState ResumeStateOf(const TVeltanBrdKernel& board, bool clockRunning)
{
    TResumeState state;
    state.computerWhite = board.ComputerPlaysWhite();
    state.computerBlack = board.ComputerPlaysBlack();
    state.level = CurrentComputerLevel(board).key;
    state.timeLeftWhite = board.TimeLeftWhite();
    state.timeLeftBlack = board.TimeLeftBlack();
    if (clockRunning)
        state.clockRan = board.WhiteToMove() ? TRunningClock::White : TRunningClock::Black;
    if (board.LastMove < board.HistoryEnd())
        state.shownMove = board.LastMove;
    return state;
}

TExtraAttributes ResumeAttributes(const TResumeState& state)
{
    TExtraAttributes attributes = {
        {ComputerWhiteAttribute, state.computerWhite ? TrueText : FalseText},
        {ComputerBlackAttribute, state.computerBlack ? TrueText : FalseText},
    };
    if (!state.level.isEmpty())
        attributes.emplace_back(ComputerLevelAttribute, state.level);
    if (state.timeLeftWhite)
        attributes.emplace_back(TimeLeftWhiteAttribute, ClockText(*state.timeLeftWhite));
    if (state.timeLeftBlack)
        attributes.emplace_back(TimeLeftBlackAttribute, ClockText(*state.timeLeftBlack));
    const QString ran = state.clockRan == TRunningClock::White   ? QString(gamefile::WhiteTeam)
                        : state.clockRan == TRunningClock::Black ? QString(gamefile::BlackTeam)
                                                                 : NoClock;
    attributes.emplace_back(ClockRanAttribute, ran);
    if (state.shownMove)
        attributes.emplace_back(ShownMoveAttribute, QString::number(*state.shownMove));
    return attributes;
}

TResumeState ReadResumeState(const QByteArray& document)
{
    TResumeState state;
    QXmlStreamReader reader(document);
    if (!reader.readNextStartElement())
        return state;
    const QXmlStreamAttributes attributes = reader.attributes();
    state.computerWhite = ReadFlag(attributes, ComputerWhiteAttribute).value_or(false);
    state.computerBlack = ReadFlag(attributes, ComputerBlackAttribute).value_or(false);
    const QString level = attributes.value(ComputerLevelAttribute).toString();
    if (IsComputerLevelKey(level))
        state.level = level;
    state.timeLeftWhite = ReadClock(attributes, TimeLeftWhiteAttribute);
    state.timeLeftBlack = ReadClock(attributes, TimeLeftBlackAttribute);
    const auto ran = attributes.value(ClockRanAttribute);
    state.clockRan = ran == gamefile::WhiteTeam   ? TRunningClock::White
                     : ran == gamefile::BlackTeam ? TRunningClock::Black
                                                  : TRunningClock::None;
    state.shownMove = ReadMoveNumber(attributes, ShownMoveAttribute);
    return state;
}

void ApplyResumeState(const TResumeState& state, TVeltanBrdKernel& board)
{
    board.SetComputerPlaysWhite(state.computerWhite);
    board.SetComputerPlaysBlack(state.computerBlack);
    if (!state.level.isEmpty())
        ApplyComputerLevel(board, state.level);
    if (state.timeLeftWhite)
        board.SetTimeLeftWhite(*state.timeLeftWhite);
    if (state.timeLeftBlack)
        board.SetTimeLeftBlack(*state.timeLeftBlack);
    // The rest of the line stays there for Forward.
    if (state.shownMove && *state.shownMove != board.LastMove)
        board.GotoMove(*state.shownMove);
}
