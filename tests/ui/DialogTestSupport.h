// SPDX-License-Identifier: MIT
// Checks shared by the tests of the game-type and options dialogs.
#pragma once

#include "GameWindowsFixture.h"
#include "MMBitmapList.h"
#include "MMCheck.h"

#include <QDialog>
#include <QPushButton>
#include <QRect>
#include <QScreen>
#include <QTest>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace brivmemo::test {

struct Placement {
    const char *name;
    QRect geometry;
};

inline void expectLayout(const QDialog &dialog, QSize clientSize, const std::vector<Placement> &placements)
{
    EXPECT_EQ(dialog.minimumSize(), clientSize);
    EXPECT_EQ(dialog.maximumSize(), clientSize);
    EXPECT_EQ(dialog.font().pixelSize(), 11);
    EXPECT_EQ(dialog.backgroundRole(), QPalette::Button);
    for (const Placement &placement : placements) {
        const auto *const control = dialog.findChild<QWidget *>(QString::fromLatin1(placement.name));
        ASSERT_NE(control, nullptr) << placement.name;
        EXPECT_EQ(control->geometry(), placement.geometry) << placement.name;
    }
}

// Bold black captions whether hovered or not, two glyph frames of 17 x 17 from the dialog's list.
inline void expectDialogRadioButton(const TMMBitmapRadioButton &button, const TMMBitmapList *list, int index)
{
    EXPECT_EQ(button.BitmapList(), list);
    EXPECT_EQ(button.BitmapIndex(), index);
    ASSERT_TRUE(button.HasBitmap()) << button.objectName().toStdString();
    EXPECT_EQ(button.CurrentBitmap()->width(), 34);
    EXPECT_EQ(button.CurrentBitmap()->height(), 17);
    EXPECT_EQ(button.NumGlyphs(), 2);
    EXPECT_EQ(button.Margin(), 4);
    EXPECT_TRUE(button.AllowMouseOver());
    EXPECT_TRUE(button.Transparent());
    EXPECT_TRUE(button.font().bold());
    EXPECT_EQ(button.font().pixelSize(), 11);
    for (const TMMFontStyle *const style : {&button.FontActive(), &button.FontInactive()}) {
        EXPECT_EQ(style->Color(), clBlack);
        EXPECT_EQ(style->Style(), TFontStyles {TFontStyle::fsBold});
    }
    EXPECT_EQ(button.componentState(), TComponentState {});
}

// The window's frame lies in the middle of its screen, to the pixel.
inline void expectCentredOnScreen(const QWidget &window)
{
    const QRect screen = window.screen()->geometry();
    const QRect frame = window.frameGeometry();
    EXPECT_LE(std::abs((frame.left() - screen.left()) - (screen.right() - frame.right())), 1) << frame.x();
    EXPECT_LE(std::abs((frame.top() - screen.top()) - (screen.bottom() - frame.bottom())), 1) << frame.y();
}

// The names of the controls that Tab visits, in order.
inline std::vector<QString> tabOrder(QWidget &window)
{
    std::vector<QString> names;
    for (QWidget *control = window.nextInFocusChain(); control != &window;
         control = control->nextInFocusChain()) {
        if ((control->focusPolicy() & Qt::TabFocus) == Qt::TabFocus)
            names.push_back(control->objectName());
    }
    return names;
}

// Qt presses a push button on its accelerator at once and clicks it a moment later.
inline bool waitForClick(QPushButton &button)
{
    return button.isDown() && QTest::qWaitFor([&button] { return !button.isDown(); });
}

// Shows a dialog through its ShowModal and runs the action inside its modal loop once the
// dialog is the active window, as a person would. An action that leaves the dialog open is a
// failure, and the dialog is then put away.
template<typename Dialog> void showDialog(Dialog &dialog, const std::function<void(Dialog &)> &action)
{
    whenModal([&dialog, action](QWidget &) {
        activate(dialog);
        action(dialog);
        if (dialog.isVisible()) {
            ADD_FAILURE() << "the dialog is still open";
            dialog.done(QDialog::Rejected);
        }
    });
    dialog.ShowModal();
}

} // namespace brivmemo::test
