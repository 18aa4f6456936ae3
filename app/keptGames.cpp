#include "keptGames.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <algorithm>

#include "gameFileFormat.h"
#include "gameFileNames.h"
#include "gameFileReader.h"

namespace {

const QString GameSuffix = QStringLiteral(".xml");
const QString LockSuffix = QStringLiteral(".lock");
// Names are random: a clash is rare, and a few tries make it vanishingly so.
constexpr int NameAttempts = 8;

// File names come from the disk: only the program's own form is taken, so a
// stray file in the folder is never read, claimed or removed.
bool IsKeptGameName(const QString& name)
{
    static const QRegularExpression form(QStringLiteral("\\Aunfinished-game(-[A-Za-z0-9-]{1,64})?\\z"));
    return form.match(name).hasMatch();
}

QString FreshName()
{
    return QStringLiteral("unfinished-game-%1-%2")
        .arg(GameFileStamp(QDateTime::currentDateTime()))
        .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

QByteArray ReadDocument(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(gamefile::MaxFileBytes + 1) : QByteArray();
}

// A program killed before it kept a game leaves its lock alone. Taking such a
// lock over and letting it go removes it.
void RemoveLocksWithoutGame(const QDir& dir)
{
    for (const QString& lockName : dir.entryList({QStringLiteral("unfinished-game*.lock")}, QDir::Files)) {
        const QString name = lockName.chopped(LockSuffix.size());
        if (!IsKeptGameName(name) || dir.exists(name + GameSuffix))
            continue;
        TUnfinishedGameFile left(dir.path(), name);
        (void)left.Claim();
    }
}

} // namespace

TFoundKeptGames ClaimUnclaimedKeptGames(const QString& folder)
{
    TFoundKeptGames found;
    const QDir dir(folder);
    if (!dir.exists())
        return found;
    RemoveLocksWithoutGame(dir);
    for (const QString& fileName : dir.entryList({QStringLiteral("unfinished-game*.xml")}, QDir::Files)) {
        const QString name = fileName.chopped(GameSuffix.size());
        if (!IsKeptGameName(name))
            continue;
        auto file = std::make_unique<TUnfinishedGameFile>(folder, name);
        // Held by a running program, or removed by its program as it ended
        // between the look and the claim.
        if (!file->Claim() || !file->Exists())
            continue;
        const QByteArray document = ReadDocument(file->Path());
        TGameFileReading reading = ParseGameFile(document);
        if (!reading.Passed()) {
            found.damaged.push_back({reading.problem, file->SetAside()});
            continue;
        }
        if (reading.game.moves.empty()) {
            file->Remove();
            continue;
        }
        const QDateTime written = QFileInfo(file->Path()).lastModified();
        found.games.push_back({std::move(file), written, std::move(reading.game), ReadResumeState(document)});
    }
    std::stable_sort(found.games.begin(), found.games.end(),
                     [](const TKeptGame& a, const TKeptGame& b) { return a.written > b.written; });
    return found;
}

std::unique_ptr<TUnfinishedGameFile> ClaimNewKeptGameFile(const QString& folder)
{
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        auto file = std::make_unique<TUnfinishedGameFile>(folder, FreshName());
        // A game already under the name belongs to someone else, even unheld.
        if (file->Claim() && !file->Exists())
            return file;
    }
    return std::make_unique<TUnfinishedGameFile>(folder, FreshName());
}
