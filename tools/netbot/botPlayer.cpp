#include "botPlayer.h"

#include <QJsonObject>
#include <QTextStream>
#include <algorithm>

#include "botConnection.h"
#include "gameFollower.h"
#include "moveChooser.h"
#include "onlineSettings.h"
#include "seat.h"
#include "veltanbrdKernel.h"

namespace {

// A refused move is chosen again; the server refusing this often in a row
// means the bot's board and the server's disagree, which no retry mends.
constexpr int MostRefusalsInARow = 5;
// A refused move is tried again after this pause, so a game the server has
// just paused is not flooded with moves.
constexpr int RetryAfterRefusalMs = 200;
// A server lets a connection send only so many messages a second (about
// twenty); a bot stays well under that however fast it chooses its moves.
constexpr int LeastMsBetweenMoves = 60;
// After the server said "rate" the move it dropped goes again after this pause.
constexpr int RateBackOffMs = 1000;

// A host whose join was taken but whose `seated` was lost with the line frees
// the seat and joins again, a few times at most.
constexpr int MostSeatRecoveries = 3;
// A game whose events go missing more often than this is not followed any further.
constexpr int MostCatchUps = 5;
constexpr int SeatRecoveryDelayMs = 100;

// Errors that tell of a state the bot can wait out; every other error is a fault.
bool Harmless(const QString& code)
{
    return code == "not-allowed" || code == "rate";
}

} // namespace

TBotPlayer::TBotPlayer(const QUrl& server, const QString& name, const TBotPlan& plan,
                       std::unique_ptr<TMoveChooser> chooser, QObject* parent)
    : QObject(parent), plan_(plan), connection_(new TBotConnection(server, name, this)),
      chooser_(std::move(chooser)), follower_(std::make_unique<TGameFollower>()), game_(plan.game)
{
    think_.setSingleShot(true);
    connect(&think_, &QTimer::timeout, this, &TBotPlayer::PlayDueMove);
    recoverSeats_.setSingleShot(true);
    connect(&recoverSeats_, &QTimer::timeout, this, &TBotPlayer::RecoverSeats);
    connect(connection_, &TBotConnection::Welcomed, this, &TBotPlayer::OnWelcomed);
    connect(connection_, &TBotConnection::FrameReceived, this, &TBotPlayer::OnFrame);
    connect(connection_, &TBotConnection::Failed, this, &TBotPlayer::Fail);
}

TBotPlayer::~TBotPlayer() = default;

void TBotPlayer::Start()
{
    connection_->Open();
}

void TBotPlayer::Stop()
{
    think_.stop();
    over_ = true; // nothing more is reported
    connection_->Close();
}

QJsonObject TBotPlayer::Command(const QString& type) const
{
    return {{"type", type}, {"game", game_}};
}

void TBotPlayer::OnWelcomed(bool again)
{
    if (again && !game_.isEmpty() &&
        (!hostToken_.isEmpty() || !seatTokens_.isEmpty() || plan_.seats.isEmpty()))
        CatchUp();
    else
        Begin();
}

void TBotPlayer::Begin()
{
    if (plan_.create && game_.isEmpty())
        connection_->Send({{"type", "create"}, {"settings", net::SettingsJson(plan_.settings)}});
    else if (plan_.seats.isEmpty())
        connection_->Send(Command("watch"));
    else
        JoinSeats();
}

void TBotPlayer::JoinSeats()
{
    for (const net::TSeat seat : plan_.seats) {
        if (!seatTokens_.contains(net::SeatName(seat))) {
            QJsonObject join = Command("join");
            join.insert("seat", net::SeatName(seat));
            connection_->Send(join);
        }
    }
}

// After a reconnect: every token back with the events missed since the last
// one followed, seats never confirmed joined again, then the unanswered move
// under its old id (the server plays it once however often it comes).
void TBotPlayer::CatchUp()
{
    const auto withAfter = [this](QJsonObject message) {
        if (follower_->HasGame())
            message.insert("after", follower_->Seq());
        return message;
    };
    if (plan_.seats.isEmpty() && hostToken_.isEmpty()) {
        connection_->Send(withAfter(Command("watch")));
        return;
    }
    QStringList tokens = seatTokens_.values();
    if (!hostToken_.isEmpty())
        tokens.prepend(hostToken_);
    for (const QString& token : tokens) {
        QJsonObject rejoin = withAfter(Command("rejoin"));
        rejoin.insert("token", token);
        connection_->Send(rejoin);
    }
    if (plan_.seats.isEmpty())
        connection_->Send(withAfter(Command("watch")));
    JoinSeats();
    askedHere_.clear();
    SendPendingAgain();
}

