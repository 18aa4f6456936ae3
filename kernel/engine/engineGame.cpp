// Building the engine's game from the kernel's, reading it back as text, and
// the journal through which every change of a cell can be taken back.

#include "engineGame.h"

#include <algorithm>

#include "placementValues.h"
#include "zobrist.h"

namespace engine {

namespace {

bool IsSlider(Code code)
{
    const int kind = KindOf(code);
    return kind == Bishop || kind == Rook || kind == Queen;
}

void AddToList(TCellList& list, std::array<std::uint8_t, CellCount>& index, int cell)
{
    index[static_cast<std::size_t>(cell)] = static_cast<std::uint8_t>(list.count);
    list.cells[static_cast<std::size_t>(list.count)] = static_cast<std::uint16_t>(cell);
    ++list.count;
}

// The last entry takes the freed place.
void RemoveFromList(TCellList& list, std::array<std::uint8_t, CellCount>& index, int cell)
{
    const std::uint8_t at = index[static_cast<std::size_t>(cell)];
    const std::uint16_t last = list.cells[static_cast<std::size_t>(list.count - 1)];
    list.cells[at] = last;
    index[last] = at;
    --list.count;
}

char CharAt(const std::string& text, int square, char fill)
{
    const std::size_t i = static_cast<std::size_t>(square - 1);
    return i < text.size() && text[i] != '\0' ? text[i] : fill;
}

} // namespace

TEngineGame::TEngineGame(const TVeltanBrdKernel& game)
{
    Import(game, game.StartPosition());
}

TEngineGame::TEngineGame(const TVeltanBrdKernel& game, const std::string& unmovedPieces)
{
    Import(game, unmovedPieces);
}

std::uint64_t TEngineGame::RecordKey(const std::string& position)
{
    std::uint64_t key = 0;
    for (int sq = 1; sq <= SquareCount; ++sq) {
        const Code code = CodeOfLetter(CharAt(position, sq, ' '));
        if (code != Empty)
            key ^= engine::PlacementKey(code, sq);
    }
    return key;
}

void TEngineGame::Import(const TVeltanBrdKernel& game, const std::string& unmovedPieces)
{
    cell_.fill(Guard);
    owner_.fill('0');
    start_.fill(' ');
    const std::string position = game.position();
    const std::string players = game.players();
    for (int sq = 1; sq <= SquareCount; ++sq) {
        const int cell = CellOf(sq);
        cell_[static_cast<std::size_t>(cell)] = Empty;
        const char letter = CharAt(unmovedPieces, sq, ' ');
        start_[static_cast<std::size_t>(cell)] = letter;
        startKey_ ^= StartKey(letter, sq);
        Place(cell, CodeOfLetter(CharAt(position, sq, ' ')), CharAt(players, sq, '0'));
    }
    // While the board filled, cells not yet read were still guards.
    for (const int side : {WhiteSide, BlackSide})
        mobility_[static_cast<std::size_t>(side)] = CountMobility(side);

    whiteToMove_ = game.WhiteToMove();
    player_ = game.CurrentTeamPlayer();
    slots_ = game.MovedPerTurn();
    movesPerTeamTurn_ = std::clamp(game.MovesPerTeamTurn(), 1, MaxMovesPerTeamTurn);
    movesPerPlayerTurn_ = game.MovesPerPlayerTurn();
    promoteTo_ = game.PromoteTo;
    // A recorded square in the slots is a real move of this turn; forfeits and
    // jumps in the history leave only used marks.
    movedThisTurn_ = false;
    for (const Square slot : slots_) {
        if (slot == SqrNone)
            break;
        if (slot != SqrUsedSlot)
            movedThisTurn_ = true;
    }

    const int last = std::clamp(game.LastMove, 0, MaxHistoryMoves);
    history_.reserve(static_cast<std::size_t>(last) + 512);
    for (int i = 0; i <= last; ++i) {
        const MoveInfo& record = game.MoveList[static_cast<std::size_t>(i)];
        history_.push_back({RecordKey(record.position), record.WhiteTeamIsPlaying});
        if (i >= 2 && history_[static_cast<std::size_t>(i - 1)].whiteTeam != record.WhiteTeamIsPlaying) {
            const bool team = history_[static_cast<std::size_t>(i - 1)].whiteTeam;
            turnEnds_[team ? WhiteSide : BlackSide].push_back(i - 1);
        }
    }
    journal_.reserve(4096);
    startJournal_.reserve(1024);
}

std::string TEngineGame::PositionText() const
{
    std::string text(SquareCount, ' ');
    for (int sq = 1; sq <= SquareCount; ++sq)
        text[static_cast<std::size_t>(sq - 1)] = LetterOf(cell_[static_cast<std::size_t>(CellOf(sq))]);
    return text;
}

std::string TEngineGame::PlayersText() const
{
    std::string text(SquareCount, '0');
    for (int sq = 1; sq <= SquareCount; ++sq)
        text[static_cast<std::size_t>(sq - 1)] = owner_[static_cast<std::size_t>(CellOf(sq))];
    return text;
}

std::string TEngineGame::UnmovedText() const
{
    std::string text(SquareCount, ' ');
    for (int sq = 1; sq <= SquareCount; ++sq)
        text[static_cast<std::size_t>(sq - 1)] = start_[static_cast<std::size_t>(CellOf(sq))];
    return text;
}

char TEngineGame::PieceOn(Square sq) const
{
    return IsBoardSquare(sq) ? LetterOf(cell_[static_cast<std::size_t>(CellOf(sq))]) : ' ';
}

std::uint64_t TEngineGame::Key() const
{
    std::uint64_t turn = whiteToMove_ ? 1 : 0;
    turn = turn * 131 + static_cast<unsigned char>(player_);
    turn = turn * 3 + (movedThisTurn_ ? 1 : 0);
    for (const Square slot : slots_)
        turn = turn * 65599 + slot;
    return placementKey_ ^ ownerKey_ ^ startKey_ ^ MixKey(turn);
}

// ---- The journal ----------------------------------------------------------------

void TEngineGame::Lift(int cell)
{
    const std::size_t c = static_cast<std::size_t>(cell);
    const Code code = cell_[c];
    if (!IsOccupant(code))
        return;
    const int sq = SquareOfCell[c];
    placementKey_ ^= engine::PlacementKey(code, sq);
    placementScore_ -= PlacementValue(code, sq);
    const std::size_t side = static_cast<std::size_t>(SideOf(code));
    MarkSquare(occupied_[side], SetIndexOfCell(cell), false);
    TCellList& list = KindOf(code) == Marker ? markers_[side] : pieces_[side];
    if (KindOf(code) != Marker)
        ownerKey_ ^= OwnerKey(owner_[c], sq);
    if (KindOf(code) == King) {
        RemoveFromList(kingCells_[side], kingIndex_, cell);
    } else if (KindOf(code) == Knight) {
        MarkSquare(knightSquares_[side], SetIndexOfCell(cell), false);
    } else if (IsSlider(code)) {
        RemoveFromList(sliders_[side], sliderIndex_, cell);
        MarkSlider(cell, code, false);
        mobility_[side] -= SliderMobility(cell);
    }
    RemoveFromList(list, listIndex_, cell);
    cell_[c] = Empty;
    AdjustLinesThrough(cell, code, 1);
}

void TEngineGame::Place(int cell, Code code, char owner)
{
    const std::size_t c = static_cast<std::size_t>(cell);
    if (IsOccupant(code))
        AdjustLinesThrough(cell, code, -1);
    cell_[c] = code;
    owner_[c] = owner;
    if (!IsOccupant(code))
        return;
    const int sq = SquareOfCell[c];
    placementKey_ ^= engine::PlacementKey(code, sq);
    placementScore_ += PlacementValue(code, sq);
    const std::size_t side = static_cast<std::size_t>(SideOf(code));
    MarkSquare(occupied_[side], SetIndexOfCell(cell), true);
    TCellList& list = KindOf(code) == Marker ? markers_[side] : pieces_[side];
    if (KindOf(code) != Marker)
        ownerKey_ ^= OwnerKey(owner, sq);
    if (KindOf(code) == King) {
        AddToList(kingCells_[side], kingIndex_, cell);
    } else if (KindOf(code) == Knight) {
        MarkSquare(knightSquares_[side], SetIndexOfCell(cell), true);
    } else if (IsSlider(code)) {
        AddToList(sliders_[side], sliderIndex_, cell);
        MarkSlider(cell, code, true);
        mobility_[side] += SliderMobility(cell);
    }
    AddToList(list, listIndex_, cell);
}

void TEngineGame::Put(int cell, Code code, char owner)
{
    const std::size_t c = static_cast<std::size_t>(cell);
    journal_.push_back({static_cast<std::uint16_t>(cell), cell_[c], owner_[c]});
    Lift(cell);
    Place(cell, code, owner);
}

void TEngineGame::BlankStart(int cell)
{
    const std::size_t c = static_cast<std::size_t>(cell);
    if (start_[c] == ' ')
        return;
    startJournal_.push_back({static_cast<std::uint16_t>(cell), start_[c]});
    startKey_ ^= StartKey(start_[c], SquareOfCell[c]);
    start_[c] = ' ';
}

void TEngineGame::Rewind(std::uint32_t journalSize, std::uint32_t startJournalSize)
{
    while (journal_.size() > journalSize) {
        const TJournalEntry entry = journal_.back();
        journal_.pop_back();
        Lift(entry.cell);
        Place(entry.cell, entry.code, entry.owner);
    }
    while (startJournal_.size() > startJournalSize) {
        const TStartEntry entry = startJournal_.back();
        startJournal_.pop_back();
        start_[entry.cell] = entry.letter;
        startKey_ ^= StartKey(entry.letter, SquareOfCell[entry.cell]);
    }
}

} // namespace engine
