#include "computerLevelKey.h"

#include <optional>

#include "veltanbrdKernel.h"

namespace {

const QString ClockKey = QStringLiteral("clock");
const QString DepthPrefix = QStringLiteral("depth");
constexpr int ShallowestDepth = 1;
constexpr int DeepestDepth = 8;

// The depth a "depthN" name stands for; nothing for any other name.
std::optional<int> DepthOfKey(const QString& key)
{
    if (!key.startsWith(DepthPrefix))
        return std::nullopt;
    bool number = false;
    const int depth = key.mid(DepthPrefix.size()).toInt(&number);
    // "depth03" or "depth+3" would read as 3 but is no name the program writes.
    if (!number || depth < ShallowestDepth || depth > DeepestDepth ||
        key != DepthPrefix + QString::number(depth))
        return std::nullopt;
    return depth;
}

} // namespace

QString ComputerLevelKey(const TVeltanBrdKernel& board)
{
    return board.ComputerUsesClock() ? ClockKey : DepthPrefix + QString::number(board.SearchDepth());
}

bool IsComputerLevelKey(const QString& key)
{
    return key == ClockKey || DepthOfKey(key).has_value();
}

bool ApplyComputerLevelKey(const QString& key, TVeltanBrdKernel& board)
{
    if (key == ClockKey) {
        board.SetComputerUsesClock(true);
        return true;
    }
    const std::optional<int> depth = DepthOfKey(key);
    if (!depth)
        return false;
    board.SetComputerUsesClock(false);
    board.SetSearchDepth(*depth);
    return true;
}
