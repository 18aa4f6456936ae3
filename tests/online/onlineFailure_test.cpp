// A server whose answers cannot be trusted ends the online game with one
// clear message; the moves so far stay on the board, and the window offers to
// play on from them or to leave them. A server that crashes and is started
// again takes the windows back to their game without anyone doing anything.

#include <QAction>
#include <QWebSocket>
#include <QWebSocketServer>
#include <memory>
#include <vector>

#include "onlineWindows.h"
#include "veltanbrd.h"

namespace {

// A duel in progress with White's first move made, then a move of Black's
// while White is to move: no game server would say that.
const QString Frames[] = {
    QStringLiteral(R"({"type":"welcome","protocol":1,"server":"hostile"})"),
    QStringLiteral(R"({"type":"snapshot","game":"7K9QXM","seq":2,"settings":{"arrangement":"standard",)"
                   R"("rowShift":0,"playersPerTeam":1,"movesPerTeamTurn":1,"minutes":{"white":10,)"
                   R"("black":10},"increment":{"white":0,"black":0}},"seats":[{"seat":"white-1",)"
                   R"("name":"Ann","connected":true},{"seat":"black-1","name":"Ben","connected":true}],)"
                   R"("moves":[],"clocks":{"white":600000,"black":600000},"running":"white",)"
                   R"("toMove":"white-1","movesLeft":1,"state":"running","drawOffer":null,)"
                   R"("asked":{"start":[],"pause":[],"continue":[]},"host":false,"chat":[],"watchers":1})"),
    QStringLiteral(
        R"({"type":"event","game":"7K9QXM","seq":3,"kind":"move","seat":"black-1","id":"x","from":"D13",)"
        R"("to":"D11","clocks":{"white":1,"black":1},"running":"white","toMove":"white-1","movesLeft":1})"),
};

} // namespace

TEST_F(TOnlineWindowsTest, AServerThatCannotBeTrustedEndsTheGameWithOneMessage)
{
    QWebSocketServer hostile(QStringLiteral("hostile"), QWebSocketServer::NonSecureMode);
    ASSERT_TRUE(hostile.listen(QHostAddress::LocalHost));
    std::vector<std::unique_ptr<QWebSocket>> lines;
    QObject::connect(&hostile, &QWebSocketServer::newConnection, [&] {
        lines.emplace_back(hostile.nextPendingConnection());
        QWebSocket* line = lines.back().get();
        QObject::connect(line, &QWebSocket::textMessageReceived, [line](const QString& text) {
            if (text.contains(QStringLiteral("\"hello\"")))
                for (const QString& frame : Frames)
                    line->sendTextMessage(frame);
        });
    });
    TOnlinePlayer& watcher = NewPlayer();
    messages_.choice = TChoiceAnswer::First;
    watcher.dialogs.join = online::TJoinChoice{
        {false, QStringLiteral("127.0.0.1"), hostile.serverPort(), {}, QStringLiteral("7K9QXM")},
        QStringLiteral("Cy")};
    watcher.dialogs.seats = QList<net::TSeat>{};
    watcher.menu->Join();

    ASSERT_TRUE(SeenSoon([&] { return watcher.menu->Table() == nullptr && !messages_.questions.empty(); }));
    ASSERT_EQ(messages_.questions.size(), 1u);
    EXPECT_TRUE(messages_.questions.front().contains(QStringLiteral("but white-1 is to move")))
        << messages_.questions.front().toStdString();
    EXPECT_EQ(watcher.window->GameAuthority(), nullptr) << "the window decides its game again";
    EXPECT_TRUE(watcher.window->findChild<QAction*>(QStringLiteral("MnuItemOptions"))->isEnabled());
    EXPECT_TRUE(watcher.Status().contains(QStringLiteral("plays on here")));
    EXPECT_EQ(lines.size(), 1u) << "no retry after answers that cannot be trusted";
}

TEST_F(TOnlineWindowsTest, AServerKilledAndStartedAgainTakesTheWindowsBackToTheirGame)
{
    const auto [white, black] = DuelAfterAFirstMove();
    ASSERT_EQ(black.Board().LastMove, 1);

    const quint16 port = server_->Port();
    server_->Kill();
    ASSERT_TRUE(SeenSoon([&] {
        return white.Status().startsWith(QStringLiteral("Reconnecting")) &&
               black.Status().startsWith(QStringLiteral("Reconnecting"));
    })) << white.Status().toStdString();
    ASSERT_TRUE(server_->Restart()) << Log();
    ASSERT_EQ(server_->Port(), port) << "the windows know only the old address";
    // Paused by the restart, the game goes on by itself once both teams are back.
    const auto back = [](TOnlinePlayer& player) {
        return !player.Session().Connection().ReconnectingSinceMs() &&
               player.Session().Game().State() == net::TGameState::Running;
    };
    ASSERT_TRUE(SeenSoon([&] { return back(white) && back(black); })) << black.Status().toStdString() << "\n"
                                                                      << Log();
    EXPECT_FALSE(black.Status().startsWith(QStringLiteral("Reconnecting")));
    EXPECT_TRUE(black.Board().isEnabled());

    const auto [blackFrom, blackTo] = FirstLegalMove(black.Board());
    black.Drag(blackFrom, blackTo);
    ASSERT_TRUE(SeenSoon([&] {
        return white.Board().LastMove == 2 && white.Board().position() == black.Board().position();
    })) << Log();
}
