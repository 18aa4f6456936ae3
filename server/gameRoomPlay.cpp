// The game's play: moves refereed by the kernel, team commands, flags and
// absences. Each decides, then emits the events that carry its decision.

#include "gameRoom.h"

#include "endingWords.h"
#include "refereeGame.h"
#include "veltanbrdKernel.h"

namespace {

int TeamIndex(bool white)
{
    return white ? 1 : 0;
}

QString Team(bool white)
{
    return net::TeamName(white);
}

QString Capitalised(bool white)
{
    return white ? QStringLiteral("White") : QStringLiteral("Black");
}

TRoomChange Refusal(const QString& problem)
{
    TRoomChange change;
    change.problem = problem;
    return change;
}

TRoomChange Error(const QString& code, const QString& problem)
{
    TRoomChange change;
    change.errorCode = code;
    change.problem = problem;
    return change;
}

} // namespace

void TGameRoom::End(const QString& result, const QString& reason, const QString& message, TMs now,
                    TRoomChange& change)
{
    _clocks.Stop(now);
    Emit({{QStringLiteral("kind"), QStringLiteral("ended")},
          {QStringLiteral("result"), result},
          {QStringLiteral("reason"), reason},
          {QStringLiteral("message"), message},
          {QStringLiteral("clocks"), ClocksJson(now)},
          {QStringLiteral("running"), QJsonValue::Null}},
         now, change);
}

void TGameRoom::EndIfOver(TMs now, TRoomChange& change)
{
    const TGameEnding ending = _board->Ending();
    if (ending == TGameEnding::None && !_board->GameEnded())
        return;
    const net::TEndingWords words = net::EndingWords(ending);
    if (words.result.isEmpty())
        return;
    End(words.result, words.reason, QString::fromStdString(TVeltanBrdKernel::EndingMessage(ending)), now,
        change);
}

std::optional<qint64> TGameRoom::PlayedMove(net::TSeat seat, const QString& id) const
{
    const auto played = _moveIds.constFind(net::SeatName(seat) + QLatin1Char('/') + id);
    if (played == _moveIds.constEnd())
        return std::nullopt;
    return *played;
}

TRoomChange TGameRoom::Move(net::TSeat seat, const QString& id, const TProtocolMove& move, TMs now,
                            TMs creditMs)
{
    // A move resent after a reconnect is answered with the event it already made.
    if (const auto played = PlayedMove(seat, id)) {
        TRoomChange change;
        change.repeatOf = *played;
        return change;
    }
    switch (_state) {
    case TRoomState::Waiting:
        return Refusal(QStringLiteral("the game has not started"));
    case TRoomState::Paused:
        return Refusal(QStringLiteral("the game is paused"));
    case TRoomState::Ended:
        return Refusal(QStringLiteral("the game is over"));
    case TRoomState::Running:
        break;
    }
    if (SeatToMove() != seat)
        return Refusal(QStringLiteral("it is %1's move, not %2's")
                           .arg(net::SeatName(*SeatToMove()), net::SeatName(seat)));
    const bool white = seat.white;
    TTeamClocks clocks = _clocks;
    if (!clocks.Moved(now, creditMs)) {
        TRoomChange change = Refusal(QStringLiteral("the time of %1 ran out").arg(Team(white)));
        _clocks = clocks;
        const TGameEnding loss = white ? TGameEnding::WhiteLostOnTime : TGameEnding::BlackLostOnTime;
        End(net::EndingWords(loss).result, net::EndingWords(loss).reason,
            QString::fromStdString(TVeltanBrdKernel::EndingMessage(loss)), now, change);
        return change;
    }
    const std::string problem = PlayRefereedMove(*_board, move);
    if (!problem.empty())
        return Refusal(QString::fromStdString(problem));
    // The clock of the team now to move runs from here; a team moving again keeps its own running.
    clocks.Run(_board->WhiteToMove(), now);
    _clocks = clocks;
    // A draw offer stands until the team it was made to has finished its turn.
    const bool offerStands =
        _drawOfferedBy.has_value() &&
        !(_drawOfferedBy.value() == _board->WhiteToMove() && _drawOfferedBy.value() != white);
    const QJsonValue offer =
        offerStands ? QJsonValue(Team(_drawOfferedBy.value())) : QJsonValue(QJsonValue::Null);
    QJsonObject event = TurnFields(now);
    event.insert(QStringLiteral("kind"), QStringLiteral("move"));
    event.insert(QStringLiteral("seat"), net::SeatName(seat));
    event.insert(QStringLiteral("id"), id);
    event.insert(QStringLiteral("from"), QString::fromStdString(TVeltanBrdKernel::SquareToString(move.from)));
    event.insert(QStringLiteral("to"), QString::fromStdString(TVeltanBrdKernel::SquareToString(move.to)));
    if (move.promotion != NoPromotion)
        event.insert(QStringLiteral("promotion"), QString(QLatin1Char(move.promotion)));
    event.insert(QStringLiteral("drawOffer"), offer);
    TRoomChange change;
    Emit(event, now, change);
    EndIfOver(now, change);
    return change;
}

