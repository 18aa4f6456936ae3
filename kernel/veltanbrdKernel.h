#pragma once
// The game half of the board: position, owners, rules, team turns, history and
// the computer-player settings. Plain standard C++; the on-screen board derives
// from this class and fills in the protected view hooks.

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "square.h"

class TVeltanbrdThread;
class TSearch;
struct TSearchLimits;
class TVeltanBrdKernel;

/// Index 0 is a filler, 1..256 one character per square, 257 a NUL.
using TPosition = std::array<char, SquareCount + 2>;

/// Colour codes of sides and pieces.
inline constexpr int ColorWhite = 1;
inline constexpr int ColorBlack = 0;
inline constexpr int ColorNone = -1;

/// Highest move number the history holds; record 0 is the start.
inline constexpr int MaxHistoryMoves = 4096;
/// Capacity of the per-turn move slots, the largest moves-per-team-turn.
inline constexpr int MaxMovesPerTeamTurn = 8;

/// The arrangement kind chosen in the options dialog (the dialog also stores 2).
enum TStartPositionType : std::uint8_t { SPClassic = 0, SP2x2 = 1 };

/// Empty ranks between each board edge and that side's armies.
enum TStartPositionRowShift : std::uint8_t { SP0RowShift = 0, SP1RowShift = 1, SP2RowShift = 2 };

/// How a game stands at the record shown: still open, or which ending it reached.
enum class TGameEnding : std::uint8_t {
    None,
    WhiteWon,        ///< every Black king captured
    BlackWon,        ///< every White king captured
    WhiteCannotMove, ///< White's turn began without a single move for White
    BlackCannotMove,
    Repetition,       ///< a repetition stands: no move is legal
    NoMatingMaterial, ///< neither team has the material to take a king
    HistoryFull,      ///< the history's last record is written
    WhiteLostOnTime,  ///< White's clock ran out at the end of the line
    BlackLostOnTime,
};

/// Where a king and its rook land when the king castles from kingFrom onto
/// its own rook at rookFrom: the king beside the rook's old square, the rook
/// on the king's other side.
struct TCastlingLanding {
    Square king = SqrNone;
    Square rook = SqrNone;
};

/// One history record: the board right after a move (record 0: the start).
struct MoveInfo {
    std::string position; ///< 256 piece letters, square 1 first
    std::string players;  ///< 256 owner characters taken at the same moment
    Square OldSquare = SqrNone;
    Square NewSquare = SqrNone;
    bool WhiteTeamIsPlaying = false; ///< true when White made the move
    double TimeLeft = 0.0;           ///< mover's clock after the move, in days
};

using TMoveEvent = std::function<void(TVeltanBrdKernel& Sender, Square oldSq, Square newSq)>;
using TCaptureEvent =
    std::function<void(TVeltanBrdKernel& Sender, Square oldSq, Square newSq, char CapturedPiece)>;
using TPromotionEvent =
    std::function<void(TVeltanBrdKernel& Sender, Square oldSq, Square newSq, char& NewPiece)>;
using TOneSquareEvent = std::function<void(TVeltanBrdKernel& Sender, Square sq)>;
using TThinkEvent = std::function<void(TVeltanBrdKernel& Sender, Square& oldSq, Square& newSq)>;
using TNotifyEvent = std::function<void(TVeltanBrdKernel& Sender)>;
using TMoveFunc = std::function<bool(Square oldSq, Square newSq)>;

/// What the search running now has found so far, for a display that looks
/// in a few times a second.
struct TThinkingProgress {
    bool running = false;    ///< a search runs (or its move waits to be played)
    bool suggestion = false; ///< it looks for a suggestion, not the computer's own move
    int depth = 0;           ///< deepest iteration completed, 0 before the first
    Square from = SqrNone;   ///< best move so far (for castling the rook's square as `to`)
    Square to = SqrNone;
    std::chrono::milliseconds elapsed{0};
};

class TVeltanBrdKernel {
public:
    /// A new board: the quadrant arrangement with owners "1" on the board,
    /// the classic one waiting for the next game, White to move, game ended.
    TVeltanBrdKernel();
    virtual ~TVeltanBrdKernel();
    TVeltanBrdKernel(const TVeltanBrdKernel&) = delete;
    TVeltanBrdKernel& operator=(const TVeltanBrdKernel&) = delete;

