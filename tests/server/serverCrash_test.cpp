// A server killed in the middle of a game and started again on its database:
// the players rejoin with the last event they saw and get exactly the events
// they missed, and the game waits, paused, with the clocks of its last move.

#include <QJsonArray>

#include "legalMove.h"
#include "protocolConversation.h"
#include "refereeGame.h"
#include "veltanbrdKernel.h"

namespace {

constexpr int MovesBeforeTheCrash = 3;
// Black's line breaks after this many moves, so it misses the rest.
constexpr int MovesBlackSees = 2;
// Events a client may see between two moves: joins, connections, asks.
constexpr int MostEventsOfAMove = 50;

QJsonObject Command(const QString& type, const QString& game, const QString& seat)
{
    return {{"type", type}, {"game", game}, {"seat", seat}};
}

QList<QJsonObject> Events(const QList<QJsonObject>& frames)
{
    QList<QJsonObject> events;
    for (const QJsonObject& frame : frames) {
        if (frame.value("type").toString() == "event")
            events.append(frame);
    }
    return events;
}

// The client's events up to the move of `id`; nothing when it never came.
// (A move's event may wait for the store, so a ping is no barrier here.)
std::optional<QList<QJsonObject>> EventsThroughMove(TTestClient& client, const QString& id)
{
    QList<QJsonObject> events;
    while (events.size() < MostEventsOfAMove) {
        const std::optional<QJsonObject> event = client.Next("event");
        if (!event)
            break;
        events.append(*event);
        if (event->value("kind").toString() == "move" && event->value("id").toString() == id)
            return events;
    }
    return std::nullopt;
}

// The player's game after hello, with its seat; the token of the seat.
QString TakeSeat(TTestClient& client, const QString& game, const QString& seat)
{
    client.Send(Command("join", game, seat));
    const std::optional<QJsonObject> seated = client.Next("seated");
    return seated ? seated->value("token").toString() : QString();
}

} // namespace

class ServerCrash : public TServerTest {};

TEST_F(ServerCrash, PlayersRejoinToExactlyWhatTheyMissedInAPausedGame)
{
    TTestClient white, black;
    ASSERT_TRUE(white.Open(server_->Url()) && black.Open(server_->Url()));
    white.Send(Hello("Ann"));
    black.Send(Hello("Bob"));
    white.Send({{"type", "create"},
                {"settings", QJsonObject{{"arrangement", "standard"},
                                         {"rowShift", 0},
                                         {"playersPerTeam", 1},
                                         {"movesPerTeamTurn", 1},
                                         {"minutes", QJsonObject{{"white", 10}, {"black", 10}}},
                                         {"increment", QJsonObject{{"white", 0}, {"black", 0}}}}}});
    const std::optional<QJsonObject> created = white.Next("created");
    ASSERT_TRUE(created) << ServerLog();
    const QString game = created->value("game").toString();
    const QString whiteToken = TakeSeat(white, game, "white-1");
    std::optional<QJsonObject> snapshot = white.Next("snapshot");
    ASSERT_TRUE(snapshot) << ServerLog();
    const QString blackToken = TakeSeat(black, game, "black-1");
    ASSERT_FALSE(whiteToken.isEmpty() || blackToken.isEmpty()) << ServerLog();
    white.Send(Command("start", game, "white-1"));
    black.Send(Command("start", game, "black-1"));
    ASSERT_TRUE(white.Sync() && black.Sync());

    // The moves as a referee of the test's own sees them; each client's events as they came.
    TReplay referee = ReplaySnapshot(*snapshot);
    QList<QJsonObject> whiteSaw, blackSaw;
    QJsonObject lastMove;
    for (int number = 1; number <= MovesBeforeTheCrash; ++number) {
        TTestClient& mover = number % 2 == 1 ? white : black;
        const QString move = QString::fromStdString(FirstLegalMove(*referee.board));
        const QString id = QStringLiteral("m%1").arg(number);
        mover.Send(
            {{"type", "move"}, {"game", game}, {"id", id}, {"from", move.left(3)}, {"to", move.mid(3, 3)}});
        const std::optional<QList<QJsonObject>> whiteEvents = EventsThroughMove(white, id);
        ASSERT_TRUE(whiteEvents) << ServerLog();
        whiteSaw += *whiteEvents;
        lastMove = whiteSaw.back();
        PlayRefereedMove(*referee.board, *ReadMoveText(move.toStdString()));
        if (number <= MovesBlackSees) {
            const std::optional<QList<QJsonObject>> blackEvents = EventsThroughMove(black, id);
            ASSERT_TRUE(blackEvents) << ServerLog();
            blackSaw += *blackEvents;
        }
        if (number == MovesBlackSees)
            black.Abort();
    }
    ASSERT_FALSE(blackSaw.isEmpty());
    const qint64 blackLast = blackSaw.back().value("seq").toInteger();

    server_->Kill();
    ASSERT_TRUE(server_->Restart()) << ServerLog();

    TTestClient blackAgain;
    ASSERT_TRUE(blackAgain.Open(server_->Url()));
    blackAgain.Send(Hello("Bob"));
    blackAgain.Send({{"type", "rejoin"}, {"game", game}, {"token", blackToken}, {"after", blackLast}});
    const std::optional<QJsonObject> seated = blackAgain.Next("seated");
    ASSERT_TRUE(seated) << ServerLog();
    EXPECT_EQ(seated->value("seat").toString(), "black-1");
    // The missed events come from the store, maybe after the answer to a
    // ping: first every one White saw, then a ping for anything after them.
    QList<QJsonObject> missed;
    const qint64 whiteLast = whiteSaw.back().value("seq").toInteger();
    while ((missed.isEmpty() || missed.back().value("seq").toInteger() < whiteLast) &&
           missed.size() < whiteLast) {
        const std::optional<QJsonObject> event = blackAgain.Next("event");
        ASSERT_TRUE(event) << "missed events so far: " << missed.size() << ServerLog();
        missed.append(*event);
    }
    const std::optional<QList<QJsonObject>> later = blackAgain.Sync();
    ASSERT_TRUE(later) << ServerLog();
    missed += Events(*later);

    // Every event White saw after Black's last is there, the same and in
    // order; whatever the restart added follows without a gap.
    QList<QJsonObject> expected;
    for (const QJsonObject& event : whiteSaw) {
        if (event.value("seq").toInteger() > blackLast)
            expected.append(event);
    }
    ASSERT_GE(missed.size(), expected.size()) << ServerLog();
    for (qsizetype i = 0; i < missed.size(); ++i) {
        EXPECT_EQ(missed[i].value("seq").toInteger(), blackLast + 1 + i);
        if (i < expected.size()) {
            EXPECT_EQ(missed[i], expected[i]) << "event " << blackLast + 1 + i;
        }
    }

    TTestClient watcher;
    ASSERT_TRUE(watcher.Open(server_->Url()));
    watcher.Send(Hello("Cy"));
    watcher.Send({{"type", "watch"}, {"game", game}});
    snapshot = watcher.Next("snapshot");
    ASSERT_TRUE(snapshot) << ServerLog();
    EXPECT_EQ(snapshot->value("state").toString(), "paused");
    EXPECT_EQ(snapshot->value("clocks").toObject(), lastMove.value("clocks").toObject());
    EXPECT_EQ(snapshot->value("moves").toArray().size(), MovesBeforeTheCrash);
    EXPECT_EQ(snapshot->value("toMove").toString(), "black-1");
}
