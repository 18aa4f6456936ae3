#pragma once
// Clock values in game files. A clock value is a number of days; in a file it
// is written in one fixed form that does not depend on the user's locale.

#include <QString>
#include <optional>

/// The fixed form of a clock value, "h:mm:ss" (hours not limited to 23),
/// rounded to the nearest second. Negative and non-finite values give
/// "0:00:00"; values beyond MaxTimeTextHours are written as that many hours.
QString TimeText(double days);

/// Reads a clock value written by TimeText, or a time of day in the user's
/// locale (its long time format, with or without the time-zone part), as older
/// files hold. Nothing for any other text.
std::optional<double> ParseTimeText(const QString& text);

/// The largest number of hours TimeText writes and ParseTimeText reads.
inline constexpr int MaxTimeTextHours = 9999;
