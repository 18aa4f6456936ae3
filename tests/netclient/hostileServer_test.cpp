// A server whose answers cannot be trusted: a peer on the loopback that
// welcomes the window and then says something no game server would. The
// session ends the line with one message and does not knock again.

#include <QJsonDocument>
#include <QWebSocket>
#include <QWebSocketServer>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "onlineSession.h"
#include "sessionTest.h"

namespace {

constexpr char Code[] = "7K9QXM";
// Long enough for several of the session's brisk retries, had it made any.
constexpr int RetryWatchMs = 600;

// A standard duel whose moves and turn are given.
QString Snapshot(const QString& moves, const QString& toMove, const QString& game = Code)
{
    return QStringLiteral(
               R"({"type":"snapshot","game":"%1","seq":2,"settings":{"arrangement":"standard",)"
               R"("rowShift":0,"playersPerTeam":1,"movesPerTeamTurn":1,"minutes":{"white":10,)"
               R"("black":10},"increment":{"white":0,"black":0}},"seats":[{"seat":"white-1",)"
               R"("name":"Ann","connected":true},{"seat":"black-1","name":"Ben","connected":true}],)"
               R"("moves":[%2],"clocks":{"white":600000,"black":600000},"running":"white",)"
               R"("toMove":"%3","movesLeft":1,"state":"running","drawOffer":null,)"
               R"("asked":{"start":[],"pause":[],"continue":[]},"host":false,"chat":[],"watchers":1})")
        .arg(game, moves, toMove);
}

// The server's frames after its welcome (or instead of it).
struct THostileAnswer {
    const char* name;
    bool welcome;
    std::vector<QString> frames;
    const char* says; ///< a part of the message the player reads
};

const THostileAnswer HostileAnswers[] = {
    {"NoJson", true, {"hello there"}, "no message of a game server"},
    {"AnotherProtocol", false, {R"({"type":"welcome","protocol":2,"server":"other"})"}, "another protocol"},
    {"ProtocolRefused",
     false,
     {R"({"type":"error","code":"protocol","text":"version 1 only"})"},
     "version 1 only"},
    {"SnapshotMoveAgainstTheRules",
     true,
     {Snapshot(R"({"from":"E04","to":"E09","clock":1})", "black-1")},
     "breaks the rules"},
    {"SnapshotOfAnotherGame", true, {Snapshot("", "white-1", "3333333")}, "game code"},
    {"EventMoveOutOfTurn",
     true,
     {Snapshot("", "white-1"),
      R"({"type":"event","game":"7K9QXM","seq":3,"kind":"move","seat":"black-1","id":"x","from":"D13",)"
      R"("to":"D11","clocks":{"white":1,"black":1},"running":"white","toMove":"white-1","movesLeft":1})"},
     "but white-1 is to move"},
    {"EventWithoutItsFields",
     true,
     {Snapshot("", "white-1"), R"({"type":"event","game":"7K9QXM","kind":"move"})"},
     "seq"},
};

class HostileServer : public testing::TestWithParam<THostileAnswer> {};

TEST_P(HostileServer, EndsTheLineWithOneMessageAndNoRetry)
{
    QWebSocketServer server("hostile", QWebSocketServer::NonSecureMode);
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    std::vector<std::unique_ptr<QWebSocket>> lines;
    QObject::connect(&server, &QWebSocketServer::newConnection, [&] {
        lines.emplace_back(server.nextPendingConnection());
        QWebSocket* line = lines.back().get();
        QObject::connect(line, &QWebSocket::textMessageReceived, [line](const QString& text) {
            if (!text.contains("\"hello\""))
                return;
            if (GetParam().welcome)
                line->sendTextMessage(R"({"type":"welcome","protocol":1,"server":"hostile"})");
            for (const QString& frame : GetParam().frames)
                line->sendTextMessage(frame);
        });
    });

    const auto session = std::make_unique<net::TOnlineSession>();
    session->SetTiming(
        {.pingIntervalMs = 200, .silenceLimitMs = 1500, .connectLimitMs = 2000, .firstRetryMs = 50});
    QStringList failures;
    QObject::connect(session.get(), &net::TOnlineSession::Failed,
                     [&](const QString& problem) { failures.append(problem); });
    session->Watch(QUrl(QStringLiteral("ws://127.0.0.1:%1/veltan/1").arg(server.serverPort())), "Ann", Code);

    ASSERT_TRUE(Seen([&] { return !failures.isEmpty(); }));
    Seen([] { return false; }, RetryWatchMs);
    EXPECT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures.first().contains(QString::fromUtf8(GetParam().says)))
        << failures.first().toStdString();
    EXPECT_EQ(session->Connection().State(), net::TConnectionState::Failed);
    EXPECT_EQ(lines.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Answers, HostileServer, testing::ValuesIn(HostileAnswers),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
