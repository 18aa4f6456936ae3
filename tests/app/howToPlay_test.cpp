// "How to play": F1 opens the rules window with its page and pictures, asking
// again brings back the same window, and each picture marks exactly what its
// caption says.

#include <QApplication>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QUrl>
#include <algorithm>
#include <sstream>

#include "appTestSupport.h"
#include "helpBrowser.h"
#include "helpDiagrams.h"
#include "howToPlayWindow.h"

namespace {

// The names of all images the document shows, in order.
QStringList ImageNames(const QTextDocument& document)
{
    QStringList names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            if (format.isImageFormat())
                names << format.toImageFormat().name();
        }
    }
    return names;
}

class HowToPlay : public TMainWindowTest {
protected:
    // The rules windows the main window owns.
    QList<THowToPlayWindow*> RulesWindows()
    {
        return Window().findChildren<THowToPlayWindow*>(QString(), Qt::FindDirectChildrenOnly);
    }
};

TEST_F(HowToPlay, F1OpensTheRulesPageWithEveryPictureDrawn)
{
    PressKey(Qt::Key_F1);
    ASSERT_EQ(RulesWindows().size(), 1);
    THowToPlayWindow& rules = *RulesWindows().front();
    EXPECT_TRUE(rules.isVisible());
    EXPECT_FALSE(rules.isModal());
    EXPECT_EQ(rules.windowTitle(), QStringLiteral("How to play"));
    QTextDocument& page = *rules.Browser().document();
    EXPECT_EQ(page.metaInformation(QTextDocument::DocumentTitle), QStringLiteral("How to play"));

    const QStringList names = ImageNames(page);
    EXPECT_EQ(names.size(), static_cast<qsizetype>(HelpDiagrams().size()));
    for (const QString& name : names) {
        const QImage image = page.resource(QTextDocument::ImageResource, QUrl(name)).value<QImage>();
        EXPECT_FALSE(image.isNull()) << name.toStdString();
    }
}

TEST_F(HowToPlay, F1AgainBringsBackTheSameWindowOpenOrClosed)
{
    PressKey(Qt::Key_F1);
    ASSERT_EQ(RulesWindows().size(), 1);
    THowToPlayWindow* const first = RulesWindows().front();

    PressKey(Qt::Key_F1);
    EXPECT_EQ(RulesWindows(), QList<THowToPlayWindow*>{first}) << "asked while open";

    QTest::keyClick(first, Qt::Key_Escape);
    EXPECT_FALSE(first->isVisible()) << "Esc closes it";
    PressKey(Qt::Key_F1);
    EXPECT_EQ(RulesWindows(), QList<THowToPlayWindow*>{first}) << "asked after closing";
    EXPECT_TRUE(first->isVisible());
    QApplication::processEvents(); // the platform reports the activation as an event
    EXPECT_EQ(QApplication::activeWindow(), first) << "in front, with the keyboard";
}

struct TPictureRow {
    const char* name;
    const char* marked;    // every one of these squares is marked ...
    const char* notMarked; // ... and none of these
};

// What the captions say, square by square.
const TPictureRow PictureRows[] = {
    {"knight", "D07 D09 E06 E10 F05 F11 G04 G12 I04 I12 J05 J11 K06 K10 L07 L09", "G06 F07 G07 H09"},
    {"pawn", "E05 E06 E07 E08 D05 G06", "E09 F05 D04 E03"},
    {"marker-pawn", "C12 C13 D12", "D13 B12 C14"},
    {"marker-rook", "B12 C12 D12", "E12 F12 D13"},
    {"king", "G07 H07 I07 G08 I08 G09 H09 F06 J06 F09 J09", "I09 F10 G10 H10 I10 J10"},
    {"castling", "A01 P01 G01 H01 J01 K01", "B01 C01 O01 I02"},
    {"castled", "", "A01 B01 C01"},
};

class HowToPlayPicture : public ::testing::TestWithParam<TPictureRow> {};

std::vector<Square> Squares(const char* names)
{
    std::vector<Square> squares;
    std::istringstream words(names);
    for (std::string word; words >> word;)
        squares.push_back(TVeltanBrdKernel::AnsiStringToSquare(word));
    return squares;
}

TEST_P(HowToPlayPicture, MarksTheSquaresItsCaptionNames)
{
    const THelpDiagram* diagram = FindHelpDiagram(GetParam().name);
    ASSERT_NE(diagram, nullptr);
    const std::vector<Square> targets = DiagramTargets(*diagram);
    const auto marked = [&](Square sq) {
        return std::find(targets.begin(), targets.end(), sq) != targets.end();
    };
    for (const Square sq : Squares(GetParam().marked))
        EXPECT_TRUE(marked(sq)) << TVeltanBrdKernel::SquareToString(sq);
    for (const Square sq : Squares(GetParam().notMarked))
        EXPECT_FALSE(marked(sq)) << TVeltanBrdKernel::SquareToString(sq);
}

INSTANTIATE_TEST_SUITE_P(Rules, HowToPlayPicture, ::testing::ValuesIn(PictureRows), [](const auto& info) {
    std::string name = info.param.name;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
});

} // namespace
