#pragma once
// An unfinished game kept between runs of the program: a game file in the
// program's data folder, guarded by a lock file of its own so that only one
// running program offers, writes or removes it. Each running program keeps
// its game in a file of its own (keptGames.h finds and names them).

#include <QLockFile>
#include <QMutex>
#include <QString>
#include <QThreadPool>
#include <optional>

#include "gameFileContent.h"
#include "gameFileWriter.h"

class TVeltanBrdKernel;

/// True for a game worth keeping: at least one move at the end of its line of
/// play and no ending there (a loss on time included), whichever record is shown.
bool IsUnfinishedGame(const TVeltanBrdKernel& board);

/// A kept game's file ("<name>.xml") and lock ("<name>.lock").
/// Writing and removing happen in order on a thread of their own, so the
/// player's move never waits for the disk; a request not yet started is
/// replaced by a newer one, as only the latest game matters.
class TUnfinishedGameFile {
public:
    /// Keeps its files in folder, created when first needed, under the name
    /// earlier versions kept their one game under ("unfinished-game").
    explicit TUnfinishedGameFile(const QString& folder);
    /// Keeps its files in folder as name + ".xml" and name + ".lock".
    TUnfinishedGameFile(const QString& folder, const QString& name);
    /// Finishes what was asked for and lets the lock go.
    ~TUnfinishedGameFile();
    TUnfinishedGameFile(const TUnfinishedGameFile&) = delete;
    TUnfinishedGameFile& operator=(const TUnfinishedGameFile&) = delete;

    /// The program's own data folder (QStandardPaths::AppDataLocation).
    static QString DefaultFolder();

    /// Takes the lock; false when another running program holds it. Only the
    /// holder writes, removes or sets aside the file.
    bool Claim();
    bool Claimed() const { return _claimed; }

    /// Where the game is kept.
    QString Path() const { return _path; }
    /// True when a kept game is there (written by an earlier run).
    bool Exists() const;

    /// Queues writing the game with the extra root attributes.
    void Save(TGameFileContent game, TExtraAttributes extras);
    /// Queues removing the kept game.
    void Remove();
    /// Renames a damaged file beside itself ("…xml.damaged-<stamp>") and
    /// returns the new name; empty when it could not be renamed.
    QString SetAside();
    /// Returns once every queued write and removal is done.
    void Flush();

private:
    struct TJob {
        bool remove = false;
        TGameFileContent game;
        TExtraAttributes extras;
    };
    void Queue(TJob job);
    void RunJobs();
    void Perform(const TJob& job) const;

    QString _folder;
    QString _path;
    QLockFile _lock;
    bool _claimed = false;
    QMutex _mutex;
    std::optional<TJob> _pending; // guarded by _mutex
    bool _running = false;        // guarded by _mutex
    QThreadPool _writer;
};
