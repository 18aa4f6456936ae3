#pragma once
// The `position` command: a start from the catalogue or from any 256 start
// letters and owners, the turn rules, then the moves played in order on a
// refereeing kernel board.
//
//   position <standard|quadrant|castling> <row shift> <moves per team turn> <players per team> [moves ...]
//   position board <letters> <owners> <moves per team turn> <players per team> [moves ...]

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "refereeGame.h"
#include "veltanbrdKernel.h"

/// What a `position` command set up: the game, or what is wrong with the command.
struct TPositionReading {
    std::unique_ptr<TVeltanBrdKernel> game; ///< null when the command is refused
    std::string problem;                    ///< empty when a game was set up
};

/// Reads the words after "position" and plays their moves on a new board.
TPositionReading ReadPosition(const std::vector<std::string>& words);

/// The catalogue entry named "standard", "quadrant" or "castling"; nothing for other names.
std::optional<int> CatalogueEntryNamed(std::string_view name);
/// The protocol's name of a catalogue entry ("standard" for the standard entry).
std::string CatalogueEntryName(int entry);

/// The board form's text of 256 letters or owners: a blank written as '.'.
std::string BoardFormText(const std::string& squares);

/// The command that sets up a catalogue entry's game and plays the moves (protocol texts).
std::string CataloguePositionCommand(int entry, int rowShift, TTurnRules rules,
                                     const std::vector<std::string>& moves);
/// The command that sets up a game from any 256 start letters and owners
/// (blanks as on the board) and plays the moves.
std::string BoardPositionCommand(const std::string& letters, const std::string& owners, TTurnRules rules,
                                 const std::vector<std::string>& moves);
