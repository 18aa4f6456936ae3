// Moves not made by dragging glide over the window, one pixel per step.

#include <QApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "animationPath.h"
#include "animationSprite.h"
#include "boardTestSupport.h"

namespace {

// ---- The path ------------------------------------------------------------------

struct PathCase {
    const char* name;
    QPoint from;
    QPoint to;
    bool knight;
    std::size_t steps;
};

void PrintTo(const PathCase& c, std::ostream* os)
{
    *os << c.name;
}

class AnimationSteps : public ::testing::TestWithParam<PathCase> {};

TEST_P(AnimationSteps, OnePixelPerStepBothEndsIncluded)
{
    const PathCase& c = GetParam();
    const std::vector<QPoint> path = AnimationPath(c.from, c.to, c.knight);
    ASSERT_EQ(path.size(), c.steps);
    if (c.steps == 0)
        return;
    EXPECT_EQ(path.front(), c.from);
    EXPECT_EQ(path.back(), c.to);
    for (std::size_t i = 1; i < path.size(); ++i) {
        const QPoint step = path[i] - path[i - 1];
        EXPECT_LE(std::abs(step.x()), 1) << i;
        EXPECT_LE(std::abs(step.y()), 1) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Moves, AnimationSteps,
                         ::testing::Values(PathCase{"KnightB16toC14", {72, 24}, {120, 120}, true, 49 + 97},
                                           PathCase{"RookA16toA01", {24, 24}, {24, 744}, false, 721},
                                           PathCase{"RookLeftwards", {744, 24}, {24, 24}, false, 721},
                                           PathCase{"BishopDiagonal", {24, 24}, {120, 120}, false, 97},
                                           PathCase{"ShallowLine", {0, 0}, {10, 3}, false, 11},
                                           PathCase{"SteepLine", {0, 0}, {-3, 10}, false, 11},
                                           PathCase{"NoMove", {50, 50}, {50, 50}, false, 0},
                                           PathCase{"KnightUpAndLeft", {120, 120}, {72, 24}, true, 49 + 97}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AnimationSteps, KnightGoesAlongXThenAlongY)
{
    const std::vector<QPoint> path = AnimationPath({72, 24}, {120, 120}, true);
    for (std::size_t i = 0; i < 49; ++i)
        EXPECT_EQ(path[i], QPoint(72 + static_cast<int>(i), 24));
    for (std::size_t i = 0; i < 97; ++i)
        EXPECT_EQ(path[49 + i], QPoint(120, 24 + static_cast<int>(i)));
}

TEST(AnimationSteps, MinorCoordinateIsTruncatedTowardZero)
{
    const std::vector<QPoint> shallow = AnimationPath({0, 0}, {10, 3}, false);
    const std::vector<int> ys = {0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 3};
    for (std::size_t i = 0; i < ys.size(); ++i)
        EXPECT_EQ(shallow[i], QPoint(static_cast<int>(i), ys[i]));
    const std::vector<QPoint> leftwards = AnimationPath({0, 0}, {-3, 10}, false);
    EXPECT_EQ(leftwards[4], QPoint(-1, 4)) << "-1.2 truncates to -1";
    EXPECT_EQ(leftwards[3], QPoint(0, 3)) << "-0.9 truncates to 0";
}

// ---- The sprite over the window ---------------------------------------------------

// Records where the sprite is each time it is painted.
class SpriteWatcher : public QObject {
public:
    SpriteWatcher() { qApp->installEventFilter(this); }
    ~SpriteWatcher() override { qApp->removeEventFilter(this); }
    SpriteWatcher(const SpriteWatcher&) = delete;
    SpriteWatcher& operator=(const SpriteWatcher&) = delete;

    std::vector<QPoint> painted;
    QWidget* parent = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->objectName() == TAnimationSprite::SpriteObjectName) {
            auto* const sprite = static_cast<QWidget*>(watched);
            painted.push_back(sprite->pos());
            parent = sprite->parentWidget();
        }
        return false;
    }
};

class Animation : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(900, 900);
        board = new TVeltanBrd(&window); // owned by the window
        board->QWidget::move(27, 25);
        ApplyMainWindowLook(*board);
        SetUpGame(*board, {{B16, 'N'}, {A16, 'R'}, {H08, 'B'}, {A01, 'K'}, {P16, 'k'}});
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QApplication::processEvents();
    }

    QWidget window;
    TVeltanBrd* board = nullptr;
};