    // ---- Board representation and notation -------------------------------

    /// The 256 piece letters of the board (up to the first NUL).
    std::string position() const;
    /// Puts a position on the board: unknown letters become blanks, a short
    /// text leaves the rest empty; "init"/"newgame" restores the game's start.
    void SetPosition(const std::string& value);
    /// The 256 owner characters of the board.
    std::string players() const;
    /// Overwrites the owners of the first squares (at most 256), unchecked;
    /// "init"/"newgame" restores the game's start owners.
    void SetPlayers(const std::string& value);
    /// The team player ('1'..'4') whose move it is.
    char CurrentTeamPlayer() const { return _currentTeamPlayer; }
    void SetCurrentTeamPlayer(char player) { _currentTeamPlayer = player; }

    /// File 1..16 of a square; 0 for anything that is no square.
    static int XPos(Square sq);
    /// Rank 1..16 of a square; 0 for anything that is no square.
    static int YPos(Square sq);
    /// The square at file x, rank y, or SqrNone.
    static Square GetSquareFromXY(int x, int y);
    /// Reads "h08"/"H08"; anything else is SqrNone.
    static Square AnsiStringToSquare(const std::string& str);
    /// The text form of a square, "A16".."P01"; empty for no square.
    static std::string SquareToString(Square sq);
    /// 1 for a light square, 0 for a dark one (and for no square).
    static int ColorOfSquare(Square sq);
    /// Colour of a square's content; with aIsPawnMove, en passant markers count as empty.
    int ColorOfPieceOnSquare(Square sq, bool aIsPawnMove) const;
    /// Colour of a promotion letter N B R Q / n b r q; -1 for anything else.
    static int ColorOfPiece(char piece);
    /// Owner of a square's piece, '0' for an empty square or no square.
    char PlayerOnSquare(Square sq) const;
    /// The letter on a square, blank for no square.
    char PieceOn(Square sq) const { return IsBoardSquare(sq) ? _position[sq] : ' '; }

    // ---- Start positions and options --------------------------------------

    /// Start arrangement of the game in progress; squares whose piece has
    /// moved away or been taken are blank (that is how unmoved pieces are known).
    std::string StartPosition() const;
    /// Sets the next game's and this game's start arrangement and shows it;
    /// anything but 256 characters is refused with a warning.
    void SetStartPosition(const std::string& value);
    /// Start owners of the game in progress.
    std::string StartPlayers() const;
    /// Sets start owners (256 characters, else a warning and no change).
    void SetStartPlayers(const std::string& value);
    TStartPositionType StartPositionType() const { return _StartPositionType; }
    void SetStartPositionType(TStartPositionType value) { _StartPositionType = value; }
    TStartPositionRowShift StartPositionRowShift() const { return _StartPositionRowShift; }
    void SetStartPositionRowShift(TStartPositionRowShift value) { _StartPositionRowShift = value; }
    int MovesPerTeamTurn() const { return _MovesPerTeamTurn; }
    /// Stores the moves per team turn (clamped to 1..8) and recomputes MovesPerPlayerTurn.
    void SetMovesPerTeamTurn(int value);
    int PlayersPerTeam() const { return _PlayersPerTeam; }
    /// Stores the players per team (clamped to 1..4) and recomputes MovesPerPlayerTurn.
    void SetPlayersPerTeam(int value);
    int MovesPerPlayerTurn() const { return _MovesPerPlayerTurn; }
    /// Stores the moves each player makes in a row (clamped to 1..8).
    void SetMovesPerPlayerTurn(int value);
    double TimeStartWhite() const { return _TimeStartWhite; }
    void SetTimeStartWhite(double days) { _TimeStartWhite = days; }
    double TimeStartBlack() const { return _TimeStartBlack; }
    void SetTimeStartBlack(double days) { _TimeStartBlack = days; }
    double TimeLeftWhite() const { return _TimeLeftWhite; }
    void SetTimeLeftWhite(double days) { _TimeLeftWhite = days; }
    double TimeLeftBlack() const { return _TimeLeftBlack; }
    void SetTimeLeftBlack(double days) { _TimeLeftBlack = days; }
    double TimeIncrementWhite() const { return _TimeIncrementWhite; }
    void SetTimeIncrementWhite(double days) { _TimeIncrementWhite = days; }
    double TimeIncrementBlack() const { return _TimeIncrementBlack; }
    void SetTimeIncrementBlack(double days) { _TimeIncrementBlack = days; }

