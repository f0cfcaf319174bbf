// SPDX-License-Identifier: MIT
#include "WindowTexts.h"

#include "About.h"
#include "Globais.h"
#include "MMBitmapRadioButton.h"
#include "UHelp.h"
#include "Uescolhe.h"
#include "Uopcoes.h"
#include "memo.h"

#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

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

} // namespace

std::vector<ShownText> shownTexts()
{
    std::vector<ShownText> texts;
    texts.push_back({"TForm1", "menu bar", Form1->mnJogo->title()});
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
    return texts;
}

QString translated(const ShownText &english)
{
    return QCoreApplication::translate(english.context, english.text.toUtf8().constData());
}

} // namespace brivmemo::test
