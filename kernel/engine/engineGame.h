#pragma once
// The engine's copy of a game: the board in padded cells with piece lists,
// owners, the start letters that tell unmoved pieces, the team turn and the
// positions of the recorded moves that the repetition rule compares. It plays
// exactly the rules of TVeltanBrdKernel, but fast and with take-back, so a
// search can walk millions of positions without touching the real board.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engineBoard.h"
#include "squareSet.h"
#include "veltanbrdKernel.h"

namespace engine {

/// A move in cells: the piece's cell and its destination (the rook's cell when castling).
struct TCellMove {
    std::uint16_t from = 0;
    std::uint16_t to = 0;
    bool operator==(const TCellMove&) const = default;
};

/// How play stands after the moves made so far.
enum class TGameResult : std::uint8_t {
    Playing,  ///< moves may be made
    WhiteWon, ///< Black has lost its last king or could not move at the start of a turn
    BlackWon, ///< likewise for White
};

/// What settling the turn after a move found.
enum class TSettleOutcome : std::uint8_t {
    Ready,    ///< the current player can move (possibly after forfeits)
    TeamLost, ///< the team to move could not make a single move of its new turn
};

/// Everything needed to take back one move or one settling of the turn.
struct TUndo {
    std::uint32_t journalSize = 0;
    std::uint32_t startJournalSize = 0;
    std::array<Square, MaxMovesPerTeamTurn> slots{};
    char player = '1';
    bool whiteToMove = true;
    bool movedThisTurn = false;
    TGameResult result = TGameResult::Playing;
    bool recordPushed = false;
    bool turnEndPushed = false;
    std::uint64_t recordKey = 0;
};

/// A piece set of one side: the cells in no order, with O(1) removal.
struct TCellList {
    std::array<std::uint16_t, SquareCount> cells{};
    int count = 0;
};

/// The engine's game. Copying is cheap enough to hand a search its own copy.
class TEngineGame {
public:
    /// A copy of the game on the board, everything the rules depend on included.
    explicit TEngineGame(const TVeltanBrdKernel& game);
    /// The game on the board with the kernel's start arrangement of the game
    /// in progress, moved pieces blanked (what StartPosition() returns).
    /// Texts shorter than 256 characters leave the rest blank.
    TEngineGame(const TVeltanBrdKernel& game, const std::string& unmovedPieces);

    // ---- Reading the game --------------------------------------------------

    /// The 256 piece letters, as the kernel's position().
    std::string PositionText() const;
    /// The 256 owner characters, as the kernel's players().
    std::string PlayersText() const;
    /// The start letters of pieces that have not moved, as the kernel's StartPosition().
    std::string UnmovedText() const;
    bool WhiteToMove() const { return whiteToMove_; }
    /// Index 0 for White, 1 for Black.
    int SideToMove() const { return whiteToMove_ ? WhiteSide : BlackSide; }
    char CurrentTeamPlayer() const { return player_; }
    /// The turn slots, as the kernel's MovedPerTurn().
    const std::array<Square, MaxMovesPerTeamTurn>& MovedPerTurn() const { return slots_; }
    /// Moves made in the current team turn (forfeits included).
    int MovesMadeInTurn() const;
    int MovesPerTeamTurn() const { return movesPerTeamTurn_; }
    /// Number of the last recorded move, as the kernel's LastMove.
    int MoveNumber() const { return static_cast<int>(history_.size()) - 1; }
    TGameResult Result() const { return result_; }
    /// True once a team has won, as the kernel's GameEnded() when no draw handler is attached.
    bool GameEnded() const { return result_ != TGameResult::Playing; }
    /// The letter on a board square, blank for no square.
    char PieceOn(Square sq) const;
    /// The code on a cell.
    Code CellCode(int cell) const { return cell_[static_cast<std::size_t>(cell)]; }
    /// All cells' codes, guards included, indexed by cell: for walks along lines.
    const Code* Cells() const { return cell_.data(); }
    /// Kings left of a side.
    int Kings(int side) const { return kingCells_[static_cast<std::size_t>(side)].count; }
    /// Pieces (markers not counted) of a side, in no particular order.
    const TCellList& Pieces(int side) const { return pieces_[static_cast<std::size_t>(side)]; }
    /// The bishops, rooks and queens of a side, in no particular order.
    const TCellList& Sliders(int side) const { return sliders_[static_cast<std::size_t>(side)]; }
    /// The kings of a side, in no particular order.
    const TCellList& KingCells(int side) const { return kingCells_[static_cast<std::size_t>(side)]; }
    /// Material and placement of both sides, White's view, kept up to date by every change.
    int PlacementScore() const { return placementScore_; }
    /// The mobility of a side's bishops, rooks and queens (mobility.h), kept
    /// up to date by every change of a cell.
    int Mobility(int side) const { return mobility_[static_cast<std::size_t>(side)]; }
    /// The same sum counted afresh from the board: what Mobility must always equal.
    int CountMobility(int side) const;
    /// Key of the whole state the legal moves depend on (not the history).
    std::uint64_t Key() const;
    /// Key of the letters on the board alone, markers included: what the
    /// repetition rule compares and what the evaluation reads.
    std::uint64_t PlacementKey() const { return placementKey_; }

