#include "unfinishedGame.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "gameFileNames.h"
#include "veltanbrdKernel.h"

namespace {

// The one kept game of earlier versions, now read as one kept game among others.
const QString SingleGameName = QStringLiteral("unfinished-game");
const QString DamagedSuffix = QStringLiteral(".damaged-");

} // namespace

bool IsUnfinishedGame(const TVeltanBrdKernel& board)
{
    // Judged at the end of the line: looking back at an earlier record, the
    // start included, leaves the game as unfinished as it was.
    return board.HistoryEnd() >= 1 && board.LineEnding() == TGameEnding::None;
}

TUnfinishedGameFile::TUnfinishedGameFile(const QString& folder) : TUnfinishedGameFile(folder, SingleGameName)
{
}

TUnfinishedGameFile::TUnfinishedGameFile(const QString& folder, const QString& name)
    : _folder(folder), _path(QDir(folder).filePath(name + QStringLiteral(".xml"))),
      _lock(QDir(folder).filePath(name + QStringLiteral(".lock")))
{
    _writer.setMaxThreadCount(1);
    // A program killed outright leaves its lock behind; a lock whose program
    // is gone is taken over at once, whatever its age.
    _lock.setStaleLockTime(0);
}

TUnfinishedGameFile::~TUnfinishedGameFile()
{
    Flush();
}

QString TUnfinishedGameFile::DefaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

bool TUnfinishedGameFile::Claim()
{
    if (!_claimed && QDir().mkpath(_folder))
        _claimed = _lock.tryLock(0);
    return _claimed;
}

bool TUnfinishedGameFile::Exists() const
{
    return QFile::exists(_path);
}

void TUnfinishedGameFile::Save(TGameFileContent game, TExtraAttributes extras)
{
    Queue({false, std::move(game), std::move(extras)});
}

void TUnfinishedGameFile::Remove()
{
    Queue({true, {}, {}});
}

QString TUnfinishedGameFile::SetAside()
{
    if (!_claimed)
        return {};
    Flush();
    const QString aside = _path + DamagedSuffix + GameFileStamp(QDateTime::currentDateTime());
    return QFile::rename(_path, aside) ? aside : QString();
}

void TUnfinishedGameFile::Flush()
{
    _writer.waitForDone();
}

void TUnfinishedGameFile::Queue(TJob job)
{
    if (!_claimed)
        return;
    const QMutexLocker locker(&_mutex);
    _pending = std::move(job);
    if (_running)
        return;
    _running = true;
    _writer.start([this] { RunJobs(); });
}

void TUnfinishedGameFile::RunJobs()
{
    for (;;) {
        TJob job;
        {
            const QMutexLocker locker(&_mutex);
            if (!_pending) {
                _running = false;
                return;
            }
            job = std::move(*_pending);
            _pending.reset();
        }
        Perform(job);
    }
}

void TUnfinishedGameFile::Perform(const TJob& job) const
{
    if (job.remove) {
        QFile::remove(_path);
        return;
    }
    // A failed write leaves the previous kept game whole; the next move tries again.
    const QString stamp = GameFileStamp(QDateTime::currentDateTime());
    (void)SaveGameDocument(_path, GameFileDocument(job.game, _path, stamp, job.extras));
}
