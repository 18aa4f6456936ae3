#include "computerLevels.h"

#include <algorithm>
#include <array>

#include "searchStrength.h"

namespace {

constexpr int DeepestLevel = 8;
// A newcomer can beat this step with some care and still learn from it.
constexpr std::size_t DefaultLevel = 2;

// The steps' names, from the weakest.
constexpr std::array<const char*, StrengthSteps> StepNames = {
    "Beginner", "Novice", "Casual", "Improver", "Club player", "Strong club player", "Expert", "Strongest",
};

std::vector<TComputerLevel> MakeLevels()
{
    using TPace = TComputerLevel::TPace;
    std::vector<TComputerLevel> levels;
    for (int step = 1; step <= StrengthSteps; ++step)
        levels.push_back({QStringLiteral("strength%1").arg(step),
                          QString::fromLatin1(StepNames[static_cast<std::size_t>(step - 1)]), TPace::Strength,
                          step});
    const std::vector<TComputerLevel> paced = {
        {QStringLiteral("0.5s"), QStringLiteral("About 0.5 seconds a move"), TPace::MoveTime, 500},
        {QStringLiteral("2s"), QStringLiteral("About 2 seconds a move"), TPace::MoveTime, 2000},
        {QStringLiteral("10s"), QStringLiteral("About 10 seconds a move"), TPace::MoveTime, 10000},
        {QStringLiteral("clock"), QStringLiteral("By the team's clock"), TPace::Clock, 0},
    };
    levels.insert(levels.end(), paced.begin(), paced.end());
    for (int depth = 1; depth <= DeepestLevel; ++depth)
        levels.push_back({QStringLiteral("depth%1").arg(depth), QStringLiteral("Depth %1").arg(depth),
                          TPace::Depth, depth});
    return levels;
}

bool Matches(const TComputerLevel& level, const TVeltanBrdKernel& board)
{
    if (level.pace == TComputerLevel::TPace::Strength)
        return board.ComputerStrength() == level.amount;
    if (board.ComputerStrength() != 0)
        return false;
    switch (level.pace) {
    case TComputerLevel::TPace::Strength:
        return false;
    case TComputerLevel::TPace::Clock:
        return board.ComputerUsesClock();
    case TComputerLevel::TPace::MoveTime:
        return !board.ComputerUsesClock() && board.ComputerMoveTime().count() == level.amount;
    case TComputerLevel::TPace::Depth:
        return !board.ComputerUsesClock() && board.ComputerMoveTime().count() == 0 &&
               board.SearchDepth() == level.amount;
    }
    return false;
}

} // namespace

const std::vector<TComputerLevel>& ComputerLevels()
{
    static const std::vector<TComputerLevel> levels = MakeLevels();
    return levels;
}

const TComputerLevel& DefaultComputerLevel()
{
    return ComputerLevels()[DefaultLevel];
}

const TComputerLevel& CurrentComputerLevel(const TVeltanBrdKernel& board)
{
    const auto& levels = ComputerLevels();
    const auto found = std::find_if(levels.begin(), levels.end(),
                                    [&board](const TComputerLevel& l) { return Matches(l, board); });
    return found == levels.end() ? DefaultComputerLevel() : *found;
}

bool IsComputerLevelKey(const QString& key)
{
    const auto& levels = ComputerLevels();
    return std::any_of(levels.begin(), levels.end(),
                       [&key](const TComputerLevel& l) { return l.key == key; });
}

bool ApplyComputerLevel(TVeltanBrdKernel& board, const QString& key)
{
    const auto& levels = ComputerLevels();
    const auto found =
        std::find_if(levels.begin(), levels.end(), [&key](const TComputerLevel& l) { return l.key == key; });
    if (found == levels.end())
        return false;
    board.SetComputerStrength(found->pace == TComputerLevel::TPace::Strength ? found->amount : 0);
    if (found->pace == TComputerLevel::TPace::Strength)
        return true;
    board.SetComputerUsesClock(found->pace == TComputerLevel::TPace::Clock);
    board.SetComputerMoveTime(
        std::chrono::milliseconds(found->pace == TComputerLevel::TPace::MoveTime ? found->amount : 0));
    if (found->pace == TComputerLevel::TPace::Depth)
        board.SetSearchDepth(found->amount);
    return true;
}
