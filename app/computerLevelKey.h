#pragma once
// The computer's level as the settings and the unfinished game keep it: a
// short name that stays the same when levels are added or renamed in the menu.

#include <QString>

class TVeltanBrdKernel;

/// The key of the board's level: "0.5s", "2s", "10s", "clock" or "depth1".."depth8".
QString ComputerLevelKey(const TVeltanBrdKernel& board);

/// True for a name ApplyComputerLevelKey knows.
bool IsComputerLevelKey(const QString& key);

/// Sets the board's level from its name; false, and nothing changed, for a name it does not know.
bool ApplyComputerLevelKey(const QString& key, TVeltanBrdKernel& board);