    /// Starts a new game from the next-game arrangement (history reset) and repaints.
    void NewGame();
    /// Puts the default settings in place; the board itself is not touched.
    void InitOptions();
    /// aSquare moved StartPositionRowShift ranks towards the mover's home edge
    /// (towards the opponent's with Reversed); SqrNone when that leaves the board.
    Square StartRowsShifted(Square aSquare, bool Reversed) const;
    /// Copies the settings of another board (not its game in progress).
    void CopyOptionsFrom(const TVeltanBrdKernel& ASource);

    // ---- Team turns ---------------------------------------------------------

    bool WhiteToMove() const { return _WhiteToMove; }
    /// Stops the computer player, then sets the side to move.
    void SetWhiteToMove(bool value);
    /// True when every move of the current team turn has been made.
    bool TurnMustSwitch() const;
    /// Moves made (or forfeited) in the current team turn.
    int MovesMadeInTurn() const;
    /// Marks the first n slots as used without squares (n clamped to 0..8).
    void SetMovesMovedInTurn(int MovesMovedInTurn);
    /// Frees every slot of the current team turn.
    void ClearMovesMovedInTurn();
    /// The moves of the current team turn: destination squares, SqrUsedSlot
    /// for a slot used without a square, SqrNone for a free slot.
    const std::array<Square, MaxMovesPerTeamTurn>& MovedPerTurn() const { return _MovedPerTurn; }
    /// The status text, e.g. "White  has 2 moves  left in this turn; Player 1 to play".
    std::string GetMovesLeftInTurn() const;

    // ---- History ------------------------------------------------------------

    /// The history: record 0 the start, record k the board after move k.
    std::array<MoveInfo, MaxHistoryMoves + 1> MoveList;
    /// The record whose position is on the board (0..4096).
    int LastMove = 0;

    /// Appends "W:H02-H04" style lines for records LastMove down to 1.
    void GetMoveList(std::vector<std::string>& list) const;
    /// A copy of a record; an empty record for a number outside 0..4096.
    MoveInfo GetMove(int moveno) const;
    /// Stores a record (strings cut or padded to 256 characters); numbers
    /// outside 1..4096 are ignored. Extends the line MoveForward can reach.
    void LoadMove(int moveno, const MoveInfo& aMove);
    /// Puts record moveno on the board with the turn state right after that
    /// move, the turn passed on when it was complete. False (no change) for a
    /// number outside 0..HistoryEnd() or a record never written.
    bool GotoMove(int moveno);
    /// Steps to the previous record; false at record 0.
    bool MoveBackward();
    /// Steps to the next record of the current line; false when there is none.
    bool MoveForward();
    /// Shows a record's position (real pieces only) without touching owners,
    /// history or turn slots; false for moveno > 200 or a bad position.
    bool SetUpPosition(const MoveInfo& Move, int moveno, bool whiteMoves);
    /// Makes the board as it stands the start of a new line of play: record 0
    /// holds its position and owners with White to move, LastMove is 0 and no
    /// earlier record can be reached any more. Settings and turn are untouched.
    void StartNewHistory();
    /// Starts a game on the given start letters and owners (256 characters
    /// each, else a warning and false): they go on the board and into record
    /// 0 of a fresh history, White to move with player 1, record 0 holding
    /// White's start time. The turn settings and clocks are not touched.
    bool StartGameFrom(const std::string& startPosition, const std::string& startPlayers);
    /// Last record of the current line of play.
    int HistoryEnd() const { return _HistoryEnd; }
    /// The ending at the end of the line of play, whichever record is shown:
    /// a loss on time there, or what the record at HistoryEnd() reached. A game
    /// is unfinished while this is None.
    TGameEnding LineEnding() const;

