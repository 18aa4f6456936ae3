#include "wholeNumber.h"

#include <cmath>

namespace net {

std::optional<qint64> ReadWholeNumber(const QJsonValue& value, qint64 min, qint64 max)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    // Compared as doubles before any conversion: casting 1e300 or an infinity
    // to an integer is undefined. The bounds are exact doubles (below 2^53).
    if (!std::isfinite(number) || number != std::floor(number) || number < static_cast<double>(min) ||
        number > static_cast<double>(max))
        return std::nullopt;
    return static_cast<qint64>(number);
}

} // namespace net
