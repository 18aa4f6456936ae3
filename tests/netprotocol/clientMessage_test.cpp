// Client frames read by the message library: good frames of every type give
// the values they carry; bad ones give the error code to answer with and a
// problem naming the field.

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <string>

#include "clientMessage.h"
#include "protocolLimits.h"
#include "tableRows.h"

namespace {

using namespace net;

// A `create` frame of the default settings with some fields replaced.
std::string CreateWith(const QJsonObject& changes)
{
    QJsonObject settings = SettingsJson(TOnlineSettings{});
    for (auto change = changes.begin(); change != changes.end(); ++change)
        settings.insert(change.key(), change.value());
    const QJsonObject frame{{QStringLiteral("type"), QStringLiteral("create")},
                            {QStringLiteral("settings"), settings}};
    return QJsonDocument(frame).toJson(QJsonDocument::Compact).toStdString();
}

QJsonObject Pair(double white, double black)
{
    return {{QStringLiteral("white"), white}, {QStringLiteral("black"), black}};
}

TClientReading Read(const std::string& frame)
{
    return ReadClientMessage(QByteArrayView(frame.data(), static_cast<qsizetype>(frame.size())));
}

struct TGoodFrame {
    const char* name;
    std::string frame;
    TClientMessage expected;
};

class GoodFrames : public testing::TestWithParam<TGoodFrame> {};

TEST_P(GoodFrames, ReadIntoTheirValues)
{
    const TClientReading reading = Read(GetParam().frame);
    ASSERT_TRUE(reading.message) << reading.problem.toStdString();
    EXPECT_TRUE(*reading.message == GetParam().expected);
    EXPECT_TRUE(reading.errorCode.isEmpty());
}

const QString Code = QStringLiteral("7K9QXM");
// Forty characters, two of them beyond the 16-bit range (two UTF-16 units each).
const QString FortyCharacters = QString(38, QChar(0x263A)) + QString::fromUcs4(U"\U0001F600\U0001F600");

INSTANTIATE_TEST_SUITE_P(
    OnePerType, GoodFrames,
    testing::Values(
        TGoodFrame{"Hello", R"({"type":"hello","protocol":1,"name":"  Ann  "})",
                   THello{1, QStringLiteral("Ann")}},
        TGoodFrame{"HelloNameOfFortyCharactersWithPairs",
                   R"({"type":"hello","protocol":1,"name":")" + FortyCharacters.toStdString() + R"("})",
                   THello{1, FortyCharacters}},
        TGoodFrame{"Create", CreateWith({{"rowShift", 2}}), TCreate{TOnlineSettings{0, 2}}},
        TGoodFrame{"JoinLowerCaseCode", R"({"type":"join","game":"7k9qxm","seat":"black-4"})",
                   TJoin{Code, TSeat{false, 4}}},
        TGoodFrame{"RejoinAfter", R"({"type":"rejoin","game":"7K9QXM","token":"a1b2","after":12})",
                   TRejoin{Code, QStringLiteral("a1b2"), 12}},
        TGoodFrame{"Leave", R"({"type":"leave","game":"7K9QXM","seat":"white-1"})", TLeave{Code, TSeat{}}},
        TGoodFrame{"Free", R"({"type":"free","game":"7K9QXM","seat":"white-2"})",
                   TFree{Code, TSeat{true, 2}}},
        TGoodFrame{"WatchWithNullAfter", R"({"type":"watch","game":"7K9QXM","after":null})",
                   TWatch{Code, std::nullopt}},
        TGoodFrame{"MovePromotion",
                   R"({"type":"move","game":"7K9QXM","id":"m 7","from":"E15","to":"E16","promotion":"n"})",
                   TMove{Code, QStringLiteral("m 7"), TProtocolMove{E15, E16, 'n'}}},
        TGoodFrame{"StartWithSeat", R"({"type":"start","game":"7K9QXM","seat":"black-1"})",
                   TCommand{Code, TTeamCommand::Start, TSeat{false, 1}}},
        TGoodFrame{"DeclineDraw", R"({"type":"decline-draw","game":"7K9QXM"})",
                   TCommand{Code, TTeamCommand::DeclineDraw, std::nullopt}},
        TGoodFrame{"ChatToTeam", R"({"type":"chat","game":"7K9QXM","to":"team","text":"push on the left"})",
                   TChat{Code, true, QStringLiteral("push on the left"), std::nullopt}},
        TGoodFrame{"PingWithoutPayload", R"({"type":"ping"})", TPing{}}),
    RowName<TGoodFrame>);

struct TBadFrame {
    const char* name;
    std::string frame;
    const char* errorCode;
    const char* named; ///< what the problem must mention
};

class BadFrames : public testing::TestWithParam<TBadFrame> {};

TEST_P(BadFrames, AreRefusedNamingTheProblem)
{
    const TClientReading reading = Read(GetParam().frame);
    EXPECT_FALSE(reading.message);
    EXPECT_EQ(reading.errorCode.toStdString(), GetParam().errorCode);
    EXPECT_NE(reading.problem.indexOf(QString::fromUtf8(GetParam().named)), -1)
        << reading.problem.toStdString();
}

const std::string Join = R"({"type":"join","game":"7K9QXM","seat":)";
const std::string Move = R"({"type":"move","game":"7K9QXM","id":"1","from":"E04","to":)";

INSTANTIATE_TEST_SUITE_P(
    Refused, BadFrames,
    testing::Values(
        TBadFrame{"TooLarge", std::string(MaxClientFrameBytes + 1, ' '), "too-large", "65536"},
        TBadFrame{"NotJson", "{\"type\":", "bad-json", "JSON"},
        TBadFrame{"BrokenUtf8", "{\"type\":\"ping\",\"payload\":\"\xff\"}", "bad-json", "JSON"},
        TBadFrame{"Array", R"([{"type":"ping"}])", "bad-json", "object"},
        TBadFrame{"NoType", R"({"game":"7K9QXM"})", "unknown-type", "`type`"},
        TBadFrame{"TypeNotText", R"({"type":7})", "unknown-type", "`type`"},
        TBadFrame{"UnknownType", R"({"type":"Join"})", "unknown-type", "`type`"},
        TBadFrame{"MissingField", R"({"type":"join","game":"7K9QXM"})", "bad-field", "`seat` is missing"},
        TBadFrame{"NumberAsText", R"({"type":"hello","protocol":"1","name":"Ann"})", "bad-field",
                  "`protocol`"},
        TBadFrame{"NonIntegral", CreateWith({{"minutes", Pair(1.5, 90)}}), "bad-field", "`minutes.white`"},
        TBadFrame{"HugeNumber", R"({"type":"watch","game":"7K9QXM","after":1e300})", "bad-field", "`after`"},
        TBadFrame{"NegativeAfter", R"({"type":"watch","game":"7K9QXM","after":-1})", "bad-field", "`after`"},
        TBadFrame{"RowShiftTooLarge", CreateWith({{"rowShift", 3}}), "bad-field", "`rowShift`"},
        TBadFrame{"NoMinutes", CreateWith({{"minutes", Pair(60, 0)}}), "bad-field", "`minutes.black`"},
        TBadFrame{"IncrementTooLong", CreateWith({{"increment", Pair(601, 5)}}), "bad-field",
                  "`increment.white`"},
        TBadFrame{"ThreePlayers", CreateWith({{"playersPerTeam", 3}}), "bad-field", "`playersPerTeam`"},
        TBadFrame{"MorePlayersThanMoves", CreateWith({{"playersPerTeam", 2}, {"movesPerTeamTurn", 1}}),
                  "bad-field", "each player"},
        TBadFrame{"UnknownArrangement", CreateWith({{"arrangement", QStringLiteral("Standard")}}),
                  "bad-field", "`arrangement`"},
        TBadFrame{"MinutesNotObject", CreateWith({{"minutes", 60}}), "bad-field",
                  "`minutes` must be an object"},
        TBadFrame{"SeatFive", Join + R"("white-5"})", "bad-field", "white-1 .. black-4"},
        TBadFrame{"SeatCapitalised", Join + R"("White-1"})", "bad-field", "`seat`"},
        TBadFrame{"CodeWithLookAlike", R"({"type":"watch","game":"7K9QX0"})", "bad-field", "`game`"},
        TBadFrame{"CodeTooShort", R"({"type":"watch","game":"7K9QX"})", "bad-field", "`game`"},
        TBadFrame{"SquarePastFileP", Move + R"("Q04"})", "bad-field", "`to`"},
        TBadFrame{"SquarePastRank16", Move + R"("E17"})", "bad-field", "`to`"},
        TBadFrame{"SquareLowerCase", Move + R"("e06"})", "bad-field", "`to`"},
        TBadFrame{"SquareOneDigit", Move + R"("E6"})", "bad-field", "`to`"},
        TBadFrame{"PromotionCapital", Move + R"("E16","promotion":"Q"})", "bad-field", "`promotion`"},
        TBadFrame{"NameTooLong", R"({"type":"hello","protocol":1,"name":")" + std::string(41, 'a') + R"("})",
                  "bad-field", "`name`"},
        TBadFrame{"NameOnlySpaces", R"({"type":"hello","protocol":1,"name":"   "})", "bad-field", "`name`"},
        TBadFrame{"NameWithBell", R"({"type":"hello","protocol":1,"name":"A\u0007nn"})", "bad-field",
                  "`name`"},
        TBadFrame{"NameWithLoneSurrogate", R"({"type":"hello","protocol":1,"name":"A\ud800"})", "bad-field",
                  "`name`"},
        TBadFrame{"ChatTooLong",
                  R"({"type":"chat","game":"7K9QXM","to":"all","text":")" + std::string(501, 'a') + R"("})",
                  "bad-field", "`text`"},
        TBadFrame{"ChatWithLineBreak", R"({"type":"chat","game":"7K9QXM","to":"all","text":"a\nb"})",
                  "bad-field", "`text`"}),
    RowName<TBadFrame>);

// A bad move is answered with `refused` when its id could be read, so a
// client waiting on that id learns of it.
struct TBadMove {
    const char* name;
    std::string frame;
    const char* moveId;
};

class BadMoves : public testing::TestWithParam<TBadMove> {};

TEST_P(BadMoves, KeepTheirIdForTheRefusal)
{
    const TClientReading reading = Read(GetParam().frame);
    EXPECT_EQ(reading.errorCode.toStdString(), "bad-field");
    EXPECT_TRUE(reading.isMove);
    EXPECT_EQ(reading.moveId.toStdString(), GetParam().moveId);
}

INSTANTIATE_TEST_SUITE_P(
    Refused, BadMoves,
    testing::Values(TBadMove{"BadSquareAfterId", Move + R"("E99"})", "1"},
                    TBadMove{"BadGameBeforeId",
                             R"({"type":"move","game":"?","id":"m1","from":"E04","to":"E06"})", "m1"},
                    TBadMove{"IdTooLong",
                             R"({"type":"move","game":"7K9QXM","id":")" + std::string(65, 'i') +
                                 R"(","from":"E04","to":"E06"})",
                             ""}),
    RowName<TBadMove>);

} // namespace
