#include "onlineSession.h"

#include <QRandomGenerator>
#include <algorithm>

#include "clientRequests.h"
#include "gameCode.h"
#include "messageFields.h"
#include "protocolLimits.h"
#include "wholeNumber.h"

namespace net {

namespace {

qint64 Now()
{
    return MonotonicNowMs();
}

} // namespace

TOnlineSession::TOnlineSession(QObject* parent) : QObject(parent)
{
    // Move ids must never repeat within a game, also across restarts of the
    // window: the server answers a used id with its old move instead of playing.
    idPrefix_ = QString::number(QRandomGenerator::system()->generate64(), 36);
    connect(&connection_, &TOnlineConnection::Welcomed, this, &TOnlineSession::OnWelcomed);
    connect(&connection_, &TOnlineConnection::FrameReceived, this, &TOnlineSession::OnFrame);
    connect(&connection_, &TOnlineConnection::StateChanged, this, &TOnlineSession::ConnectionChanged);
    connect(&connection_, &TOnlineConnection::Failed, this, [this](const QString& problem) {
        Keep();
        emit Failed(problem);
    });
}

void TOnlineSession::Start(const QUrl& server, const QString& name, TIntent intent)
{
    intent_ = intent;
    name_ = name;
    connection_.Open(server, name);
}

void TOnlineSession::Host(const QUrl& server, const QString& name, const TOnlineSettings& settings,
                          const QList<TSeat>& seats)
{
    settings_ = settings;
    seatsToTake_ = seats;
    Start(server, name, TIntent::Host);
}

void TOnlineSession::Join(const QUrl& server, const QString& name, const QString& code,
                          const QList<TSeat>& seats)
{
    code_ = NormalGameCode(code);
    seatsToTake_ = seats;
    watching_ = seats.isEmpty();
    Start(server, name, TIntent::Join);
}

void TOnlineSession::Watch(const QUrl& server, const QString& name, const QString& code)
{
    Join(server, name, code, {});
}

void TOnlineSession::Resume(const TKeptOnlineGame& kept)
{
    code_ = kept.code;
    settings_ = kept.settings;
    hostToken_ = kept.hostToken;
    tokens_ = kept.seats;
    for (const TKeptSeat& seat : tokens_)
        game_.SetHeld(seat.seat, true);
    watching_ = kept.watching;
    resumedPending_ = kept.pending;
    Start(kept.server, kept.name, TIntent::Resume);
}

void TOnlineSession::OnWelcomed(bool again)
{
    if (!again || code_.isEmpty()) {
        // The first line (or one that dropped before the game existed): do what was asked.
        if (intent_ == TIntent::Host && hostToken_.isEmpty()) {
            Send(CreateRequest(settings_));
            return;
        }
        if (intent_ == TIntent::Join) {
            for (const TSeat seat : seatsToTake_)
                Send(SeatRequest(QStringLiteral("join"), code_, seat));
            if (watching_)
                Send(WatchRequest(code_, std::nullopt));
            return;
        }
    }
    // Back after a drop (or a restart): every key held, and what was missed.
    // Without a game yet (a kept one, or none shown before the drop) the
    // server's snapshot starts it: only the server knows all that happened.
    CatchUp(game_.HasGame() ? std::optional<qint64>(game_.Seq()) : std::nullopt);
    for (const TSeat seat : seatsToTake_)
        Send(SeatRequest(QStringLiteral("join"), code_, seat));
}

void TOnlineSession::CatchUp(std::optional<qint64> after)
{
    catchingUp_ = true;
    if (!hostToken_.isEmpty())
        Send(RejoinRequest(code_, hostToken_, after));
    for (const TKeptSeat& seat : tokens_)
        Send(RejoinRequest(code_, seat.token, after));
    if (watching_)
        Send(WatchRequest(code_, after));
    // Unanswered moves go again once a seat is back (a move needs its seat).
    resendOnSeated_ = !tokens_.isEmpty();
}

void TOnlineSession::OnFrame(const QString& type, const QJsonObject& body)
{
    if (type == u"created") {
        OnCreated(body);
    } else if (type == u"seated") {
        OnSeated(body);
    } else if (type == u"snapshot") {
        OnSnapshot(body);
    } else if (type == u"event") {
        OnEvent(body);
    } else if (type == u"refused") {
        OnRefused(body);
    } else if (type == u"chat") {
        const TFrameReading<TChatLine> line = ReadChatLine(body);
        if (!line.value) {
            Hostile(line.problem);
            return;
        }
        game_.AddChat(*line.value);
        emit ChatReceived(*line.value);
    } else if (type == u"watchers") {
        const std::optional<qint64> count =
            ReadWholeNumber(body.value(QStringLiteral("count")), 0, 1'000'000);
        if (!count) {
            Hostile(QStringLiteral("watchers: `count` is no count"));
            return;
        }
        game_.SetWatchers(static_cast<int>(*count));
        emit WatchersChanged(game_.Watchers());
    } else if (type == u"error") {
        if (const std::optional<TSeat> lost = ReadSeat(body.value(QStringLiteral("seat")).toString());
            lost && body.value(QStringLiteral("code")).toString() == u"seat-taken")
            LoseSeat(*lost);
        emit ErrorReceived(body.value(QStringLiteral("code")).toString().left(MaxNameLength),
                           body.value(QStringLiteral("text")).toString().left(MaxChatLength));
    }
    // Other types are a newer server's news this window does not show.
}

void TOnlineSession::OnCreated(const QJsonObject& body)
{
    TMessageFields fields(body, QStringLiteral("created: "));
    const QString code = fields.GameCode(u"game");
    const QString token = fields.PrintableAscii(u"token", 128);
    if (fields.Failed()) {
        Hostile(fields.Problem());
        return;
    }
    code_ = code;
    hostToken_ = token;
    emit Created(code_);
    for (const TSeat seat : seatsToTake_)
        Send(SeatRequest(QStringLiteral("join"), code_, seat));
    Keep();
}

void TOnlineSession::OnSeated(const QJsonObject& body)
{
    TMessageFields fields(body, QStringLiteral("seated: "));
    const QString code = fields.GameCode(u"game");
    const TSeat seat = fields.Seat(u"seat");
    const QString token = fields.PrintableAscii(u"token", 128);
    if (fields.Failed() || code != code_) {
        Hostile(fields.Failed() ? fields.Problem() : QStringLiteral("seated: a seat of another game"));
        return;
    }
    tokens_.removeIf([&](const TKeptSeat& kept) { return kept.seat == seat; });
    tokens_.append({seat, token});
    seatsToTake_.removeAll(seat);
    game_.SetHeld(seat, true);
    emit Seated(seat);
    emit SeatsChanged();
    if (resendOnSeated_) {
        resendOnSeated_ = false;
        SendPending();
    }
    Keep();
}

void TOnlineSession::OnSnapshot(const QJsonObject& body)
{
    const TFrameReading<TSnapshot> snapshot = ReadSnapshot(body, Now());
    if (!snapshot.value) {
        Hostile(snapshot.problem);
        return;
    }
    if (snapshot.value->game != code_) {
        Hostile(QStringLiteral("the server sent the game %1 for %2").arg(snapshot.value->game, code_));
        return;
    }
    const TGameChange change = game_.Follow(*snapshot.value);
    if (change.fit == TEventFit::Wrong) {
        Hostile(change.problem);
        return;
    }
    catchingUp_ = false;
    if (!resumedPending_.empty()) {
        game_.RestorePending(resumedPending_);
        resumedPending_.clear();
        SendPending();
    }
    emit GameReset();
    emit SeatsChanged();
    emit ClocksChanged();
    emit StateChanged();
    emit WatchersChanged(game_.Watchers());
    emit EventFollowed(game_.Seq());
    Keep();
}

void TOnlineSession::OnEvent(const QJsonObject& body)
{
    const TFrameReading<TEvent> event = ReadEvent(body, Now());
    if (!event.value) {
        Hostile(event.problem);
        return;
    }
    const TGameChange change = game_.Follow(*event.value);
    switch (change.fit) {
    case TEventFit::Wrong:
        Hostile(change.problem);
        return;
    case TEventFit::Gap:
        if (!catchingUp_)
            CatchUp(game_.Seq());
        return;
    case TEventFit::Seen:
        SignalChange(change);
        return;
    case TEventFit::Applied:
        break;
    }
    catchingUp_ = false;
    const QString& kind = event.value->kind;
    // Left by us, or freed by the host: either way the seat is no longer ours.
    if (kind == u"left" && event.value->seat)
        LoseSeat(*event.value->seat);
    SignalChange(change);
    if (kind == u"seated" || kind == u"left" || kind == u"connection")
        emit SeatsChanged();
    else
        emit StateChanged();
    if (event.value->clocks)
        emit ClocksChanged();
    emit EventFollowed(game_.Seq());
    Keep();
}

void TOnlineSession::LoseSeat(TSeat seat)
{
    if (!HeldSeats().contains(seat))
        return;
    tokens_.removeIf([&](const TKeptSeat& kept) { return kept.seat == seat; });
    game_.SetHeld(seat, false);
    emit SeatsChanged();
    Keep();
}

void TOnlineSession::SignalChange(const TGameChange& change)
{
    if (change.boardReset)
        emit GameReset();
    if (change.answered)
        emit MoveAnswered(change.answered->id);
    if (change.arrived)
        emit MoveArrived(static_cast<int>(game_.Moves().size()), change.arrived->move.from,
                         change.arrived->move.to);
}

void TOnlineSession::OnRefused(const QJsonObject& body)
{
    const QString id = body.value(QStringLiteral("id")).toString();
    const QString reason = body.value(QStringLiteral("reason")).toString().left(MaxChatLength);
    if (const std::optional<TPendingMove> taken = game_.TakeBack(id)) {
        emit MoveTakenBack(taken->id, taken->move.from, taken->move.to, reason);
        Keep();
    }
}

void TOnlineSession::Hostile(const QString& problem)
{
    connection_.Fail(QStringLiteral("the server's answer cannot be trusted: %1").arg(problem));
}

void TOnlineSession::TakeSeats(const QList<TSeat>& seats)
{
    for (const TSeat seat : seats) {
        if (!seatsToTake_.contains(seat))
            seatsToTake_.append(seat);
        Send(SeatRequest(QStringLiteral("join"), code_, seat));
    }
}

void TOnlineSession::Leave(TSeat seat)
{
    Send(SeatRequest(QStringLiteral("leave"), code_, seat));
}

void TOnlineSession::Free(TSeat seat)
{
    Send(SeatRequest(QStringLiteral("free"), code_, seat));
}

TMoveRequest TOnlineSession::Move(Square from, Square to, char promotion)
{
    const std::optional<TSeat> seat = game_.BoardMover();
    if (!seat)
        return {{}, QStringLiteral("nobody is to move")};
    const TPendingMove move{
        idPrefix_ + QLatin1Char('-') + QString::number(++movesMade_), *seat, {from, to, promotion}};
    if (const QString problem = game_.MakeMove(move); !problem.isEmpty())
        return {{}, problem};
    // Sent now if the line is up; otherwise after the reconnect, with the same id.
    Send(MoveRequest(code_, move.id, move.move));
    Keep();
    return {move.id, {}};
}

void TOnlineSession::SendPending()
{
    for (const TPendingMove& move : game_.Pending())
        Send(MoveRequest(code_, move.id, move.move));
}

std::optional<TSeat> TOnlineSession::TeamSeat(std::optional<TSeat> forSeat) const
{
    if (forSeat)
        return forSeat;
    const QList<TSeat> held = HeldSeats();
    const bool bothTeams = std::any_of(held.begin(), held.end(), [](TSeat s) { return s.white; }) &&
                           std::any_of(held.begin(), held.end(), [](TSeat s) { return !s.white; });
    if (!bothTeams)
        return std::nullopt;
    if (const std::optional<TSeat> toMove = game_.ToMove(); toMove && held.contains(*toMove))
        return toMove;
    return held.first();
}

void TOnlineSession::Command(TTeamCommand command, std::optional<TSeat> forSeat)
{
    if (!Send(CommandRequest(code_, command, TeamSeat(forSeat))))
        emit ErrorReceived(
            QStringLiteral("offline"),
            QStringLiteral("not connected to the server: %1 was not sent").arg(CommandName(command)));
}

void TOnlineSession::Chat(const QString& text, bool toTeam, std::optional<TSeat> forSeat)
{
    if (!Send(ChatRequest(code_, text, toTeam, TeamSeat(forSeat))))
        emit ErrorReceived(QStringLiteral("offline"),
                           QStringLiteral("not connected to the server: the line was not sent"));
}

void TOnlineSession::Close()
{
    connection_.Close();
}

QList<TSeat> TOnlineSession::HeldSeats() const
{
    QList<TSeat> seats;
    for (const TKeptSeat& kept : tokens_)
        seats.append(kept.seat);
    return seats;
}

TKeptOnlineGame TOnlineSession::Kept() const
{
    TKeptOnlineGame kept;
    kept.server = connection_.Url();
    kept.code = code_;
    kept.name = name_;
    kept.hostToken = hostToken_;
    kept.seats = tokens_;
    kept.watching = watching_;
    kept.seq = game_.Seq();
    kept.settings = game_.HasGame() ? game_.Settings() : settings_;
    kept.moves = game_.Moves();
    kept.pending = game_.Pending();
    kept.pending.insert(kept.pending.end(), resumedPending_.begin(), resumedPending_.end());
    kept.state = game_.State();
    kept.endingMessage = game_.Ending().message;
    return kept;
}

void TOnlineSession::Keep()
{
    if (keepPath_.isEmpty() || code_.isEmpty())
        return;
    if (const QString problem = WriteKeptOnlineGame(keepPath_, Kept()); !problem.isEmpty())
        emit KeepingFailed(problem);
}

} // namespace net
