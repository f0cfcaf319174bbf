// SPDX-License-Identifier: MIT
#include "Uopcoes.h"

#include "Config.h"
#include "DialogRadioButton.h"
#include "ErrorBox.h"
#include "Globais.h"
#include "LoadingBracket.h"
#include "MMBitmapList.h"
#include "MMCheck.h"
#include "NameFieldValidator.h"
#include "RadioGroupDescription.h"
#include "ScreenCentre.h"
#include "SpeedsAndLevels.h"
#include "WindowFont.h"
#include "memo.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

using namespace brivmemo;

TfrmOpcoes *frmOpcoes = nullptr;

namespace {

// The most a person can type or paste into a name field; a name in the settings holds one
// character more.
constexpr int NameFieldLength = 200;

QLineEdit *createNameField(QGroupBox &box, const char *name, const QString &text, int top)
{
    auto *const field = new QLineEdit(text, &box);
    field->setObjectName(QString::fromLatin1(name));
    field->setGeometry(17, top, 164, 21);
    new NameFieldValidator(*field, NameFieldLength);
    return field;
}

QLabel *createLabel(QGroupBox &box, const char *name, const QString &text, int top)
{
    auto *const label = new QLabel(text, &box);
    label->setObjectName(QString::fromLatin1(name));
    label->move(17, top);
    label->adjustSize();
    return label;
}

// Nothing left once the blanks and control characters at both ends are taken away.
bool isBlank(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= u' '; });
}

// A blank field is first given the stand-in name; the text is stored as it stands, blanks
// included, cut to the length of a settings name.
void storeName(QLineEdit &field, const QString &standIn, TNome &name)
{
    if (isBlank(field.text()))
        field.setText(standIn);
    setNameText(name, field.text().toStdString());
}

} // namespace

TfrmOpcoes::TfrmOpcoes(QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmOpcoes"));
    setWindowTitle(tr("Options"));
    setBackgroundRole(QPalette::Button);
    setFont(windowFont());
    setFixedSize(307, 284);

    MMBitmapList1 = buildInLoadingBracket(
        *this, QStringLiteral(":/opcoes.mbml"), [this] { return createControls(); },
        [this](TMMBitmapList &list) {
            for (TMMBitmapRadioButton *const button : {rabLenta, rabNormal, rabRapida}) {
                button->SetBitmapList(&list);
                button->SetBitmapIndex(0);
            }
        });
    new RadioGroupDescription(*GroupBox1);

    connect(Button1, &QPushButton::clicked, this, guarded([this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, guarded([this] { Button2Click(); }));
}

std::vector<TComponentStateHolder *> TfrmOpcoes::createControls()
{
    GroupBox1 = new QGroupBox(tr("&Animation Speed"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(16, 17, 201, 112);
    GroupBox1->setFocusPolicy(Qt::TabFocus);
    rabLenta = createDialogRadioButton(*GroupBox1, "rabLenta", tr("&Slow"), {28, 23, 81, 20});
    rabNormal = createDialogRadioButton(*GroupBox1, "rabNormal", tr("&Normal"), {28, 48, 81, 20});
    rabNormal->SetChecked(true);
    rabRapida = createDialogRadioButton(*GroupBox1, "rabRapida", tr("&Fast"), {28, 77, 81, 20});

    GroupBox2 = new QGroupBox(tr("&Player Names"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(18, 141, 199, 134);
    Label1 = createLabel(*GroupBox2, "Label1", tr("Player 1"), 19);
    edtNomJog1 = createNameField(*GroupBox2, "edtNomJog1", QStringLiteral("Player 1"), 38);
    Label2 = createLabel(*GroupBox2, "Label2", tr("Player 2"), 66);
    edtNomJog2 = createNameField(*GroupBox2, "edtNomJog2", QStringLiteral("Player 2"), 84);
    // Only for accessibility tools, which name each field after its label: the labels have no
    // accelerator letter, so the keyboard is unchanged.
    Label1->setBuddy(edtNomJog1);
    Label2->setBuddy(edtNomJog2);

    Button1 = new QPushButton(tr("&Ok"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(231, 22, 70, 27);
    Button1->setDefault(true);

    Button2 = new QPushButton(tr("&Cancel"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(231, 57, 70, 27);
    return {rabLenta, rabNormal, rabRapida};
}

void TfrmOpcoes::ShowModal()
{
    exec();
}

TMMBitmapRadioButton *TfrmOpcoes::speedButton(AnimationSpeed speed) const
{
    switch (speed) {
    case AnimationSpeed::Slow:
        return rabLenta;
    case AnimationSpeed::Normal:
        return rabNormal;
    case AnimationSpeed::Fast:
        return rabRapida;
    }
    return rabNormal;
}

void TfrmOpcoes::Button1Click()
{
    storeName(*edtNomJog1, QStringLiteral("Jogador 1"), Config.Nome1);
    Form1->setLabelText(Rotulo::lblJogador1, nameText(Config.Nome1));
    storeName(*edtNomJog2, QStringLiteral("Jogador 2"), Config.Nome2);
    if (TipoJogo == 1)
        Form1->setLabelText(Rotulo::lblJogador2, nameText(Config.Nome2));
    for (const AnimationSpeed speed : AnimationSpeeds) {
        if (speedButton(speed)->Checked()) {
            Config.Velocidade = speedTime(speed);
            break;
        }
    }
    Close();
}

void TfrmOpcoes::Button2Click()
{
    Close();
}

void TfrmOpcoes::Close()
{
    done(QDialog::Rejected);
}

void TfrmOpcoes::accept()
{
    Close();
}

void TfrmOpcoes::reject()
{
    Button2->click();
}

void TfrmOpcoes::showEvent(QShowEvent *event)
{
    centreOnScreen(*this);
    QDialog::showEvent(event);
}
