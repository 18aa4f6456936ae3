#include "gameStart.h"

namespace {

// Ranks each army takes at its edge of the board.
constexpr int ArmyRanks = 4;
// The first rank of White's army block in an unshifted board, counted from the top.
constexpr int WhiteBlockRow = BoardSize - ArmyRanks;

std::string Ranks(const std::string& rank, int count)
{
    std::string ranks;
    for (int i = 0; i < count; ++i)
        ranks += rank;
    return ranks;
}

// The arrangement with the armies at the edges.
std::string EdgeLetters(TArrangement arrangement)
{
    switch (arrangement) {
    case TArrangement::Classic: {
        // The board's own classic arrangement: a fresh game starts from it.
        TVeltanBrdKernel board;
        board.NewGame();
        return board.position();
    }
    case TArrangement::Quadrant:
        // A fresh board shows the quadrant arrangement.
        return TVeltanBrdKernel().position();
    default: {
        const std::string blackBack = "rr      kk    rr", whiteBack = "RR      KK    RR";
        const std::string blackPawns(BoardSize, 'p'), whitePawns(BoardSize, 'P');
        const std::string emptyRank(BoardSize, ' ');
        return blackBack + blackBack + blackPawns + blackPawns + Ranks(emptyRank, BoardSize - 2 * ArmyRanks) +
               whitePawns + whitePawns + whiteBack + whiteBack;
    }
    }
}

} // namespace

std::string StartLetters(TArrangement arrangement, int rowShift)
{
    const std::string edge = EdgeLetters(arrangement);
    std::string shifted(SquareCount, ' ');
    for (int row = 0; row < ArmyRanks; ++row) {
        shifted.replace(static_cast<std::size_t>((row + rowShift) * BoardSize), BoardSize,
                        edge.substr(static_cast<std::size_t>(row * BoardSize), BoardSize));
        shifted.replace(static_cast<std::size_t>((WhiteBlockRow + row - rowShift) * BoardSize), BoardSize,
                        edge.substr(static_cast<std::size_t>((WhiteBlockRow + row) * BoardSize), BoardSize));
    }
    return shifted;
}

std::string OwnersByFiles(const std::string& letters, int playersPerTeam)
{
    std::string owners(SquareCount, '0');
    for (int sq = 1; sq <= SquareCount; ++sq) {
        const auto index = static_cast<std::size_t>(sq - 1);
        if (letters[index] != ' ')
            owners[index] = static_cast<char>('1' + (FileOf(sq) - 1) * playersPerTeam / BoardSize);
    }
    return owners;
}

void StartGame(TVeltanBrdKernel& board, const TGamePlan& plan)
{
    const std::string letters = StartLetters(plan.arrangement, plan.rowShift);
    board.SetStartPosition(letters);
    board.SetStartPlayers(OwnersByFiles(letters, plan.setting.playersPerTeam));
    // A new game puts the default options back, so the game's own come after it.
    board.NewGame();
    board.SetStartPositionRowShift(static_cast<TStartPositionRowShift>(plan.rowShift));
    board.SetPlayersPerTeam(plan.setting.playersPerTeam);
    board.SetMovesPerTeamTurn(plan.setting.movesPerTeamTurn);
    board.SetComputerPlaysWhite(false);
    board.SetComputerPlaysBlack(false);
    board.SetAnimateMoves(false);
    board.SetGameEnded(false);
}