TRoomChange TGameRoom::Asked(const QString& kind, bool white, TMs now)
{
    TRoomChange change;
    Emit({{QStringLiteral("kind"), kind}, {QStringLiteral("team"), Team(white)}}, now, change);
    return change;
}

TRoomChange TGameRoom::Command(net::TTeamCommand command, bool white, bool host, TMs now)
{
    using net::TTeamCommand;
    const bool playing = _state == TRoomState::Running || _state == TRoomState::Paused;
    const int us = TeamIndex(white);
    const int them = TeamIndex(!white);
    switch (command) {
    case TTeamCommand::Start: {
        if (_state != TRoomState::Waiting)
            return Error(QStringLiteral("not-allowed"), QStringLiteral("the game has already started"));
        TRoomChange change =
            _askedStart[us] ? TRoomChange{} : Asked(QStringLiteral("start-asked"), white, now);
        bool everySeatTaken = true;
        for (int player = 1; player <= _settings.playersPerTeam; ++player)
            everySeatTaken = everySeatTaken && SeatTaken({true, player}) && SeatTaken({false, player});
        if (everySeatTaken && _askedStart[0] && _askedStart[1]) {
            Emit({{QStringLiteral("kind"), QStringLiteral("started")},
                  {QStringLiteral("clocks"), ClocksJson(now)},
                  {QStringLiteral("running"), Team(true)},
                  {QStringLiteral("toMove"), net::SeatName(BoardTurnSeat())},
                  {QStringLiteral("movesLeft"), _settings.movesPerTeamTurn}},
                 now, change);
        }
        return change;
    }
    case TTeamCommand::Pause: {
        if (_state != TRoomState::Running)
            return Error(QStringLiteral("not-allowed"), QStringLiteral("the game is not running"));
        TRoomChange change =
            _askedPause[us] ? TRoomChange{} : Asked(QStringLiteral("pause-asked"), white, now);
        if (_askedPause[us] && _askedPause[them]) {
            _clocks.Stop(now);
            Emit({{QStringLiteral("kind"), QStringLiteral("paused")},
                  {QStringLiteral("reason"), QStringLiteral("agreed")},
                  {QStringLiteral("clocks"), ClocksJson(now)},
                  {QStringLiteral("running"), QJsonValue::Null}},
                 now, change);
        }
        return change;
    }
    case TTeamCommand::Continue: {
        if (_state != TRoomState::Paused)
            return Error(QStringLiteral("not-allowed"), QStringLiteral("the game is not paused"));
        TRoomChange change =
            _askedContinue[us] ? TRoomChange{} : Asked(QStringLiteral("continue-asked"), white, now);
        if (_askedContinue[us] && _askedContinue[them])
            Resume(now, change);
        return change;
    }
    case TTeamCommand::Resign: {
        if (!playing)
            return Error(QStringLiteral("not-allowed"),
                         QStringLiteral("only a game in play can be resigned"));
        TRoomChange change;
        End(Team(!white), QStringLiteral("resigned"),
            QStringLiteral("%1 resigned: %2 has won!").arg(Capitalised(white), Capitalised(!white)), now,
            change);
        return change;
    }
    case TTeamCommand::Draw: {
        if (!playing)
            return Error(QStringLiteral("not-allowed"), QStringLiteral("only a game in play can be drawn"));
        TRoomChange change;
        if (_drawOfferedBy == !white)
            End(QStringLiteral("draw"), QStringLiteral("agreed"), QStringLiteral("Draw by agreement"), now,
                change);
        else if (!_drawOfferedBy)
            Emit({{QStringLiteral("kind"), QStringLiteral("draw-offered")},
                  {QStringLiteral("team"), Team(white)}},
                 now, change);
        return change;
    }
    case TTeamCommand::DeclineDraw: {
        if (_drawOfferedBy != !white)
            return Error(QStringLiteral("not-allowed"),
                         QStringLiteral("no draw is offered to %1").arg(Team(white)));
        TRoomChange change;
        Emit({{QStringLiteral("kind"), QStringLiteral("draw-declined")},
              {QStringLiteral("team"), Team(white)}},
             now, change);
        return change;
    }
    case TTeamCommand::Claim:
    case TTeamCommand::Abort: {
        const bool abort = command == TTeamCommand::Abort;
        const bool othersGone = JudgeAbsence(_absentSince[them], now) == TAbsence::ClaimAllowed;
        TRoomChange change;
        if (abort && host && _state == TRoomState::Waiting)
            End(QStringLiteral("aborted"), QStringLiteral("aborted"),
                QStringLiteral("The game was called off"), now, change);
        else if (!playing || !othersGone)
            return Error(QStringLiteral("not-allowed"), QStringLiteral("%1 has not been gone for %2 minutes")
                                                            .arg(Capitalised(!white))
                                                            .arg(fair::AbsenceClaimMs / 60'000));
        else if (abort)
            End(QStringLiteral("aborted"), QStringLiteral("absent"),
                QStringLiteral("%1 left: the game was called off").arg(Capitalised(!white)), now, change);
        else
            End(Team(white), QStringLiteral("absent"),
                QStringLiteral("%1 left the game: %2 has won!").arg(Capitalised(!white), Capitalised(white)),
                now, change);
        return change;
    }
    }
    return {};
}

TRoomChange TGameRoom::Tick(TMs now)
{
    TRoomChange change;
    if (_state != TRoomState::Running)
        return change;
    if (const auto deadline = _clocks.FlagDeadline(); deadline && now >= *deadline) {
        const bool white = *_clocks.Running();
        _clocks.Stop(now);
        const TGameEnding loss = white ? TGameEnding::WhiteLostOnTime : TGameEnding::BlackLostOnTime;
        End(net::EndingWords(loss).result, net::EndingWords(loss).reason,
            QString::fromStdString(TVeltanBrdKernel::EndingMessage(loss)), now, change);
        return change;
    }
    const bool white = _board->WhiteToMove();
    if (JudgeAbsence(_absentSince[TeamIndex(white)], now) >= TAbsence::PauseDue) {
        _clocks.Stop(now);
        Emit({{QStringLiteral("kind"), QStringLiteral("paused")},
              {QStringLiteral("reason"), QStringLiteral("absent")},
              {QStringLiteral("clocks"), ClocksJson(now)},
              {QStringLiteral("running"), QJsonValue::Null}},
             now, change);
    }
    return change;
}

std::optional<TMs> TGameRoom::NextDeadline(TMs now) const
{
    if (_state != TRoomState::Running)
        return std::nullopt;
    std::optional<TMs> next = _clocks.FlagDeadline();
    if (const auto absence = NextAbsenceChange(_absentSince[TeamIndex(_board->WhiteToMove())], now))
        next = next ? std::min(*next, *absence) : *absence;
    return next;
}
