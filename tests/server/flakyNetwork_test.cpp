// Two bot programs play a whole game through a proxy that breaks their
// connections: the game ends, every move the server kept replays through the
// referee, and both bots' boards end on the position of that replay, so no
// move was lost or played twice on the way.

#include <QJsonArray>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>

#include "botResults.h"
#include "eventWait.h"
#include "faultProxy.h"
#include "protocolConversation.h"
#include "veltanbrdKernel.h"

namespace {

constexpr int GameWaitMs = 45'000;
constexpr int CodeWaitMs = 10'000;

struct TFlakyCase {
    const char* name;
    int playersPerTeam;
    int movesPerTeamTurn;
    int cutEveryMs;   ///< every current connection is cut this often (0: never)
    int cuts;         ///< ... this many times
    qint64 dropAfter; ///< each connection is cut after this many bytes (0: never)
    int delayMs = 0;  ///< every piece of data is held this long on the way
};

void PrintTo(const TFlakyCase& c, std::ostream* os)
{
    *os << c.name;
}

const std::vector<TFlakyCase> FlakyCases = {
    {"CutsWhileOnePlayerATeamMovesFourTimes", 1, 4, 300, 5, 0},
    {"CutsWhileTwoPlayersATeamShareTheTurn", 2, 2, 300, 5, 0},
    {"ConnectionsThatBreakAfterFourKilobytes", 1, 1, 0, 0, 4'000},
    {"CutsOnASlowNetwork", 1, 2, 500, 3, 0, 15},
};

} // namespace

class FlakyNetwork : public TServerTest, public testing::WithParamInterface<TFlakyCase> {};

TEST_P(FlakyNetwork, LosesAndDoublesNoMove)
{
    if (NetbotPath[0] == '\0')
        GTEST_SKIP() << "this build has no veltan-netbot";
    const TFlakyCase& c = GetParam();
    TFaultProxy proxy;
    ASSERT_TRUE(proxy.Listen(server_->Port()));
    proxy.DropAfter(c.dropAfter);
    proxy.SetDelay(c.delayMs);

    // White plays the engine's short games, Black random moves.
    QProcess host, guest;
    host.start(NetbotPath,
               QStringList{"--server", proxy.Url().toString(), "--name", "White", "--create", "--players",
                           QString::number(c.playersPerTeam), "--moves", QString::number(c.movesPerTeamTurn),
                           "--minutes", "30", "--increment", "0", "--engine", "--ms-per-move", "10"} +
                   TeamSeats("white", c.playersPerTeam));
    QString hostOutput;
    const QString code = AwaitGameCode(host, hostOutput, CodeWaitMs);
    ASSERT_EQ(code.size(), 6) << hostOutput.toStdString() << host.readAllStandardError().toStdString()
                              << ServerLog();
    guest.start(NetbotPath, QStringList{"--server", proxy.Url().toString(), "--name", "Black", "--game", code,
                                        "--random", "--seed", "7"} +
                                TeamSeats("black", c.playersPerTeam));

    QTimer cutter;
    int cutsLeft = c.cuts;
    QObject::connect(&cutter, &QTimer::timeout, &proxy, [&] {
        if (cutsLeft-- > 0)
            proxy.CutAll();
    });
    if (c.cutEveryMs > 0)
        cutter.start(c.cutEveryMs);
    // Both bots end with their game; one that fails ends the wait too.
    const auto failed = [](const QProcess& bot) {
        return bot.state() == QProcess::NotRunning && bot.exitCode() != 0;
    };
    const bool ended = WaitFor(
        [&] {
            return (host.state() == QProcess::NotRunning && guest.state() == QProcess::NotRunning) ||
                   failed(host) || failed(guest);
        },
        GameWaitMs);
    const bool botFailed = failed(host) || failed(guest);
    cutter.stop();
    hostOutput += QString::fromUtf8(host.readAllStandardOutput());
    const QString guestOutput = QString::fromUtf8(guest.readAllStandardOutput());
    const std::string botErrors =
        (QString::fromUtf8(host.readAllStandardError()) + QString::fromUtf8(guest.readAllStandardError()))
            .toStdString();
    host.kill();
    guest.kill();
    ASSERT_TRUE(ended) << "the bots were still playing: " << botErrors << ServerLog();
    ASSERT_FALSE(botFailed) << botErrors << ServerLog();
    EXPECT_GT(proxy.Cuts(), 0) << "the game ended before the network failed";
    // A bot that sees a gap asks for the events between, as the protocol
    // allows; what counts is that every move arrives once, checked below.

    TTestClient watcher;
    ASSERT_TRUE(watcher.Open(server_->Url()));
    watcher.Send(Hello("Referee"));
    watcher.Send({{"type", "watch"}, {"game", code}});
    const std::optional<QJsonObject> snapshot = watcher.Next("snapshot");
    ASSERT_TRUE(snapshot) << ServerLog();
    EXPECT_EQ(snapshot->value("state").toString(), "ended");
    const TReplay replay = ReplaySnapshot(*snapshot);
    ASSERT_EQ(replay.problem.toStdString(), "");
    const int moves = static_cast<int>(snapshot->value("moves").toArray().size());
    for (const QString& output : {hostOutput, guestOutput}) {
        const TBotResult result = ReadResultLine(output);
        EXPECT_EQ(result.moves, moves) << output.toStdString();
        EXPECT_EQ(result.digest, BoardDigest(*replay.board)) << output.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Bots, FlakyNetwork, testing::ValuesIn(FlakyCases),
                         [](const auto& info) { return std::string(info.param.name); });
