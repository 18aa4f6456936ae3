#include "boardTestSupport.h"

#include <QPainter>

#include "pieceResources.h"

TColor CanvasColor(const TVeltanBrd& board, int x, int y)
{
    const QImage& canvas = board.Canvas();
    if (!canvas.valid(x, y))
        return 0xFFFFFFFFu;
    const QRgb pixel = canvas.pixel(x, y);
    return PlatformRgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

QPoint SquareSamplePoint(const TVeltanBrd& board, Square sq)
{
    return board.SquareToCoords(sq).value_or(QPoint(-100, -100)) + QPoint(2, 2);
}

QPoint SquareCentre(const TVeltanBrd& board, Square sq)
{
    const int half = board.SizeOfSquare() / 2;
    return board.SquareToCoords(sq).value_or(QPoint(-100, -100)) + QPoint(half, half);
}

void SetUpGame(TVeltanBrd& board, const std::vector<TPlaced>& pieces, int movesPerTeamTurn,
               int playersPerTeam)
{
    std::string position(SquareCount, ' ');
    std::string players(SquareCount, '0');
    for (const TPlaced& placed : pieces) {
        position[static_cast<std::size_t>(placed.square - 1)] = placed.piece;
        players[static_cast<std::size_t>(placed.square - 1)] = placed.owner;
    }
    board.SetStartPosition(position);
    board.SetStartPlayers(players);
    board.NewGame();
    board.SetPlayersPerTeam(playersPerTeam);
    board.SetMovesPerTeamTurn(movesPerTeamTurn);
    board.SetGameEnded(false);
}

std::vector<Square> Destinations(const TVeltanBrd& board, Square from)
{
    std::vector<Square> result;
    for (int to = 1; to <= SquareCount; ++to)
        if (board.MoveIsLegal(from, static_cast<Square>(to)))
            result.push_back(static_cast<Square>(to));
    return result;
}

void ApplyMainWindowLook(TVeltanBrd& board)
{
    board.SetLoading(true);
    board.resize(816, 816);
    board.SetAnimateMoves(true);
    board.SetAnimationDelay(0);
    board.SetBoardLines(false);
    board.SetBorderColor(0xC0C0C0);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(9);
    board.SetCoordFont(font);
    board.SetCoordFontColor(0xFFFFFF);
    board.SetResizable(true);
    board.SetResizeMinSize(100);
    board.SetResizeMaxSize(1000);
    board.SetSquareColorDark(0xFFFFFF);
    board.SetSquareColorLight(0xF0C287);
    board.SetSquareColorDarkGreen(PlatformRgb(192, 220, 192));
    board.SetSquareColorLightGreen(0xAAFCA1);
    board.SetSquareColorDarkYellow(0x03C2C0);
    board.SetSquareColorLightYellow(0xD2FAFA);
    board.SetSizeOfBorder(24);
    board.SetSizeOfSquare(48);
    board.SetLoading(false);
    board.Paint();
}

QImage ResourcePieceSet(const QString& name)
{
    EnsurePieceResources();
    return QImage(PieceSetPath(name));
}

QRgb PieceColour(int index)
{
    // Distinct, fully saturated enough to tell apart, never white or black.
    return qRgb(20 + index * 15, 200 - index * 10, index < 7 ? 60 : 180);
}

QImage SolidPieceSet(int cell)
{
    QImage sheet(7 * cell, 4 * cell, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (int colour = 0; colour < 2; ++colour) {
        for (int column = 0; column < 7; ++column) {
            painter.fillRect(column * cell, 2 * colour * cell, cell, cell,
                             QColor(PieceColour(colour * 7 + column)));
            painter.fillRect(column * cell, (2 * colour + 1) * cell, cell, cell, Qt::black);
        }
    }
    return sheet;
}
