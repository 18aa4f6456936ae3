// Settings written and read back, game codes, seats, and the server's frames
// exactly as the protocol document shows them.

#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <string>

#include "gameCode.h"
#include "onlineSettings.h"
#include "protocolLimits.h"
#include "seat.h"
#include "serverMessages.h"
#include "tableRows.h"

namespace {

using namespace net;

struct TSettingsRow {
    const char* name;
    TOnlineSettings settings;
};

class SettingsRoundTrip : public testing::TestWithParam<TSettingsRow> {};

TEST_P(SettingsRoundTrip, ReadsBackWhatWasWritten)
{
    const TSettingsReading reading = ReadSettings(SettingsJson(GetParam().settings));
    ASSERT_TRUE(reading.settings) << reading.problem.toStdString();
    EXPECT_EQ(*reading.settings, GetParam().settings);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, SettingsRoundTrip,
    testing::Values(TSettingsRow{"Defaults", TOnlineSettings{}},
                    TSettingsRow{"QuadrantFourPlayers", TOnlineSettings{1, 2, 4, 4, 90, 30, 10, 0}},
                    TSettingsRow{"CastlingLongestClocks",
                                 TOnlineSettings{2, 1, 2, 2, MaxMinutes, 1, MaxIncrementSeconds, 0}},
                    TSettingsRow{"OneMoveATurn", TOnlineSettings{0, 0, 1, 1, 1, 1, 0, 0}}),
    RowName<TSettingsRow>);

TEST(GameCodes, NewCodesAreCodesOfTheAlphabet)
{
    QRandomGenerator random(20240);
    for (int i = 0; i < 2000; ++i) {
        const QString code = NewGameCode(random);
        ASSERT_TRUE(IsGameCode(code)) << code.toStdString();
        ASSERT_EQ(NormalGameCode(code), code);
    }
}

TEST(GameCodes, AlphabetHasNoLookAlikes)
{
    for (const char lookAlike : std::string("0O1IL2Z5S8B"))
        EXPECT_EQ(std::string(GameCodeAlphabet).find(lookAlike), std::string::npos) << lookAlike;
}

TEST(GameCodes, LowerCaseIsReadAsCapitals)
{
    EXPECT_TRUE(IsGameCode(u"7k9qxm"));
    EXPECT_EQ(NormalGameCode(u"7k9qxm"), QStringLiteral("7K9QXM"));
    EXPECT_FALSE(IsGameCode(u"7K9QXMM"));
}

TEST(Seats, NamesAndIndexesReadBack)
{
    for (int index = 0; index < MaxSeats; ++index) {
        const TSeat seat = SeatAt(index);
        EXPECT_EQ(SeatIndex(seat), index);
        EXPECT_EQ(ReadSeat(SeatName(seat)), seat) << SeatName(seat).toStdString();
    }
    EXPECT_EQ(SeatName(SeatAt(MaxPlayersPerTeam)), QStringLiteral("black-1"));
}

struct TServerFrameRow {
    const char* name;
    QJsonObject message;
    const char* text;
};

class ServerFrames : public testing::TestWithParam<TServerFrameRow> {};

// These texts are the examples of docs/online-protocol.md.
TEST_P(ServerFrames, AreWrittenAsDocumented)
{
    EXPECT_EQ(FrameText(GetParam().message).toStdString(), GetParam().text);
    EXPECT_EQ(ReadServerFrame(GetParam().text).body, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Documented, ServerFrames,
    testing::Values(
        TServerFrameRow{"Welcome", WelcomeMessage(QStringLiteral("veltan-server 0.9")),
                        R"({"protocol":1,"server":"veltan-server 0.9","type":"welcome"})"},
        TServerFrameRow{
            "Error",
            ErrorMessage(QStringLiteral("bad-field"),
                         QStringLiteral("join: `seat` must be one of white-1 .. black-4")),
            R"({"code":"bad-field","text":"join: `seat` must be one of white-1 .. black-4","type":"error"})"},
        TServerFrameRow{
            "Refused",
            RefusedMessage(QStringLiteral("7K9QXM"), QStringLiteral("m12"), QStringLiteral("not your turn")),
            R"({"game":"7K9QXM","id":"m12","reason":"not your turn","type":"refused"})"},
        TServerFrameRow{
            "Created",
            CreatedMessage(QStringLiteral("7K9QXM"), QStringLiteral("5f1c0e9a2b7d4c36a8e0f2b4d6c8a0e1")),
            R"({"game":"7K9QXM","token":"5f1c0e9a2b7d4c36a8e0f2b4d6c8a0e1","type":"created"})"},
        TServerFrameRow{
            "Seated",
            SeatedMessage(QStringLiteral("7K9QXM"), QStringLiteral("white-2"),
                          QStringLiteral("0d9e3b1a7c5f4e28b6a4c2e0f8d6b4a2")),
            R"({"game":"7K9QXM","seat":"white-2","token":"0d9e3b1a7c5f4e28b6a4c2e0f8d6b4a2","type":"seated"})"},
        TServerFrameRow{"Pong", PongMessage(QStringLiteral("17")), R"({"payload":"17","type":"pong"})"}),
    RowName<TServerFrameRow>);

} // namespace
