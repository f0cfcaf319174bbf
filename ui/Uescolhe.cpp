// SPDX-License-Identifier: MIT
#include "Uescolhe.h"

#include "DialogRadioButton.h"
#include "ErrorBox.h"
#include "Globais.h"
#include "LoadingBracket.h"
#include "MMBitmapList.h"
#include "MMCheck.h"
#include "MessageBoxes.h"
#include "RadioGroupDescription.h"
#include "ScreenCentre.h"
#include "WindowFont.h"
#include "memo.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QPushButton>

using namespace brivmemo;

bool PediuSair = false;
TfrmEscolhe *frmEscolhe = nullptr;

namespace {

// The glyph strip the radio buttons show; the list's other pictures are not shown here.
constexpr int GlyphStripIndex = 8;

} // namespace

TfrmEscolhe::TfrmEscolhe(QWidget *parent)
    : QDialog(
        parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmEscolhe"));
    setWindowTitle(QStringLiteral("Brivosta Memory Game"));
    setBackgroundRole(QPalette::Button);
    setFont(windowFont());
    setFixedSize(326, 133);

    MMBitmapList1 = buildInLoadingBracket(
        *this, QStringLiteral(":/escolhe.mbml"), [this] { return createControls(); },
        [this](TMMBitmapList &list) {
            for (TMMBitmapRadioButton *const button : {rabHumano, rabComputador}) {
                button->SetBitmapList(&list);
                button->SetBitmapIndex(GlyphStripIndex);
            }
        });
    new RadioGroupDescription(*GroupBox1);

    connect(cmdOK, &QPushButton::clicked, this, guarded([this] { cmdOKClick(); }));
    connect(cmdSair, &QPushButton::clicked, this, guarded([this] { cmdSairClick(); }));
}

std::vector<TComponentStateHolder *> TfrmEscolhe::createControls()
{
    GroupBox1 = new QGroupBox(tr("How would you like to play ?"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(7, 5, 233, 120);

    rabHumano = createDialogRadioButton(*GroupBox1, "rabHumano", tr("&HUMAN x HUMAN"), {27, 38, 158, 20});
    rabHumano->SetChecked(true);
    //: Its letter may be the same as that of "&Close", as in English: the radio button takes it first.
    rabComputador
        = createDialogRadioButton(*GroupBox1, "rabComputador", tr("HUMAN x &COMPUTER"), {28, 68, 181, 20});

    cmdOK = new QPushButton(tr("&Ok"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(249, 12, 70, 27);
    cmdOK->setDefault(true);

    cmdSair = new QPushButton(tr("E&xit"), this);
    cmdSair->setObjectName(QStringLiteral("cmdSair"));
    cmdSair->setGeometry(249, 46, 70, 27);
    return {rabHumano, rabComputador};
}

void TfrmEscolhe::ShowModal()
{
    FormActivate();
    exec();
}

void TfrmEscolhe::FormActivate()
{
    cmdSair->setText(PrimeiraVez ? tr("E&xit") : tr("&Close"));
}

void TfrmEscolhe::cmdOKClick()
{
    Ocupado = true;
    TipoJogo = rabHumano->Checked() ? 1 : 2;
    PediuSair = false;
    if (TipoJogo == 1) {
        Jogador2.Tipo = 1;
        Form1->setLabelText(Rotulo::lblJogador2, nameText(Config.Nome2));
    } else {
        Jogador2.Tipo = 2;
        Form1->showComputerAsPlayer2();
    }
    Close();
    Form1->Inic_Jogo();
    PrimeiraVez = false;
    Ocupado = false;
}

void TfrmEscolhe::cmdSairClick()
{
    PediuSair = true;
    Close();
}

void TfrmEscolhe::Close()
{
    if (FormClose())
        done(QDialog::Rejected);
}

bool TfrmEscolhe::FormClose()
{
    if (!PediuSair || !PrimeiraVez)
        return true;
    if (!confirm(tr("Do you really want to exit ?")))
        return false;
    // The dialog runs inside the main window's first activation, itself inside the program's
    // message loop: exit ends every running loop at once, while quit would first ask the main
    // window to close, and closing the main window writes the settings.
    QCoreApplication::exit(0);
    return true;
}

void TfrmEscolhe::accept()
{
    Close();
}

void TfrmEscolhe::reject()
{
    cmdSair->click();
}

void TfrmEscolhe::showEvent(QShowEvent *event)
{
    centreOnScreen(*this);
    QDialog::showEvent(event);
}
