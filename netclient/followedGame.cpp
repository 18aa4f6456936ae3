#include "followedGame.h"

#include <algorithm>
#include <array>

#include "endingWords.h"
#include "onlineBoard.h"
#include "refereeGame.h"
#include "veltanbrdKernel.h"

namespace net {

namespace {

// Chat lines kept for the window; older ones scroll away.
constexpr qsizetype MostChatLines = 500;

bool SameMove(const TProtocolMove& a, const TProtocolMove& b)
{
    const auto letter = [](char promotion) { return promotion == NoPromotion ? 'q' : promotion; };
    return a.from == b.from && a.to == b.to && letter(a.promotion) == letter(b.promotion);
}

void Ask(TAsked& asked, bool white)
{
    (white ? asked.white : asked.black) = true;
}

} // namespace

TFollowedGame::TFollowedGame() : board_(std::make_unique<TVeltanBrdKernel>())
{
}

TFollowedGame::~TFollowedGame() = default;

QString TFollowedGame::Rebuild(bool withPending)
{
    board_ = std::make_unique<TVeltanBrdKernel>();
    if (const QString problem = StartOnlineBoard(*board_, settings_); !problem.isEmpty())
        return problem;
    if (const QString problem = ReplayMoves(*board_, moves_); !problem.isEmpty())
        return QStringLiteral("the server's ") + problem;
    if (withPending)
        for (const TPendingMove& pending : pending_) {
            // One that no longer fits stays pending, off the board: the server
            // answers it either way, and the answer decides.
            if (BoardMover() == pending.seat)
                PlayRefereedMove(*board_, pending.move);
        }
    return {};
}

std::optional<TSeat> TFollowedGame::BoardMover() const
{
    if (!HasGame() || board_->GameEnded() || board_->Ending() != TGameEnding::None)
        return std::nullopt;
    const int player = board_->CurrentTeamPlayer() - '0';
    if (player < 1 || player > settings_.playersPerTeam)
        return std::nullopt;
    return TSeat{board_->WhiteToMove(), player};
}

TGameChange TFollowedGame::Follow(const TSnapshot& snapshot)
{
    TGameChange change;
    change.boardReset = true;
    if (HasGame() && snapshot.game != code_) {
        change.fit = TEventFit::Wrong;
        change.problem =
            QStringLiteral("the server sent the snapshot of game %1 for game %2").arg(snapshot.game, code_);
        return change;
    }
    code_ = snapshot.game;
    seq_ = snapshot.seq;
    settings_ = snapshot.settings;
    seats_ = snapshot.seats;
    for (TSeatView& seat : seats_)
        seat.heldHere = Held(seat.seat);
    moves_ = snapshot.moves;
    clocks_ = snapshot.clocks;
    toMove_ = snapshot.toMove;
    movesLeft_ = snapshot.movesLeft;
    state_ = snapshot.state;
    ending_ = snapshot.ending;
    drawOfferWhite_ = snapshot.drawOfferWhite;
    askedStart_ = snapshot.askedStart;
    askedPause_ = snapshot.askedPause;
    askedContinue_ = snapshot.askedContinue;
    watchers_ = snapshot.watchers;
    chat_ = snapshot.chat;
    change.problem = Rebuild(false);
    if (change.problem.isEmpty())
        change.problem = state_ == TGameState::Ended ? CheckEnding() : CheckMover(toMove_, "snapshot");
    if (change.problem.isEmpty())
        Rebuild(true);
    else
        change.fit = TEventFit::Wrong;
    return change;
}

TGameChange TFollowedGame::Follow(const TEvent& event)
{
    TGameChange change;
    if (!HasGame() || event.seq > seq_ + 1) {
        change.fit = TEventFit::Gap;
        return change;
    }
    if (event.game != code_) {
        change.fit = TEventFit::Wrong;
        change.problem =
            QStringLiteral("the server sent an event of game %1 for game %2").arg(event.game, code_);
        return change;
    }
    if (event.seq <= seq_) {
        change.fit = TEventFit::Seen;
        // A move resent after a reconnect is answered with its old event: the
        // server had played it, and the board has it from the snapshot.
        const auto pending = std::find_if(pending_.begin(), pending_.end(),
                                          [&](const TPendingMove& move) { return move.id == event.id; });
        if (event.kind == u"move" && pending != pending_.end() && event.seat == pending->seat) {
            change.answered = *pending;
            pending_.erase(pending);
            Rebuild(true);
            change.boardReset = true;
        }
        return change;
    }
    seq_ = event.seq;
    if (event.clocks)
        clocks_ = *event.clocks;
    const QString& kind = event.kind;
    if (kind == u"move") {
        change = FollowMove(event);
    } else if (kind == u"seated" && event.seat) {
        SetSeat(*event.seat, event.name, true);
    } else if (kind == u"left" && event.seat) {
        SetSeat(*event.seat, QString(), false);
    } else if (kind == u"connection" && event.seat) {
        const auto seat = std::find_if(seats_.begin(), seats_.end(),
                                       [&](const TSeatView& view) { return view.seat == *event.seat; });
        if (seat != seats_.end())
            seat->connected = event.connected;
    } else if (kind == u"start-asked" && event.white) {
        Ask(askedStart_, *event.white);
    } else if (kind == u"pause-asked" && event.white) {
        Ask(askedPause_, *event.white);
    } else if (kind == u"continue-asked" && event.white) {
        Ask(askedContinue_, *event.white);
    } else if (kind == u"draw-offered" && event.white) {
        drawOfferWhite_ = event.white;
    } else if (kind == u"draw-declined") {
        drawOfferWhite_.reset();
    } else if (kind == u"started" || kind == u"resumed") {
        state_ = TGameState::Running;
        (kind == u"started" ? askedStart_ : askedContinue_) = {};
        askedPause_ = {};
        toMove_ = event.toMove;
        if (event.movesLeft && kind == u"started")
            movesLeft_ = *event.movesLeft;
        change.problem = CheckMover(toMove_, kind == u"started" ? "start" : "resumption");
    } else if (kind == u"paused") {
        state_ = TGameState::Paused;
        pauseReason_ = event.reason;
        askedPause_ = {};
        askedContinue_ = {};
    } else if (kind == u"ended") {
        state_ = TGameState::Ended;
        ending_ = event.ending;
        toMove_.reset();
        drawOfferWhite_.reset();
        change.problem = CheckEnding();
    }
    if (!change.problem.isEmpty())
        change.fit = TEventFit::Wrong;
    return change;
}

TGameChange TFollowedGame::FollowMove(const TEvent& event)
{
    TGameChange change;
    const TSeat seat = event.seat.value_or(TSeat{});
    const bool whiteMoved = seat.white;
    const TPlayedMove played{event.move,
                             event.clocks ? (whiteMoved ? event.clocks->whiteMs : event.clocks->blackMs) : 0};
    toMove_ = event.toMove;
    movesLeft_ = event.movesLeft.value_or(0);
    drawOfferWhite_ = event.drawOfferWhite;
    // The usual answer to a move made here: the first pending one, played as sent.
    if (!pending_.empty() && pending_.front().id == event.id && pending_.front().seat == seat &&
        SameMove(pending_.front().move, event.move)) {
        change.answered = pending_.front();
        pending_.erase(pending_.begin());
        moves_.push_back(played);
        change.problem = CheckMover(toMove_, "move event");
        return change;
    }
    if (!pending_.empty()) {
        change.problem = Rebuild(false);
        change.boardReset = true;
    }
    if (change.problem.isEmpty() && BoardMover() != seat)
        change.problem =
            QStringLiteral("the server played move %1 for %2, but %3 is to move")
                .arg(moves_.size() + 1)
                .arg(SeatName(seat), BoardMover() ? SeatName(*BoardMover()) : QStringLiteral("nobody"));
    if (change.problem.isEmpty()) {
        const std::string refusal = PlayRefereedMove(*board_, event.move);
        if (!refusal.empty())
            change.problem = QStringLiteral("the server played move %1 %2, which the rules refuse: %3")
                                 .arg(moves_.size() + 1)
                                 .arg(MoveName(event.move), QString::fromStdString(refusal));
    }
    if (!change.problem.isEmpty())
        return change;
    moves_.push_back(played);
    const auto mine = std::find_if(pending_.begin(), pending_.end(), [&](const TPendingMove& move) {
        return move.id == event.id && move.seat == seat;
    });
    if (mine != pending_.end()) {
        change.answered = *mine;
        pending_.erase(mine);
    } else {
        change.arrived = played;
    }
    if (change.boardReset)
        Rebuild(true);
    change.problem = CheckMover(toMove_, "move event");
    return change;
}

QString TFollowedGame::MakeMove(const TPendingMove& move)
{
    if (!HasGame())
        return QStringLiteral("no game is followed");
    if (state_ != TGameState::Running)
        return QStringLiteral("the game is not running");
    if (!Held(move.seat))
        return QStringLiteral("%1 is not held here").arg(SeatName(move.seat));
    if (BoardMover() != move.seat)
        return QStringLiteral("it is not %1's move").arg(SeatName(move.seat));
    const std::string refusal = PlayRefereedMove(*board_, move.move);
    if (!refusal.empty())
        return QString::fromStdString(refusal);
    pending_.push_back(move);
    return {};
}

std::optional<TPendingMove> TFollowedGame::TakeBack(const QString& id)
{
    const auto pending = std::find_if(pending_.begin(), pending_.end(),
                                      [&](const TPendingMove& move) { return move.id == id; });
    if (pending == pending_.end())
        return std::nullopt;
    const TPendingMove taken = *pending;
    pending_.erase(pending);
    Rebuild(true);
    return taken;
}

void TFollowedGame::RestorePending(const std::vector<TPendingMove>& moves)
{
    pending_.insert(pending_.end(), moves.begin(), moves.end());
    Rebuild(true);
}

void TFollowedGame::SetHeld(TSeat seat, bool held)
{
    std::erase(held_, seat);
    if (held)
        held_.push_back(seat);
    for (TSeatView& view : seats_)
        view.heldHere = Held(view.seat);
}

bool TFollowedGame::Held(TSeat seat) const
{
    return std::find(held_.begin(), held_.end(), seat) != held_.end();
}

void TFollowedGame::AddChat(const TChatLine& line)
{
    chat_.append(line);
    if (chat_.size() > MostChatLines)
        chat_.remove(0, chat_.size() - MostChatLines);
}

void TFollowedGame::SetSeat(TSeat seat, const QString& name, bool connected)
{
    for (TSeatView& view : seats_)
        if (view.seat == seat) {
            view.name = name;
            view.connected = connected;
        }
}

QString TFollowedGame::CheckMover(std::optional<TSeat> told, const char* where) const
{
    if (state_ != TGameState::Running || !told || !pending_.empty())
        return {};
    const std::optional<TSeat> mover = BoardMover();
    if (mover && *told != *mover)
        return QStringLiteral("the server's %1 after move %2 has %3 to move, the rules %4")
            .arg(QString::fromLatin1(where))
            .arg(moves_.size())
            .arg(SeatName(*told), SeatName(*mover));
    return {};
}

QString TFollowedGame::CheckEnding() const
{
    return EndingDisagreement(ending_.result, ending_.reason, *board_);
}

} // namespace net
