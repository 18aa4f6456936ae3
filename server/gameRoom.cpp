#include "gameRoom.h"

#include <QDateTime>
#include <QJsonArray>

#include "refereeGame.h"
#include "startPositionCatalogue.h"
#include "veltanbrdKernel.h"

namespace {

constexpr TMs MsPerMinute = 60'000;
constexpr TMs MsPerSecond = 1'000;

int TeamIndex(bool white)
{
    return white ? 1 : 0;
}

QString Team(bool white)
{
    return net::TeamName(white);
}

QJsonValue TeamOrNull(std::optional<bool> team)
{
    return team ? QJsonValue(Team(*team)) : QJsonValue(QJsonValue::Null);
}

bool SameBytes(const QByteArray& a, const QByteArray& b)
{
    // Every byte is looked at, so the time taken tells nothing of where they differ.
    if (a.size() != b.size() || a.isEmpty())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    return difference == 0;
}

} // namespace

TGameRoom::TGameRoom(const QString& code, const net::TOnlineSettings& settings,
                     const QByteArray& hostTokenHash)
    : _code(code), _settings(settings), _hostTokenHash(hostTokenHash),
      _board(std::make_unique<TVeltanBrdKernel>()),
      _clocks(settings.minutesWhite * MsPerMinute, settings.minutesBlack * MsPerMinute,
              settings.incrementWhite * MsPerSecond, settings.incrementBlack * MsPerSecond)
{
    StartBoard();
}

TGameRoom::~TGameRoom() = default;

void TGameRoom::StartBoard()
{
    const std::string letters = catalogue::CataloguePosition(_settings.arrangement, _settings.rowShift);
    const std::string owners =
        catalogue::CataloguePlayers(_settings.arrangement, _settings.rowShift, _settings.playersPerTeam);
    StartRefereedGame(*_board, letters, owners, {_settings.movesPerTeamTurn, _settings.playersPerTeam});
}

bool TGameRoom::HasSeat(net::TSeat seat) const
{
    return seat.player >= 1 && seat.player <= _settings.playersPerTeam;
}

std::optional<net::TSeat> TGameRoom::SeatToMove() const
{
    if (_state != TRoomState::Running)
        return std::nullopt;
    return BoardTurnSeat();
}

net::TSeat TGameRoom::BoardTurnSeat() const
{
    return {_board->WhiteToMove(), _board->CurrentTeamPlayer() - '0'};
}

std::optional<net::TSeat> TGameRoom::SeatOfToken(const QByteArray& tokenHash) const
{
    std::optional<net::TSeat> found;
    for (int i = 0; i < net::MaxSeats; ++i)
        if (SameBytes(_seats[i].tokenHash, tokenHash))
            found = net::SeatAt(i);
    return found;
}

bool TGameRoom::IsHostToken(const QByteArray& tokenHash) const
{
    return SameBytes(_hostTokenHash, tokenHash);
}

bool TGameRoom::SeatTaken(net::TSeat seat) const
{
    return HasSeat(seat) && !_seats[net::SeatIndex(seat)].tokenHash.isEmpty();
}

bool TGameRoom::SeatConnected(net::TSeat seat) const
{
    return HasSeat(seat) && _seats[net::SeatIndex(seat)].connected;
}

TMs TGameRoom::TimeControlMs() const
{
    return std::min(_settings.minutesWhite, _settings.minutesBlack) * MsPerMinute;
}

// ---- Events ------------------------------------------------------------------

void TGameRoom::Emit(QJsonObject event, TMs now, TRoomChange& change)
{
    event.insert(QStringLiteral("type"), QStringLiteral("event"));
    event.insert(QStringLiteral("game"), _code);
    event.insert(QStringLiteral("seq"), _seq + 1);
    event.insert(QStringLiteral("at"), wallClock ? wallClock() : QDateTime::currentMSecsSinceEpoch());
    const bool boardDone = event.value(QStringLiteral("kind")).toString() == QLatin1String("move");
    Apply(event, now, boardDone);
    change.events.push_back(event);
    change.writes.emplace_back(TNewEvent{_code, _seq, event});
}

TMs TGameRoom::WhenStamped(const QJsonObject& event, TMs now) const
{
    const QJsonValue at = event.value(QStringLiteral("at"));
    if (!at.isDouble())
        return now;
    const qint64 wall = wallClock ? wallClock() : QDateTime::currentMSecsSinceEpoch();
    return now - std::max<qint64>(0, wall - at.toInteger());
}

