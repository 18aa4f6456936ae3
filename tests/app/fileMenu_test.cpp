// The main menu's Open game…, Save game… and Quit, reached by their keys:
// opening and saving go through the same file dialogs as the move list's
// Load and Save, quitting closes the window and keeps the game.

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "appTestSupport.h"
#include "gameFileWriter.h"
#include "unfinishedGame.h"

namespace {

enum class TCommand { Open, Save, Quit };

struct TFileMenuCase {
    const char* name;
    TCommand command;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

void PrintTo(const TFileMenuCase& c, std::ostream* os)
{
    *os << c.name;
}

// The file patterns of a dialog's filters ("Games (*.xml);;Mine (my*.xml)"), in the order offered.
std::vector<std::string> Patterns(const QString& filters)
{
    std::vector<std::string> patterns;
    for (const QString& filter : filters.split(QStringLiteral(";;")))
        patterns.push_back(filter.section(QLatin1Char('('), 1).section(QLatin1Char(')'), 0, 0).toStdString());
    return patterns;
}

class FileMenu : public TMainWindowTest, public testing::WithParamInterface<TFileMenuCase> {
protected:
    QTemporaryDir folder;
};

} // namespace

TEST_P(FileMenu, CommandDoesWhatItsKeySays)
{
    const TFileMenuCase& c = GetParam();
    // Two full team turns: a game worth a file.
    PlayMoves(2 * Board().MovesPerTeamTurn());
    const int played = Board().LastMove;
    const QString path = folder.filePath(QStringLiteral("game.xml"));
    if (c.command == TCommand::Open) {
        ASSERT_TRUE(SaveGameFile(path, Board(), QStringLiteral("2024-01-01-00-00-00")).done);
        PlayMoves(1);
        dialogs.openFileName = path;
        dialogs.yes = true; // "Abandon the game in progress?"
    }
    dialogs.saveFileName = path;
    QTest::keyClick(&Window(), c.key, c.modifiers);

    switch (c.command) {
    case TCommand::Open:
        EXPECT_EQ(dialogs.openDialogs, 1);
        // A game saved under a name of the player's own shows without a change of filter.
        EXPECT_EQ(Patterns(dialogs.openFilter), (std::vector<std::string>{"*.xml", "Veltan*.xml"}));
        EXPECT_EQ(Board().LastMove, played) << "the saved game replaced the one played on";
        break;
    case TCommand::Save:
        EXPECT_EQ(dialogs.saveDialogs, 1);
        EXPECT_EQ(Patterns(dialogs.saveFilter).front(), "*.xml");
        EXPECT_TRUE(QFile::exists(path));
        EXPECT_TRUE(Window().MayReplaceGame()) << "the game counts as saved";
        EXPECT_TRUE(dialogs.questions.empty());
        break;
    case TCommand::Quit:
        EXPECT_FALSE(Window().isVisible());
        EXPECT_TRUE(QFile::exists(Window().KeptGame().Path())) << "the game is kept for the next start";
        break;
    }
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Commands, FileMenu,
    testing::Values(
        TFileMenuCase{"OpenGame", TCommand::Open, Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier},
        TFileMenuCase{"SaveGame", TCommand::Save, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier},
        TFileMenuCase{"Quit", TCommand::Quit, Qt::Key_Q, Qt::ControlModifier}),
    [](const testing::TestParamInfo<TFileMenuCase>& info) { return std::string(info.param.name); });
