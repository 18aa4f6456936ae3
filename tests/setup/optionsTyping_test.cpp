// Numbers typed into the time and increment boxes are taken as typed: a
// number that begins one of the list's entries is not completed to it.

#include <QTest>
#include <string>

#include "optionsSupport_test.h"

namespace {

enum class TClockBox { TimeWhite, TimeBlack, IncrementWhite, IncrementBlack };

struct TTypedRow {
    const char* name;
    TClockBox box;
    const char* typed;
    double days; ///< what the board holds after "Ok"
};

void PrintTo(const TTypedRow& row, std::ostream* os)
{
    *os << row.name;
}

const char* BoxName(TClockBox box)
{
    switch (box) {
    case TClockBox::TimeWhite:
        return "CbxTimeWhite";
    case TClockBox::TimeBlack:
        return "CbxTimeBlack";
    case TClockBox::IncrementWhite:
        return "CbxIncrementWhite";
    case TClockBox::IncrementBlack:
        return "CbxIncrementBlack";
    }
    return "";
}

double BoardValue(const TVeltanBrd& board, TClockBox box)
{
    switch (box) {
    case TClockBox::TimeWhite:
        return board.TimeStartWhite();
    case TClockBox::TimeBlack:
        return board.TimeStartBlack();
    case TClockBox::IncrementWhite:
        return board.TimeIncrementWhite();
    case TClockBox::IncrementBlack:
        return board.TimeIncrementBlack();
    }
    return -1.0;
}

constexpr double Minutes(double minutes)
{
    return minutes / 1440.0;
}
constexpr double Seconds(double seconds)
{
    return seconds / 86400.0;
}

class OptionsTyping : public OptionsTest, public testing::WithParamInterface<TTypedRow> {};

} // namespace

TEST_P(OptionsTyping, TypedNumberIsTakenAsTyped)
{
    const TTypedRow& row = GetParam();
    const auto dialog = OpenDialog();
    QComboBox& box = Box(*dialog, BoxName(row.box));
    // Completion happens only in the active window's focused box, where the user types.
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    box.setFocus();
    TypeText(box, QString::fromLatin1(row.typed));
    PressOk(*dialog);

    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(BoardValue(*board, row.box), row.days);
    EXPECT_TRUE(dialogs.messages.empty());
}

// Each typed number begins an entry of its box's list (times 15 … 120,
// increments 0 … 60).
INSTANTIATE_TEST_SUITE_P(
    Numbers, OptionsTyping,
    testing::Values(TTypedRow{"OneMinuteNotFifteen", TClockBox::TimeWhite, "1", Minutes(1)},
                    TTypedRow{"TenMinutesNotHundredAndFive", TClockBox::TimeWhite, "10", Minutes(10)},
                    TTypedRow{"TwelveMinutesNotHundredAndTwenty", TClockBox::TimeBlack, "12", Minutes(12)},
                    TTypedRow{"FourSecondsNotFortyFive", TClockBox::IncrementWhite, "4", Seconds(4)},
                    TTypedRow{"OneSecondNotTen", TClockBox::IncrementBlack, "1", Seconds(1)}),
    [](const testing::TestParamInfo<TTypedRow>& info) { return std::string(info.param.name); });
