// Start arrangements, game options and the reset to a new game.

#include <algorithm>
#include <string_view>

#include "veltanbrdKernel.h"
#include "veltanbrdThread.h"

namespace {

constexpr double OneHour = 1.0 / 24.0;
constexpr double FiveSeconds = 5.0 / 86400.0;

// Ranks 16, 15, 14, 13 then 04, 03, 02, 01 of the two built-in arrangements;
// the eight ranks between them are empty.
constexpr std::array<std::string_view, 8> ClassicRows = {
    "rrnnbbqqkkbbnnrr", "rrnnbbqqkkbbnnrr", "pppppppppppppppp", "pppppppppppppppp",
    "PPPPPPPPPPPPPPPP", "PPPPPPPPPPPPPPPP", "RRNNBBQQKKBBNNRR", "RRNNBBQQKKBBNNRR",
};
constexpr std::array<std::string_view, 8> QuadrantRows = {
    "rnbqkbnrrnbqkbnr", "pppppppppppppppp", "rnbqkbnrrnbqkbnr", "pppppppppppppppp",
    "PPPPPPPPPPPPPPPP", "RNBQKBNRRNBQKBNR", "PPPPPPPPPPPPPPPP", "RNBQKBNRRNBQKBNR",
};

constexpr int ArmyRanks = 4;

TPosition BuiltInArrangement(const std::array<std::string_view, 8>& rows)
{
    TPosition array;
    array.fill(' ');
    array[0] = '_';
    array[SquareCount + 1] = '\0';
    for (int i = 0; i < 2 * ArmyRanks; ++i) {
        const int rank = i < ArmyRanks ? BoardSize - i : 2 * ArmyRanks - i;
        for (int file = 1; file <= BoardSize; ++file)
            array[SquareAt(file, rank)] =
                rows[static_cast<std::size_t>(i)][static_cast<std::size_t>(file - 1)];
    }
    return array;
}

// Owners "1" on the four ranks at each edge, "0" between them.
TPosition BuiltInOwners()
{
    TPosition array;
    array[0] = '_';
    array[SquareCount + 1] = '\0';
    for (int sq = 1; sq <= SquareCount; ++sq) {
        const int rank = RankOf(sq);
        array[sq] = (rank <= ArmyRanks || rank > BoardSize - ArmyRanks) ? '1' : '0';
    }
    return array;
}

std::string ArrayText(const TPosition& array)
{
    const auto end = std::find(array.begin() + 1, array.end(), '\0');
    return std::string(array.begin() + 1, end);
}

} // namespace

TVeltanBrdKernel::TVeltanBrdKernel()
{
    _DoRefreshWindowsBoard = true;
    _StartpositionSource = BuiltInArrangement(QuadrantRows);
    _StartplayersSource = BuiltInOwners();
    SetPlayersPerTeam(1);
    _currentTeamPlayer = '1';
    SetMovesPerTeamTurn(1);
    LastMove = 0;
    PromoteTo = 'q';
    SetGameEnded(true);
    _ComputerPlaysWhite = false;
    _ComputerPlaysBlack = false;
    _SearchDepth = 1;
    SetMovesPerTeamTurn(1);
    ResetGame();
}

TVeltanBrdKernel::~TVeltanBrdKernel()
{
    CancelThinking();
}

std::string TVeltanBrdKernel::StartPosition() const
{
    return ArrayText(_Startposition);
}

bool TVeltanBrdKernel::StartTextFits(const std::string& value, const std::string& warning)
{
    if (value.size() == static_cast<std::size_t>(SquareCount))
        return true;
    ShowMessage(warning + std::to_string(static_cast<long long>(value.size()) - SquareCount));
    return false;
}

void TVeltanBrdKernel::SetStartPosition(const std::string& value)
{
    if (!StartTextFits(value, "System warning: Set_StartPosition - BORDAREAPLS = "))
        return;
    std::copy(value.begin(), value.end(), _StartpositionSource.begin() + 1);
    std::copy(value.begin(), value.end(), _Startposition.begin() + 1);
    _StartpositionOfGame = _Startposition;
    SetPosition(value);
}

std::string TVeltanBrdKernel::StartPlayers() const
{
    return ArrayText(_Startplayers);
}

void TVeltanBrdKernel::SetStartPlayers(const std::string& value)
{
    if (!StartTextFits(value, "System warning: Set_StartPlayers - BORDAREAPLS ="))
        return;
    for (TPosition* array : {&_StartplayersSource, &_Startplayers, &_players})
        std::copy(value.begin(), value.end(), array->begin() + 1);
}

