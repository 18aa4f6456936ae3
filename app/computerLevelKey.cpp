#include "computerLevelKey.h"

#include <algorithm>

#include "computerLevels.h"

QString ComputerLevelKey(const TVeltanBrdKernel& board)
{
    return CurrentComputerLevel(board).key;
}

bool IsComputerLevelKey(const QString& key)
{
    const auto& levels = ComputerLevels();
    return std::any_of(levels.begin(), levels.end(), [&key](const TComputerLevel& level) { return level.key == key; });
}

bool ApplyComputerLevelKey(const QString& key, TVeltanBrdKernel& board)
{
    return ApplyComputerLevel(board, key);
}
