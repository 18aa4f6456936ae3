// Frames a server must refuse without losing the connection: each gets an
// error with its code, and the connection still answers afterwards.

#include "protocolConversation.h"

namespace {

struct TBadFrameCase {
    const char* name;
    QString frame;
    const char* code;
    bool beforeHello = false;
};

void PrintTo(const TBadFrameCase& c, std::ostream* os)
{
    *os << c.name;
}

const std::vector<TBadFrameCase> BadFrames = {
    {"NotJson", "hello there", "bad-json"},
    {"UnknownType", R"({"type":"dance"})", "unknown-type"},
    {"JoinWithoutSeat", R"({"type":"join","game":"CCCCCC"})", "bad-field"},
    {"NoSuchSeat", R"({"type":"join","game":"CCCCCC","seat":"white-9"})", "bad-field"},
    {"CodeWithLookAlikes", R"({"type":"watch","game":"O0O0O0"})", "bad-field"},
    {"ThreePlayersATeam",
     R"({"type":"create","settings":{"arrangement":"standard","rowShift":0,"playersPerTeam":3,
        "movesPerTeamTurn":4,"minutes":{"white":10,"black":10},"increment":{"white":0,"black":0}}})",
     "bad-field"},
    {"NoSuchGame", R"({"type":"join","game":"CCCCCC","seat":"white-1"})", "no-game"},
    {"LargerThanAClientMaySend", R"({"type":"ping","payload":")" + QString(70'000, 'x') + R"("})",
     "too-large"},
    {"AnythingBeforeHello", R"({"type":"watch","game":"CCCCCC"})", "hello-first", true},
};

} // namespace

class BadFrame : public TServerTest, public testing::WithParamInterface<TBadFrameCase> {};

TEST_P(BadFrame, IsAnsweredWithAnErrorAndTheConnectionKept)
{
    const TBadFrameCase& c = GetParam();
    TTestClient client;
    ASSERT_TRUE(client.Open(server_->Url()));
    if (!c.beforeHello) {
        client.Send(Hello("Ann"));
        ASSERT_TRUE(client.Next("welcome")) << ServerLog();
    }
    client.SendText(c.frame);
    const std::optional<QJsonObject> error = client.Next("error");
    ASSERT_TRUE(error) << ServerLog();
    EXPECT_EQ(error->value("code").toString().toStdString(), c.code);
    if (c.beforeHello) {
        client.Send(Hello("Ann"));
        EXPECT_TRUE(client.Next("welcome")) << ServerLog();
    } else {
        EXPECT_TRUE(client.Sync()) << ServerLog();
    }
}

INSTANTIATE_TEST_SUITE_P(Protocol, BadFrame, testing::ValuesIn(BadFrames),
                         [](const auto& info) { return std::string(info.param.name); });
