// The window on screens of 1, 1.25 and 2 device pixels per pixel (ctest runs
// this program under each QT_SCALE_FACTOR): the board is drawn for the
// screen's own pixels, its squares are whole device pixels, pieces are drawn
// for the size they fill, and a dragged piece lands where it is dropped.

#include <QMenuBar>
#include <QTest>
#include <QTextDocument>
#include <cmath>

#include "VeltanPromote.h"
#include "appTestSupport.h"
#include "diagramImage.h"
#include "helpBrowser.h"
#include "helpDiagrams.h"
#include "howToPlayMenu.h"
#include "howToPlayWindow.h"
#include "pieceResources.h"
#include "sharperPieceSets.h"

namespace {

double ScaleFactor()
{
    bool ok = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok && factor > 0 ? factor : 1.0;
}

// The canvas's pixels at a square, as 0xAARRGGBB.
QImage CanvasPart(const TVeltanBrd& board, const QRect& area)
{
    return board.Canvas().copy(area).convertToFormat(QImage::Format_RGB32);
}

// What a square showing `piece` on its plain base must look like.
QImage SquareWithPiece(const TVeltanBrd& board, QColor base, const QImage& piece)
{
    const int square = board.Geometry().square;
    QImage expected(square, square, QImage::Format_RGB32);
    expected.fill(base);
    QPainter painter(&expected);
    const int offset = (square - piece.width()) / 2;
    painter.drawImage(offset, offset, piece);
    return expected;
}

// Share of the 2 x 2 blocks (on even pixels) whose four pixels are not all
// alike: a picture enlarged pixel for pixel has none.
double MixedBlocks(const QImage& image)
{
    int mixed = 0;
    int blocks = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            ++blocks;
            mixed +=
                (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p || image.pixel(x + 1, y + 1) != p);
        }
    return blocks == 0 ? 0.0 : static_cast<double>(mixed) / blocks;
}

// The window's board with a lone white queen on H08 and kings far apart.
class RatioWindow : public TMainWindowTest {
protected:
    void SetUp() override
    {
        TMainWindowTest::SetUp();
        SetUpPosition({{H08, 'Q'}, {A01, 'K'}, {P16, 'k'}, {C03, 'R'}, {M13, 'r'}});
        Board().Paint();
    }
    double Ratio() const { return ScaleFactor(); }
};

TEST_F(RatioWindow, BoardIsDrawnForTheScreensPixelsAndShownPixelForPixel)
{
    EXPECT_DOUBLE_EQ(Board().PixelRatio(), Ratio());
    const QSize device(static_cast<int>(std::ceil(Board().width() * Ratio() - 1e-6)),
                       static_cast<int>(std::ceil(Board().height() * Ratio() - 1e-6)));
    EXPECT_EQ(Board().Canvas().size(), device);
    const QImage shown = Board().grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.size(), device);
    EXPECT_TRUE(shown == Board().Canvas().convertToFormat(QImage::Format_RGB32))
        << "the screen gets the canvas pixel for pixel";
}

TEST_F(RatioWindow, SquaresAreEqualAndEndOnWholeDevicePixels)
{
    const TBoardGeometry& geometry = Board().Geometry();
    EXPECT_EQ(geometry.square, static_cast<int>(std::floor(48 * Ratio() + 1e-6)))
        << "the designed window shows squares of 48 pixels";
    // Rank 09 is empty: each square's first and last device pixel have its
    // colour, the pixel after it the other colour.
    const int y = geometry.SquareRect(A09).center().y();
    for (int column = 0; column < BoardSize; ++column) {
        const QRect cell = geometry.CellRect(column, geometry.ScreenCell(A09).y());
        const QColor own = Board().Canvas().pixelColor(cell.left(), y);
        EXPECT_EQ(Board().Canvas().pixelColor(cell.right(), y), own) << "column " << column;
        if (column + 1 < BoardSize) {
            EXPECT_NE(Board().Canvas().pixelColor(cell.right() + 1, y), own) << "column " << column;
        }
    }
}

TEST_F(RatioWindow, PiecesAreDrawnForTheDevicePixelsTheyFill)
{
    const int size = Board().DevicePieceSize();
    EXPECT_EQ(size, static_cast<int>(std::lround(80 * Ratio())))
        << "the 80-pixel set, as large as the squares";
    // The art as drawn for this size: from the set drawn at 1, 2 or 3 times, never enlarged.
    TPieceSet art(QImage(PieceSetPath(QStringLiteral("ImageFr80"))));
    for (const int scale : SharperScales)
        art.AddSharperSheet(scale, QImage(SharperPieceSetPath(QStringLiteral("ImageFr80"), scale)));
    const QRect square = Board().Geometry().SquareRect(H08);
    const QColor base = Board().Canvas().pixelColor(square.topLeft());
    const QImage shown = CanvasPart(Board(), square);
    EXPECT_TRUE(shown == SquareWithPiece(Board(), base, art.ImageAt('Q', size)));
    if (Ratio() < 2)
        return;
    EXPECT_GT(MixedBlocks(shown), 0.02) << "not pixel-doubled";
    const QImage enlarged =
        art.Image('Q')->scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_FALSE(shown == SquareWithPiece(Board(), base, enlarged)) << "not the small art enlarged";
}