    // ---- The rules ------------------------------------------------------------

    /// True when more than three of the moving team's last twelve turn ends
    /// hold the position of the last record: then no move is legal.
    bool RepetitionStands() const;
    /// Every move the kernel's MoveIsLegal accepts now (none while a repetition stands).
    void GenerateMoves(std::vector<TCellMove>& moves) const;
    /// The same moves, but kings' steps onto attacked squares are left in:
    /// a search tests them with KingStepIsSafe only when it comes to them.
    void GenerateMovesUncheckedKings(std::vector<TCellMove>& moves) const;
    /// True when GenerateMovesUncheckedKings would list a move: without
    /// listing them, so a node can end before paying for its moves.
    bool AnyMoveUncheckedKings() const;
    /// False for a king's step (not castling) onto a square the other side
    /// attacks once the king has left its own; true for every other move.
    bool KingStepIsSafe(TCellMove move) const;
    /// The legal moves onto a piece or marker of the other side.
    void GenerateCaptures(std::vector<TCellMove>& moves) const;
    /// True when the current team player has a legal move, the repetition rule aside.
    bool CurrentPlayerCanMove() const;
    /// Is the cell attacked by a knight of the side.
    bool AttackedByKnight(int cell, int bySide) const
    {
        return Meets(KnightLeaps[static_cast<std::size_t>(SetIndexOfCell(cell))],
                     knightSquares_[static_cast<std::size_t>(bySide)]);
    }
    /// Is the cell attacked by the side, with the cell `vacated` seen as empty.
    bool Attacked(int cell, int bySide, int vacated = -1) const;
    /// The same test as MoveIsLegal, by generating the mover's moves.
    bool IsLegal(Square from, Square to) const;

    // ---- Playing ------------------------------------------------------------------

    /// Makes a legal move with everything the kernel's PerformMove does to the
    /// game: the move, the turn, the end of the game, and (unless the game is
    /// won or a repetition stands) the settling of the turn. False, nothing
    /// changed, for an illegal move or a full history.
    bool Play(Square from, Square to);
    /// Makes a legal move without settling: the search settles lazily.
    void MakeMove(TCellMove move, TUndo& undo);
    void UnmakeMove(const TUndo& undo);
    /// Gives up the rest of the team's turn: the other team is to move, with
    /// nothing recorded. Not a move of the rules; the search uses it to ask
    /// whether a position is good even if its team did nothing. Taken back
    /// with UnmakeMove.
    void PassTurn(TUndo& undo);
    /// Passes the move on while the current player cannot move, as the kernel
    /// does after each move; the record of the last move follows the board.
    TSettleOutcome Settle(TUndo& undo);
    void Unsettle(const TUndo& undo);

private:
    struct TRecord {
        std::uint64_t key = 0;
        bool whiteTeam = true;
    };
    struct TJournalEntry {
        std::uint16_t cell;
        Code code;
        char owner;
    };
    struct TStartEntry {
        std::uint16_t cell;
        char letter;
    };

