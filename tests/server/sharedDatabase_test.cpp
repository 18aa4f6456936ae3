// Two server processes on one PostgreSQL database (the run's cluster comes
// from pg_virtualenv): the seats of one game on different processes, either
// process killed mid-game while its clients go on through the other, and a
// flag that falls while the process serving the team to move is down.

#include <QJsonArray>
#include <QProcess>
#include <QTemporaryDir>

#include "botResults.h"
#include "eventWait.h"
#include "faultProxy.h"
#include "protocolConversation.h"
#include "sharedDatabase.h"

namespace {

constexpr int CodeWaitMs = 10'000;
constexpr int GameWaitMs = 60'000;
// A minute on White's clock, the grace and a sweep, with room to spare.
constexpr int FlagWaitMs = 75'000;

/// Which process a test kills, and when.
enum class TKill { None, Host, Guest };

struct TSharedCase {
    const char* name;
    TKill kill;
};

void PrintTo(const TSharedCase& c, std::ostream* os)
{
    *os << c.name;
}

class SharedDatabase : public testing::Test {
protected:
    void SetUp() override
    {
        if (!TServerProcess::Built() || NetbotPath[0] == '\0')
            GTEST_SKIP() << "this build has no veltan-server or no veltan-netbot";
        if (PostgresUrl().isEmpty())
            GTEST_SKIP() << "no PostgreSQL cluster (run under pg_virtualenv with VELTAN_TEST_POSTGRES)";
        QString problem;
        const QString database = FreshPostgresDatabase(problem);
        ASSERT_FALSE(database.isEmpty()) << problem.toStdString();
        for (int i = 0; i < 2; ++i) {
            servers_[i] = std::make_unique<TServerProcess>(folders_[i].path());
            servers_[i]->UseDatabase(database);
            ASSERT_TRUE(servers_[i]->Start()) << Logs();
        }
    }
    std::string Logs() const
    {
        std::string logs;
        for (const auto& server : servers_)
            if (server)
                logs += "\n--- server log ---\n" + server->Log().toStdString();
        return logs;
    }

    QTemporaryDir folders_[2];
    std::unique_ptr<TServerProcess> servers_[2];
};

class TwoProcesses : public SharedDatabase, public testing::WithParamInterface<TSharedCase> {};

TEST_P(TwoProcesses, PlayOneGameToItsEnd)
{
    // Each bot reaches its own process through a proxy, which a killed process's
    // bot is switched over to, as a load balancer in front of them would.
    TFaultProxy proxies[2];
    for (int i = 0; i < 2; ++i)
        ASSERT_TRUE(proxies[i].Listen(servers_[i]->Port()));
    QProcess host, guest;
    host.start(NetbotPath, QStringList{"--server", proxies[0].Url().toString(), "--name", "White", "--create",
                                       "--minutes", "30", "--increment", "0", "--moves", "2", "--engine",
                                       "--ms-per-move", "10"} +
                               TeamSeats("white", 1));
    QString hostOutput;
    const QString code = AwaitGameCode(host, hostOutput, CodeWaitMs);
    ASSERT_EQ(code.size(), 6) << host.readAllStandardError().toStdString() << Logs();
    guest.start(NetbotPath, QStringList{"--server", proxies[1].Url().toString(), "--name", "Black", "--game",
                                        code, "--random", "--seed", "7"} +
                                TeamSeats("black", 1));
    if (GetParam().kill != TKill::None) {
        // Mid-game: some moves made on both processes, then one dies.
        const int dead = GetParam().kill == TKill::Host ? 0 : 1;
        WaitFor([] { return false; }, 3'000);
        servers_[dead]->Kill();
        proxies[dead].SetTarget(servers_[1 - dead]->Port());
        proxies[dead].CutAll();
    }
    const bool ended =
        WaitFor([&] { return host.state() == QProcess::NotRunning && guest.state() == QProcess::NotRunning; },
                GameWaitMs);
    hostOutput += QString::fromUtf8(host.readAllStandardOutput());
    const QString guestOutput = QString::fromUtf8(guest.readAllStandardOutput());
    const std::string botErrors =
        (QString::fromUtf8(host.readAllStandardError()) + QString::fromUtf8(guest.readAllStandardError()))
            .toStdString();
    host.kill();
    guest.kill();
    ASSERT_TRUE(ended) << "the bots were still playing: " << botErrors << Logs();
    ASSERT_EQ(host.exitCode(), 0) << botErrors << Logs();
    ASSERT_EQ(guest.exitCode(), 0) << botErrors << Logs();
    const TBotResult white = ReadResultLine(hostOutput);
    const TBotResult black = ReadResultLine(guestOutput);
    EXPECT_GT(white.moves, 0) << hostOutput.toStdString();
    EXPECT_EQ(white.moves, black.moves);
    EXPECT_EQ(white.digest, black.digest);
}

INSTANTIATE_TEST_SUITE_P(Postgres, TwoProcesses,
                         testing::Values(TSharedCase{"NoneDies", TKill::None},
                                         TSharedCase{"TheHostsProcessIsKilled", TKill::Host},
                                         TSharedCase{"TheGuestsProcessIsKilled", TKill::Guest}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SharedDatabase, AFlagFallsWhileTheProcessOfTheTeamToMoveIsDown)
{
    TTestClient white, black, watcher;
    for (TTestClient* client : {&white, &black})
        ASSERT_TRUE(client->Open(servers_[0]->Url()));
    ASSERT_TRUE(watcher.Open(servers_[1]->Url()));
    for (TTestClient* client : {&white, &black, &watcher})
        client->Send(Hello("Player"));
    white.Send({{"type", "create"},
                {"settings", QJsonObject{{"arrangement", "standard"},
                                         {"rowShift", 0},
                                         {"playersPerTeam", 1},
                                         {"movesPerTeamTurn", 1},
                                         {"minutes", QJsonObject{{"white", 1}, {"black", 30}}},
                                         {"increment", QJsonObject{{"white", 0}, {"black", 0}}}}}});
    const auto created = white.Next("created");
    ASSERT_TRUE(created) << Logs();
    const QString code = created->value("game").toString();
    white.Send({{"type", "join"}, {"game", code}, {"seat", "white-1"}});
    black.Send({{"type", "join"}, {"game", code}, {"seat", "black-1"}});
    ASSERT_TRUE(white.Next("seated") && black.Next("seated")) << Logs();
    white.Send({{"type", "start"}, {"game", code}});
    black.Send({{"type", "start"}, {"game", code}});
    watcher.Send({{"type", "watch"}, {"game", code}});
    ASSERT_TRUE(watcher.Next("snapshot")) << Logs();
    // White's clock runs; the only process its players were on dies.
    WaitFor([] { return false; }, 1'000);
    servers_[0]->Kill();
    std::optional<QJsonObject> ended;
    WaitFor(
        [&] {
            while (const auto event = watcher.Next("event", 0))
                if (event->value("kind").toString() == "ended")
                    ended = event;
            return ended.has_value();
        },
        FlagWaitMs);
    ASSERT_TRUE(ended) << Logs();
    EXPECT_EQ(ended->value("message").toString(), "White lost on time!");
}

} // namespace
