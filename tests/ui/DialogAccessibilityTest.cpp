// SPDX-License-Identifier: MIT
// The dialogs as a screen reader finds them: each group of radio buttons named by its caption
// and labelling its buttons, its description telling which one is checked as the choice
// changes, the buttons pressed without taking the focus, the name fields named after their
// labels and the help text after its heading. Every text on the screen stays as it was.
#include "DialogChars.h"
#include "DialogTestSupport.h"
#include "UHelp.h"
#include "Uescolhe.h"
#include "Uopcoes.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>
#include <stdexcept>

namespace brivmemo::test {
namespace {

QAccessibleInterface &accessibleOf(QObject *object)
{
    QAccessibleInterface *const found = QAccessible::queryAccessibleInterface(object);
    if (found == nullptr)
        throw std::logic_error("no accessible interface");
    return *found;
}

QString description(QWidget *widget)
{
    return accessibleOf(widget).text(QAccessible::Description);
}

// The objects that label the widget for accessibility tools.
std::vector<QObject *> labelsOf(QWidget *widget)
{
    std::vector<QObject *> labels;
    for (const auto &[label, relation] : accessibleOf(widget).relations(QAccessible::Label))
        labels.push_back(label->object());
    return labels;
}

struct ChoiceCase {
    const char *name;
    std::function<QDialog *()> dialog;
    std::function<QGroupBox *()> group;
    std::function<std::vector<TMMBitmapRadioButton *>()> buttons;
    QString groupName;
    std::vector<QString> buttonNames;
};

class DialogChoiceTest : public GameWindowsTest, public testing::WithParamInterface<ChoiceCase> {
protected:
    void SetUp() override
    {
        GameWindowsTest::SetUp();
        createWindows();
    }
};

TEST_P(DialogChoiceTest, TheGroupNamesAndLabelsItsButtons)
{
    QGroupBox *const group = GetParam().group();
    EXPECT_EQ(accessibleOf(group).text(QAccessible::Name), GetParam().groupName);
    const std::vector<TMMBitmapRadioButton *> buttons = GetParam().buttons();
    ASSERT_EQ(buttons.size(), GetParam().buttonNames.size());
    for (std::size_t index = 0; index < buttons.size(); ++index) {
        QAccessibleInterface &button = accessibleOf(buttons[index]);
        EXPECT_EQ(button.role(), QAccessible::RadioButton);
        EXPECT_EQ(button.text(QAccessible::Name), GetParam().buttonNames[index]);
        EXPECT_EQ(button.parent(), &accessibleOf(group));
        EXPECT_EQ(labelsOf(buttons[index]), std::vector<QObject *> {group});
    }
}

TEST_P(DialogChoiceTest, TheGroupsDescriptionFollowsTheCheckedButton)
{
    QGroupBox *const group = GetParam().group();
    const std::vector<TMMBitmapRadioButton *> buttons = GetParam().buttons();
    const auto designed
        = std::find_if(buttons.begin(), buttons.end(), [](auto *button) { return button->Checked(); });
    ASSERT_NE(designed, buttons.end());
    EXPECT_EQ(description(group),
        "Selected: " + GetParam().buttonNames[static_cast<std::size_t>(designed - buttons.begin())]);
    // Pressed through accessibility from the last button to the first, then chosen by letter.
    for (std::size_t index = buttons.size(); index-- > 0;) {
        accessibleOf(buttons[index]).actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(description(group), "Selected: " + GetParam().buttonNames[index]);
    }
    for (std::size_t index = 0; index < buttons.size(); ++index) {
        ASSERT_TRUE(buttons[index]->DialogChar(acceleratorOf(buttons[index]->Caption())));
        EXPECT_EQ(description(group), "Selected: " + GetParam().buttonNames[index]);
    }
    for (TMMBitmapRadioButton *button : buttons)
        button->SetChecked(false);
    EXPECT_EQ(description(group), "Nothing selected");
}

TEST_P(DialogChoiceTest, PressingAButtonLeavesTheFocusWhereItWas)
{
    QDialog *const dialog = GetParam().dialog();
    const std::vector<TMMBitmapRadioButton *> buttons = GetParam().buttons();
    whenModal([dialog, &buttons](QWidget &) {
        activate(*dialog);
        QWidget *const focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        for (TMMBitmapRadioButton *button : buttons) {
            accessibleOf(button).actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            EXPECT_TRUE(button->Checked());
            EXPECT_EQ(QApplication::focusWidget(), focused);
            EXPECT_FALSE(accessibleOf(button).state().focusable);
        }
        dialog->done(QDialog::Rejected);
    });
    dialog->exec();
}

INSTANTIATE_TEST_SUITE_P(Dialogs, DialogChoiceTest,
    testing::Values(ChoiceCase {"GameType", [] { return frmEscolhe; }, [] { return frmEscolhe->GroupBox1; },
                        [] {
                            return std::vector {frmEscolhe->rabHumano, frmEscolhe->rabComputador};
                        },
                        QStringLiteral("How would you like to play ?"),
                        {QStringLiteral("HUMAN x HUMAN"), QStringLiteral("HUMAN x COMPUTER")}},
        ChoiceCase {"Options", [] { return frmOpcoes; }, [] { return frmOpcoes->GroupBox1; },
            [] {
                return std::vector {frmOpcoes->rabLenta, frmOpcoes->rabNormal, frmOpcoes->rabRapida};
            },
            QStringLiteral("Animation Speed"),
            {QStringLiteral("Slow"), QStringLiteral("Normal"), QStringLiteral("Fast")}}),
    [](const testing::TestParamInfo<ChoiceCase> &info) { return info.param.name; });

class DialogReadingTest : public GameWindowsTest {
protected:
    void SetUp() override
    {
        GameWindowsTest::SetUp();
        createWindows();
    }
};

TEST_F(DialogReadingTest, TheNameFieldsAreNamedAfterTheirLabels)
{
    for (const auto &[field, label] : {std::pair {frmOpcoes->edtNomJog1, frmOpcoes->Label1},
             std::pair {frmOpcoes->edtNomJog2, frmOpcoes->Label2}}) {
        field->setText(QStringLiteral("Ann"));
        EXPECT_EQ(accessibleOf(field).text(QAccessible::Name), label->text());
        EXPECT_EQ(labelsOf(field), (std::vector<QObject *> {label, frmOpcoes->GroupBox2}));
    }
    EXPECT_EQ(frmOpcoes->Label1->text() + frmOpcoes->Label2->text(), "Player 1Player 2");
}

TEST_F(DialogReadingTest, TheHelpTextIsNamedAfterTheHeadingAboveIt)
{
    EXPECT_EQ(
        accessibleOf(frmAjuda->Memtexto).text(QAccessible::Name), "Welcome to Brivosta Memory Game Help");
    EXPECT_EQ(frmAjuda->Label1->text(), "Welcome to Brivosta Memory Game Help");
}

} // namespace
} // namespace brivmemo::test
