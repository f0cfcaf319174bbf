// SPDX-License-Identifier: MIT
#include "WindowTexts.h"

#include "About.h"
#include "Extras.h"
#include "Globais.h"
#include "MMBitmapRadioButton.h"
#include "StatisticsWindow.h"
#include "UHelp.h"
#include "Uescolhe.h"
#include "Uopcoes.h"
#include "memo.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <array>
#include <gtest/gtest.h>

namespace brivmemo::test {
namespace {

void addMenu(std::vector<ShownText> &texts, const char *group, const QMenu &menu)
{
    for (const QAction *item : menu.actions()) {
        // A context menu item shows its key after a tab, outside the translated caption.
        if (!item->isSeparator())
            texts.push_back({"TForm1", group, item->text().section(u'\t', 0, 0)});
    }
}

void addGameTypeDialog(std::vector<ShownText> &texts, const char *group, bool atStartUp)
{
    const bool wasFirstTime = PrimeiraVez;
    PrimeiraVez = atStartUp;
    frmEscolhe->FormActivate();
    PrimeiraVez = wasFirstTime;
    for (const QString &text : {frmEscolhe->GroupBox1->title(), frmEscolhe->rabHumano->Caption(),
             frmEscolhe->rabComputador->Caption(), frmEscolhe->cmdOK->text(), frmEscolhe->cmdSair->text()})
        texts.push_back({"TfrmEscolhe", group, text});
}

// Each item of the "&Extras" menu is made, and translated, by the extra it belongs to; these
// are their contexts in the order of the menu.
constexpr std::array ExtrasItemContexts {"brivmemo::extras::CardSetMenu", "brivmemo::extras::CardFlipper",
    "brivmemo::extras::GameSounds", "brivmemo::extras::GameStatistics"};
constexpr const char *StatisticsContext = "brivmemo::extras::StatisticsWindow";

QMenu &extrasMenu()
{
    return *Form1->menuBar()->findChild<QMenu *>(QStringLiteral("mnExtras"));
}

void addExtrasMenu(std::vector<ShownText> &texts)
{
    std::size_t item = 0;
    for (const QAction *action : extrasMenu().actions()) {
        if (!action->isSeparator())
            texts.push_back({ExtrasItemContexts.at(item++), "extras menu", action->text()});
    }
    EXPECT_EQ(item, ExtrasItemContexts.size());
}

// Opens the statistics window as the player does, reads it and closes it again. Its columns,
// however wide their headers are in the language, must all show without scrolling.
void addStatisticsWindow(std::vector<ShownText> &texts)
{
    extrasMenu().actions().constLast()->trigger();
    auto *window = dynamic_cast<extras::StatisticsWindow *>(QApplication::activeModalWidget());
    ASSERT_NE(window, nullptr) << "the statistics window did not open";
    texts.push_back({StatisticsContext, "statistics window", window->windowTitle()});
    const QTableWidget &table = window->table();
    EXPECT_EQ(table.horizontalScrollBar()->maximum(), 0) << "the statistics window hides some of its columns";
    for (int column = 0; column < table.columnCount(); ++column)
        texts.push_back({StatisticsContext, "statistics window", table.horizontalHeaderItem(column)->text()});
    texts.push_back({StatisticsContext, "statistics window",
        window->findChild<QLabel *>(QStringLiteral("lblNoGames"))->text()});
    for (const QPushButton *button : window->findChildren<QPushButton *>())
        texts.push_back({StatisticsContext, "statistics window", button->text()});
    window->reject();
}

} // namespace

std::vector<ShownText> shownTexts()
{
    std::vector<ShownText> texts;
    texts.push_back({"TForm1", "menu bar", Form1->mnJogo->title()});
    texts.push_back({"brivmemo::extras::CardSetMenu", "menu bar", extrasMenu().title()});
    texts.push_back({"TForm1", "menu bar", Form1->mnAjuda->title()});
    addMenu(texts, "game menu", *Form1->mnJogo);
    addMenu(texts, "help menu", *Form1->mnAjuda);
    addMenu(texts, "context menu", *Form1->PopupMenu1);
    for (const QString &text :
        {Form1->grbJg1->title(), Form1->Label1->text(), Form1->Label5->text(), Form1->Label2->text(),
            Form1->grbJg2->title(), Form1->Label3->text(), Form1->Label6->text(), Form1->Label4->text()})
        texts.push_back({"TForm1", "player boxes", text});

    addGameTypeDialog(texts, "game type at start-up", true);
    addGameTypeDialog(texts, "game type later", false);

    for (const QString &text : {frmOpcoes->windowTitle(), frmOpcoes->GroupBox1->title(),
             frmOpcoes->rabLenta->Caption(), frmOpcoes->rabNormal->Caption(), frmOpcoes->rabRapida->Caption(),
             frmOpcoes->GroupBox2->title(), frmOpcoes->Label1->text(), frmOpcoes->Label2->text(),
             frmOpcoes->Button1->text(), frmOpcoes->Button2->text()})
        texts.push_back({"TfrmOpcoes", "options", text});

    for (const QString &text : {frmAjuda->windowTitle(), frmAjuda->Label1->text(),
             frmAjuda->Memtexto->toPlainText(), frmAjuda->BitBtn1->text()})
        texts.push_back({"TfrmAjuda", "help", text});

    for (const QString &text :
        {f_sobre->windowTitle(), f_sobre->PageControl1->tabText(0), f_sobre->BitBtn1->text()})
        texts.push_back({"Tf_sobre", "about", text});

    addExtrasMenu(texts);
    addStatisticsWindow(texts);
    return texts;
}

QString translated(const ShownText &english)
{
    return QCoreApplication::translate(english.context, english.text.toUtf8().constData());
}

} // namespace brivmemo::test
