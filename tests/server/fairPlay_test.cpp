// The clock and absence rules on a fake clock: the numbers are milliseconds
// the test chooses, so every case is exact.

#include <gtest/gtest.h>

#include "fairPlay.h"

namespace {

constexpr TMs Second = 1'000;
constexpr TMs Minute = 60 * Second;

struct TClockCase {
    const char* name;
    TMs thinking; ///< from the clock's start to the move's arrival
    TMs credit;   ///< lag forgiven
    bool inTime;
    TMs leftAfter; ///< White's time after the move
};

void PrintTo(const TClockCase& c, std::ostream* os)
{
    *os << c.name;
}

class ClockRules : public testing::TestWithParam<TClockCase> {};

TEST_P(ClockRules, AMoveCostsItsTimeLessTheLagThenGainsTheIncrement)
{
    const TClockCase& c = GetParam();
    TTeamClocks clocks(Minute, Minute, 5 * Second, 5 * Second);
    clocks.Run(true, 1'000);
    EXPECT_EQ(clocks.Moved(1'000 + c.thinking, c.credit), c.inTime);
    EXPECT_EQ(clocks.Left(true, 1'000 + c.thinking), c.leftAfter);
    EXPECT_EQ(clocks.Left(false, 1'000 + c.thinking), Minute) << "the other clock stands";
}

INSTANTIATE_TEST_SUITE_P(
    FakeClock, ClockRules,
    testing::Values(TClockCase{"InTime", 10 * Second, 0, true, 55 * Second},
                    TClockCase{"LagForgiven", 10 * Second, 800, true, 55 * Second + 800},
                    TClockCase{"CreditNeverMoreThanTheTimeUsed", 300, 1'000, true, 65 * Second},
                    TClockCase{"LastMillisecond", Minute, 0, true, 5 * Second},
                    TClockCase{"LateButSavedByItsLag", Minute + 500, 600, true, 5 * Second + 100},
                    TClockCase{"TooLateEvenWithItsLag", Minute + 700, 600, false, 0}),
    [](const testing::TestParamInfo<TClockCase>& info) { return std::string(info.param.name); });

TEST(ClockRules, AFlagFallsAfterTheGraceAndAPauseStopsTheClock)
{
    TTeamClocks clocks(Minute, 2 * Minute, 0, 0);
    EXPECT_FALSE(clocks.FlagDeadline());
    clocks.Run(false, 0);
    EXPECT_EQ(clocks.FlagDeadline(), 2 * Minute + fair::FlagGraceMs);
    clocks.Stop(30 * Second);
    EXPECT_EQ(clocks.Left(false, 10 * Minute), 90 * Second);
    EXPECT_FALSE(clocks.FlagDeadline());
    clocks.Run(false, 10 * Minute);
    EXPECT_EQ(clocks.FlagDeadline(), 10 * Minute + 90 * Second + fair::FlagGraceMs);
}

TEST(LagQuota, LendsAtMostASecondAMoveFromAShareOfTheTimeThatRefills)
{
    TLagQuota quota(10 * Minute); // a bank of 10 s, refilling 1 s a move
    EXPECT_EQ(quota.Credit(5 * Second), fair::MaxCreditPerMoveMs);
    EXPECT_EQ(quota.Credit(200), 200);
    for (int move = 0; move < 40; ++move)
        quota.Credit(Second);
    EXPECT_EQ(quota.Credit(Second), Second) << "the refill keeps a steady second a move going";
    TLagQuota blitz(Minute); // a bank of 3 s, refilling 300 ms a move
    for (int move = 0; move < 10; ++move)
        blitz.Credit(Second);
    EXPECT_EQ(blitz.Credit(Second), 300) << "a slow link in a quick game gets only the refill";
}

struct TAbsenceCase {
    const char* name;
    std::optional<TMs> gone;
    TAbsence verdict;
};

void PrintTo(const TAbsenceCase& c, std::ostream* os)
{
    *os << c.name;
}

class Absence : public testing::TestWithParam<TAbsenceCase> {};

TEST_P(Absence, GrowsFromAwayToPauseToClaim)
{
    const TMs now = 20 * Minute;
    const std::optional<TMs> since =
        GetParam().gone ? std::optional<TMs>(now - *GetParam().gone) : std::nullopt;
    EXPECT_EQ(JudgeAbsence(since, now), GetParam().verdict);
}

INSTANTIATE_TEST_SUITE_P(
    FakeClock, Absence,
    testing::Values(TAbsenceCase{"Connected", std::nullopt, TAbsence::Present},
                    TAbsenceCase{"JustGone", 0, TAbsence::Away},
                    TAbsenceCase{"AlmostAMinute", Minute - 1, TAbsence::Away},
                    TAbsenceCase{"AMinute", Minute, TAbsence::PauseDue},
                    TAbsenceCase{"AlmostTenMinutes", 10 * Minute - 1, TAbsence::PauseDue},
                    TAbsenceCase{"TenMinutes", 10 * Minute, TAbsence::ClaimAllowed}),
    [](const testing::TestParamInfo<TAbsenceCase>& info) { return std::string(info.param.name); });

} // namespace