    // ---- Move legality ------------------------------------------------------

    /// May the current team player of the side to move make this move now.
    bool MoveIsLegal(Square oldSq, Square newSq) const;
    /// Is aSqr attacked by side acolor (1 White, else Black) on the given position text.
    bool SquareClaimedby(int acolor, const std::string& aboardpos, Square aSqr) const;
    /// With oldSq's content moved to newSq, is newSq attacked by side Color.
    bool InCheckby(int Color, Square oldSq, Square newSq) const;
    /// Has the side to move a legal move whose destination would not be attacked.
    bool LegalMoveAvailable() const;
    /// Has the current team player any move MoveIsLegal accepts.
    bool CurrentPlayerCanMove() const;
    /// The repetition test: more than three of the moving team's last twelve
    /// turn ends hold the position of the last record.
    bool IsThreefoldPosition() const;

    // ---- Making moves and game end -------------------------------------------

    /// Stops the computer player, makes the move, lets the computer think on.
    bool move(Square oldSq, Square newSq);
    /// Makes a legal move with all its effects and events; false (nothing
    /// changed) for an illegal move or a full history.
    bool PerformMove(Square oldSq, Square newSq);
    bool GameEnded() const { return FGameEnded; }
    /// The ending reached at the record shown (None while play can go on).
    /// Draws are reported whether or not an OnDraw handler ends the game; a
    /// loss on time only at the end of the line, where it happened.
    TGameEnding Ending() const;
    /// A team has run out of time at the record shown (the clock's team to
    /// move, or the team a game file names): the line of play ends at this
    /// record (later records can no longer be reached), the loss on time is
    /// its ending and play ends.
    void LoseOnTime(bool white);
    /// WhiteLostOnTime or BlackLostOnTime when the line ended on a clock, else None.
    TGameEnding TimeLoss() const { return _timeLoss; }
    /// The words that announce an ending ("White has won!", "Draw", ...); empty for None.
    static std::string EndingMessage(TGameEnding ending);
    /// Where king and rook land when the king on kingFrom castles onto the rook on rookFrom.
    static TCastlingLanding CastlingLanding(Square kingFrom, Square rookFrom);
    /// Ends or resumes play; ending notifies the main window once.
    void SetGameEnded(bool value);
    /// Removes the en passant markers of the side now to move.
    void ClearEnpassantPieces();
    /// Piece letter a pawn becomes; the side's case is applied on promotion.
    char PromoteTo = 'q';
    bool DoRefreshWindowsBoard() const { return _DoRefreshWindowsBoard; }
    void SetDoRefreshWindowsBoard(bool value) { _DoRefreshWindowsBoard = value; }
    /// Moves not made by dragging glide to their square while this is on.
    bool AnimateMoves() const { return _animateMoves; }
    void SetAnimateMoves(bool value) { _animateMoves = value; }
    /// Milliseconds of wait per one-pixel step of the animation.
    int AnimationDelay() const { return _animationDelay; }
    void SetAnimationDelay(int value) { _animationDelay = value; }

    // ---- Computer player ------------------------------------------------------

