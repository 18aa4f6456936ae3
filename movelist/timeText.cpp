#include "timeText.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTime>
#include <cmath>

namespace {

constexpr double SecondsPerDay = 86400.0;
constexpr long long MaxSeconds = static_cast<long long>(MaxTimeTextHours) * 3600 + 59 * 60 + 59;

double SecondsToDays(long long seconds)
{
    return static_cast<double>(seconds) / SecondsPerDay;
}

std::optional<double> ParseFixedForm(const QString& text)
{
    static const QRegularExpression fixedForm(QStringLiteral("^([0-9]{1,4}):([0-5][0-9]):([0-5][0-9])$"));
    const QRegularExpressionMatch match = fixedForm.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const long long hours = match.captured(1).toLongLong();
    const long long minutes = match.captured(2).toLongLong();
    const long long seconds = match.captured(3).toLongLong();
    return SecondsToDays(hours * 3600 + minutes * 60 + seconds);
}

// Qt's long formats carry a time-zone part ("t") that its own parser does not
// read back, and the files of earlier versions never held one.
QString WithoutTimeZone(QString format)
{
    static const QRegularExpression zone(QStringLiteral("\\s*t+\\s*"));
    return format.replace(zone, QStringLiteral(" ")).trimmed();
}

std::optional<double> ParseLocaleForm(const QString& text)
{
    const QLocale locale;
    const QString longFormat = locale.timeFormat(QLocale::LongFormat);
    for (const QString& format : {longFormat, WithoutTimeZone(longFormat)}) {
        const QTime time = locale.toTime(text, format);
        if (time.isValid())
            return SecondsToDays(time.msecsSinceStartOfDay() / 1000);
    }
    return std::nullopt;
}

} // namespace

QString TimeText(double days)
{
    // Clamp before converting: a huge or NaN double has no integer value.
    const double seconds = std::isfinite(days) ? std::round(days * SecondsPerDay) : 0.0;
    const long long total =
        seconds <= 0.0
            ? 0
            : (seconds >= static_cast<double>(MaxSeconds) ? MaxSeconds : static_cast<long long>(seconds));
    return QStringLiteral("%1:%2:%3")
        .arg(total / 3600)
        .arg(total / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(total % 60, 2, 10, QLatin1Char('0'));
}

std::optional<double> ParseTimeText(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (const std::optional<double> fixed = ParseFixedForm(trimmed))
        return fixed;
    return ParseLocaleForm(trimmed);
}
