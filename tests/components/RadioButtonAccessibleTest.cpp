// SPDX-License-Identifier: MIT
// The bitmap radio button as accessibility tools see it: a radio button named by its caption
// as it reads, checkable and checked, whose Press action clicks it as the mouse does, and which
// tells when it becomes checked or unchecked, without ever taking the focus.
#include "MMCheck.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace brivmemo {
namespace {

QAccessibleInterface &accessibleOf(QObject &object)
{
    QAccessibleInterface *const found = QAccessible::queryAccessibleInterface(&object);
    if (found == nullptr)
        throw std::logic_error("no accessible interface");
    return *found;
}

QAccessibleActionInterface &actionsOf(QObject &object)
{
    QAccessibleActionInterface *const actions = accessibleOf(object).actionInterface();
    if (actions == nullptr)
        throw std::logic_error("no action interface");
    return *actions;
}

void press(QObject &object)
{
    actionsOf(object).doAction(QAccessibleActionInterface::pressAction());
}

struct CaptionCase {
    const char *id;
    const char *caption;
    const char *name;
    const char *accelerator;
};

class RadioButtonAccessibleNameTest : public testing::TestWithParam<CaptionCase> { };

TEST_P(RadioButtonAccessibleNameTest, IsARadioButtonNamedByItsCaptionAsItReads)
{
    QWidget group;
    auto *const button = new TMMBitmapRadioButton(&group);
    button->SetCaption(QString::fromUtf8(GetParam().caption));
    const QAccessibleInterface &accessible = accessibleOf(*button);
    EXPECT_EQ(accessible.object(), button);
    EXPECT_EQ(accessible.role(), QAccessible::RadioButton);
    EXPECT_EQ(accessible.text(QAccessible::Name), QString::fromUtf8(GetParam().name));
    EXPECT_EQ(accessible.text(QAccessible::Accelerator), QString::fromUtf8(GetParam().accelerator));
    EXPECT_EQ(actionsOf(*button).keyBindingsForAction(QAccessibleActionInterface::pressAction()).join(u'|'),
        QString::fromUtf8(GetParam().accelerator));
    EXPECT_EQ(accessible.parent(), &accessibleOf(group));
}

INSTANTIATE_TEST_SUITE_P(Captions, RadioButtonAccessibleNameTest,
    testing::Values(CaptionCase {"FirstLetter", "&HUMAN x HUMAN", "HUMAN x HUMAN", "Alt+H"},
        CaptionCase {"LaterLetter", "HUMAN x &COMPUTER", "HUMAN x COMPUTER", "Alt+C"},
        CaptionCase {"AmpersandShown", "Fish && &Chips", "Fish & Chips", "Alt+C"},
        CaptionCase {"OnlyAmpersandShown", "&&Only", "&Only", ""},
        CaptionCase {"NoLetter", "Plain", "Plain", ""}),
    [](const testing::TestParamInfo<CaptionCase> &info) { return std::string(info.param.id); });

// Three buttons on one parent, the middle one checked, as in the options dialog.
class RadioButtonAccessibleTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char *caption : {"&Slow", "&Normal", "&Fast"}) {
            auto *const button = new TMMBitmapRadioButton(&group);
            button->SetCaption(QString::fromLatin1(caption));
            buttons.push_back(button);
        }
        buttons[1]->SetChecked(true);
    }

    std::vector<bool> checkedStates()
    {
        std::vector<bool> states;
        for (TMMBitmapRadioButton *button : buttons)
            states.push_back(accessibleOf(*button).state().checked);
        return states;
    }

    QWidget group;
    std::vector<TMMBitmapRadioButton *> buttons;
};

TEST_F(RadioButtonAccessibleTest, IsCheckableAndCheckedWhileItIsTheChoice)
{
    EXPECT_EQ(checkedStates(), (std::vector<bool> {false, true, false}));
    for (TMMBitmapRadioButton *button : buttons) {
        const QAccessible::State state = accessibleOf(*button).state();
        EXPECT_TRUE(state.checkable);
        EXPECT_FALSE(state.focusable);
        EXPECT_FALSE(state.disabled);
    }
    buttons[1]->SetChecked(false);
    EXPECT_EQ(checkedStates(), (std::vector<bool> {false, false, false}));
    buttons[1]->setEnabled(false);
    EXPECT_TRUE(accessibleOf(*buttons[1]).state().disabled);
}

TEST_F(RadioButtonAccessibleTest, PressChecksItUnchecksTheOthersAndTellsClickedAsAClickDoes)
{
    ASSERT_EQ(actionsOf(*buttons[2]).actionNames(), QStringList {QAccessibleActionInterface::pressAction()});
    const QSignalSpy clicks(buttons[2], &TMMBitmapRadioButton::clicked);
    bool checkedWhenClicked = true;
    QObject::connect(buttons[2], &TMMBitmapRadioButton::clicked, &group,
        [&] { checkedWhenClicked = buttons[2]->Checked(); });
    press(*buttons[2]);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_FALSE(checkedWhenClicked) << "a click tells clicked before it checks";
    EXPECT_EQ(checkedStates(), (std::vector<bool> {false, false, true}));

    press(*buttons[2]);
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(checkedStates(), (std::vector<bool> {false, false, true}));
}

TEST_F(RadioButtonAccessibleTest, ADisabledButtonOffersNoPressAndIgnoresOne)
{
    buttons[0]->setEnabled(false);
    const QSignalSpy clicks(buttons[0], &TMMBitmapRadioButton::clicked);
    EXPECT_TRUE(actionsOf(*buttons[0]).actionNames().isEmpty());
    press(*buttons[0]);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(checkedStates(), (std::vector<bool> {false, true, false}));
}

TEST_F(RadioButtonAccessibleTest, PressLeavesTheFocusWhereItWas)
{
    auto *const field = new QLineEdit(&group);
    group.show();
    QApplication::setActiveWindow(&group);
    field->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), field);
    press(*buttons[0]);
    EXPECT_EQ(QApplication::focusWidget(), field);
    for (TMMBitmapRadioButton *button : buttons)
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
}

// Each change of Checked is told once, the button left before the button chosen, and the
// accessible state already reads the new choice when it is told: accessibility tools are told
// of it at the same moment, and the dialogs' descriptions follow it.
TEST_F(RadioButtonAccessibleTest, CheckingTellsTheButtonLeftThenTheButtonChosen)
{
    std::vector<std::pair<int, bool>> told;
    for (int index = 0; index < 3; ++index) {
        QObject::connect(buttons[static_cast<std::size_t>(index)], &TMMBitmapRadioButton::checkedChanged,
            &group, [&, index](bool checked) {
                told.emplace_back(index, checked);
                EXPECT_EQ(accessibleOf(*buttons[static_cast<std::size_t>(index)]).state().checked, checked);
            });
    }
    buttons[0]->SetChecked(true);
    EXPECT_EQ(told, (std::vector<std::pair<int, bool>> {{1, false}, {0, true}}));

    told.clear();
    press(*buttons[2]);
    EXPECT_EQ(told, (std::vector<std::pair<int, bool>> {{0, false}, {2, true}}));

    told.clear();
    buttons[2]->SetChecked(true);
    press(*buttons[2]);
    EXPECT_TRUE(told.empty()) << "nothing changed";

    buttons[2]->SetChecked(false);
    EXPECT_EQ(told, (std::vector<std::pair<int, bool>> {{2, false}}));
}

} // namespace
} // namespace brivmemo