// The seats this bot joined whose token never came: the host frees them
// (the server allows it once their holder's line is gone) and joins again.
void TBotPlayer::RecoverSeats()
{
    for (const net::TSeat seat : plan_.seats) {
        if (!seatTokens_.contains(net::SeatName(seat))) {
            QJsonObject free = Command("free");
            free.insert("seat", net::SeatName(seat));
            connection_->Send(free);
        }
    }
    JoinSeats();
}

// Events were missed on a live line: the protocol's remedy is the events
// after the last one applied. Said on standard error, since a server that
// skips events is worth knowing about, and ended when it keeps happening.
void TBotPlayer::AskForMissedEvents(qint64 seq)
{
    if (catchingUp_)
        return; // the answer to the last request is on its way
    if (++catchUps_ > MostCatchUps)
        return Fail(
            QStringLiteral("event %1 came after event %2, and events went missing %3 times in this game")
                .arg(seq)
                .arg(follower_->Seq())
                .arg(MostCatchUps));
    QTextStream(stderr) << "veltan-netbot: event " << seq << " came after event " << follower_->Seq()
                        << "; asking for the events between" << Qt::endl;
    catchingUp_ = true;
    const QString token = !seatTokens_.isEmpty() ? seatTokens_.begin().value() : hostToken_;
    QJsonObject request = Command(token.isEmpty() ? "watch" : "rejoin");
    if (!token.isEmpty())
        request.insert("token", token);
    request.insert("after", follower_->Seq());
    connection_->Send(request);
}

void TBotPlayer::SendPendingAgain()
{
    if (!pending_ || over_)
        return;
    pending_->resent = true;
    connection_->Send(pending_->message);
}

void TBotPlayer::OnFrame(const QString& type, const QJsonObject& body)
{
    if (over_)
        return;
    if (type == "created") {
        game_ = body.value("game").toString();
        hostToken_ = body.value("token").toString();
        emit Created(game_);
        Begin();
    } else if (type == "seated") {
        if (body.value("game").toString() != game_)
            return;
        seatTokens_.insert(body.value("seat").toString(), body.value("token").toString());
        // A rejoin that missed nothing brings no snapshot and no event: a due move is due now.
        Act();
    } else if (type == "snapshot") {
        if (body.value("game").toString() != game_)
            return;
        if (const QString problem = follower_->FollowSnapshot(body); !problem.isEmpty())
            return Fail(problem);
        catchingUp_ = false;
        if (follower_->State() == "ended")
            return GameOver();
        Act();
    } else if (type == "event") {
        OnEvent(body);
    } else if (type == "refused") {
        OnRefused(body);
    } else if (type == "error") {
        const QString code = body.value("code").toString();
        if (code == "seat-taken" && !hostToken_.isEmpty() && seatRecoveries_ < MostSeatRecoveries) {
            // One recovery for all the errors of one round of joins.
            if (!recoverSeats_.isActive()) {
                ++seatRecoveries_;
                recoverSeats_.start(SeatRecoveryDelayMs);
            }
            return;
        }
        if (!Harmless(code))
            Fail(QStringLiteral("the server answered with error %1: %2")
                     .arg(code, body.value("text").toString()));
        if (code == "rate")
            QTimer::singleShot(RateBackOffMs, this, &TBotPlayer::SendPendingAgain);
    }
    // chat, watchers and pong tell the bot nothing it acts on.
}

void TBotPlayer::OnEvent(const QJsonObject& event)
{
    // A late event of a game played before, or one that came before this
    // connection's snapshot (as the host's does): the snapshot holds it.
    if (event.value("game").toString() != game_ || !follower_->HasGame())
        return;
    const QString id = event.value("id").toString();
    if (event.value("kind").toString() == "move" && !id.isEmpty()) {
        if (pending_ && pending_->id == id) {
            if (!pending_->resent)
                emit MoveConfirmed(pending_->sent.nsecsElapsed() / 1000);
            confirmedIds_.insert(id, event.value("seq").toInteger());
            pending_.reset();
            refusalsInARow_ = 0;
        } else if (confirmedIds_.contains(id) && confirmedIds_.value(id) != event.value("seq").toInteger()) {
            // The same event again (an answer that overtook the events before it) is no second move.
            return Fail(
                QStringLiteral("move %1 was played twice (event %2)").arg(id).arg(follower_->Seq() + 1));
        }
    }
    QString problem;
    switch (follower_->FollowEvent(event, problem)) {
    case TEventFit::Wrong:
        return Fail(QStringLiteral("event %1: %2").arg(event.value("seq").toInteger()).arg(problem));
    case TEventFit::Gap:
        return AskForMissedEvents(event.value("seq").toInteger());
    case TEventFit::Seen:
        return;
    case TEventFit::Applied:
        catchingUp_ = false;
        break;
    }
    if (follower_->State() == "ended")
        return GameOver();
    Act();
}

