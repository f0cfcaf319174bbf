// SPDX-License-Identifier: MIT
#include "GameWindowsFixture.h"

#include "GameWindows.h"
#include "Globais.h"
#include "Uescolhe.h"
#include "memo.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QSettings>
#include <QTest>
#include <QTimer>

namespace brivmemo::test {

namespace {

// Zero-interval ticks a modal window is given to open; far more than any handler needs.
constexpr int MaxTicks = 10000;
int pendingActions = 0;

} // namespace

GameWindowsTest::GameWindowsTest() = default;

GameWindowsTest::~GameWindowsTest() = default;

void GameWindowsTest::SetUp()
{
    ASSERT_TRUE(directory_.isValid());
    previousDirectory_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(directory_.path()));
    // The player's own data, preferences and system folders stay out of every test.
    qputenv("XDG_DATA_HOME", directory_.filePath(QStringLiteral("xdg-data-home")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", directory_.filePath(QStringLiteral("xdg-config-home")).toLocal8Bit());
    qputenv("XDG_DATA_DIRS",
        (directory_.filePath(QStringLiteral("xdg-data-dir-1")) + u':'
            + directory_.filePath(QStringLiteral("xdg-data-dir-2")))
            .toLocal8Bit());
    // Cards show their new pictures at once, unless a test is about the flip and turns it on.
    QSettings(
        directory_.filePath(QStringLiteral("xdg-config-home/brivmemo/extras.ini")), QSettings::IniFormat)
        .setValue(QStringLiteral("FlipCards"), false);
    resetGlobais();
    PediuSair = false;
    setUpApplication();
}

void GameWindowsTest::TearDown()
{
    EXPECT_EQ(hideModalsOpenedDuring(processPendingEvents), 0)
        << "a modal window opened that no test step answered";
    windows_.reset();
    QDir::setCurrent(previousDirectory_);
}

void GameWindowsTest::createWindows()
{
    windows_ = std::make_unique<TGameWindows>();
}

TForm1 &GameWindowsTest::form() const
{
    return windows_->mainWindow();
}

QString GameWindowsTest::workingFile(const QString &name) const
{
    return directory_.filePath(name);
}

void whenModal(std::function<void(QWidget &)> action)
{
    const QPointer<QWidget> openBefore = QApplication::activeModalWidget();
    auto *poll = new QTimer(qApp);
    poll->setInterval(0);
    ++pendingActions;
    QObject::connect(
        poll, &QTimer::timeout, poll, [poll, openBefore, action = std::move(action), ticks = 0]() mutable {
            QWidget *const modal = QApplication::activeModalWidget();
            const bool opened = modal != nullptr && modal != openBefore;
            if (!opened && ++ticks < MaxTicks)
                return;
            poll->stop();
            poll->deleteLater();
            --pendingActions;
            if (!opened) {
                ADD_FAILURE() << "no modal window opened";
                return;
            }
            action(*modal);
        });
    poll->start();
}

int hideModalsOpenedDuring(const std::function<void()> &code)
{
    int hidden = 0;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&hidden] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            ++hidden;
            modal->hide();
        }
    });
    poll.start();
    code();
    return hidden;
}

void processPendingEvents()
{
    for (int round = 0; round < MaxTicks && pendingActions > 0; ++round)
        QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void showAndActivate(TForm1 &form, const std::function<void(QWidget &)> &insideGameTypeDialog)
{
    whenModal(insideGameTypeDialog);
    form.show();
    processPendingEvents();
    activate(form);
}

void activate(QWidget &window)
{
    window.activateWindow();
    // Not QTest::qWaitForWindowActive: a native window counts as active while one of its
    // transient children has the focus, as a dialog that was just hidden may keep it here.
    EXPECT_TRUE(
        QTest::qWaitFor([&window] { return QGuiApplication::focusWindow() == window.windowHandle(); }));
}

} // namespace brivmemo::test
