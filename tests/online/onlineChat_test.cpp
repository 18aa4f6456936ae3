// The chat beside the board: a line to all reaches the other team, a line to
// the own team does not; while the move list is open its own chat window
// sends and shows lines.

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QTest>

#include "chatPanel.h"
#include "onlineWindows.h"

namespace {

struct TChatCase {
    const char* name;
    bool toTeam;
    bool otherTeamSees;
};

const TChatCase ChatCases[] = {
    {"ToAll", false, true},
    {"ToTeam", true, false},
};

/// The case's name where GoogleTest lists the parameter.
void PrintTo(const TChatCase& c, std::ostream* os)
{
    *os << c.name;
}

class ChatLine : public TOnlineWindowsTest, public ::testing::WithParamInterface<TChatCase> {};

void Say(online::TChatPanel& chat, const QString& text, bool toTeam)
{
    chat.findChild<QCheckBox*>(QStringLiteral("OnlineChatToTeam"))->setChecked(toTeam);
    auto* const entry = chat.findChild<QLineEdit*>(QStringLiteral("OnlineChatEntry"));
    entry->setText(text);
    QTest::keyClick(entry, Qt::Key_Return);
}

} // namespace

TEST_P(ChatLine, ReachesWhomItIsFor)
{
    TOnlinePlayer& white = NewPlayer();
    TOnlinePlayer& black = NewPlayer();
    JoinByLink(black, Host(white, server_->Url()), {net::TSeat{false, 1}});

    Say(*white.menu->Chat(), QStringLiteral("good luck"), GetParam().toTeam);
    // A line to all after it: once that has arrived, the first one has too, if it was to come.
    Say(*white.menu->Chat(), QStringLiteral("ready?"), false);
    ASSERT_TRUE(SeenSoon([&] { return black.menu->Chat()->Lines().contains(QStringLiteral("Ann: ready?")); }))
        << black.menu->Chat()->Lines().join(QLatin1Char('\n')).toStdString() << "\n"
        << Log();
    const QString first =
        GetParam().toTeam ? QStringLiteral("Ann (team): good luck") : QStringLiteral("Ann: good luck");
    EXPECT_EQ(black.menu->Chat()->Lines().contains(first), GetParam().otherTeamSees);
    ASSERT_TRUE(SeenSoon([&] { return white.menu->Chat()->Lines().contains(first); }))
        << "the sender sees it";
}

INSTANTIATE_TEST_SUITE_P(Online, ChatLine, ::testing::ValuesIn(ChatCases),
                         [](const ::testing::TestParamInfo<TChatCase>& info) { return info.param.name; });

TEST_F(TOnlineWindowsTest, TheMoveListOpensAChatOfItsOwn)
{
    TOnlinePlayer& white = NewPlayer();
    TOnlinePlayer& black = NewPlayer();
    JoinByLink(black, Host(white, server_->Url()), {net::TSeat{false, 1}});

    bool listShown = false;
    black.window->SetModalRunner([&](QDialog& list) {
        listShown = true;
        auto* const chat = list.findChild<online::TChatPanel*>(QStringLiteral("MoveListChat"));
        EXPECT_NE(chat, nullptr);
        if (chat == nullptr)
            return 0;
        EXPECT_TRUE(chat->isWindow() && chat->isVisible());
        Say(*chat, QStringLiteral("one moment"), false);
        EXPECT_TRUE(SeenSoon([&] {
            return white.menu->Chat()->Lines().contains(QStringLiteral("Ben: one moment"));
        })) << Log();
        Say(*white.menu->Chat(), QStringLiteral("take your time"), false);
        EXPECT_TRUE(SeenSoon([&] { return chat->Lines().contains(QStringLiteral("Ann: take your time")); }))
            << Log();
        return 0;
    });
    black.window->findChild<QAction*>(QStringLiteral("MnuItemShowMovelist"))->trigger();
    EXPECT_TRUE(listShown);
}
