// Clock values in game files: one fixed form written, read back under any
// locale, and the user's locale form read as older files hold it.

#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "timeText.h"

namespace {

constexpr double Second = 1.0 / 86400.0;

// The default locale is process-wide; each test puts the old one back.
class ScopedLocale {
public:
    explicit ScopedLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~ScopedLocale() { QLocale::setDefault(_previous); }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

private:
    QLocale _previous;
};

struct WrittenCase {
    const char* name;
    double days;
    const char* text;
};

void PrintTo(const WrittenCase& c, std::ostream* os)
{
    *os << c.name;
}

class TimeTextWriting : public testing::TestWithParam<WrittenCase> {};

TEST_P(TimeTextWriting, UsesTheFixedForm)
{
    EXPECT_EQ(TimeText(GetParam().days), QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Values, TimeTextWriting,
    testing::Values(WrittenCase{"Zero", 0.0, "0:00:00"}, WrittenCase{"FiveSeconds", 5 * Second, "0:00:05"},
                    WrittenCase{"OneHour", 3600 * Second, "1:00:00"},
                    WrittenCase{"AfternoonTime", (14 * 3600 + 5 * 60 + 9) * Second, "14:05:09"},
                    WrittenCase{"MoreThanADay", 25 * 3600 * Second, "25:00:00"},
                    WrittenCase{"RoundsToTheNearestSecond", 59.6 * Second, "0:01:00"},
                    WrittenCase{"JustBelowASecondBoundary", 3599.9999999 * Second, "1:00:00"},
                    WrittenCase{"NegativeIsZero", -30 * Second, "0:00:00"},
                    WrittenCase{"NotANumberIsZero", std::numeric_limits<double>::quiet_NaN(), "0:00:00"},
                    WrittenCase{"InfinityIsZero", std::numeric_limits<double>::infinity(), "0:00:00"},
                    WrittenCase{"HugeIsTheLargest", 1e300, "9999:59:59"}),
    [](const testing::TestParamInfo<WrittenCase>& info) { return std::string(info.param.name); });

struct ReadCase {
    const char* name;
    QLocale::Language language;
    QLocale::Territory territory;
    const char* text;
    double seconds; // negative: the text must be refused
};

void PrintTo(const ReadCase& c, std::ostream* os)
{
    *os << c.name;
}

class TimeTextReading : public testing::TestWithParam<ReadCase> {};

TEST_P(TimeTextReading, ReadsTheFixedFormAndTheLocaleForm)
{
    const ScopedLocale locale(QLocale(GetParam().language, GetParam().territory));
    const std::optional<double> days = ParseTimeText(QString::fromUtf8(GetParam().text));
    if (GetParam().seconds < 0) {
        EXPECT_FALSE(days.has_value()) << *days;
    } else {
        ASSERT_TRUE(days.has_value());
        EXPECT_DOUBLE_EQ(*days, GetParam().seconds * Second);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TimeTextReading,
    testing::Values(
        ReadCase{"FixedFormUnderEnglish", QLocale::English, QLocale::UnitedStates, "1:00:05", 3605},
        ReadCase{"FixedFormUnderGerman", QLocale::German, QLocale::Germany, "14:05:09", 50709},
        ReadCase{"FixedFormUnderFinnish", QLocale::Finnish, QLocale::Finland, "0:00:05", 5},
        ReadCase{"FixedFormBeyondADay", QLocale::English, QLocale::UnitedStates, "30:00:00", 108000},
        ReadCase{"SurroundingBlanks", QLocale::English, QLocale::UnitedStates, " 0:01:00 ", 60},
        ReadCase{"EnglishLongTimeOfAnOlderFile", QLocale::English, QLocale::UnitedStates, "2:05:09 PM",
                 50709},
        ReadCase{"FinnishLongTimeOfAnOlderFile", QLocale::Finnish, QLocale::Finland, "14.05.09", 50709},
        ReadCase{"Empty", QLocale::English, QLocale::UnitedStates, "", -1},
        ReadCase{"Words", QLocale::English, QLocale::UnitedStates, "an hour", -1},
        ReadCase{"MinutesOutOfRange", QLocale::English, QLocale::UnitedStates, "1:60:00", -1},
        ReadCase{"SecondsOutOfRange", QLocale::English, QLocale::UnitedStates, "1:00:61", -1},
        ReadCase{"TooManyHourDigits", QLocale::English, QLocale::UnitedStates, "12345:00:00", -1},
        ReadCase{"Negative", QLocale::English, QLocale::UnitedStates, "-1:00:00", -1},
        ReadCase{"OtherLocaleForm", QLocale::English, QLocale::UnitedStates, "14.05.09", -1},
        ReadCase{"NonAsciiDigits", QLocale::English, QLocale::UnitedStates, "\xd9\xa1:00:00", -1}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(TimeTextAcrossLocales, WrittenUnderOneLocaleReadsBackUnderAnother)
{
    const QLocale locales[] = {
        QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::German, QLocale::Germany),
        QLocale(QLocale::Finnish, QLocale::Finland), QLocale(QLocale::Arabic, QLocale::Egypt),
        QLocale(QLocale::Chinese, QLocale::China)};
    for (const QLocale& writer : locales) {
        for (const QLocale& reader : locales) {
            for (const double seconds : {0.0, 5.0, 3599.0, 50709.0, 90000.0}) {
                QString text;
                {
                    const ScopedLocale writing(writer);
                    text = TimeText(seconds * Second);
                }
                const ScopedLocale reading(reader);
                const std::optional<double> days = ParseTimeText(text);
                ASSERT_TRUE(days.has_value())
                    << text.toStdString() << " written under " << writer.name().toStdString()
                    << ", read under " << reader.name().toStdString();
                EXPECT_DOUBLE_EQ(*days, seconds * Second);
            }
        }
    }
}

} // namespace
