// SPDX-License-Identifier: MIT
#include "StatisticsWindow.h"

#include "Extras.h"
#include "ExtrasPaths.h"
#include "GameWindowsFixture.h"
#include "Globais.h"
#include "StatisticsStore.h"
#include "StatisticsTestSupport.h"
#include "TargetedPlayer.h"
#include "Uescolhe.h"
#include "memo.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>

namespace brivmemo::test {

namespace {

using statistics::Level;

class StatisticsWindowTest : public GameWindowsTest {
protected:
    void start()
    {
        createWindows();
        extras::installExtras(form());
        chooseGame(form(), Level::None);
    }

    void play(std::array<int, 2> pairs) { ASSERT_TRUE(TargetedPlayer(form(), pairs).playToTheEnd()); }

    QAction &statisticsItem() const
    {
        return *form().menuBar()->findChild<QMenu *>(QStringLiteral("mnExtras"))->actions().constLast();
    }

    // Opens the window as the player does; it stays open until the test closes it.
    extras::StatisticsWindow &openWindow() const
    {
        statisticsItem().trigger();
        auto *window = dynamic_cast<extras::StatisticsWindow *>(QApplication::activeModalWidget());
        if (window == nullptr)
            throw std::runtime_error("the statistics window did not open");
        return *window;
    }

    static std::vector<QStringList> rows(const extras::StatisticsWindow &window)
    {
        std::vector<QStringList> shown;
        const QTableWidget &table = window.table();
        for (int row = 0; row < table.rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < table.columnCount(); ++column)
                cells << table.item(row, column)->text();
            shown.push_back(cells);
        }
        return shown;
    }

    static std::size_t gamesInTheFile()
    {
        statistics::StatisticsStore store;
        store.open(cardset::statisticsFile(), QDateTime::currentDateTimeUtc());
        return store.games().size();
    }

    std::vector<QString> errorTexts() const
    {
        std::vector<QString> texts;
        for (const ShownBox &box : boxes.shown()) {
            if (box.icon == QMessageBox::Critical)
                texts.push_back(box.text);
        }
        return texts;
    }
};

TEST_F(StatisticsWindowTest, ClosesTheExtrasMenuAfterASeparator)
{
    start();
    const QList<QAction *> items
        = form().menuBar()->findChild<QMenu *>(QStringLiteral("mnExtras"))->actions();
    ASSERT_GE(items.size(), 3);
    EXPECT_TRUE(items[items.size() - 2]->isSeparator());
    EXPECT_EQ(items.constLast()->text(), QStringLiteral("S&tatistics\u2026"));
}

TEST_F(StatisticsWindowTest, ShowsEachPersonsGamesWrittenToTheFileWithoutAWord)
{
    start();
    play({20, 0});
    form().Novo1Click();
    play({10, 10});
    EXPECT_EQ(gamesInTheFile(), 2U);
    EXPECT_TRUE(errorTexts().empty());

    extras::StatisticsWindow &window = openWindow();
    const std::vector<QStringList> expected = {
        {QStringLiteral("Ana"), QStringLiteral("Two people"), QStringLiteral("2"), QStringLiteral("1"),
            QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1.0")},
        {QStringLiteral("Bruno"), QStringLiteral("Two people"), QStringLiteral("2"), QStringLiteral("0"),
            QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("1.0")},
    };
    EXPECT_EQ(rows(window), expected);
    const QAccessibleInterface *const table = QAccessible::queryAccessibleInterface(&window.table());
    EXPECT_EQ(table->text(QAccessible::Name), QStringLiteral("Statistics by player and game"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&window.resetButton())->text(QAccessible::Name),
        QStringLiteral("Reset"));
    window.reject();
}

TEST_F(StatisticsWindowTest, ResetEmptiesTheStatisticsOnlyWhenConfirmed)
{
    start();
    play({20, 0});
    extras::StatisticsWindow &window = openWindow();

    boxes.setAnswer(QStringLiteral("&No"));
    window.resetButton().click();
    ASSERT_EQ(boxes.shown().size(), 2U);
    EXPECT_EQ(boxes.shown().back().caption, QStringLiteral("Confirm"));
    EXPECT_EQ(boxes.shown().back().text, QStringLiteral("Do you really want to erase all the statistics ?"));
    EXPECT_EQ(rows(window).size(), 2U);
    EXPECT_EQ(gamesInTheFile(), 1U);

    boxes.setAnswer(QStringLiteral("&Yes"));
    window.resetButton().click();
    EXPECT_EQ(boxes.shown().size(), 3U);
    EXPECT_TRUE(rows(window).empty());
    EXPECT_FALSE(window.resetButton().isEnabled());
    EXPECT_EQ(gamesInTheFile(), 0U);
    window.reject();
}

TEST_F(StatisticsWindowTest, ADamagedFileIsToldOnceTheGameTypeIsChosen)
{
    const QString file = cardset::statisticsFile();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(file).absolutePath()));
    QFile damaged(file);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray("not statistics ").repeated(100));
    damaged.close();
    // The game-type dialog of the start is open, or yet to come, until its OK clears the flag.
    std::vector<bool> beforeTheGameTypeIsChosen;
    MessageBoxHook recording;
    recording = setMessageBoxHook([&](QMessageBox &box) {
        beforeTheGameTypeIsChosen.push_back(PrimeiraVez || frmEscolhe->isVisible());
        return recording(box);
    });

    createWindows();
    extras::installExtras(form());
    // The window is first painted while the game-type dialog of the start is open, as a window
    // system may do; the offscreen platform does not paint a window under a modal one, so the
    // paint is sent to it.
    const auto setAside = [&file] {
        return QDir(QFileInfo(file).absolutePath())
            .entryList({QStringLiteral("statistics.sqlite.damaged-*")}, QDir::Files);
    };
    showAndActivate(form(), [this, &setAside](QWidget &) {
        QPaintEvent paint(form().rect());
        QCoreApplication::sendEvent(&form(), &paint);
        processPendingEvents();
        EXPECT_EQ(setAside().size(), 1) << "not opened at the first paint";
        frmEscolhe->cmdOK->click();
    });
    processPendingEvents();
    setMessageBoxHook(recording);
    ASSERT_EQ(setAside().size(), 1);
    ASSERT_EQ(errorTexts().size(), 1U);
    EXPECT_TRUE(errorTexts()[0].contains(setAside()[0])) << errorTexts()[0].toStdString();
    EXPECT_EQ(beforeTheGameTypeIsChosen, std::vector<bool> {false});
    play({20, 0});
    EXPECT_EQ(gamesInTheFile(), 1U);
}

TEST_F(StatisticsWindowTest, AFailedWriteIsToldOnce)
{
    start();
    processPendingEvents();
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        other.setDatabaseName(cardset::statisticsFile());
        ASSERT_TRUE(other.open());
        ASSERT_TRUE(QSqlQuery(other).exec(QStringLiteral("DROP TABLE players")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));

    play({20, 0});
    form().Novo1Click();
    play({0, 20});
    ASSERT_EQ(errorTexts().size(), 1U);
    EXPECT_TRUE(errorTexts()[0].startsWith(QStringLiteral("The statistics of this game could not be saved")))
        << errorTexts()[0].toStdString();
}

} // namespace

} // namespace brivmemo::test
