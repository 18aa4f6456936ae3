#include "fairPlay.h"

#include <algorithm>

namespace {

int Index(bool white)
{
    return white ? 1 : 0;
}

// The bank holds a twentieth of a team's time, but never more than ten
// moves' worth of the largest credit: enough to ride out a bad minute of a
// link, never enough to make a blitz game a slow one.
constexpr TMs QuotaShareDivisor = 20;
constexpr TMs MaxQuotaMs = 10 * fair::MaxCreditPerMoveMs;
constexpr TMs RefillsToFull = 10;

} // namespace

TTeamClocks::TTeamClocks(TMs whiteMs, TMs blackMs, TMs incrementWhiteMs, TMs incrementBlackMs)
    : _left{blackMs, whiteMs}, _increment{incrementBlackMs, incrementWhiteMs}
{
}

void TTeamClocks::Run(bool white, TMs now)
{
    Stop(now);
    _running = white;
    _since = now;
}

void TTeamClocks::Stop(TMs now)
{
    if (!_running)
        return;
    _left[Index(*_running)] -= std::max<TMs>(0, now - _since);
    _running.reset();
    _since = now;
}

TMs TTeamClocks::Left(bool white, TMs now) const
{
    TMs left = _left[Index(white)];
    if (_running == white)
        left -= std::max<TMs>(0, now - _since);
    return left;
}

void TTeamClocks::Set(TMs whiteMs, TMs blackMs)
{
    _left[1] = whiteMs;
    _left[0] = blackMs;
    _running.reset();
}

bool TTeamClocks::Moved(TMs now, TMs creditMs)
{
    if (!_running)
        return false;
    const int team = Index(*_running);
    const TMs used = std::max<TMs>(0, now - _since);
    const TMs charged = std::max<TMs>(0, used - std::clamp<TMs>(creditMs, 0, used));
    if (charged > _left[team]) {
        _left[team] = 0;
        _running.reset();
        _since = now;
        return false;
    }
    _left[team] += _increment[team] - charged;
    // The next move of the same team is charged from here: its time runs on.
    _since = now;
    return true;
}

std::optional<TMs> TTeamClocks::FlagDeadline() const
{
    if (!_running)
        return std::nullopt;
    return _since + std::max<TMs>(0, _left[Index(*_running)]) + fair::FlagGraceMs;
}

TLagQuota::TLagQuota(TMs timeControlMs)
    : _capacity(std::clamp<TMs>(timeControlMs / QuotaShareDivisor, 0, MaxQuotaMs)),
      _refill(_capacity / RefillsToFull), _bank(_capacity)
{
}

TMs TLagQuota::Credit(TMs lagMs)
{
    const TMs credit = std::clamp<TMs>(std::min({lagMs, fair::MaxCreditPerMoveMs, _bank}), 0, _bank);
    _bank = std::min(_capacity, _bank - credit + _refill);
    return credit;
}

TAbsence JudgeAbsence(std::optional<TMs> absentSince, TMs now)
{
    if (!absentSince)
        return TAbsence::Present;
    const TMs away = now - *absentSince;
    if (away >= fair::AbsenceClaimMs)
        return TAbsence::ClaimAllowed;
    if (away >= fair::AbsencePauseMs)
        return TAbsence::PauseDue;
    return TAbsence::Away;
}

std::optional<TMs> NextAbsenceChange(std::optional<TMs> absentSince, TMs now)
{
    switch (JudgeAbsence(absentSince, now)) {
    case TAbsence::Away:
        return *absentSince + fair::AbsencePauseMs;
    case TAbsence::PauseDue:
        return *absentSince + fair::AbsenceClaimMs;
    default:
        return std::nullopt;
    }
}
