#pragma once
// The rules that keep an online game's clocks fair: the team clocks on the
// server's monotonic clock, the lag forgiven to a connection, the grace
// before a flag falls and what happens to a team whose players are gone.
// Every rule takes the time as an argument, so it is tested on a fake clock.

#include <cstdint>
#include <optional>

/// Milliseconds on the server's monotonic clock (or a test's fake one).
using TMs = long long;

namespace fair {

/// A flag falls this long after a team's time reached zero, so a move sent
/// in time but slowed on its way still counts.
inline constexpr TMs FlagGraceMs = 2'000;
/// The most lag forgiven for one move.
inline constexpr TMs MaxCreditPerMoveMs = 1'000;
/// The team to move has had no connected player this long: the game pauses.
inline constexpr TMs AbsencePauseMs = 60'000;
/// After this long without a connected player the other team may claim the game or abort it.
inline constexpr TMs AbsenceClaimMs = 10 * 60'000;

} // namespace fair

/// Both teams' clocks. The clock of the team to move runs; a move takes the
/// time used off (less any lag forgiven), then adds the team's increment; the
/// other team's clock starts when the team turn settles.
class TTeamClocks {
public:
    TTeamClocks(TMs whiteMs, TMs blackMs, TMs incrementWhiteMs, TMs incrementBlackMs);

    /// Starts the clock of `white` (or Black's) at `now`; the other stands.
    void Run(bool white, TMs now);
    /// Stops the running clock at `now`, keeping what is left (a pause, an end).
    void Stop(TMs now);
    /// Which team's clock runs; nothing while both stand.
    std::optional<bool> Running() const { return _running; }
    /// A team's time left at `now`, below zero once its time ran out.
    TMs Left(bool white, TMs now) const;
    /// Puts both times in place with both clocks standing (a game read back).
    void Set(TMs whiteMs, TMs blackMs);

    /// A move of the running team arrives at `now`, `creditMs` of it forgiven
    /// as lag. True when it came in time: the time used is taken off and the
    /// increment added (the clock keeps running until SwitchTo). False when,
    /// even with the credit, the time had run out: the team's time is zero
    /// and its clock stops.
    bool Moved(TMs now, TMs creditMs);
    /// The instant the running team's flag falls (grace included); nothing
    /// while both clocks stand.
    std::optional<TMs> FlagDeadline() const;

private:
    TMs _left[2];      // [0] Black, [1] White, as the kernel's colours
    TMs _increment[2]; // the same order
    std::optional<bool> _running;
    TMs _since = 0; // when the running clock last started or was charged
};

/// The lag forgiven to one connection: a bank that holds a share of the time
/// control, lends at most a second a move and refills a little with each move.
class TLagQuota {
public:
    /// The bank for a game with `timeControlMs` a team.
    explicit TLagQuota(TMs timeControlMs);
    /// The credit for a move whose round trip took `lagMs`: taken from the bank,
    /// which then refills by the part of a move's share.
    TMs Credit(TMs lagMs);
    TMs Bank() const { return _bank; }

private:
    TMs _capacity;
    TMs _refill;
    TMs _bank;
};

/// What a team's absence allows at `now`, given since when the team has had
/// no connected player (nothing: someone is connected).
enum class TAbsence {
    Present,      ///< a player of the team is connected
    Away,         ///< gone, but not long enough to pause
    PauseDue,     ///< gone long enough that its turn pauses the game
    ClaimAllowed, ///< gone long enough that the other team may claim or abort
};
TAbsence JudgeAbsence(std::optional<TMs> absentSince, TMs now);
/// The instant the next verdict of JudgeAbsence changes; nothing while present or at the last verdict.
std::optional<TMs> NextAbsenceChange(std::optional<TMs> absentSince, TMs now);