    bool ComputerPlaysWhite() const { return _ComputerPlaysWhite; }
    void SetComputerPlaysWhite(bool value);
    bool ComputerPlaysBlack() const { return _ComputerPlaysBlack; }
    void SetComputerPlaysBlack(bool value);
    int SearchDepth() const { return _SearchDepth; }
    /// Stores the depth clamped to 1..8.
    void SetSearchDepth(int value);
    bool CustomEngine() const { return _CustomEngine; }
    void SetCustomEngine(bool value) { _CustomEngine = value; }
    /// While on, a program of the host's plays the computer's moves on its
    /// own time: Think() only raises OnHostMoveDue (the built-in search never
    /// starts), every CancelThinking raises OnHostMoveCancelled, and the host
    /// plays the move it gets through move().
    bool HostPlaysComputer() const { return _hostPlaysComputer; }
    void SetHostPlaysComputer(bool value);
    /// The computer times its moves by its team's clock (the default); when
    /// off it searches SearchDepth moves deep (still never past a quarter of its time).
    bool ComputerUsesClock() const { return _ComputerUsesClock; }
    void SetComputerUsesClock(bool value) { _ComputerUsesClock = value; }
    /// Time a move may take at a fixed-time level (zero: the depth levels);
    /// read only while ComputerUsesClock is off. Never past a quarter of the team's time.
    std::chrono::milliseconds ComputerMoveTime() const { return _ComputerMoveTime; }
    /// Stores the time clamped to zero or more.
    void SetComputerMoveTime(std::chrono::milliseconds value);
    /// The computer's strength step (1 to StrengthSteps, searchStrength.h):
    /// its own budget decides the search, ComputerUsesClock and the move
    /// time are not read, and it never spends more than a quarter of the
    /// team's time. 0 (the default) is the full search at those levels.
    int ComputerStrength() const { return _computerStrength; }
    /// Stores the step, or 0 for one outside 1..StrengthSteps.
    void SetComputerStrength(int step);
    /// Seeds what a strength step overlooks and how it misjudges: the same
    /// seed gives the same moves in the same positions.
    void SetStrengthSeed(std::uint64_t seed) { _strengthSeed = seed; }
    /// How much longer the computer's found move should wait before it is
    /// played, so that a weak step does not answer the instant the user has
    /// moved: a second or two from the search's start, never more than an
    /// eighth of the team's time left; zero at full strength and the strongest step.
    std::chrono::milliseconds ComputerMoveWait() const;
    /// Changes whenever a search starts or is cancelled: a move waiting to be
    /// played belongs to the search of the number read when it was found.
    std::uint64_t SearchNumber() const { return _searchGeneration; }
    /// True when the computer plays the side to move.
    bool ComputerToMove() const { return _WhiteToMove ? _ComputerPlaysWhite : _ComputerPlaysBlack; }
    /// True while the computer's search for its own move runs or its move
    /// waits to be played (a suggestion's search does not count).
    bool Thinking() const;
    /// True while any search runs or its result waits, a suggestion's included.
    bool SearchRunning() const;
    void SetThinking(bool) {}
    /// Always SqrNone: en passant is carried by marker pieces.
    Square EnPassant() const { return SqrNone; }
    void SetEnPassant(Square) {}
    /// Starts a search on the search thread, working on a copy of the game,
    /// when the game runs and the computer plays the side to move. With
    /// CustomEngine the host picks the move instead (OnCalculateMove).
    void Think();
    /// Stops a running search promptly and waits for it; its move is dropped.
    void CancelThinking();
    /// Makes the move the finished search found, through move(); called on
    /// the board's own thread after ComputerMoveFound. False when no move
    /// waits (the search was cancelled, or the game ended meanwhile). A
    /// suggestion's search is shown instead (Suggestion), never played.
    bool PlayComputerMove();
    /// Ends the computer's search now: it plays the best move found so far.
    /// False when the computer is not thinking about a move of its own.
    bool MoveNow();
    /// Starts a search of `time` for the human player to move, on the search
    /// thread; when it ends its move becomes the Suggestion. False (nothing
    /// started) while the game does not run, the computer is to move or thinks.
    bool SuggestMove(std::chrono::milliseconds time);
    /// The search running now: kind, depth, best move so far and time used.
    /// Safe to call on the board's thread while the search runs.
    TThinkingProgress ThinkingProgress() const;
    /// The suggested move for the position shown, SqrNone twice when there is
    /// none; any move, jump or new game takes it away.
    std::pair<Square, Square> Suggestion() const { return {_suggestedFrom, _suggestedTo}; }

    // ---- Events (an empty function is an unattached handler) -----------------

    TMoveEvent OnLegalMove, OnCheck, OnMate, OnStaleMate, OnCastle, OnCalculationFailed;
    TCaptureEvent OnCapture;
    TPromotionEvent OnPromotion;
    TOneSquareEvent OnIllegalMove;
    TThinkEvent OnCalculateMove;
    /// The computer is to move and HostPlaysComputer is on; raised again on
    /// later checks while the move is still due, so the host asks only once.
    TNotifyEvent OnHostMoveDue;
    /// With HostPlaysComputer on: whatever the host is working out is no longer wanted.
    TNotifyEvent OnHostMoveCancelled;
    TNotifyEvent OnPaint, OnDraw, OnNoMatingMaterial, OnThreefoldPosition;
    /// Raised once a move and the settling of the turn are complete.
    TNotifyEvent OnTurnSettled;

