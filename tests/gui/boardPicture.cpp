#include "boardPicture.h"

#include <QApplication>
#include <QTest>

#include "boardTestSupport.h"

QImage RenderBoardPicture()
{
    TVeltanBrd board;
    ApplyMainWindowLook(board);
    board.SetCustomPieceSet(ResourcePieceSet(QStringLiteral("ImageFr80")));
    board.SetDisplayCoords(CoordSet::All());
    board.InitOptions();
    board.NewGame();
    board.SetGameEnded(false);
    board.show();
    QApplication::processEvents();
    // Pressed like a user would: the board shows the knight's destinations.
    const QPoint knight = SquareCentre(board, BoardPicturePressedSquare);
    QTest::mousePress(&board, Qt::LeftButton, Qt::NoModifier, knight);
    const QImage picture = board.Canvas().copy();
    QTest::mouseRelease(&board, Qt::LeftButton, Qt::NoModifier, knight);
    return picture;
}