QJsonObject TGameRoom::ClocksJson(TMs now) const
{
    return QJsonObject{{QStringLiteral("white"), _clocks.Left(true, now)},
                       {QStringLiteral("black"), _clocks.Left(false, now)}};
}

QJsonObject TGameRoom::TurnFields(TMs now) const
{
    QJsonObject fields{{QStringLiteral("clocks"), ClocksJson(now)},
                       {QStringLiteral("running"), TeamOrNull(_clocks.Running())}};
    // A paused game still shows whose move it will be.
    if (_state == TRoomState::Running || _state == TRoomState::Paused) {
        fields.insert(QStringLiteral("toMove"), net::SeatName(BoardTurnSeat()));
        fields.insert(QStringLiteral("movesLeft"), _settings.movesPerTeamTurn - _board->MovesMadeInTurn());
    } else {
        fields.insert(QStringLiteral("toMove"), QJsonValue::Null);
    }
    return fields;
}

void TGameRoom::Apply(const QJsonObject& event, TMs now, bool boardDone)
{
    _seq = event.value(QStringLiteral("seq")).toInteger();
    _events.push_back(event);
    const QString kind = event.value(QStringLiteral("kind")).toString();
    const auto seat = net::ReadSeat(event.value(QStringLiteral("seat")).toString());
    const auto team = net::ReadTeam(event.value(QStringLiteral("team")).toString());
    const QJsonObject clocks = event.value(QStringLiteral("clocks")).toObject();
    const auto setClocks = [&] {
        _clocks.Set(clocks.value(QStringLiteral("white")).toInteger(),
                    clocks.value(QStringLiteral("black")).toInteger());
        if (const auto running = net::ReadTeam(event.value(QStringLiteral("running")).toString()))
            _clocks.Run(*running, now);
    };
    if (kind == QLatin1String("seated") && seat) {
        _seats[net::SeatIndex(*seat)].name = event.value(QStringLiteral("name")).toString();
        _seats[net::SeatIndex(*seat)].connected = true;
    } else if (kind == QLatin1String("left") && seat) {
        _seats[net::SeatIndex(*seat)] = {};
    } else if (kind == QLatin1String("connection") && seat) {
        _seats[net::SeatIndex(*seat)].connected = event.value(QStringLiteral("connected")).toBool();
    } else if (kind == QLatin1String("start-asked") && team) {
        _askedStart[TeamIndex(*team)] = true;
    } else if (kind == QLatin1String("pause-asked") && team) {
        _askedPause[TeamIndex(*team)] = true;
    } else if (kind == QLatin1String("continue-asked") && team) {
        _askedContinue[TeamIndex(*team)] = true;
    } else if (kind == QLatin1String("started") || kind == QLatin1String("resumed")) {
        _state = TRoomState::Running;
        _askedStart = _askedPause = _askedContinue = {};
        setClocks();
    } else if (kind == QLatin1String("paused")) {
        _state = TRoomState::Paused;
        _pauseReason = event.value(QStringLiteral("reason")).toString();
        _askedPause = _askedContinue = {};
        setClocks();
    } else if (kind == QLatin1String("move")) {
        ApplyMove(event, boardDone);
        setClocks();
    } else if (kind == QLatin1String("draw-offered") && team) {
        _drawOfferedBy = *team;
    } else if (kind == QLatin1String("draw-declined")) {
        _drawOfferedBy.reset();
    } else if (kind == QLatin1String("ended")) {
        _state = TRoomState::Ended;
        _ending = QJsonObject{{QStringLiteral("result"), event.value(QStringLiteral("result"))},
                              {QStringLiteral("reason"), event.value(QStringLiteral("reason"))},
                              {QStringLiteral("message"), event.value(QStringLiteral("message"))}};
        _drawOfferedBy.reset();
        setClocks();
    }
    NoteAbsence(now);
}

