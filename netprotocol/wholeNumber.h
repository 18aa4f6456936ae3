#pragma once
// Whole numbers in JSON. JSON has only one kind of number, so a count or a
// time arrives as a double and is taken only when it is integral and in range.

#include <QJsonValue>
#include <QtGlobal>
#include <optional>

namespace net {

/// The largest whole number every JSON reader keeps exactly (2^53 - 1).
inline constexpr qint64 MaxExactWholeNumber = (qint64{1} << 53) - 1;

/// The number when `value` is a JSON number with no fraction from `min` to
/// `max` (both within +-MaxExactWholeNumber); nothing for anything else.
std::optional<qint64> ReadWholeNumber(const QJsonValue& value, qint64 min, qint64 max);

} // namespace net