TEST_F(Animation, KnightGlidesAlongAnLOverTheParentWindow)
{
    SpriteWatcher watcher;
    board->Animate(B16, C14, 0);
    const QPoint shift(27, 25);
    EXPECT_EQ(watcher.painted, AnimationPath(QPoint(72, 24) + shift, QPoint(120, 120) + shift, true));
    EXPECT_EQ(watcher.painted.size(), 49u + 97u);
    EXPECT_EQ(watcher.parent, &window);
    EXPECT_EQ(window.findChild<QWidget*>(QString::fromLatin1(TAnimationSprite::SpriteObjectName)), nullptr)
        << "the sprite is gone afterwards";
}

TEST_F(Animation, RookSlidesDownTheFileInOneStepPerPixel)
{
    SpriteWatcher watcher;
    board->Animate(A16, A01, 0);
    ASSERT_EQ(watcher.painted.size(), 721u);
    for (const QPoint& at : watcher.painted)
        EXPECT_EQ(at.x(), 24 + 27);
}

TEST_F(Animation, EachStepLastsLongerThanTheDelay)
{
    SpriteWatcher watcher;
    QElapsedTimer clock;
    clock.start();
    board->Animate(H08, I07, 2); // 49 steps
    EXPECT_EQ(watcher.painted.size(), 49u);
    EXPECT_GE(clock.elapsed(), 49 * 2);
}

TEST_F(Animation, NothingGlidesFromAnEmptySquare)
{
    SpriteWatcher watcher;
    board->Animate(D05, D06, 0);
    board->Animate(SqrNone, D06, 0);
    EXPECT_TRUE(watcher.painted.empty());
}

TEST_F(Animation, AMoveByTheProgramGlidesButADroppedMoveDoesNot)
{
    SpriteWatcher watcher;
    // Dragged by the user: the board records the drag's squares before the move.
    const QPoint from = SquareCentre(*board, H08);
    const QPoint to = SquareCentre(*board, I07);
    QTest::mousePress(board, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(board, to);
    QTest::mouseRelease(board, Qt::LeftButton, Qt::NoModifier, to);
    ASSERT_EQ(board->PieceOn(I07), 'B');
    EXPECT_TRUE(watcher.painted.empty());

    // Black's turn: the program moves the king; it glides.
    ASSERT_TRUE(board->move(P16, O16));
    EXPECT_EQ(watcher.painted.size(), 49u);
    EXPECT_EQ(board->PieceOn(O16), 'k');
}

TEST_F(Animation, SwitchedOffNothingGlides)
{
    SpriteWatcher watcher;
    board->SetAnimateMoves(false);
    ASSERT_TRUE(board->move(H08, I07));
    EXPECT_TRUE(watcher.painted.empty());
}

TEST(AnimationWithoutParent, TheBoardCarriesTheSpriteItself)
{
    TVeltanBrd board;
    ApplyMainWindowLook(board);
    SetUpGame(board, {{H08, 'B'}, {A01, 'K'}, {P16, 'k'}});
    board.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&board));
    SpriteWatcher watcher;
    board.Animate(H08, J06, 0);
    ASSERT_EQ(watcher.painted.size(), 97u);
    EXPECT_EQ(watcher.parent, &board);
    EXPECT_EQ(watcher.painted.front(), *board.SquareToCoords(H08));
}

} // namespace
