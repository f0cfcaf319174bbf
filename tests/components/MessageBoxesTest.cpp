// SPDX-License-Identifier: MIT
#include "MessageBoxes.h"

#include "ApplicationTitle.h"
#include "ErrorBox.h"
#include "Exceptions.h"
#include "MessageBoxTestSupport.h"

#include <QObject>
#include <functional>
#include <gtest/gtest.h>

namespace brivmemo {
namespace {

using test::MessageBoxRecorder;

struct ConfirmCase {
    const char *name;
    QString answer;
    bool confirmed;
};

class ConfirmTest : public testing::TestWithParam<ConfirmCase> { };

TEST_P(ConfirmTest, AsksWithTheStandardConfirmationBox)
{
    MessageBoxRecorder boxes(GetParam().answer);

    const bool confirmed = confirm(QStringLiteral("Do you really want to exit ?"));

    EXPECT_EQ(confirmed, GetParam().confirmed);
    ASSERT_EQ(boxes.shown().size(), 1U);
    const test::ShownBox &box = boxes.shown().front();
    EXPECT_EQ(box.caption, QStringLiteral("Confirm"));
    EXPECT_EQ(box.text, QStringLiteral("Do you really want to exit ?"));
    EXPECT_EQ(box.icon, QMessageBox::Question);
    EXPECT_EQ(box.buttons, (std::vector<QString> {QStringLiteral("&Yes"), QStringLiteral("&No")}));
    EXPECT_EQ(box.defaultButton, QStringLiteral("&Yes"));
    EXPECT_EQ(box.escapeButton, QStringLiteral("&No"));
}

INSTANTIATE_TEST_SUITE_P(Answers, ConfirmTest,
    testing::Values(ConfirmCase {"Yes", QStringLiteral("&Yes"), true},
        ConfirmCase {"No", QStringLiteral("&No"), false}, ConfirmCase {"Escape", QString(), false}),
    [](const testing::TestParamInfo<ConfirmCase> &info) { return info.param.name; });

TEST(MessageBoxTest, PlainBoxHasTheGivenCaptionNoIconAndOneButton)
{
    MessageBoxRecorder boxes;

    showMessage(QStringLiteral("Brivosta Vire"), QStringLiteral("<b>Ana</b> won!"));

    ASSERT_EQ(boxes.shown().size(), 1U);
    const test::ShownBox &box = boxes.shown().front();
    EXPECT_EQ(box.caption, QStringLiteral("Brivosta Vire"));
    EXPECT_EQ(box.text, QStringLiteral("<b>Ana</b> won!"));
    EXPECT_EQ(box.format, Qt::PlainText);
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    ASSERT_EQ(box.buttons.size(), 1U);
    EXPECT_EQ(box.defaultButton, box.buttons.front());
    EXPECT_EQ(box.escapeButton, box.buttons.front());
}

struct ReadCase {
    const char *name;
    std::function<void()> show;
    QString caption;
    QString text;
};

class MessageBoxReadingTest : public testing::TestWithParam<ReadCase> { };

TEST_P(MessageBoxReadingTest, AccessibilityToolsReadTheCaptionAsNameAndTheMessageAsDescription)
{
    setApplicationTitle(QStringLiteral("Brivosta Vire"));
    MessageBoxRecorder boxes;
    GetParam().show();
    setApplicationTitle(QString());
    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(boxes.shown().front().accessibleName, GetParam().caption);
    EXPECT_EQ(boxes.shown().front().accessibleDescription, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Boxes, MessageBoxReadingTest,
    testing::Values(ReadCase {"Confirmation", [] { confirm(QStringLiteral("Do you really want to exit ?")); },
                        QStringLiteral("Confirm"), QStringLiteral("Do you really want to exit ?")},
        ReadCase {"Result", [] { showMessage(QStringLiteral("Brivosta Vire"), QStringLiteral("Ana won!")); },
            QStringLiteral("Brivosta Vire"), QStringLiteral("Ana won!")},
        ReadCase {"Error", [] { showErrorBox(QStringLiteral("Stream read error")); },
            QStringLiteral("Brivosta Vire"), QStringLiteral("Stream read error")}),
    [](const testing::TestParamInfo<ReadCase> &info) { return info.param.name; });

class ErrorBoxTest : public testing::Test {
protected:
    ErrorBoxTest() { setApplicationTitle(QStringLiteral("Brivosta Vire")); }
    ~ErrorBoxTest() override { setApplicationTitle(QString()); }

    MessageBoxRecorder boxes;
};

TEST_F(ErrorBoxTest, FailingHandlerShowsItsMessageAndTheProgramGoesOn)
{
    bool reachedEnd = false;

    runGuarded([] { throw EListError(7); });
    reachedEnd = true;

    EXPECT_TRUE(reachedEnd);
    ASSERT_EQ(boxes.shown().size(), 1U);
    const test::ShownBox &box = boxes.shown().front();
    EXPECT_EQ(box.text, QStringLiteral("List index out of bounds (7)"));
    EXPECT_EQ(box.caption, QStringLiteral("Brivosta Vire"));
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(box.buttons.size(), 1U);
}

TEST_F(ErrorBoxTest, HandlerThatSucceedsShowsNothingAndGetsItsArguments)
{
    int received = 0;

    runGuarded([&received](int value) { received = value; }, 42);

    EXPECT_EQ(received, 42);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(ErrorBoxTest, StepsBeforeTheFailureStayDone)
{
    std::vector<int> steps;

    runGuarded([&steps] {
        steps.push_back(1);
        throw EReadError();
    });

    EXPECT_EQ(steps, (std::vector<int> {1}));
    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(boxes.shown().front().text, QStringLiteral("Stream read error"));
}

TEST_F(ErrorBoxTest, GuardedHandlerConnectedToASignalCatchesItsFailure)
{
    QObject sender;
    int calls = 0;
    QObject::connect(&sender, &QObject::objectNameChanged, guarded([&calls] {
        ++calls;
        throw EInOutError("File access denied");
    }));

    sender.setObjectName(QStringLiteral("first"));
    sender.setObjectName(QStringLiteral("second"));

    EXPECT_EQ(calls, 2);
    ASSERT_EQ(boxes.shown().size(), 2U);
    EXPECT_EQ(boxes.shown().back().text, QStringLiteral("File access denied"));
}

} // namespace
} // namespace brivmemo
