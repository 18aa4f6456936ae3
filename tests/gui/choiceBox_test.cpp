// The question with two named buttons: each button is its answer, and leaving
// the box (Esc, its close button) is neither, never the second button.

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>

#include "userDialogs.h"

// Answers read by name in a failure's message.
void PrintTo(TChoiceAnswer answer, std::ostream* os)
{
    switch (answer) {
    case TChoiceAnswer::First:
        *os << "First";
        return;
    case TChoiceAnswer::Second:
        *os << "Second";
        return;
    case TChoiceAnswer::Dismissed:
        *os << "Dismissed";
        return;
    }
}

namespace {

struct TLeaveCase {
    const char* name;
    std::function<void(QMessageBox&)> leave;
    TChoiceAnswer answer;
};

class ChoiceBox : public testing::TestWithParam<TLeaveCase> {};

QAbstractButton* ButtonNamed(QMessageBox& box, const QString& text)
{
    for (QAbstractButton* const button : box.buttons())
        if (button->text() == text)
            return button;
    return nullptr;
}

const TLeaveCase LeaveCases[] = {
    {"FirstButton", [](QMessageBox& box) { ButtonNamed(box, QStringLiteral("Resume"))->click(); },
     TChoiceAnswer::First},
    {"SecondButton", [](QMessageBox& box) { ButtonNamed(box, QStringLiteral("New game"))->click(); },
     TChoiceAnswer::Second},
    {"Esc", [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }, TChoiceAnswer::Dismissed},
    {"CloseButton", [](QMessageBox& box) { box.close(); }, TChoiceAnswer::Dismissed},
};

} // namespace

TEST_P(ChoiceBox, AnswersWhatThePlayerDid)
{
    const std::unique_ptr<QMessageBox> box =
        MakeChoiceBox(nullptr, QStringLiteral("Veltan"), QStringLiteral("Resume the unfinished game?"),
                      QStringLiteral("Resume"), QStringLiteral("New game"));
    // Shown without its modal loop, so the test drives it as the player would.
    box->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(box.get()));
    ASSERT_NE(ButtonNamed(*box, QStringLiteral("Resume")), nullptr);
    ASSERT_NE(ButtonNamed(*box, QStringLiteral("New game")), nullptr);
    const QList<QAbstractButton*> buttons = box->buttons();
    EXPECT_EQ(std::count_if(buttons.begin(), buttons.end(),
                            [](const QAbstractButton* b) { return b->isVisible(); }),
              2);
    GetParam().leave(*box);
    EXPECT_EQ(ChoiceBoxAnswer(*box), GetParam().answer);
}

INSTANTIATE_TEST_SUITE_P(Ways, ChoiceBox, testing::ValuesIn(LeaveCases),
                         [](const testing::TestParamInfo<TLeaveCase>& info) {
                             return std::string(info.param.name);
                         });
