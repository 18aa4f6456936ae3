#pragma once
// The bot's choice of a move: any legal move at random (now and then a
// promotion to another piece than a queen, so those reach the server too),
// or the built-in engine's move within a time a move.

#include <cstdint>
#include <memory>
#include <optional>
#include <random>

#include "moveText.h"

class TVeltanBrdKernel;
class TSearch;

/// Picks moves for the player to move on a board.
class TMoveChooser {
public:
    /// A random chooser from `seed`, or with `engineMs` above zero the engine with that time a move.
    TMoveChooser(std::uint64_t seed, int engineMs);
    ~TMoveChooser();
    TMoveChooser(const TMoveChooser&) = delete;
    TMoveChooser& operator=(const TMoveChooser&) = delete;

    /// A legal move of the board's current team player; nothing when it has none.
    std::optional<TProtocolMove> Choose(const TVeltanBrdKernel& board);

private:
    std::optional<TProtocolMove> Random(const TVeltanBrdKernel& board);
    std::optional<TProtocolMove> Engine(const TVeltanBrdKernel& board);

    std::mt19937_64 random_;
    int engineMs_ = 0;
    std::unique_ptr<TSearch> search_; ///< kept from move to move: what its table learnt still holds
};
