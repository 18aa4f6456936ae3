#include "clockText.h"

#include <cmath>

namespace {

constexpr double MillisecondsPerDay = 86'400'000.0;

} // namespace

QString ClockText(double days)
{
    const double total = std::round(days * MillisecondsPerDay);
    // fmod keeps every finite value, however large, inside one day before it
    // becomes an integer; the sign goes as a clock shows no negative times.
    const double ofDay = std::isfinite(total) ? std::fmod(std::fabs(total), MillisecondsPerDay) : 0.0;
    const long long milliseconds = static_cast<long long>(ofDay);
    const long long seconds = milliseconds / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}
