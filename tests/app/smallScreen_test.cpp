// The window on a small screen (ctest runs this program on a 1366 x 768
// screen at 100 % and at 200 %, where it is 683 x 384 logical pixels): it
// opens inside the screen with a board of at least sixteen 16-pixel squares,
// and the status line and both clocks share their line without overlapping.

#include <QGuiApplication>
#include <QScreen>

#include "appTestSupport.h"
#include "windowFit.h"

namespace {

class SmallScreen : public TMainWindowTest {};

} // namespace

TEST_F(SmallScreen, WindowOpensInsideTheScreenWithTheSmallestBoardAndTheWholeStatusLine)
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(available.contains(Window().frameGeometry()))
        << Window().frameGeometry().width() << " x " << Window().frameGeometry().height() << " on "
        << available.width() << " x " << available.height();
    EXPECT_GE(Board().width(), SmallestBoardSide(Board().SizeOfBorder()));

    PressCtrl(Qt::Key_S); // the status line and both clocks show a running game
    const QLabel& status = Label("LblStatusMovesLeftInTurn");
    const QLabel& white = Label("LblTimeLeftWhite");
    const QLabel& black = Label("LblTimeLeftBlack");
    ASSERT_FALSE(status.text().trimmed().isEmpty());
    ASSERT_TRUE(white.text().startsWith(QStringLiteral("White ")));
    ASSERT_TRUE(black.text().startsWith(QStringLiteral("Black ")));
    EXPECT_LT(status.geometry().right(), white.geometry().left());
    EXPECT_LT(white.geometry().right(), black.geometry().left());
    EXPECT_LE(black.geometry().right(), black.parentWidget()->width() - 1);
    EXPECT_EQ(status.y(), white.y()) << "one line";
    // The designed fonts wherever the designed width is there; smaller only where it is not.
    EXPECT_EQ(status.font().pixelSize() == StatusFontPixels,
              Window().centralWidget()->width() >= DesignClientSize.width())
        << status.font().pixelSize() << " pixels at " << Window().centralWidget()->width();
}
