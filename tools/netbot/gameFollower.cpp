#include "gameFollower.h"

#include <QJsonArray>
#include <array>

#include "endingWords.h"
#include "refereeGame.h"
#include "seat.h"
#include "startPositionCatalogue.h"
#include "veltanbrdKernel.h"

namespace {

// The move of a snapshot's list or a move event in the protocol's text, "E04E05q".
QString MoveTextOf(const QJsonObject& move)
{
    return move.value("from").toString() + move.value("to").toString() + move.value("promotion").toString();
}

} // namespace

TGameFollower::TGameFollower() : board_(std::make_unique<TVeltanBrdKernel>())
{
    // With a draw handler the board ends a drawn game itself, as the server's referee does.
    board_->OnDraw = [](TVeltanBrdKernel&) {};
}

TGameFollower::~TGameFollower() = default;

QString TGameFollower::StartBoard(const net::TOnlineSettings& settings)
{
    const std::string letters = catalogue::CataloguePosition(settings.arrangement, settings.rowShift);
    const std::string owners =
        catalogue::CataloguePlayers(settings.arrangement, settings.rowShift, settings.playersPerTeam);
    if (letters.empty() || owners.empty())
        return "the catalogue has no such start";
    StartRefereedGame(*board_, letters, owners, {settings.movesPerTeamTurn, settings.playersPerTeam});
    return {};
}

QString TGameFollower::FollowSnapshot(const QJsonObject& snapshot)
{
    const net::TSettingsReading reading = net::ReadSettings(snapshot.value("settings"));
    if (!reading.settings)
        return "the snapshot's settings: " + reading.problem;
    const std::optional<net::TOnlineSettings>& settings = reading.settings;
    if (const QString problem = StartBoard(*settings); !problem.isEmpty())
        return problem;
    game_ = snapshot.value("game").toString();
    seq_ = snapshot.value("seq").toInteger(-1);
    if (game_.isEmpty() || seq_ < 0)
        return "the snapshot lacks its game or its seq";
    const QJsonArray moves = snapshot.value("moves").toArray();
    for (qsizetype i = 0; i < moves.size(); ++i) {
        if (const QString problem = PlayMove(moves.at(i).toObject(), static_cast<int>(i) + 1);
            !problem.isEmpty())
            return "snapshot: " + problem;
    }
    state_ = snapshot.value("state").toString();
    ending_ = snapshot.value("ending").toObject();
    asked_.clear();
    NoteAsked(snapshot.value("asked").toObject());
    if (state_ == "ended")
        return CheckEnding();
    return CheckMover(snapshot.value("toMove"), "snapshot");
}

TEventFit TGameFollower::FollowEvent(const QJsonObject& event, QString& problem)
{
    if (!HasGame())
        return TEventFit::Gap;
    const qint64 seq = event.value("seq").toInteger(-1);
    if (event.value("game").toString() != game_ || seq < 1) {
        problem = "an event of another game or without a seq";
        return TEventFit::Wrong;
    }
    if (seq <= seq_)
        return TEventFit::Seen;
    if (seq > seq_ + 1)
        return TEventFit::Gap;
    seq_ = seq;

    const QString kind = event.value("kind").toString();
    const QString team = event.value("team").toString();
    if (kind == "move") {
        const std::optional<net::TSeat> mover = Mover();
        if (!mover || event.value("seat").toString() != net::SeatName(*mover))
            problem = QStringLiteral("move %1 by %2, but the board has %3 to move")
                          .arg(MovesPlayed() + 1)
                          .arg(event.value("seat").toString(), mover ? net::SeatName(*mover) : "nobody");
        else
            problem = PlayMove(event, MovesPlayed() + 1);
        if (problem.isEmpty())
            problem = CheckMover(event.value("toMove"), "move event");
    } else if (kind == "started") {
        state_ = "running";
        asked_.removeIf([](const QString& entry) { return entry.startsWith("start:"); });
        problem = CheckMover(event.value("toMove"), "start");
    } else if (kind == "paused") {
        state_ = "paused";
        asked_.removeIf([](const QString& entry) { return entry.startsWith("continue:"); });
    } else if (kind == "resumed") {
        state_ = "running";
        asked_.removeIf([](const QString& entry) { return entry.startsWith("continue:"); });
    } else if (kind == "start-asked" || kind == "continue-asked") {
        asked_.insert(kind.chopped(6) + ":" + team); // "start-asked" -> "start:white"
    } else if (kind == "ended") {
        state_ = "ended";
        ending_ = event;
        problem = CheckEnding();
    }
    return problem.isEmpty() ? TEventFit::Applied : TEventFit::Wrong;
}

QString TGameFollower::PlayMove(const QJsonObject& move, int number)
{
    const QString text = MoveTextOf(move);
    const std::optional<TProtocolMove> read = ReadMoveText(text.toStdString());
    if (!read)
        return QStringLiteral("move %1 \"%2\" is no move").arg(number).arg(text);
    const std::string refusal = PlayRefereedMove(*board_, *read);
    if (!refusal.empty())
        return QStringLiteral("move %1 %2 is refused by the rules: %3")
            .arg(number)
            .arg(text, QString::fromStdString(refusal));
    return {};
}

QString TGameFollower::CheckMover(const QJsonValue& toMove, const char* where) const
{
    const std::optional<net::TSeat> mover = Mover();
    if (!mover || !toMove.isString() || state_ == "ended")
        return {};
    if (toMove.toString() != net::SeatName(*mover))
        return QStringLiteral("the %1 after move %2 has %3 to move, the board %4")
            .arg(QString::fromLatin1(where))
            .arg(MovesPlayed())
            .arg(toMove.toString(), net::SeatName(*mover));
    return {};
}

QString TGameFollower::CheckEnding() const
{
    return net::EndingDisagreement(ending_.value("result").toString(), ending_.value("reason").toString(),
                                   *board_);
}

void TGameFollower::NoteAsked(const QJsonObject& asked)
{
    for (const QString& what : {QStringLiteral("start"), QStringLiteral("continue")}) {
        for (const QJsonValue& team : asked.value(what).toArray())
            asked_.insert(what + ":" + team.toString());
    }
}

std::optional<net::TSeat> TGameFollower::Mover() const
{
    if (!HasGame() || board_->GameEnded() || board_->Ending() != TGameEnding::None)
        return std::nullopt;
    const int player = board_->CurrentTeamPlayer() - '0';
    if (player < 1 || player > net::MaxPlayersPerTeam)
        return std::nullopt;
    return net::TSeat{board_->WhiteToMove(), player};
}

int TGameFollower::MovesPlayed() const
{
    return board_->LastMove;
}

bool TGameFollower::Asked(const QString& what, bool white) const
{
    return asked_.contains(what + ":" + net::TeamName(white));
}

QString TGameFollower::ResultLine() const
{
    const QString result = ending_.value("result").toString();
    const QString outcome = result == "white" || result == "black" ? result + " won" : result;
    return QStringLiteral("game %1: %2 (%3) after %4 moves, position %5: %6")
        .arg(game_, outcome, ending_.value("reason").toString())
        .arg(MovesPlayed())
        .arg(PositionDigest(*board_), ending_.value("message").toString());
}

QString PositionDigest(const TVeltanBrdKernel& board)
{
    constexpr quint32 Basis = 2166136261u;
    constexpr quint32 Prime = 16777619u;
    quint32 hash = Basis;
    for (const char c : board.position() + board.players()) {
        hash ^= static_cast<unsigned char>(c);
        hash *= Prime;
    }
    return QStringLiteral("%1").arg(hash, 8, 16, QLatin1Char('0'));
}