void TBotPlayer::OnRefused(const QJsonObject& refusal)
{
    if (!pending_ || refusal.value("id").toString() != pending_->id)
        return; // a move already answered by its event, sent again after a reconnect
    const QString reason = refusal.value("reason").toString();
    pending_.reset();
    if (++refusalsInARow_ > MostRefusalsInARow)
        return Fail(QStringLiteral("%1 moves in a row refused, the last because: %2")
                        .arg(refusalsInARow_)
                        .arg(reason));
    think_.start(RetryAfterRefusalMs);
}

bool TBotPlayer::Holds(net::TSeat seat) const
{
    return plan_.seats.contains(seat);
}

void TBotPlayer::Act()
{
    if (!follower_->HasGame() || plan_.seats.isEmpty())
        return;
    const QString state = follower_->State();
    if (state != askedInState_) {
        askedHere_.clear();
        askedInState_ = state;
    }
    // A game starts once every seat is taken and both teams asked for it: the
    // bot asks for its teams once all its own seats are seated.
    if (state == "waiting" && seatTokens_.size() == plan_.seats.size())
        AskForTeams("start");
    // A game paused by the server (a restart, an absent team) goes on when both teams ask.
    if (state == "paused")
        AskForTeams("continue");
    const std::optional<net::TSeat> mover = follower_->Mover();
    if (state == "running" && mover && Holds(*mover) && !pending_ && !think_.isActive()) {
        const qint64 sinceLastMove = lastMoveSent_.isValid() ? lastMoveSent_.elapsed() : LeastMsBetweenMoves;
        think_.start(std::max<int>(plan_.thinkMs, LeastMsBetweenMoves - static_cast<int>(sinceLastMove)));
    }
}

void TBotPlayer::AskForTeams(const QString& what)
{
    for (const bool white : {true, false}) {
        const auto seat = std::find_if(plan_.seats.begin(), plan_.seats.end(),
                                       [white](net::TSeat s) { return s.white == white; });
        const QString key = what + ":" + net::TeamName(white);
        if (seat == plan_.seats.end() || follower_->Asked(what, white) || askedHere_.contains(key))
            continue;
        QJsonObject ask = Command(what);
        ask.insert("seat", net::SeatName(*seat));
        connection_->Send(ask);
        askedHere_.insert(key);
    }
}

void TBotPlayer::PlayDueMove()
{
    const std::optional<net::TSeat> mover = follower_->Mover();
    if (over_ || pending_ || follower_->State() != "running" || !mover || !Holds(*mover) ||
        !connection_->Ready())
        return;
    const std::optional<TProtocolMove> move = chooser_->Choose(follower_->Board());
    if (!move)
        return; // the server settles a turn without moves; its event tells what follows
    QJsonObject message = Command("move");
    // Unique within the game: the seat, the move's number and the attempt at it.
    message.insert("id", QStringLiteral("%1.%2.%3")
                             .arg(net::SeatName(*mover))
                             .arg(follower_->MovesPlayed() + 1)
                             .arg(attempt_++));
    message.insert("from", QString::fromStdString(TVeltanBrdKernel::SquareToString(move->from)));
    message.insert("to", QString::fromStdString(TVeltanBrdKernel::SquareToString(move->to)));
    if (move->promotion != NoPromotion)
        message.insert("promotion", QString(QChar::fromLatin1(move->promotion)));
    pending_ = TPendingMove{message.value("id").toString(), message, {}, false};
    pending_->sent.start();
    lastMoveSent_.start();
    connection_->Send(message);
}

void TBotPlayer::GameOver()
{
    think_.stop();
    seatRecoveries_ = 0;
    catchUps_ = 0;
    catchingUp_ = false;
    emit GameEnded(follower_->ResultLine());
    if (plan_.create && ++gamesEnded_ < plan_.games) {
        game_.clear();
        hostToken_.clear();
        seatTokens_.clear();
        pending_.reset();
        confirmedIds_.clear();
        askedHere_.clear();
        follower_ = std::make_unique<TGameFollower>();
        Begin();
        return;
    }
    connection_->Close();
    over_ = true; // later frames change nothing
    emit Finished();
}

void TBotPlayer::Fail(const QString& problem)
{
    if (over_)
        return;
    over_ = true;
    think_.stop();
    connection_->Close();
    emit Failed(problem);
}
