// The team turn as the kernel keeps it: the slots of the moves made, whose
// player's move it is, the switch to the other team, the forfeits of players
// who cannot move, and the repetition rule over the recorded positions.

#include <algorithm>

#include "engineGame.h"

namespace engine {

namespace {

constexpr int RepetitionTurnEnds = 12;
constexpr int RepetitionMinimumMove = 12;

} // namespace

int TEngineGame::MovesMadeInTurn() const
{
    int made = 0;
    while (made < movesPerTeamTurn_ && slots_[static_cast<std::size_t>(made)] != SqrNone)
        ++made;
    return made;
}

bool TEngineGame::TurnMustSwitch() const
{
    return slots_[static_cast<std::size_t>(movesPerTeamTurn_ - 1)] != SqrNone;
}

void TEngineGame::MarkMovedInTurn(Square sq)
{
    for (int i = 0; i < movesPerTeamTurn_; ++i) {
        Square& slot = slots_[static_cast<std::size_t>(i)];
        if (slot == SqrNone) {
            slot = sq;
            return;
        }
    }
}

void TEngineGame::SwitchTeamTurn()
{
    slots_.fill(SqrNone);
    whiteToMove_ = !whiteToMove_;
    movedThisTurn_ = false;
    // The markers of the team whose turn begins have served their purpose.
    TCellList& markers = markers_[static_cast<std::size_t>(SideToMove())];
    while (markers.count > 0) {
        const int cell = markers.cells[static_cast<std::size_t>(markers.count - 1)];
        Put(cell, Empty, owner_[static_cast<std::size_t>(cell)]);
    }
    player_ = '1';
}

void TEngineGame::ForfeitCurrentPlayer()
{
    const int share = std::max(1, movesPerPlayerTurn_);
    const int player = std::max(1, player_ - '0');
    const int shareEnd = std::min(player * share, movesPerTeamTurn_);
    int made = MovesMadeInTurn();
    // A player past his share still gives up a slot, so settling always ends.
    const int until = std::max(shareEnd, made + 1);
    for (; made < until && made < movesPerTeamTurn_; ++made)
        slots_[static_cast<std::size_t>(made)] = SqrUsedSlot;
    player_ = static_cast<char>('1' + MovesMadeInTurn() / share);
}

void TEngineGame::SaveTurn(TUndo& undo) const
{
    undo.journalSize = static_cast<std::uint32_t>(journal_.size());
    undo.startJournalSize = static_cast<std::uint32_t>(startJournal_.size());
    undo.slots = slots_;
    undo.player = player_;
    undo.whiteToMove = whiteToMove_;
    undo.movedThisTurn = movedThisTurn_;
    undo.result = result_;
    undo.recordPushed = false;
    undo.turnEndPushed = false;
}

void TEngineGame::RestoreTurn(const TUndo& undo)
{
    Rewind(undo.journalSize, undo.startJournalSize);
    slots_ = undo.slots;
    player_ = undo.player;
    whiteToMove_ = undo.whiteToMove;
    movedThisTurn_ = undo.movedThisTurn;
    result_ = undo.result;
}

void TEngineGame::PushRecord(bool whiteTeam, TUndo& undo)
{
    const int last = MoveNumber();
    if (last >= 1 && history_[static_cast<std::size_t>(last)].whiteTeam != whiteTeam) {
        const bool team = history_[static_cast<std::size_t>(last)].whiteTeam;
        turnEnds_[team ? WhiteSide : BlackSide].push_back(last);
        undo.turnEndPushed = true;
    }
    history_.push_back({placementKey_, whiteTeam});
    undo.recordPushed = true;
}

void TEngineGame::PopRecord(const TUndo& undo)
{
    if (!undo.recordPushed)
        return;
    history_.pop_back();
    if (undo.turnEndPushed) {
        const int last = MoveNumber();
        turnEnds_[history_[static_cast<std::size_t>(last)].whiteTeam ? WhiteSide : BlackSide].pop_back();
    }
}

bool TEngineGame::RepetitionStands() const
{
    const int last = MoveNumber();
    if (last < RepetitionMinimumMove || last > MaxHistoryMoves)
        return false;
    const TRecord& newest = history_[static_cast<std::size_t>(last)];
    // Only the moving team's own turn ends can hold the position after its moves.
    const std::vector<int>& ends = turnEnds_[newest.whiteTeam ? WhiteSide : BlackSide];
    const int count = static_cast<int>(ends.size());
    const int oldest = std::max(0, count - RepetitionTurnEnds);
    int repeats = 0;
    for (int i = count - 1; i >= oldest; --i) {
        if (history_[static_cast<std::size_t>(ends[static_cast<std::size_t>(i)])].key == newest.key)
            ++repeats;
    }
    return repeats > 3;
}

TSettleOutcome TEngineGame::Settle(TUndo& undo)
{
    SaveTurn(undo);
    undo.recordKey = history_.back().key;
    TSettleOutcome outcome = TSettleOutcome::Ready;
    bool movedInThisTurn = movedThisTurn_;
    for (;;) {
        if (TurnMustSwitch()) {
            SwitchTeamTurn();
            movedInThisTurn = false;
            continue;
        }
        if (CurrentPlayerCanMove())
            break;
        ForfeitCurrentPlayer();
        if (TurnMustSwitch() && !movedInThisTurn) {
            // Nobody of this team could make a single move of the new turn:
            // the turn stays as it began and the team has lost.
            slots_.fill(SqrNone);
            player_ = '1';
            result_ = whiteToMove_ ? TGameResult::BlackWon : TGameResult::WhiteWon;
            outcome = TSettleOutcome::TeamLost;
            break;
        }
    }
    movedThisTurn_ = movedInThisTurn;
    // The record of the last move holds the board as the settling left it.
    history_.back().key = placementKey_;
    return outcome;
}

void TEngineGame::Unsettle(const TUndo& undo)
{
    RestoreTurn(undo);
    history_.back().key = undo.recordKey;
}

} // namespace engine