    /// Checks the board's invariants; on failure names the first broken one.
    bool CheckConsistency(std::string& why) const;

protected:
    // ---- View hooks: nothing in the kernel, drawn by the on-screen board ----
    virtual void ClearSquare(Square) {}
    virtual void DrawPieceOnSquare(Square, char) {}
    virtual void DrawBoardLines() {}
    /// Full repaint with fitting and OnPaint.
    virtual void Paint() {}
    /// Border, squares and pieces redrawn (after a jump in the history).
    virtual void RedrawBoard() {}
    virtual void Animate(Square, Square, int) {}
    virtual void SetControlEnabled(bool) {}
    /// Tells the main window, after the current handler returns, that play has ended.
    virtual void PostGameEndedNotice() {}
    /// A modal message box with an OK button.
    virtual void ShowMessage(const std::string&) {}
    /// Copies view settings during CopyOptionsFrom.
    virtual void CopyViewOptionsFrom(const TVeltanBrdKernel&) {}
    /// Called on the search thread when a search has found its move; the
    /// view hands over to its own thread, which calls PlayComputerMove.
    virtual void ComputerMoveFound() {}
    /// The suggested move appeared or went away: its squares need repainting.
    virtual void SuggestionChanged() {}

    /// Drag source and drop squares of the last mouse move.
    Square SquareClick1 = SqrNone;
    Square SquareClick2 = SqrNone;
    /// Set by CancelThinking: the computer waits until play resumes
    /// (GameEnded set false) or a move is made; after each move it follows GameEnded.
    bool stopThinking = false;
    std::unique_ptr<TVeltanbrdThread> NowVeltanbrdThread;

    /// True when the piece on sq belongs to the current team player of the side to move.
    bool IsCurrentTeamPlayerPiece(Square sq, bool aIsPawnMove) const;

private:
    // Rules of the pieces (legality.cpp).
    bool MoveIsLegalIgnoringRepetition(Square oldSq, Square newSq) const;
    bool PawnMoveIsLegal(Square oldSq, Square newSq) const;
    bool KnightMoveIsLegal(Square oldSq, Square newSq) const;
    bool LineMoveIsLegal(Square oldSq, Square newSq, bool diagonal, bool straight) const;
    bool KingMoveIsLegal(Square oldSq, Square newSq) const;
    bool PawnPathFree(Square sq, Square target) const;
    bool AreaIsEmpty(Square sq1, Square sq2, bool includeEnd) const;
    bool AreaClaimedby(int side, Square sq1, Square sq2, bool includeEnd) const;
    bool SquareClaimedOn(int acolor, const char* board, Square aSqr) const;
    bool IsEmptyForPawn(int x, int y) const;
    bool IsEmptyForKing(int x, int y) const;
    bool SquareMovedInTurn(Square sq) const;

    // The computer player (computerPlayer.cpp).
    std::uint32_t SearchRulesKey() const;
    void StartSearch(const TSearchLimits& limits, bool suggestion);
    void ClearSuggestion();

    // Making a move (makeMove.cpp).
    void SetEnpassantPieces(Square oldSq, Square newSq);
    void CaptureEnpassantPawn(Square sq);
    void PromotePawn(Square sq);
    bool AllKingsCaptured(bool whiteMoved) const;
    void CastleRearrange(Square oldSq, Square newSq, char king, char rook);
    bool MatingMaterialMissing() const;
    void WriteRecord(int moveno);

    // Team turns (teamTurns.cpp).
    void MarkMovedInTurn(Square sq);
    void SwitchTeamTurn();
    /// Passes the move on while the current player cannot move; true when the
    /// team to move could not make a single move of its new turn.
    bool SettleTurn();
    void ForfeitCurrentPlayer();

