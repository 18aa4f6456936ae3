// A server asked to stop (SIGTERM) says goodbye to its clients with "going
// away", ends with status 0, and starts again with its games.

#include "protocolConversation.h"

class ServerStop : public TServerTest {};

TEST_F(ServerStop, ClosesWithGoingAwayAndKeepsItsGames)
{
    TTestClient client;
    ASSERT_TRUE(client.Open(server_->Url()));
    client.Send(Hello("Ann"));
    client.Send(
        QJsonObject{{"type", "create"},
                    {"settings", QJsonObject{{"arrangement", "quadrant"},
                                             {"rowShift", 1},
                                             {"playersPerTeam", 2},
                                             {"movesPerTeamTurn", 2},
                                             {"minutes", QJsonObject{{"white", 5}, {"black", 7}}},
                                             {"increment", QJsonObject{{"white", 1}, {"black", 2}}}}}});
    const std::optional<QJsonObject> created = client.Next("created");
    ASSERT_TRUE(created) << ServerLog();

    EXPECT_EQ(server_->Stop(), 0) << ServerLog();
    ASSERT_TRUE(client.AwaitClosed());
    EXPECT_EQ(client.CloseCode(), QWebSocketProtocol::CloseCodeGoingAway);

    ASSERT_TRUE(server_->Restart()) << ServerLog();
    TTestClient watcher;
    ASSERT_TRUE(watcher.Open(server_->Url()));
    watcher.Send(Hello("Bob"));
    watcher.Send({{"type", "watch"}, {"game", created->value("game")}});
    const std::optional<QJsonObject> snapshot = watcher.Next("snapshot");
    ASSERT_TRUE(snapshot) << ServerLog();
    EXPECT_EQ(snapshot->value("settings").toObject().value("arrangement").toString(), "quadrant");
    EXPECT_EQ(snapshot->value("settings").toObject().value("playersPerTeam").toInt(), 2);
}
