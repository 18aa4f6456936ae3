#pragma once
// The offer at start of the unfinished games kept from earlier runs: what the
// player is asked, and what the answer makes of each game.

#include <QString>
#include <cstddef>
#include <optional>
#include <vector>

#include "keptGames.h"
#include "modalRunner.h"

class QWidget;

/// What becomes of the kept games offered: at most one resumed, any
/// discarded; the others stay kept for the next start.
struct TResumeAnswer {
    std::optional<std::size_t> resume;
    std::vector<std::size_t> discard;
};

/// One line about a kept game: when it was last written, its number of moves
/// and its settings (moves per team turn, players per team, time).
QString KeptGameSummary(const TKeptGame& kept);

/// Asks the player about the kept games, newest first. With one, the question
/// "Resume the unfinished game?" with Resume and New game (which discards it);
/// with more, the list of TKeptGamesDialog, run by runModal. Leaving either
/// without a choice keeps every game.
TResumeAnswer AskAboutKeptGames(QWidget* parent, const std::vector<TKeptGame>& games,
                                const TModalRunner& runModal);
