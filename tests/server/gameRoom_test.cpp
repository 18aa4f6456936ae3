// A game on the server without the network: seats, turns for every team
// setting, resent moves, flags, absences and a game read back from its events.

#include <gtest/gtest.h>

#include "gameRoom.h"
#include "refereeGame.h"
#include "startPositionCatalogue.h"
#include "veltanbrdKernel.h"

namespace {

constexpr TMs Second = 1'000;
constexpr TMs Minute = 60 * Second;

QByteArray Hash(int n)
{
    return QByteArray(32, static_cast<char>('a' + n));
}

// A room with every seat taken and the game started at time 0, and a board of
// the test's own that follows it, to find legal moves.
struct TPlayedGame {
    explicit TPlayedGame(int players, int moves, int minutes = 10)
    {
        settings.playersPerTeam = players;
        settings.movesPerTeamTurn = moves;
        settings.minutesWhite = settings.minutesBlack = minutes;
        room = std::make_unique<TGameRoom>(QStringLiteral("ACDEFG"), settings, Hash(9));
        for (const bool white : {true, false})
            for (int player = 1; player <= players; ++player)
                EXPECT_TRUE(
                    room->Take({white, player}, QStringLiteral("p"), Hash(player + (white ? 0 : 4)), 0)
                        .problem.isEmpty());
        room->Command(net::TTeamCommand::Start, true, false, 0);
        room->Command(net::TTeamCommand::Start, false, false, 0);
        StartRefereedGame(board, catalogue::CataloguePosition(0, 0),
                          catalogue::CataloguePlayers(0, 0, players), {moves, players});
    }
    // The first legal move of the player to move, made on the test's board too.
    TProtocolMove NextMove()
    {
        for (int f = 1; f <= SquareCount; ++f)
            for (int t = 1; t <= SquareCount; ++t)
                if (const auto from = static_cast<Square>(f), to = static_cast<Square>(t);
                    board.MoveIsLegal(from, to)) {
                    PlayRefereedMove(board, {from, to, NoPromotion});
                    return {from, to, NoPromotion};
                }
        return {};
    }
    net::TOnlineSettings settings;
    std::unique_ptr<TGameRoom> room;
    TVeltanBrdKernel board;
};

struct TTurnCase {
    int players;
    int moves;
};

void PrintTo(const TTurnCase& c, std::ostream* os)
{
    *os << c.players << " players, " << c.moves << " moves";
}

class SeatsAndTurns : public testing::TestWithParam<TTurnCase> {};

TEST_P(SeatsAndTurns, EachPlayerMovesHisShareOfTheTeamTurnInOrder)
{
    const auto [players, moves] = GetParam();
    TPlayedGame game(players, moves);
    ASSERT_EQ(game.room->State(), TRoomState::Running);
    const int share = moves / players;
    for (int made = 0; made < 2 * moves; ++made) {
        const net::TSeat expected{made < moves, (made % moves) / share + 1};
        ASSERT_EQ(game.room->SeatToMove(), expected) << "move " << made;
        const TProtocolMove move = game.NextMove();
        const net::TSeat other{!expected.white, 1};
        EXPECT_TRUE(game.room->Move(other, QStringLiteral("x"), move, Second, 0).refused());
        const TRoomChange change = game.room->Move(expected, QString::number(made), move, Second, 0);
        ASSERT_FALSE(change.refused()) << change.problem.toStdString();
        ASSERT_EQ(change.events.size(), 1u);
        EXPECT_EQ(change.events[0].value(QStringLiteral("seq")).toInteger(), game.room->Seq());
    }
}

INSTANTIATE_TEST_SUITE_P(EverySetting, SeatsAndTurns,
                         testing::Values(TTurnCase{1, 1}, TTurnCase{1, 2}, TTurnCase{1, 4}, TTurnCase{2, 2},
                                         TTurnCase{2, 4}, TTurnCase{4, 4}),
                         [](const testing::TestParamInfo<TTurnCase>& info) {
                             return std::to_string(info.param.players) + "Players" +
                                    std::to_string(info.param.moves) + "Moves";
                         });

TEST(GameRoom, AResentMoveIsAnsweredWithItsEventAndNeverPlayedTwice)
{
    TPlayedGame game(1, 2);
    const TProtocolMove move = game.NextMove();
    const TRoomChange first = game.room->Move({true, 1}, QStringLiteral("m1"), move, Second, 0);
    const qint64 seq = game.room->Seq();
    const TRoomChange again = game.room->Move({true, 1}, QStringLiteral("m1"), move, 2 * Second, 0);
    EXPECT_EQ(again.repeatOf, seq);
    EXPECT_TRUE(again.events.empty());
    EXPECT_EQ(game.room->Seq(), seq);
}

TEST(GameRoom, TheFlagFallsAfterTheGraceOnTheServersClock)
{
    TPlayedGame game(1, 1, 1);
    EXPECT_EQ(game.room->NextDeadline(0), Minute + fair::FlagGraceMs);
    EXPECT_TRUE(game.room->Tick(Minute + fair::FlagGraceMs - 1).events.empty());
    const TRoomChange change = game.room->Tick(Minute + fair::FlagGraceMs);
    ASSERT_EQ(change.events.size(), 1u);
    EXPECT_EQ(change.events[0].value(QStringLiteral("message")).toString(),
              QStringLiteral("White lost on time!"));
    EXPECT_EQ(game.room->State(), TRoomState::Ended);
}

TEST(GameRoom, ATeamGoneAMinutePausesItsTurnAndItsReturnResumes)
{
    TPlayedGame game(1, 1);
    game.room->SetConnected({true, 1}, false, 10 * Second);
    EXPECT_TRUE(game.room->Tick(10 * Second + fair::AbsencePauseMs - 1).events.empty());
    game.room->Tick(10 * Second + fair::AbsencePauseMs);
    EXPECT_EQ(game.room->State(), TRoomState::Paused);
    EXPECT_FALSE(game.room->Command(net::TTeamCommand::Claim, false, false, 5 * Minute).errorCode.isEmpty())
        << "too early to claim";
    game.room->SetConnected({true, 1}, true, 6 * Minute);
    EXPECT_EQ(game.room->State(), TRoomState::Running);
    game.room->SetConnected({true, 1}, false, 7 * Minute);
    const TRoomChange claim = game.room->Command(net::TTeamCommand::Claim, false, false, 17 * Minute);
    ASSERT_FALSE(claim.events.empty());
    EXPECT_EQ(claim.events.back().value(QStringLiteral("result")).toString(), QStringLiteral("black"));
}

TEST(GameRoom, AGameReadBackIsTheGameThatWasPlayedPausedWithItsLastClocks)
{
    TPlayedGame game(2, 4);
    for (int made = 0; made < 6; ++made)
        game.room->Move(*game.room->SeatToMove(), QString::number(made), game.NextMove(), (made + 1) * Second,
                        0);
    TStoredGame stored{
        {game.room->Code(), net::SettingsJson(game.settings), Hash(9), 0}, game.room->Events(), {}, {}};
    for (int i = 0; i < net::MaxSeats; ++i)
        if (game.room->HasSeat(net::SeatAt(i)))
            stored.seats.push_back({game.room->Code(), i, QStringLiteral("p"), Hash(i + 1)});
    TRoomChange recovery;
    QString problem;
    const auto restored = TGameRoom::Restore(stored, 99 * Minute, recovery, problem);
    ASSERT_TRUE(restored) << problem.toStdString();
    EXPECT_EQ(restored->State(), TRoomState::Paused);
    ASSERT_EQ(recovery.events.size(), 1u);
    const QJsonObject before = game.room->Snapshot(6 * Second);
    const QJsonObject after = restored->Snapshot(99 * Minute);
    for (const char* field : {"moves", "clocks", "toMove", "movesLeft"})
        EXPECT_EQ(before.value(QLatin1String(field)), after.value(QLatin1String(field))) << field;
    EXPECT_EQ(restored->SeatOfToken(Hash(6)), (net::TSeat{false, 2}));
    stored.events.erase(stored.events.begin() + 3);
    EXPECT_FALSE(TGameRoom::Restore(stored, 0, recovery, problem)) << "a gap in the events is refused";
}

} // namespace