    void Import(const TVeltanBrdKernel& game, const std::string& unmovedPieces);
    static std::uint64_t RecordKey(const std::string& position);

    // Changing cells (every change goes through the journal so it can be taken back).
    void Put(int cell, Code code, char owner);
    void Lift(int cell);
    void Place(int cell, Code code, char owner);
    void BlankStart(int cell);
    void Rewind(std::uint32_t journalSize, std::uint32_t startJournalSize);
    int SliderMobility(int cell) const;
    void AdjustLinesThrough(int cell, Code occupant, int sign);
    void MarkSlider(int cell, Code code, bool present);

    // Turn bookkeeping, as the kernel keeps it.
    void SaveTurn(TUndo& undo) const;
    void RestoreTurn(const TUndo& undo);
    void MarkMovedInTurn(Square sq);
    bool TurnMustSwitch() const;
    void SwitchTeamTurn();
    void ForfeitCurrentPlayer();
    void PushRecord(bool whiteTeam, TUndo& undo);
    void PopRecord(const TUndo& undo);

    // Move generation helpers.
    template <bool CapturesOnly, bool CheckKings = true> void Generate(std::vector<TCellMove>& moves) const;
    template <bool CapturesOnly, bool CheckKings, class TSink>
    bool GeneratePiece(int from, TSink& sink) const;
    template <bool CheckKings> bool AnyMove() const;
    bool MovedThisTurn(int cell) const;
    bool KingMayStand(int from, int to, int side) const;
    bool CastlingAllowed(int king, int rook, int side) const;
    bool IsMovable(int cell) const;

    std::array<Code, CellCount> cell_{};
    std::array<char, CellCount> owner_{};
    std::array<char, CellCount> start_{};
    std::array<std::uint8_t, CellCount> listIndex_{};
    std::array<TCellList, 2> pieces_{};
    std::array<TCellList, 2> markers_{};
    std::array<TCellList, 2> sliders_{};
    std::array<std::uint8_t, CellCount> sliderIndex_{};
    std::array<TCellList, 2> kingCells_{};
    std::array<std::uint8_t, CellCount> kingIndex_{};

    std::array<Square, MaxMovesPerTeamTurn> slots_{};
    char player_ = '1';
    bool whiteToMove_ = true;
    // Whether the team to move has made a real move in this turn: a team whose
    // players can make none of the moves of a new turn has lost.
    bool movedThisTurn_ = false;
    int movesPerTeamTurn_ = 1;
    int movesPerPlayerTurn_ = 1;
    char promoteTo_ = 'q';
    TGameResult result_ = TGameResult::Playing;

    std::uint64_t placementKey_ = 0;
    std::uint64_t ownerKey_ = 0;
    std::uint64_t startKey_ = 0;
    int placementScore_ = 0;
    std::array<int, 2> mobility_{};
    // The squares of the pieces that move along diagonals (bishops, queens)
    // and along ranks and files (rooks, queens) of both sides, and of each side's knights.
    TSquareSet diagonalSliders_{};
    TSquareSet straightSliders_{};
    std::array<TSquareSet, 2> knightSquares_{};
    // The squares of each side's pieces and markers: what its opponent may capture.
    std::array<TSquareSet, 2> occupied_{};

    // Record k holds the placement after move k; the turn ends of each team
    // are listed so that the repetition test looks only at them.
    std::vector<TRecord> history_;
    std::array<std::vector<int>, 2> turnEnds_;

    std::vector<TJournalEntry> journal_;
    std::vector<TStartEntry> startJournal_;
};

} // namespace engine
