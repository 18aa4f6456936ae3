// Invitation links as players pass them on: the links that must work, the
// text that must be refused with a reason, and an address typed beside a code.

#include <gtest/gtest.h>

#include "invitationLink.h"

namespace {

struct TGoodLink {
    const char* name;
    const char* link;
    const char* webSocket; ///< the URL the window connects to
    const char* written;   ///< the link as the window writes it again
};

const TGoodLink GoodLinks[] = {
    {"Plain", "veltan://example.org:7490/7K9QXM", "ws://example.org:7490/veltan/1",
     "veltan://example.org:7490/7K9QXM"},
    {"PortLeftOut", "veltan://example.org/7K9QXM", "ws://example.org:7490/veltan/1",
     "veltan://example.org:7490/7K9QXM"},
    {"TlsBehindProxy", "veltans://example.org:443/games/7K9QXM", "wss://example.org:443/games/veltan/1",
     "veltans://example.org:443/games/7K9QXM"},
    {"IPv6InBrackets", "veltan://[::1]:8000/7K9QXM", "ws://[::1]:8000/veltan/1",
     "veltan://[::1]:8000/7K9QXM"},
    {"LowerCaseCode", "veltan://127.0.0.1:7490/7k9qxm", "ws://127.0.0.1:7490/veltan/1",
     "veltan://127.0.0.1:7490/7K9QXM"},
    {"PastedWithSpacesAndSlash", "  VELTAN://Example.org:7491/a/b/7K9QXM/ ",
     "ws://example.org:7491/a/b/veltan/1", "veltan://example.org:7491/a/b/7K9QXM"},
};

class GoodLink : public testing::TestWithParam<TGoodLink> {};

TEST_P(GoodLink, ReadsToItsServerAndCode)
{
    const net::TInvitationReading reading = net::ReadInvitationLink(QString::fromUtf8(GetParam().link));
    ASSERT_TRUE(reading.invitation) << reading.problem.toStdString();
    EXPECT_EQ(reading.invitation->code, "7K9QXM");
    EXPECT_EQ(net::WebSocketUrl(*reading.invitation).toString().toStdString(), GetParam().webSocket);
    const QString written = net::InvitationLinkText(*reading.invitation);
    EXPECT_EQ(written.toStdString(), GetParam().written);
    EXPECT_EQ(net::ReadInvitationLink(written).invitation, reading.invitation);
}

INSTANTIATE_TEST_SUITE_P(Links, GoodLink, testing::ValuesIn(GoodLinks),
                         [](const auto& info) { return std::string(info.param.name); });

struct TBadLink {
    const char* name;
    const char* link;
    const char* says; ///< a part of the reason given
};

const TBadLink BadLinks[] = {
    {"Empty", "", "veltan://"},
    {"AnotherScheme", "https://example.org/7K9QXM", "veltan://"},
    {"NoCode", "veltan://example.org:7490", "names no game"},
    {"NoHost", "veltan://:7490/7K9QXM", "no host"},
    {"PortZero", "veltan://example.org:0/7K9QXM", "port"},
    {"PortTooLarge", "veltan://example.org:65536/7K9QXM", "port"},
    {"IPv6WithoutBrackets", "veltan://::1/7K9QXM", "brackets"},
    {"BracketNotClosed", "veltan://[::1/7K9QXM", "closing bracket"},
    {"NotIPv6InBrackets", "veltan://[example.org]/7K9QXM", "IPv6"},
    {"UserInLink", "veltan://ann@example.org/7K9QXM", "@"},
    {"QueryAfterCode", "veltan://example.org/7K9QXM?seat=1", "?"},
    {"CodeWithLookAlike", "veltan://example.org/7K9QX0", "game code"},
    {"CodeTooShort", "veltan://example.org/7K9QX", "game code"},
    {"EmptyPathPart", "veltan://example.org//7K9QXM", "empty part"},
    {"PercentInPath", "veltan://example.org/g%41mes/7K9QXM", "path"},
};

class BadLink : public testing::TestWithParam<TBadLink> {};

TEST_P(BadLink, IsRefusedWithItsReason)
{
    const net::TInvitationReading reading = net::ReadInvitationLink(QString::fromUtf8(GetParam().link));
    EXPECT_FALSE(reading.invitation);
    EXPECT_TRUE(reading.problem.contains(QString::fromUtf8(GetParam().says)))
        << reading.problem.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Links, BadLink, testing::ValuesIn(BadLinks),
                         [](const auto& info) { return std::string(info.param.name); });

struct TAddress {
    const char* name;
    const char* address;
    const char* code;
    const char* webSocket; ///< empty: refused
};

const TAddress Addresses[] = {
    {"HostAlone", "example.org", "7k9qxm", "ws://example.org:7490/veltan/1"},
    {"HostAndPort", "example.org:7000", "7K9QXM", "ws://example.org:7000/veltan/1"},
    {"BareIPv6", "::1", "7K9QXM", "ws://[::1]:7490/veltan/1"},
    {"IPv6AndPort", "[::1]:7000", "7K9QXM", "ws://[::1]:7000/veltan/1"},
    {"ServerLinkBehindProxy", "veltans://example.org/games", " 7K9QXM ",
     "wss://example.org:7490/games/veltan/1"},
    {"PathWithoutScheme", "example.org/games", "7K9QXM", ""},
    {"BadCode", "example.org", "7K9", ""},
    {"NoAddress", " ", "7K9QXM", ""},
};

class AddressAndCode : public testing::TestWithParam<TAddress> {};

TEST_P(AddressAndCode, ReadAsALinkWouldBe)
{
    const net::TInvitationReading reading =
        net::ReadAddressAndCode(QString::fromUtf8(GetParam().address), QString::fromUtf8(GetParam().code));
    const std::string expected = GetParam().webSocket;
    if (expected.empty()) {
        EXPECT_FALSE(reading.invitation);
        EXPECT_FALSE(reading.problem.isEmpty());
        return;
    }
    ASSERT_TRUE(reading.invitation) << reading.problem.toStdString();
    EXPECT_EQ(net::WebSocketUrl(*reading.invitation).toString().toStdString(), expected);
    EXPECT_EQ(reading.invitation->code, "7K9QXM");
}

INSTANTIATE_TEST_SUITE_P(Addresses, AddressAndCode, testing::ValuesIn(Addresses),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
