#pragma once
// The text a clock shows for a time value.

#include <QString>

/// The time-of-day part of `days` (a number of days, 1/24 an hour) rounded to
/// whole milliseconds and written "h:mm:ss": hours without a leading zero,
/// seconds truncated. A negative time shows its distance from zero (a clock
/// just past its flag fall reads 0:00:00); a value that is no number reads 0:00:00.
QString ClockText(double days);