    // Start positions (startPositions.cpp).
    /// True for a 256-character start text; otherwise shows the warning with the length difference.
    bool StartTextFits(const std::string& value, const std::string& warning);

    // History (history.cpp).
    void ResetGame();
    void RebuildTurnState(int moveno);
    void RebuildStartLetters(int moveno);
    /// Would the live game have stopped on this ending (draws only with an OnDraw handler)?
    bool EndingStopsPlay(TGameEnding ending) const;
    void CopyRecordIntoBoard(const MoveInfo& record);
    static std::string NormalisedRecordText(const std::string& text, char fill);
    void InvalidateRepetitionCache() { ++_historyGeneration; }

    TPosition _position{};
    TPosition _players{};
    TPosition _Startposition{};
    TPosition _Startplayers{};
    TPosition _StartpositionSource{};
    // The start letters as record 0 found them: a jump rebuilds the unmoved
    // pieces from these and the moves of the records up to it.
    TPosition _StartpositionOfGame{};
    TPosition _StartplayersSource{};
    char _currentTeamPlayer = '1';
    std::array<Square, MaxMovesPerTeamTurn> _MovedPerTurn{};

    TStartPositionType _StartPositionType = SPClassic;
    TStartPositionRowShift _StartPositionRowShift = SP0RowShift;
    int _MovesPerTeamTurn = 1;
    int _PlayersPerTeam = 1;
    int _MovesPerPlayerTurn = 1;
    double _TimeStartWhite = 0.0, _TimeStartBlack = 0.0;
    double _TimeLeftWhite = 0.0, _TimeLeftBlack = 0.0;
    double _TimeIncrementWhite = 0.0, _TimeIncrementBlack = 0.0;
    bool _WhiteToMove = true;

    bool FGameEnded = false;
    // Settling the turn of the record shown found a team without a single move.
    bool _teamCannotMove = false;
    bool _DoRefreshWindowsBoard = true;
    bool _animateMoves = true;
    int _animationDelay = 0;
    bool _ComputerPlaysWhite = false;
    bool _ComputerPlaysBlack = false;
    int _SearchDepth = 1;
    bool _CustomEngine = false;
    bool _hostPlaysComputer = false;
    bool _ComputerUsesClock = true;
    std::chrono::milliseconds _ComputerMoveTime{0};
    int _computerStrength = 0;
    std::uint64_t _strengthSeed = 0;
    // The search in flight looks for a suggestion, not for the computer's move.
    bool _searchingSuggestion = false;
    Square _suggestedFrom = SqrNone;
    Square _suggestedTo = SqrNone;
    // Progress of the search in flight, written by the search thread after
    // each iteration and read by the display: behind its own lock.
    struct TSharedProgress;
    std::shared_ptr<TSharedProgress> _progress;
    std::chrono::steady_clock::time_point _searchStarted{};
    bool _choosingCustomMove = false;
    // The search in flight: its number, and the move it found (written by the
    // search thread before it ends, read here only after joining it).
    std::uint64_t _searchGeneration = 0;
    std::uint64_t _foundGeneration = 0;
    Square _foundFrom = SqrNone;
    Square _foundTo = SqrNone;
    // The record and board the search in flight was started on.
    int _searchedMove = -1;
    std::string _searchedPosition;
    // One search kept from move to move, so its table of positions is
    // allocated once and what it learnt helps the next move; the rule
    // settings it learnt under tell when that knowledge no longer holds.
    std::shared_ptr<TSearch> _search;
    std::uint32_t _searchRules = 0;

    int _HistoryEnd = 0;
    // A clock that ran out ends the line where it ran out; any change of the
    // line of play forgets it.
    TGameEnding _timeLoss = TGameEnding::None;
    // What the end of the line reached, as found when the board last left it.
    TGameEnding _lineEnding = TGameEnding::None;
    // The repetition answer is asked for by every legality test; it only
    // changes with the history, so it is kept per history generation.
    std::uint64_t _historyGeneration = 1;
    mutable std::uint64_t _repetitionGeneration = 0;
    mutable int _repetitionMove = -1;
    mutable bool _repetitionAnswer = false;
};
