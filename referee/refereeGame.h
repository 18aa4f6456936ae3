#pragma once
// The kernel as referee of a game played through the protocol: a game starts
// from start letters and owners with its turn rules, and every move is made
// by the kernel's own PerformMove, turn settling included, so the rules are
// exactly those of the game on the screen.

#include <string>
#include <utility>
#include <vector>

#include "moveText.h"
#include "veltanbrdKernel.h"

/// How a team turn is played: the moves a team makes and the players sharing them.
struct TTurnRules {
    int movesPerTeamTurn = 4;
    int playersPerTeam = 1;
};

/// Empty when the game offers these rules (1, 2 or 4 moves and players, and
/// no more players than moves, so that every player owns a move); otherwise
/// what is wrong with them.
std::string TurnRulesProblem(TTurnRules rules);

/// Starts a running game on `board`: the 256 start letters and owners (the
/// caller has checked them), the turn rules, White's player 1 to move and a
/// history that begins here.
void StartRefereedGame(TVeltanBrdKernel& board, const std::string& letters, const std::string& owners,
                       TTurnRules rules);

/// Makes the move on `board` as the game's rules allow it, the promotion
/// letter applying to this move only, and returns an empty text; for a move
/// the game refuses returns what is wrong and leaves the board unchanged.
std::string PlayRefereedMove(TVeltanBrdKernel& board, const TProtocolMove& move);

/// Who is to move, "White" or "Black's player 2".
std::string MoverName(const TVeltanBrdKernel& board);

/// Every move (from, to) the board allows the player to move, in order of the squares.
std::vector<std::pair<Square, Square>> AllowedMoves(const TVeltanBrdKernel& board);
