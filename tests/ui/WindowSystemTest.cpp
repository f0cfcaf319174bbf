// SPDX-License-Identifier: MIT
// The windows as the window system sees them: asked to maximise, as Wayland decorations offer
// on every window, each keeps its size and place; minimising stays possible; the dialogs and
// the message boxes shown while no window is active belong to the main window, which is named
// as their transient parent and not as their widget parent.
#include "About.h"
#include "GameWindowsFixture.h"
#include "MessageBoxes.h"
#include "UHelp.h"
#include "Uescolhe.h"
#include "Uopcoes.h"
#include "memo.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <vector>

namespace brivmemo::test {
namespace {

class WindowSystemTest : public GameWindowsTest {
protected:
    void SetUp() override
    {
        GameWindowsTest::SetUp();
        createWindows();
    }

    static std::vector<QWidget *> dialogs() { return {frmEscolhe, frmOpcoes, f_sobre, frmAjuda}; }

    // The main window after its start-up, then each dialog shown beside it.
    void forEachShownWindow(const std::function<void(QWidget &)> &check)
    {
        showAndActivate(form(), [](QWidget &) { frmEscolhe->cmdOK->click(); });
        check(form());
        for (QWidget *const dialog : dialogs()) {
            dialog->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog)) << dialog->objectName().toStdString();
            processPendingEvents();
            check(*dialog);
            dialog->hide();
        }
    }
};

// The window system changes the state of the native window; the window hears of it from the
// message loop.
void requestState(QWidget &window, Qt::WindowState state)
{
    window.windowHandle()->setWindowStates(state);
    processPendingEvents();
}

// Asked to maximise, the window asks for its normal state again and the window system then
// gives it back its size and place, which takes a few more turns of the loop.
void expectMaximisingRefused(QWidget &window)
{
    const QRect before = window.geometry();
    requestState(window, Qt::WindowMaximized);
    const std::string name = window.objectName().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&window, before] {
        return !window.windowHandle()->windowStates().testFlag(Qt::WindowMaximized)
            && window.geometry() == before;
    })) << name;
    EXPECT_FALSE(window.isMaximized()) << name;
    EXPECT_EQ(window.geometry(), before) << name;
}

TEST_F(WindowSystemTest, MaximisingLeavesEveryWindowAtItsSizeAndPlace)
{
    forEachShownWindow(expectMaximisingRefused);
}

TEST_F(WindowSystemTest, MinimisingIsLeftToTheWindowSystem)
{
    forEachShownWindow([](QWidget &window) {
        requestState(window, Qt::WindowMinimized);
        const std::string name = window.objectName().toStdString();
        EXPECT_TRUE(window.isMinimized()) << name;
        EXPECT_TRUE(window.windowHandle()->windowStates().testFlag(Qt::WindowMinimized)) << name;
        requestState(window, Qt::WindowNoState);
    });
}

TEST_F(WindowSystemTest, TheDialogsNameTheMainWindowAsTransientParentOnly)
{
    forEachShownWindow([this](QWidget &window) {
        if (&window == &form())
            return;
        const std::string name = window.objectName().toStdString();
        EXPECT_EQ(window.windowHandle()->transientParent(), form().windowHandle()) << name;
        EXPECT_EQ(window.parentWidget(), nullptr) << name;
    });
}

// Before the window system has made any window of the program active, as a Wayland compositor
// may leave it, a box still belongs to the main window and keeps its size when maximised.
TEST_F(WindowSystemTest, ABoxShownWhileNoWindowIsActiveBelongsToTheMainWindow)
{
    form().winId();
    ASSERT_EQ(QApplication::activeWindow(), nullptr);
    const MessageBoxHook recorder = setMessageBoxHook({});
    const QWindow *transientParent = nullptr;
    whenModal([&transientParent](QWidget &box) {
        transientParent = box.windowHandle()->transientParent();
        expectMaximisingRefused(box);
        static_cast<QMessageBox &>(box).escapeButton()->click();
    });
    EXPECT_FALSE(confirm(QStringLiteral("Do you really want to exit ?")));
    setMessageBoxHook(recorder);
    EXPECT_EQ(transientParent, form().windowHandle());
}

} // namespace
} // namespace brivmemo::test