void TGameRoom::ApplyMove(const QJsonObject& event, bool boardDone)
{
    const QString from = event.value(QStringLiteral("from")).toString();
    const QString to = event.value(QStringLiteral("to")).toString();
    const QString promotion = event.value(QStringLiteral("promotion")).toString();
    const QString seat = event.value(QStringLiteral("seat")).toString();
    if (!boardDone) {
        TProtocolMove move;
        move.from = TVeltanBrdKernel::AnsiStringToSquare(from.toStdString());
        move.to = TVeltanBrdKernel::AnsiStringToSquare(to.toStdString());
        move.promotion = promotion.isEmpty() ? NoPromotion : promotion.at(0).toLatin1();
        const std::string problem = PlayRefereedMove(*_board, move);
        if (!problem.empty() && _replayProblem.isEmpty())
            _replayProblem = QStringLiteral("event %1 (%2%3): %4")
                                 .arg(_seq)
                                 .arg(from, to, QString::fromStdString(problem));
    }
    _drawOfferedBy = net::ReadTeam(event.value(QStringLiteral("drawOffer")).toString());
    _moveIds.insert(seat + QLatin1Char('/') + event.value(QStringLiteral("id")).toString(), _seq);
    const auto mover = net::ReadSeat(seat);
    const QJsonObject clocks = event.value(QStringLiteral("clocks")).toObject();
    QJsonObject record{{QStringLiteral("from"), from},
                       {QStringLiteral("to"), to},
                       {QStringLiteral("clock"), clocks.value(Team(mover && mover->white))}};
    if (!promotion.isEmpty())
        record.insert(QStringLiteral("promotion"), promotion);
    _moves.push_back(record);
}

// ---- Seats ---------------------------------------------------------------------

TRoomChange TGameRoom::Take(net::TSeat seat, const QString& name, const QByteArray& tokenHash, TMs now)
{
    TRoomChange change;
    if (!HasSeat(seat)) {
        change.errorCode = QStringLiteral("no-seat");
        change.problem = QStringLiteral("this game has no seat %1").arg(net::SeatName(seat));
    } else if (_state == TRoomState::Ended) {
        change.errorCode = QStringLiteral("not-allowed");
        change.problem = QStringLiteral("the game is over");
    } else if (SeatTaken(seat)) {
        change.errorCode = QStringLiteral("seat-taken");
        change.problem =
            QStringLiteral("%1 is taken by %2").arg(net::SeatName(seat), _seats[net::SeatIndex(seat)].name);
    } else {
        _seats[net::SeatIndex(seat)].tokenHash = tokenHash;
        change.writes.emplace_back(TSeatHolder{_code, net::SeatIndex(seat), name, tokenHash});
        Emit({{QStringLiteral("kind"), QStringLiteral("seated")},
              {QStringLiteral("seat"), net::SeatName(seat)},
              {QStringLiteral("name"), name}},
             now, change);
    }
    return change;
}

TRoomChange TGameRoom::Leave(net::TSeat seat, TMs now)
{
    TRoomChange change;
    if (!SeatTaken(seat)) {
        change.errorCode = QStringLiteral("no-seat");
        change.problem = QStringLiteral("%1 is not taken").arg(net::SeatName(seat));
        return change;
    }
    change.writes.emplace_back(TSeatHolder{_code, net::SeatIndex(seat), {}, {}});
    Emit({{QStringLiteral("kind"), QStringLiteral("left")}, {QStringLiteral("seat"), net::SeatName(seat)}},
         now, change);
    return change;
}

TRoomChange TGameRoom::SetConnected(net::TSeat seat, bool connected, TMs now)
{
    TRoomChange change;
    if (!SeatTaken(seat) || SeatConnected(seat) == connected)
        return change;
    Emit({{QStringLiteral("kind"), QStringLiteral("connection")},
          {QStringLiteral("seat"), net::SeatName(seat)},
          {QStringLiteral("connected"), connected}},
         now, change);
    // A game paused because players were gone goes on once both teams are back.
    const bool pausedForAbsence =
        _pauseReason == QLatin1String("absent") || _pauseReason == QLatin1String("restart");
    if (_state == TRoomState::Paused && pausedForAbsence && TeamPresent(true) && TeamPresent(false))
        Resume(now, change);
    return change;
}

void TGameRoom::Resume(TMs now, TRoomChange& change)
{
    Emit({{QStringLiteral("kind"), QStringLiteral("resumed")},
          {QStringLiteral("clocks"), ClocksJson(now)},
          {QStringLiteral("running"), Team(_board->WhiteToMove())},
          {QStringLiteral("toMove"), net::SeatName(BoardTurnSeat())}},
         now, change);
}

bool TGameRoom::TeamPresent(bool white) const
{
    for (int player = 1; player <= _settings.playersPerTeam; ++player)
        if (SeatConnected({white, player}))
            return true;
    return false;
}

void TGameRoom::NoteAbsence(TMs now)
{
    for (const bool white : {false, true}) {
        auto& since = _absentSince[TeamIndex(white)];
        if (TeamPresent(white))
            since.reset();
        else if (!since)
            since = now;
    }
}