TEST_F(RatioWindow, CoordinatesAreSetForTheScreensPixels)
{
    if (Ratio() < 2)
        GTEST_SKIP() << "text at one device pixel per pixel is sharp by nature";
    PressCtrl(Qt::Key_C);
    const QRect west(0, Board().Geometry().SquareRect(A09).top(), Board().Geometry().border,
                     Board().Geometry().square);
    EXPECT_GT(MixedBlocks(CanvasPart(Board(), west)), 0.01);
}

TEST_F(RatioWindow, PromotionPiecesAreDrawnAsSharpAsTheBoard)
{
    TFrmPromote dialog(&Window(), Board());
    dialog.show();
    const QImage& strip = dialog.PiecesImage();
    EXPECT_DOUBLE_EQ(strip.devicePixelRatio(), Ratio());
    const int square = Board().Geometry().square;
    ASSERT_EQ(strip.size(), QSize(4 * square, square));
    // The queen, centred in its slot as on the board, as far as the slot shows it.
    const int size = Board().DevicePieceSize();
    const int offset = (square - size) / 2;
    const QRect inStrip = QRect(offset, offset, size, size).intersected(QRect(0, 0, square, square));
    const auto argb = [](const QImage& image) {
        return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    EXPECT_TRUE(argb(strip).copy(inStrip) ==
                argb(Board().PieceImage('Q', size)).copy(inStrip.translated(-offset, -offset)));
}

enum class TWindowSize { Designed, Resized, Maximised };
enum class TAim { Centre, FirstPixel, LastPixel };

struct TDragRow {
    const char* name;
    TWindowSize window;
    Square from;
    Square to;
    TAim aim;
};

void PrintTo(const TDragRow& row, std::ostream* os)
{
    *os << row.name;
}

class RatioDrag : public RatioWindow, public ::testing::WithParamInterface<TDragRow> {
protected:
    // The logical pixel the pointer is released on.
    QPoint Target(Square to, TAim aim)
    {
        const QPoint first = SquareOrigin(to);
        switch (aim) {
        case TAim::FirstPixel:
            return first;
        case TAim::LastPixel:
            // Just before the first pixel of the square diagonally below and right.
            return SquareOrigin(static_cast<Square>(to + BoardSize + 1)) - QPoint(1, 1);
        case TAim::Centre:
            break;
        }
        return first + QPoint(Board().SizeOfSquare() / 2, Board().SizeOfSquare() / 2);
    }
};

TEST_P(RatioDrag, DropLandsOnTheSquareUnderThePointer)
{
    const TDragRow& row = GetParam();
    if (row.window == TWindowSize::Resized)
        Window().resize(1100, 640);
    else if (row.window == TWindowSize::Maximised)
        Window().showMaximized();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    PressCtrl(Qt::Key_S);
    const QPoint end = Target(row.to, row.aim);
    ASSERT_EQ(Board().WindowToSquare(end.x(), end.y()), row.to);
    const int beyond = QApplication::startDragDistance() + 1;
    const QPoint start =
        SquareOrigin(row.from) + QPoint(Board().SizeOfSquare() / 2, Board().SizeOfSquare() / 2);
    QTest::mousePress(&Board(), Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(&Board(), start + QPoint(beyond, beyond));
    QTest::mouseMove(&Board(), end);
    QTest::mouseRelease(&Board(), Qt::LeftButton, Qt::NoModifier, end);
    EXPECT_EQ(Board().PieceOn(row.to), 'Q') << "the queen stands where it was dropped";
    EXPECT_EQ(Board().PieceOn(row.from), ' ');
}

INSTANTIATE_TEST_SUITE_P(
    Windows, RatioDrag,
    ::testing::Values(TDragRow{"DesignedToTheCentre", TWindowSize::Designed, H08, H12, TAim::Centre},
                      TDragRow{"DesignedToTheFirstPixel", TWindowSize::Designed, H08, D04, TAim::FirstPixel},
                      TDragRow{"DesignedToTheLastPixel", TWindowSize::Designed, H08, L04, TAim::LastPixel},
                      TDragRow{"ResizedToTheFirstPixel", TWindowSize::Resized, H08, H02, TAim::FirstPixel},
                      TDragRow{"ResizedToTheLastPixel", TWindowSize::Resized, H08, B14, TAim::LastPixel},
                      TDragRow{"MaximisedToTheLastPixel", TWindowSize::Maximised, H08, O08, TAim::LastPixel}),
    [](const ::testing::TestParamInfo<TDragRow>& info) { return std::string(info.param.name); });

TEST_F(RatioWindow, RulesPicturesAreDrawnForTheScreensPixels)
{
    THowToPlayWindow& rules = ShowHowToPlay(Window());
    const QImage shown = rules.Browser()
                             .document()
                             ->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("diagram:knight")))
                             .value<QImage>();
    const QImage atOne = DiagramImage(*FindHelpDiagram("knight"), 1.0);
    EXPECT_DOUBLE_EQ(shown.devicePixelRatio(), Ratio());
    EXPECT_EQ(shown.width(), static_cast<int>(std::ceil(atOne.width() * Ratio())));
    EXPECT_EQ(shown.height(), static_cast<int>(std::ceil(atOne.height() * Ratio())));
    if (Ratio() >= 2) {
        EXPECT_GT(MixedBlocks(shown.convertToFormat(QImage::Format_RGB32)), 0.01) << "not pixel-doubled";
    }
}

} // namespace
