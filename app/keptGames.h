#pragma once
// The unfinished games kept in the program's data folder: each running
// program keeps its game in a file of its own, and a program that starts
// looks for the ones no running program holds.

#include <QDateTime>
#include <QString>
#include <memory>
#include <vector>

#include "gameFileContent.h"
#include "resumeAttributes.h"
#include "unfinishedGame.h"

/// A kept game that no running program held, now claimed by this one.
struct TKeptGame {
    std::unique_ptr<TUnfinishedGameFile> file; ///< claimed
    QDateTime written;                         ///< when the file was last written
    TGameFileContent game;                     ///< as the file holds it, checked
    TResumeState resume;                       ///< the state of play its root records
};

/// A kept file that did not read, and where it was set aside.
struct TDamagedKeptGame {
    QString problem; ///< one sentence, as the game file reader gives it
    QString aside;   ///< the new name; empty when it could not be renamed
};

/// What a look into the folder found.
struct TFoundKeptGames {
    std::vector<TKeptGame> games; ///< newest first
    std::vector<TDamagedKeptGame> damaged;
};

/// Claims every kept game in folder ("unfinished-game.xml", the one file of
/// earlier versions, and "unfinished-game-<id>.xml") whose lock no running program holds (a
/// lock left by a program that is gone is taken over), newest first. A file
/// that does not read is set aside ("….damaged-<stamp>") and reported; one
/// without moves, and a lock left without its game, are removed. The games
/// stay claimed while their TUnfinishedGameFile lives, so a program started
/// at the same moment offers none of them.
TFoundKeptGames ClaimUnclaimedKeptGames(const QString& folder);

/// A file of this program's own in folder, under a name no other file has,
/// claimed; unclaimed (keeping nothing) only when the folder cannot be written.
std::unique_ptr<TUnfinishedGameFile> ClaimNewKeptGameFile(const QString& folder);
