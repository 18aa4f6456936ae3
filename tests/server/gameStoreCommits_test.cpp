// When the store reports, and what: callbacks in order and only once their
// writes are on disk, batches sharing commits under load, a failed
// transaction costing only its own batches, and files the store refuses.

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <numeric>
#include <optional>

#include "storeSchema.h"
#include "storeTestSupport.h"

namespace {

class GameStoreCommits : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(_folder.isValid());
        _opening = TGameStore::Open(_path);
        ASSERT_TRUE(_opening.store) << _opening.problem.toStdString();
    }
    TGameStore& Store() { return *_opening.store; }

    const QTemporaryDir _folder;
    const QString _path = _folder.filePath(QStringLiteral("games.sqlite"));
    TGameStore::TOpening _opening;
};

TEST_F(GameStoreCommits, EachCallbackRunsInOrderOnceItsWriteIsReadable)
{
    const TSideConnection reader(_path);
    constexpr int Batches = 40;
    std::vector<int> readable; // per callback: the seq it saw in the file, in the order called
    Store().Write({Game("C4F7KM")}, {});
    for (int seq = 1; seq <= Batches; ++seq)
        Store().Write({Event("C4F7KM", seq)}, [&, seq](bool ok) {
            const QString sql =
                QStringLiteral("SELECT COUNT(*) FROM events WHERE game = 'C4F7KM' AND seq = ?");
            readable.push_back(ok && reader.Value(sql, {seq}).toInt() == 1 ? seq : -seq);
        });
    static_cast<void>(QTest::qWaitFor([&] { return readable.size() == Batches; }, 10000));
    std::vector<int> expected(Batches);
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(readable, expected);
}

TEST_F(GameStoreCommits, ManySmallBatchesShareTransactions)
{
    constexpr int Batches = 500;
    TBatches batches{{Game("C4F7KM")}};
    for (int seq = 1; seq <= Batches; ++seq)
        batches.push_back({Event("C4F7KM", seq)});
    EXPECT_EQ(WriteAll(Store(), std::move(batches)), std::vector<bool>(Batches + 1, true));
    EXPECT_EQ(Store().Counts().writes, Batches + 1);
    EXPECT_LT(Store().Counts().transactions, Batches);
}

TEST_F(GameStoreCommits, CloseWritesWhatIsQueuedAndRefusesLaterWrites)
{
    Store().Write({Game("C4F7KM"), Event("C4F7KM", 1)}, {});
    Store().Close();
    std::optional<bool> reported;
    Store().Write({Event("C4F7KM", 2)}, [&](bool ok) { reported = ok; });
    EXPECT_EQ(reported, false);
    EXPECT_EQ(Described(Reopened(_path)), Described({Stored(Game("C4F7KM"), {Event("C4F7KM", 1)}, {}, {})}));
}

// A batch with one write that cannot be applied: the valid write before it
// (event 2) must not stay either, or the batch after would clash with it.
struct TFailureCase {
    const char* name;
    TStoreWrite bad;
};

class GameStoreFailure : public GameStoreCommits, public ::testing::WithParamInterface<TFailureCase> {};

TEST_P(GameStoreFailure, CostsOnlyItsOwnTransaction)
{
    ASSERT_EQ(WriteAll(Store(), {{Game("C4F7KM"), Event("C4F7KM", 1)}}), std::vector<bool>{true});
    EXPECT_EQ(WriteAll(Store(), {{Event("C4F7KM", 2), GetParam().bad}}), std::vector<bool>{false});
    EXPECT_EQ(WriteAll(Store(), {{Event("C4F7KM", 2), Chat("C4F7KM", "after")}}), std::vector<bool>{true});
    const std::vector<TStoredGame> expected = {
        Stored(Game("C4F7KM"), {Event("C4F7KM", 1), Event("C4F7KM", 2)}, {}, {Chat("C4F7KM", "after")})};
    EXPECT_EQ(Described(Reopened(_path)), Described(expected));
}

const TFailureCase FailureCases[] = {
    {"EventOfUnknownGame", Event("ZZZZZZ", 1)},
    {"EventSeqTaken", Event("C4F7KM", 1)},
    {"EventSeqZero", Event("C4F7KM", 0)},
    {"GameCodeTaken", Game("C4F7KM")},
    {"SeatBeyondTheLast", TSeatHolder{"C4F7KM", 8, "Ann", "hash"}},
    {"SeatBelowTheFirst", TSeatHolder{"C4F7KM", -1, "Ann", "hash"}},
    {"SeatOfUnknownGame", TSeatHolder{"ZZZZZZ", 0, "Ann", "hash"}},
    {"ChatOfUnknownGame", Chat("ZZZZZZ", "lost")},
};

INSTANTIATE_TEST_SUITE_P(Writes, GameStoreFailure, ::testing::ValuesIn(FailureCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Files the store must not open: each case makes its file in `folder` and
// says where it is.
struct TRefusedCase {
    const char* name;
    std::function<QString(const QString& folder)> prepare;
};

class GameStoreRefuses : public ::testing::TestWithParam<TRefusedCase> {};

TEST_P(GameStoreRefuses, WithAProblemNamingTheFile)
{
    const QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = GetParam().prepare(folder.path());
    const TGameStore::TOpening opening = TGameStore::Open(path);
    EXPECT_FALSE(opening.store);
    EXPECT_TRUE(opening.problem.contains(path)) << opening.problem.toStdString();
}

const TRefusedCase RefusedCases[] = {
    {"NotADatabase",
     [](const QString& folder) {
         const QString path = folder + QStringLiteral("/games.sqlite");
         QFile file(path);
         EXPECT_TRUE(file.open(QIODevice::WriteOnly));
         file.write(QByteArray("This is a saved game, not a database.\n").repeated(200));
         return path;
     }},
    {"FromANewerSchema",
     [](const QString& folder) {
         const QString path = folder + QStringLiteral("/games.sqlite");
         EXPECT_TRUE(TGameStore::Open(path).store);
         const TSideConnection side(path);
         side.Value(QStringLiteral("INSERT INTO schema_version (version) VALUES (?)"),
                    {StoreSchemaVersion + 1});
         return path;
     }},
    {"InAMissingFolder", [](const QString& folder) { return folder + QStringLiteral("/gone/games.sqlite"); }},
};

INSTANTIATE_TEST_SUITE_P(Files, GameStoreRefuses, ::testing::ValuesIn(RefusedCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
