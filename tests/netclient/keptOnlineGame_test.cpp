// A kept online game written and read back as it was, private to its owner,
// and damaged files refused with a reason rather than half read.

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "keptOnlineGame.h"
#include "sessionTest.h"

namespace {

net::TKeptOnlineGame SomeGame()
{
    net::TKeptOnlineGame game;
    game.server = QUrl("wss://example.org:443/games/veltan/1");
    game.code = "7K9QXM";
    game.name = "Ann";
    game.hostToken = "host-key";
    game.seats = {{net::TSeat{true, 1}, "white-key"}, {net::TSeat{false, 1}, "black-key"}};
    game.seq = 9;
    game.settings = DuelSettings();
    // Front pawns of the standard start, two squares forward each.
    game.moves = {{{E04, E06, NoPromotion}, 599'000}, {{D13, D11, NoPromotion}, 598'000}};
    game.pending = {{"a1-3", net::TSeat{true, 1}, {F04, F05, NoPromotion}}};
    game.state = net::TGameState::Running;
    return game;
}

QString WriteText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    file.write(text);
    return {};
}

TEST(KeptOnlineGame, ReadsBackWhatWasWrittenInAFileOnlyItsOwnerReads)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("online.json");
    const net::TKeptOnlineGame game = SomeGame();
    ASSERT_EQ(net::WriteKeptOnlineGame(path, game), QString());
    EXPECT_EQ(QFile::permissions(path) & ~(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ReadUser | QFileDevice::WriteUser),
              QFileDevice::Permissions());

    const net::TKeptReading reading = net::ReadKeptOnlineGame(path);
    ASSERT_TRUE(reading.game) << reading.problem.toStdString();
    const net::TKeptOnlineGame& back = *reading.game;
    EXPECT_EQ(back.server, game.server);
    EXPECT_EQ(back.code, game.code);
    EXPECT_EQ(back.hostToken, game.hostToken);
    EXPECT_EQ(back.seats, game.seats);
    EXPECT_EQ(back.seq, game.seq);
    EXPECT_EQ(back.settings, game.settings);
    ASSERT_EQ(back.moves.size(), 2u);
    EXPECT_EQ(back.moves[1].move.to, D11);
    EXPECT_EQ(back.moves[1].clockMs, 598'000);
    ASSERT_EQ(back.pending.size(), 1u);
    EXPECT_EQ(back.pending[0].id, "a1-3");
    EXPECT_EQ(back.state, net::TGameState::Running);
}

struct TDamage {
    const char* name;
    const char* from; ///< text of the good file to replace
    const char* to;
    const char* says; ///< a part of the reason given
};

const TDamage Damages[] = {
    {"CutShort", nullptr, nullptr, "damaged"},
    {"AnotherFormat", "veltan-online-game", "veltan-game", "not a kept online game"},
    {"NotAGameServer", "wss://example.org", "https://example.org", "server"},
    {"MoveTheRulesRefuse", "\"E06\"", "\"E09\"", "breaks the rules"},
    {"SquareOffTheBoard", "\"D11\"", "\"Q11\"", "moves 2"},
    {"TokenWithLineBreak", "white-key", "white\\nkey", "token"},
    {"NoSettings", "\"settings\"", "\"setting\"", "settings"},
};

class DamagedKeptGame : public testing::TestWithParam<TDamage> {};

TEST_P(DamagedKeptGame, IsRefusedWithItsReason)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("online.json");
    ASSERT_EQ(net::WriteKeptOnlineGame(path, SomeGame()), QString());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray text = file.readAll();
    file.close();
    if (GetParam().from)
        text.replace(GetParam().from, GetParam().to);
    else
        text.truncate(text.size() / 2);
    ASSERT_EQ(WriteText(path, text), QString());

    const net::TKeptReading reading = net::ReadKeptOnlineGame(path);
    EXPECT_FALSE(reading.game);
    EXPECT_TRUE(reading.problem.contains(QString::fromUtf8(GetParam().says)))
        << reading.problem.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedKeptGame, testing::ValuesIn(Damages),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
