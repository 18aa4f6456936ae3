// Thousands of damaged copies of a saved game, made by a seeded generator so
// every run sees the same files: none may crash the loader, and every one it
// refuses must leave the game in progress exactly as it was.

#include <QDir>
#include <QTemporaryDir>
#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <random>

#include "gameDocuments.h"
#include "gameLoader.h"
#include "gamePlay.h"
#include "gameSnapshot.h"
#include "gameTestHost.h"

namespace {

constexpr int MutatedFiles = 3000;
constexpr std::uint32_t Seed = 20240315;

const std::array<QByteArray, 16> Tokens = {
    "<",       ">",         "\"",       "/>",           "&",         "&amp;", "&x;", "\0", "<Move ",
    "<move/>", "</Veltan>", "<Veltan>", "<!DOCTYPE a>", "<![CDATA[", "9999",  "-1"};

// Picks 0..n-1 from the generator's raw output, the same on every library.
std::size_t Pick(std::mt19937& random, std::size_t n)
{
    return n == 0 ? 0 : random() % n;
}

void MutateOnce(QByteArray& bytes, std::mt19937& random)
{
    const auto at = static_cast<qsizetype>(Pick(random, static_cast<std::size_t>(bytes.size()) + 1));
    const auto length = static_cast<qsizetype>(1 + Pick(random, 64));
    switch (Pick(random, 6)) {
    case 0: // flip one bit
        if (at < bytes.size())
            bytes[at] = static_cast<char>(bytes[at] ^ (1 << Pick(random, 8)));
        break;
    case 1: // one byte of something else
        if (at < bytes.size())
            bytes[at] = static_cast<char>(Pick(random, 256));
        break;
    case 2:
        bytes.remove(at, length);
        break;
    case 3: // a stretch copied elsewhere
        bytes.insert(static_cast<qsizetype>(Pick(random, static_cast<std::size_t>(bytes.size()))),
                     bytes.mid(at, length * 4));
        break;
    case 4:
        bytes.truncate(at);
        break;
    default:
        bytes.insert(at, Tokens[Pick(random, Tokens.size())]);
        break;
    }
}

// The game in progress every refused file must leave alone.
std::unique_ptr<TVeltanBrdKernel> GameInProgress()
{
    auto board = std::make_unique<TVeltanBrdKernel>();
    StartGame(*board, {2, 1});
    PlayMoves(*board, 7, 99);
    board->MoveBackward();
    return board;
}

TEST(GameFileMutations, NoneCrashesTheLoaderOrDamagesTheGameInProgress)
{
    TVeltanBrdKernel source;
    StartGame(source, {2, 2});
    ASSERT_EQ(PlayMoves(source, 6, 3), 6);
    const QByteArray original = SavedDocument(source);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("mutated.xml"));

    std::mt19937 random(Seed);
    std::unique_ptr<TVeltanBrdKernel> board = GameInProgress();
    int refused = 0;
    int loaded = 0;
    for (int i = 0; i < MutatedFiles; ++i) {
        QByteArray mutated = original;
        const std::size_t edits = 1 + Pick(random, 3);
        for (std::size_t e = 0; e < edits; ++e)
            MutateOnce(mutated, random);
        ASSERT_TRUE(WriteBytes(path, mutated));
        const TGameSnapshot before = Snapshot(*board);
        TTestGameHost host(*board);

        const TGameFileOutcome outcome = LoadGameFile(path, *board, host);

        if (!outcome.done) {
            ++refused;
            ASSERT_TRUE(outcome.message.contains(QDir::toNativeSeparators(path))) << "file " << i;
            ASSERT_EQ(Snapshot(*board), before) << "file " << i << ": " << outcome.message.toStdString();
            ASSERT_TRUE(host.calls.empty()) << "file " << i;
        } else {
            ++loaded;
            std::string why;
            ASSERT_TRUE(board->CheckConsistency(why)) << "file " << i << ": " << why;
            ASSERT_FALSE(board->GameEnded()) << "file " << i;
            board = GameInProgress();
        }
    }
    // Both roads were taken often enough to mean something.
    EXPECT_GT(refused, MutatedFiles / 2);
    EXPECT_GT(loaded, 20);
}

} // namespace
