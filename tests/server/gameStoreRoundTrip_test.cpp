// What is written comes back exactly from a new store on the same file:
// games, events, the seats held at the end and chat, across reopenings.

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "storeTestSupport.h"

namespace {

struct TRoundTripCase {
    const char* name;
    std::vector<TBatches> sessions; // each written by a store of its own, closed before the next
    std::vector<TStoredGame> expected;
};

const QByteArray AnnHash("\x01\x00\x02 ann", 7);
const QByteArray BoHash("\xfe\xff bo", 5);

class GameStoreRoundTrip : public ::testing::TestWithParam<TRoundTripCase> {};

TEST_P(GameStoreRoundTrip, ReadsBackWhatWasWritten)
{
    const QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("games.sqlite"));
    for (const TBatches& session : GetParam().sessions) {
        TGameStore::TOpening opening = TGameStore::Open(path);
        ASSERT_TRUE(opening.store) << opening.problem.toStdString();
        EXPECT_EQ(WriteAll(*opening.store, session), std::vector<bool>(session.size(), true));
    }
    EXPECT_EQ(Described(Reopened(path)), Described(GetParam().expected));
}

const TRoundTripCase RoundTripCases[] = {
    {"EveryKindInOneBatch",
     {{{Game("C4F7KM"), Event("C4F7KM", 1), Event("C4F7KM", 2), TSeatHolder{"C4F7KM", 0, "Änne", AnnHash},
        Chat("C4F7KM", "Hallo, Welt ♞")}}},
     {Stored(Game("C4F7KM"), {Event("C4F7KM", 1), Event("C4F7KM", 2)},
             {TSeatHolder{"C4F7KM", 0, "Änne", AnnHash}}, {Chat("C4F7KM", "Hallo, Welt ♞")})}},
    {"SeatFreedAndRetaken",
     {{{Game("C4F7KM")},
       {TSeatHolder{"C4F7KM", 3, "Ann", AnnHash}},
       {TSeatHolder{"C4F7KM", 7, "Bo", BoHash}},
       {TSeatHolder{"C4F7KM", 3, "", {}}},
       {TSeatHolder{"C4F7KM", 7, "Ann", AnnHash}}}},
     {Stored(Game("C4F7KM"), {}, {TSeatHolder{"C4F7KM", 7, "Ann", AnnHash}}, {})}},
    {"ChatGoesOnAfterReopening",
     {{{Game("C4F7KM"), Game("XY3399")}, {Chat("C4F7KM", "one"), Chat("XY3399", "other")}},
      {{Chat("C4F7KM", "two")}, {Chat("C4F7KM", "three")}}},
     {Stored(Game("C4F7KM"), {}, {}, {Chat("C4F7KM", "one"), Chat("C4F7KM", "two"), Chat("C4F7KM", "three")}),
      Stored(Game("XY3399"), {}, {}, {Chat("XY3399", "other")})}},
    {"GamesKeptApartInCreationOrder",
     {{{Game("WWWWWW", 2000), Game("AAAAAA", 3000), Game("MMMMMM", 1000)},
       {Event("WWWWWW", 1), Event("MMMMMM", 1)},
       {Event("MMMMMM", 2), Event("WWWWWW", 2)}},
      {{Event("AAAAAA", 1)}}},
     {Stored(Game("MMMMMM", 1000), {Event("MMMMMM", 1), Event("MMMMMM", 2)}, {}, {}),
      Stored(Game("WWWWWW", 2000), {Event("WWWWWW", 1), Event("WWWWWW", 2)}, {}, {}),
      Stored(Game("AAAAAA", 3000), {Event("AAAAAA", 1)}, {}, {})}},
};

INSTANTIATE_TEST_SUITE_P(Writes, GameStoreRoundTrip, ::testing::ValuesIn(RoundTripCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