bool TVeltanBrdKernel::StartGameFrom(const std::string& startPosition, const std::string& startPlayers)
{
    if (!StartTextFits(startPosition, "System warning: Set_StartPosition - BORDAREAPLS = ") ||
        !StartTextFits(startPlayers, "System warning: Set_StartPlayers - BORDAREAPLS ="))
        return false;
    SetWhiteToMove(true);
    _currentTeamPlayer = '1';
    ClearMovesMovedInTurn();
    SetStartPosition(startPosition);
    SetStartPlayers(startPlayers);
    StartNewHistory();
    // No move has been made: the record holds the clock of the side to move as it starts.
    MoveList[0].TimeLeft = _TimeStartWhite;
    // Shown again now that the history is fresh: the placing above was drawn
    // while the old game's last move still counted.
    Paint();
    return true;
}

void TVeltanBrdKernel::SetMovesPerTeamTurn(int value)
{
    // The per-turn slots hold at most eight moves.
    _MovesPerTeamTurn = std::clamp(value, 1, MaxMovesPerTeamTurn);
    _MovesPerPlayerTurn = _MovesPerTeamTurn / _PlayersPerTeam;
}

void TVeltanBrdKernel::SetPlayersPerTeam(int value)
{
    // Owners are the characters '1'..'4', and the divisor must never be 0.
    _PlayersPerTeam = std::clamp(value, 1, 4);
    _MovesPerPlayerTurn = _MovesPerTeamTurn / _PlayersPerTeam;
}

void TVeltanBrdKernel::SetMovesPerPlayerTurn(int value)
{
    _MovesPerPlayerTurn = std::clamp(value, 1, MaxMovesPerTeamTurn);
}

void TVeltanBrdKernel::NewGame()
{
    ResetGame();
    Paint();
}

void TVeltanBrdKernel::ResetGame()
{
    CancelThinking();
    _Startposition = _StartpositionSource;
    _Startplayers = _StartplayersSource;
    _position = _Startposition;
    _players = _Startplayers;
    _currentTeamPlayer = '1';
    ClearMovesMovedInTurn();
    _WhiteToMove = true;
    // A new game starts a new line of play: later records are unreachable.
    StartNewHistory();
    InitOptions();
}

void TVeltanBrdKernel::InitOptions()
{
    _StartPositionRowShift = SP0RowShift;
    _StartPositionType = SPClassic;
    _StartpositionSource = BuiltInArrangement(ClassicRows);
    _StartplayersSource = BuiltInOwners();
    ClearMovesMovedInTurn();
    SetPlayersPerTeam(1);
    SetMovesPerTeamTurn(4);
    _TimeStartWhite = OneHour;
    _TimeStartBlack = OneHour;
    _TimeLeftWhite = _TimeStartWhite;
    _TimeLeftBlack = _TimeStartBlack;
    _TimeIncrementWhite = FiveSeconds;
    _TimeIncrementBlack = FiveSeconds;
}

Square TVeltanBrdKernel::StartRowsShifted(Square aSquare, bool Reversed) const
{
    if (!IsBoardSquare(aSquare))
        return SqrNone;
    int ranks = static_cast<int>(_StartPositionRowShift);
    if (!_WhiteToMove)
        ranks = -ranks;
    if (Reversed)
        ranks = -ranks;
    // Towards rank 01 for White means a higher square number.
    return SquareAt(FileOf(aSquare), RankOf(aSquare) - ranks);
}

void TVeltanBrdKernel::CopyOptionsFrom(const TVeltanBrdKernel& ASource)
{
    const bool refresh = ASource._DoRefreshWindowsBoard;
    _DoRefreshWindowsBoard = false;
    CopyViewOptionsFrom(ASource);
    _StartPositionRowShift = ASource._StartPositionRowShift;
    _StartPositionType = ASource._StartPositionType;
    TPosition sourceStart = ASource._Startposition;
    if (sourceStart[0] == '\0')
        sourceStart[0] = '_';
    SetStartPosition(ArrayText(sourceStart));
    SetPlayersPerTeam(ASource._PlayersPerTeam);
    SetMovesPerTeamTurn(ASource._MovesPerTeamTurn);
    _TimeLeftWhite = ASource._TimeLeftWhite;
    _TimeLeftBlack = ASource._TimeLeftBlack;
    _TimeIncrementWhite = ASource._TimeIncrementWhite;
    _TimeIncrementBlack = ASource._TimeIncrementBlack;
    SetGameEnded(ASource.FGameEnded);
    _DoRefreshWindowsBoard = refresh;
}
