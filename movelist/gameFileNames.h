#pragma once
// File names of saved games.

#include <QDateTime>
#include <QString>

/// A moment as a game file records it, e.g. "2024-03-15-14-05-09" (hours 00-23).
QString GameFileStamp(const QDateTime& moment);

/// The name offered for a new game file: "Veltan-" + stamp + ".xml".
QString DefaultGameFileName(const QString& stamp);

/// The chosen path with ".xml" added when its file name has no suffix.
QString WithGameFileSuffix(const QString& path);
