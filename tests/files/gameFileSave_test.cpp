// Saving replaces a file only once the new one is completely written: a
// failed save is reported, leaves any earlier file as it was and is never
// reported as done.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include "gameDocuments.h"
#include "gameFileWriter.h"
#include "gamePlay.h"

namespace {

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class GameFileSaving : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        StartGame(board, {1, 1});
        ASSERT_EQ(PlayMoves(board, 6, 11), 6);
    }
    QStringList FilesInDir() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir dir;
    TVeltanBrdKernel board;
};

TEST_F(GameFileSaving, WritesTheDocumentNamedAfterTheChosenPath)
{
    const QString path = dir.filePath(QStringLiteral("game.xml"));

    const TGameFileOutcome outcome = SaveGameFile(path, board, TestGameStamp);

    EXPECT_TRUE(outcome.done);
    EXPECT_TRUE(outcome.message.isEmpty());
    EXPECT_EQ(Contents(path), GameFileDocument(board, path, TestGameStamp));
}

TEST_F(GameFileSaving, ReplacesAnExistingFileAndLeavesNothingElseBehind)
{
    const QString path = dir.filePath(QStringLiteral("game.xml"));
    ASSERT_TRUE(WriteBytes(path, "an older game"));

    ASSERT_TRUE(SaveGameFile(path, board, TestGameStamp).done);

    EXPECT_EQ(Contents(path), GameFileDocument(board, path, TestGameStamp));
    EXPECT_EQ(FilesInDir(), QStringList{QStringLiteral("game.xml")});
}

struct UnwritablePlace {
    const char* name;
    const char* relativePath;
};

void PrintTo(const UnwritablePlace& c, std::ostream* os)
{
    *os << c.name;
}

class GameFileSavingFails : public GameFileSaving, public testing::WithParamInterface<UnwritablePlace> {};

TEST_P(GameFileSavingFails, ReportsTheFailureNamingTheFile)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const QString path = dir.filePath(QString::fromLatin1(GetParam().relativePath));

    const TGameFileOutcome outcome = SaveGameFile(path, board, TestGameStamp);

    EXPECT_FALSE(outcome.done);
    EXPECT_TRUE(outcome.message.contains(QDir::toNativeSeparators(path))) << outcome.message.toStdString();
    EXPECT_TRUE(outcome.message.startsWith(QStringLiteral("Cannot save"))) << outcome.message.toStdString();
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("folder"))).isDir());
}

INSTANTIATE_TEST_SUITE_P(Places, GameFileSavingFails,
                         testing::Values(UnwritablePlace{"MissingFolder", "no-such-folder/game.xml"},
                                         UnwritablePlace{"PathIsAFolder", "folder"}),
                         [](const testing::TestParamInfo<UnwritablePlace>& info) {
                             return std::string(info.param.name);
                         });

// Files may not grow past a small size for as long as it lives, the way a
// full disk stops a save half way.
class ScopedFileSizeLimit {
public:
    explicit ScopedFileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &_previous);
        _previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = _previous;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~ScopedFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &_previous);
        std::signal(SIGXFSZ, _previousHandler);
    }
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

private:
    rlimit _previous{};
    void (*_previousHandler)(int) = SIG_DFL;
};

TEST_F(GameFileSaving, AWriteThatFailsHalfWayLeavesTheOldFileIntact)
{
    const QString path = dir.filePath(QStringLiteral("game.xml"));
    const QByteArray older = "<?xml version=\"1.0\"?><Veltan/>";
    ASSERT_TRUE(WriteBytes(path, older));
    ASSERT_GT(GameFileDocument(board, path, TestGameStamp).size(), 2 * 1024);

    TGameFileOutcome outcome;
    {
        const ScopedFileSizeLimit limit(1024);
        outcome = SaveGameFile(path, board, TestGameStamp);
    }

    EXPECT_FALSE(outcome.done);
    EXPECT_TRUE(outcome.message.contains(QDir::toNativeSeparators(path))) << outcome.message.toStdString();
    EXPECT_EQ(Contents(path), older);
    EXPECT_EQ(FilesInDir(), QStringList{QStringLiteral("game.xml")});
}

} // namespace
