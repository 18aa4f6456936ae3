#include "integerText.h"

#include <climits>
#include <cmath>

namespace {

// Far above the error of a product like minutes / 1440 * 1440, far below
// any fraction a user or a game file could mean.
constexpr double RepresentationSlack = 1e-6;

} // namespace

std::optional<int> IntegerFromText(const QString& text)
{
    bool ok = false;
    // Base 10 refuses "0x10" and the like; toInt refuses values beyond int.
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<int> RoundedUpWhole(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double whole = std::ceil(value - RepresentationSlack);
    // Checked before the conversion: a double beyond int is undefined as an int.
    if (whole < static_cast<double>(INT_MIN) || whole > static_cast<double>(INT_MAX))
        return std::nullopt;
    return static_cast<int>(whole);
}
