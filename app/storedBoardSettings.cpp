#include "storedBoardSettings.h"

#include <QFont>

#include "veltanbrd.h"

namespace {

constexpr double OneHour = 1.0 / 24.0;
constexpr double FiveSeconds = 5.0 / 86400.0;

} // namespace

void ApplyStoredBoardSettings(TVeltanBrd& board)
{
    board.SetAnimateMoves(true);
    board.SetAnimationDelay(0);
    board.SetBoardLines(false);
    board.SetBorderColor(PlatformRgb(192, 192, 192));

    QFont coordFont(QStringLiteral("Arial"));
    coordFont.setPixelSize(9);
    coordFont.setBold(false);
    board.SetCoordFont(coordFont);
    board.SetCoordFontColor(PlatformRgb(255, 255, 255));
    board.SetDisplayCoords(CoordSet{});

    // The game-ended notice to this window depends on it.
    board.SetDoRefreshWindowsBoard(true);
    board.SetResizable(true);
    board.SetResizeMinSize(100);
    board.SetResizeMaxSize(1000);
    board.SetSizeOfBorder(24);
    board.SetSizeOfSquare(48);

    board.SetSquareColorLight(PlatformRgb(135, 194, 240));
    board.SetSquareColorDark(PlatformRgb(255, 255, 255));
    board.SetSquareColorLightGreen(PlatformRgb(161, 252, 170));
    board.SetSquareColorDarkGreen(PlatformRgb(192, 220, 192));
    board.SetSquareColorLightYellow(PlatformRgb(250, 250, 210));
    board.SetSquareColorDarkYellow(PlatformRgb(192, 194, 3));
    board.SetWhiteOnTop(false);
    board.SetWhiteToMove(true);

    board.SetComputerPlaysWhite(false);
    board.SetComputerPlaysBlack(false);
    board.SetCustomEngine(false);
    board.SetSearchDepth(1);
    board.setEnabled(false);

    board.SetTimeStartWhite(OneHour);
    board.SetTimeStartBlack(OneHour);
    board.SetTimeLeftWhite(OneHour);
    board.SetTimeLeftBlack(OneHour);
    board.SetTimeIncrementWhite(FiveSeconds);
    board.SetTimeIncrementBlack(FiveSeconds);

    board.SetStartPositionType(SP2x2);
    board.SetStartPositionRowShift(SP0RowShift);
    board.SetPlayersPerTeam(1);
    board.SetMovesPerTeamTurn(1);
    board.SetMovesPerPlayerTurn(1);
}
