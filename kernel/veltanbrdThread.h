#pragma once
// The computer player's search thread: the evaluation tables, the stores a
// search works in, the links to the board it plays on, and the worker thread
// the board's Think starts a search on.

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>

#include "square.h"
#include "veltanbrdKernel.h"

/// Search state and tables of the computer player. The object is several
/// hundred kilobytes: create it with std::make_unique, never on the stack.
/// Tables are indexed by square index 0..255 (row = index / 16 from the top,
/// row 0 holding A16..P16; column = index % 16 from file A) and by the piece
/// and colour codes below.
class TVeltanbrdThread {
public:
    /// Piece codes of the tables (index of slide, offsets, offset, value, piece_AnsiChar).
    static constexpr int PawnCode = 0;
    static constexpr int KnightCode = 1;
    static constexpr int BishopCode = 2;
    static constexpr int RookCode = 3;
    static constexpr int QueenCode = 4;
    static constexpr int KingCode = 5;
    static constexpr int EmptyCode = 6;
    /// Colour code of an empty square in color and init_color (the sides are 0 and 1).
    static constexpr int EmptyColor = 6;

    /// Number of piece kinds that move (pawn to king).
    static constexpr int PieceKinds = 6;
    /// Most move directions of one piece kind.
    static constexpr int MaxDirections = 8;
    /// Entries of mailbox.
    static constexpr int MailboxSize = 120;
    /// Bytes of the generated-move store and of the game-history store.
    static constexpr int GenDatBytes = 32768;
    static constexpr int HistDatBytes = 4096;

    /// One entry per square.
    using SquareTable = std::array<int, SquareCount>;
    /// One entry per pair of squares, [from][to] or [ply][index].
    using SquarePairTable = std::array<SquareTable, SquareCount>;

    /// Fills every table with its starting content; all other state is zero,
    /// both flags are false and every link to the board is empty.
    TVeltanbrdThread();
    /// Waits for a running search to end.
    ~TVeltanbrdThread();
    TVeltanbrdThread(const TVeltanbrdThread&) = delete;
    TVeltanbrdThread& operator=(const TVeltanbrdThread&) = delete;

    /// Runs the search body handed to Start; does nothing when there is none.
    void Execute();
    /// Starts body on a new thread (through Execute) after the previous run has ended.
    void Start(std::function<void()> body);
    /// Waits until the running search, if any, has ended.
    void Join();

    // ---- Evaluation tables --------------------------------------------------

    /// Piece-square values for each side and piece kind (2 x 6 tables of 256), left to a search.
    std::array<int, 2 * PieceKinds * SquareCount> pcsq{};
    /// The square index mirrored top to bottom (same column), to read a table from the other side.
    const SquareTable flip;
    /// Pawn bonus for each step forward, most on the centre files; the centre pawns' home rows cost.
    const SquareTable pawn_pcsq;
    /// Pawn shelter bonus in front of a king castled towards files F-H and N-P.
    const SquareTable kingside_pawn_pcsq;
    /// Pawn shelter bonus in front of a king castled towards files A-C and I-K.
    const SquareTable queenside_pawn_pcsq;
    /// Knight and bishop placement: edges cost, rings towards the centre gain.
    const SquareTable minor_pcsq;
    /// King safety in the middle game: off its home rows the king is exposed.
    const SquareTable king_pcsq;
    /// King activity in the end game: the king heads for the centre.
    const SquareTable endgame_king_pcsq;

    // ---- Search state -----------------------------------------------------------

    /// Colour code (0, 1 or EmptyColor) of each square of the searched position.
    SquareTable color{};
    /// Piece code (0..5 or EmptyCode) of each square of the searched position.
    SquareTable piece{};
    /// Players per team the search plays for.
    int MaxTeamPlayers = 0;
    /// Side to move and the other side in the searched position.
    int side = 0;
    int xside = 0;
    /// Castling rights, one bit per army and wing (cleared through castle_mask).
    int castle = 0;
    /// Moves since the last capture or pawn move.
    int fifty = 0;
    /// Depth of the current node below the root.
    int ply = 0;
    /// Store of the generated moves of every ply.
    std::array<std::uint8_t, GenDatBytes> gen_dat{};
    /// First and one-past-last generated move of each ply.
    SquareTable gen_begin{};
    SquareTable gen_end{};
    /// History heuristic: how often a move [from][to] caused a cutoff.
    SquarePairTable history{};
    /// Store of the moves made in the search, for taking them back.
    std::array<std::uint8_t, HistDatBytes> hist_dat{};
    /// Positions visited by the current search.
    int nodes = 0;
    /// Principal variation of each ply, [ply][index].
    SquarePairTable pv{};
    /// Length of the principal variation of each ply.
    SquareTable pv_length{};
    /// True while the search still walks the previous principal variation.
    bool follow_pv = false;

    // ---- Board geometry and piece data ----------------------------------------------

    /// Rows of 18 behind 37 guard entries: the square number inside, -1 off the board.
    /// Its row width matches neither mailbox256 nor offset; a search picks one layout.
    const std::array<int, MailboxSize> mailbox;
    /// Index into mailbox for each square index (the index plus 37).
    const SquareTable mailbox256;
    /// Whether each piece kind slides (bishop, rook, queen) or steps.
    const std::array<bool, PieceKinds> slide;
    /// Number of move directions of each piece kind.
    const std::array<int, PieceKinds> offsets;
    /// Move directions of each piece kind, in a board of 10 columns.
    const std::array<std::array<int, MaxDirections>, PieceKinds> offset;
    /// Castling rights kept by a move touching the square: AND-ed into castle.
    const SquareTable castle_mask;
    /// Material value of each piece kind.
    const std::array<int, PieceKinds> value;
    /// Board letter of each piece code, the en passant marker last.
    const std::array<char, PieceKinds + 1> piece_AnsiChar;
    /// Colour code of each square in the quadrant start arrangement.
    const SquareTable init_color;
    /// Piece code of each square in the quadrant start arrangement.
    const SquareTable init_piece;

    // ---- Links to the board --------------------------------------------------------
    // The flags cross between the board's thread and a search thread, so they
    // are atomic; the pointers refer to the board's own fields of the same name.

    /// True while a search runs.
    std::atomic<bool> Thinking{false};
    /// The board's side to move and its computer-player switches; null until linked.
    const bool* WhiteToMove = nullptr;
    const bool* ComputerPlaysWhite = nullptr;
    const bool* ComputerPlaysBlack = nullptr;
    /// Set by the board to ask a running search to stop as soon as it can.
    std::atomic<bool> StopThinkingNow{false};
    /// The board's position characters; null until linked.
    const char* position = nullptr;
    /// The board's search depth; null until linked.
    const int* SearchDepth = nullptr;
    /// Makes the chosen move on the board; true when it was accepted. Empty: unattached.
    TMoveFunc MoveFunc;
    /// Told when a search has finished. Empty: unattached.
    TNotifyEvent EndFunc;

private:
    std::function<void()> _body;
    std::thread _worker;
};
