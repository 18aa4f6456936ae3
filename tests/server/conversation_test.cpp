// The protocol's conversations with a real server: what a client sends and
// what must come back, one row per behaviour that could break.

#include "protocolConversation.h"

namespace {

struct TConversationCase {
    const char* name;
    std::vector<TStep> steps;
};

void PrintTo(const TConversationCase& c, std::ostream* os)
{
    *os << c.name;
}

const std::vector<TConversationCase> Conversations = {
    {"HelloIsWelcomed",
     {Send(0, R"({"type":"hello","protocol":1,"name":"Ann"})"), Expect(0, "welcome", R"({"protocol":1})")}},
    {"AnotherProtocolIsRefusedAndClosed",
     {Send(0, R"({"type":"hello","protocol":2,"name":"Ann"})"), Expect(0, "error", R"({"code":"protocol"})"),
      Closed(0)}},
    {"CreateGivesACodeAndSeatsFollow", Joined({SeatedGame(), {Quiet(0, "error"), Quiet(1, "error")}})},
    {"ATakenSeatIsRefused", Joined({SeatedGame(),
                                    {Send(1, R"({"type":"join","game":"$game","seat":"white-1"})"),
                                     Expect(1, "error", R"({"code":"seat-taken"})")}})},
    {"AWatcherGetsTheSnapshot",
     Joined({SeatedGame(),
             {Send(2, R"({"type":"hello","protocol":1,"name":"Cy"})"), Expect(2, "welcome"),
              Send(2, R"({"type":"watch","game":"$game"})"),
              Expect(2, "snapshot", R"({"game":"$game","state":"waiting","host":false})")}})},
    {"BothTeamsAskingStartsTheGame", Joined({StartedGame(), {Quiet(0, "error"), Quiet(1, "error")}})},
    {"AMoveOutOfTurnIsRefused",
     Joined({StartedGame(),
             {Send(1, R"({"type":"move","game":"$game","id":"b1","from":"A13","to":"A12"})"),
              Expect(1, "refused", R"({"game":"$game","id":"b1"})"), Quiet(0, "event")}})},
    {"AnIllegalMoveIsRefused",
     Joined({StartedGame(),
             {Send(0, R"({"type":"move","game":"$game","id":"a1","from":"A01","to":"A02"})"),
              Expect(0, "refused", R"({"id":"a1"})"), Quiet(1, "event")}})},
    {"AMoveReachesEveryoneWithItsId",
     Joined({StartedGame(),
             {Send(0, R"({"type":"move","game":"$game","id":"a1","from":"A04","to":"A05"})"),
              Expect(0, "event", R"({"kind":"move","seat":"white-1","id":"a1","from":"A04","to":"A05",
                                     "toMove":"black-1"})"),
              Expect(1, "event", R"({"kind":"move","id":"a1","toMove":"black-1"})")}})},
    {"AResentMoveIsAnsweredButPlayedOnce",
     Joined({StartedGame(),
             {Send(0, R"({"type":"move","game":"$game","id":"a1","from":"A04","to":"A05"})"),
              Expect(0, "event", R"({"kind":"move","id":"a1"})", "played=seq"),
              Expect(1, "event", R"({"kind":"move","id":"a1"})"),
              Send(0, R"({"type":"move","game":"$game","id":"a1","from":"A04","to":"A05"})"),
              Expect(0, "event", R"({"kind":"move","id":"a1","seq":$played})"), Quiet(0, "event"),
              Quiet(0, "refused"), Quiet(1, "event")}})},
    {"ARejoinAfterAnEventGetsExactlyTheMissedOnes",
     Joined({StartedGame(),
             {Drop(1), Send(0, R"({"type":"move","game":"$game","id":"a1","from":"A04","to":"A05"})"),
              Expect(0, "event", R"({"kind":"move","id":"a1"})", "last=seq"),
              Send(2, R"({"type":"hello","protocol":1,"name":"Bob"})"), Expect(2, "welcome"),
              Send(2, R"({"type":"rejoin","game":"$game","token":"$black","after":$seq})"),
              Expect(2, "seated", R"({"game":"$game","seat":"black-1","token":"$black"})"),
              Missed(2, "seq", "last")}})},
};

} // namespace

class Conversation : public TServerTest, public testing::WithParamInterface<TConversationCase> {};

TEST_P(Conversation, GoesAsTheProtocolSays)
{
    TConversation conversation(server_->Url());
    EXPECT_EQ(conversation.Run(GetParam().steps), "") << ServerLog();
}

INSTANTIATE_TEST_SUITE_P(Protocol, Conversation, testing::ValuesIn(Conversations),
                         [](const auto& info) { return std::string(info.param.name); });
