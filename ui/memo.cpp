// SPDX-License-Identifier: MIT
#include "memo.h"

#include "About.h"
#include "ApplicationTitle.h"
#include "ErrorBox.h"
#include "KeyboardAndAccessibility.h"
#include "LazyIcon.h"
#include "LoadingBracket.h"
#include "MMBitmapList.h"
#include "MMCheck.h"
#include "MenuItems.h"
#include "MessageBoxes.h"
#include "Random.h"
#include "SettingsFile.h"
#include "SpeedsAndLevels.h"
#include "SystemColors.h"
#include "TablePlaceAccessible.h"
#include "Timer.h"
#include "UHelp.h"
#include "Uescolhe.h"
#include "Uopcoes.h"
#include "WindowFont.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QTimer>
#include <exception>

using namespace brivmemo;

TForm1 *Form1 = nullptr;

namespace {

constexpr int ClientWidth = 800;
constexpr int ClientHeight = 534;
constexpr int CardSize = 82;
constexpr std::array<int, 8> CardLefts {16, 102, 190, 277, 364, 451, 539, 626};
constexpr std::array<int, 5> CardTops {20, 106, 192, 278, 364};

} // namespace

TForm1::TForm1(QWidget *parent)
    : QMainWindow(parent,
        Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
            | Qt::WindowCloseButtonHint)
{
    Form1 = this;
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Brivosta Memory Game"));
    setWindowIcon(lazyIcon([] { return iconInFinerSizes(QStringLiteral(":/icons/main.png")); }));
    setFont(windowFont());

    auto *client = new QWidget(this);
    client->setFixedSize(ClientWidth, ClientHeight);
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // Placed by the program, so a window manager keeps the frame at the screen's top-left corner.
    move(0, 0);

    createTable();
    createPlayerBoxes();
    createMainMenu();
    createContextMenu();
    addKeyboardAndAccessibility(*this);

    tmMarcaJogada = new TTimer(this);
    tmMarcaJogada->setObjectName(QStringLiteral("tmMarcaJogada"));
    tmMarcaJogada->OnTimer = [this] { tmMarcaJogadaTimer(); };

    runGuarded([this] { FormCreate(); });
}

TForm1::~TForm1()
{
    if (Form1 == this)
        Form1 = nullptr;
}

void TForm1::createTable()
{
    MMBitmapList1 = buildInLoadingBracket(
        *this, QStringLiteral(":/memo.mbml"), [this] { return createCards(); },
        [this](TMMBitmapList &list) {
            for (const auto &carta : cartas_) {
                carta->image().SetBitmapList(&list);
                carta->image().SetBitmapIndex(0);
            }
        });
}

std::vector<TComponentStateHolder *> TForm1::createCards()
{
    PnBaralho = new QWidget(centralWidget());
    PnBaralho->setObjectName(QStringLiteral("PnBaralho"));
    PnBaralho->setGeometry(38, -8, 722, 455);
    PnBaralho->setAutoFillBackground(true);
    QPalette green = PnBaralho->palette();
    green.setColor(QPalette::Window, toQColor(clGreen));
    PnBaralho->setPalette(green);

    std::vector<TComponentStateHolder *> cards;
    for (int place = 1; place <= NumLugares; ++place) {
        auto *card = new TMMBitmapListImage(PnBaralho);
        card->beginLoading();
        card->setObjectName(QStringLiteral("image%1").arg(place));
        card->SetTag(place);
        const int row = (place - 1) / 8;
        const int column = (place - 1) % 8;
        card->setGeometry(CardLefts[static_cast<std::size_t>(column)],
            CardTops[static_cast<std::size_t>(row)], CardSize, place == 7 ? 80 : CardSize);
        card->SetNumGlyphs(1);
        cartas_.push_back(std::make_unique<TCartaNaMesa>(*card));
        TCartaNaMesa *carta = cartas_.back().get();
        controles_.push_back(carta);
        connect(card, &TMMBitmapListImage::clicked, this, guarded([this, carta] { image1Click(*carta); }));
        cards.push_back(card);
    }
    return cards;
}

QLabel *TForm1::addLabel(QWidget *parent, const char *name, const QString &text, int left, int top)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    // Names are shown as typed, never read as markup.
    label->setTextFormat(Qt::PlainText);
    // The turn colours are set on this role, whatever background the label lies on.
    label->setForegroundRole(QPalette::WindowText);
    label->setText(text);
    label->move(left, top);
    label->adjustSize();
    return label;
}

void TForm1::createPlayerBoxes()
{
    //: The box of player 1's name, mistakes and points; the caption ends with a blank.
    grbJg1 = new QGroupBox(tr("Player 1 "), centralWidget());
    grbJg1->setObjectName(QStringLiteral("grbJg1"));
    grbJg1->setGeometry(33, 453, 307, 73);
    //: "Name :", "Mistakes :" and "Points :" stand left of the player's values, in about 48 pixels.
    Label1 = addLabel(grbJg1, "Label1", tr("Name :"), 16, 17);
    lblJogador1 = addLabel(grbJg1, "lblJogador1", QStringLiteral("Jogador1"), 67, 17);
    Label5 = addLabel(grbJg1, "Label5", tr("Mistakes :"), 16, 34);
    lblJogadas1 = addLabel(grbJg1, "lblJogadas1", QStringLiteral("lblJogadas1"), 67, 34);
    Label2 = addLabel(grbJg1, "Label2", tr("Points :"), 16, 51);
    lblPtJg1 = addLabel(grbJg1, "lblPtJg1", QStringLiteral("lblPtJg1"), 67, 51);
    pgbJg1 = new QProgressBar(grbJg1);
    pgbJg1->setObjectName(QStringLiteral("pgbJg1"));

    grbJg2 = new QGroupBox(tr("Player 2 "), centralWidget());
    grbJg2->setObjectName(QStringLiteral("grbJg2"));
    grbJg2->setGeometry(454, 453, 307, 73);
    Label3 = addLabel(grbJg2, "Label3", tr("Name :"), 16, 16);
    lblJogador2 = addLabel(grbJg2, "lblJogador2", QStringLiteral("Jogador 2"), 64, 16);
    Label6 = addLabel(grbJg2, "Label6", tr("Mistakes :"), 17, 33);
    lblJogadas2 = addLabel(grbJg2, "lblJogadas2", QStringLiteral("lblJogadas2"), 69, 33);
    Label4 = addLabel(grbJg2, "Label4", tr("Points :"), 16, 49);
    lblPtJg2 = addLabel(grbJg2, "lblPtJg2", QStringLiteral("lblPtJg2"), 69, 49);
    pgbJg2 = new QProgressBar(grbJg2);
    pgbJg2->setObjectName(QStringLiteral("pgbJg2"));

    for (QProgressBar *bar : {pgbJg1, pgbJg2}) {
        bar->setGeometry(133, 51, 161, 15);
        bar->setRange(0, 100);
        bar->setValue(0);
        bar->setTextVisible(false);
    }
}

namespace {

constexpr QKeyCombination KeyNovo(Qt::Key_F2);
constexpr QKeyCombination KeyOpcoes(Qt::Key_F3);
constexpr QKeyCombination KeyTipoJogo(Qt::Key_F4);
constexpr QKeyCombination KeyMostraTodos(Qt::Key_F5);
constexpr QKeyCombination KeySair(Qt::ALT | Qt::Key_F4);
constexpr QKeyCombination KeyAjuda(Qt::Key_F1);

} // namespace

std::function<void()> TForm1::handler(void (TForm1::*method)())
{
    return [this, method] { (this->*method)(); };
}

QAction *TForm1::addLevelItem(QMenu &menu, const char *name, const QString &caption, void (TForm1::*method)())
{
    QAction *item = addMenuItem(menu, name, caption, handler(method));
    item->setCheckable(true);
    return item;
}

void TForm1::createMainMenu()
{
    menuBar()->setObjectName(QStringLiteral("mnPrincipal"));
    mnJogo = menuBar()->addMenu(tr("&Game"));
    mnJogo->setObjectName(QStringLiteral("mnJogo"));
    Novo1 = addMenuItem(*mnJogo, "Novo1", tr("&New  Game"), handler(&TForm1::Novo1Click));
    Novo1->setShortcut(KeyNovo);
    addMenuSeparator(*mnJogo, "N1");
    mnPrin = addLevelItem(*mnJogo, "mnPrin", tr("&Beginner"), &TForm1::mnPrinClick);
    mnInter = addLevelItem(*mnJogo, "mnInter", tr("&Intermediate"), &TForm1::mnInterClick);
    mnMagico = addLevelItem(*mnJogo, "mnMagico", tr("&Wizard"), &TForm1::mnMagicoClick);
    mnInter->setChecked(true);
    addMenuSeparator(*mnJogo, "N2");
    mnOpcoes = addMenuItem(*mnJogo, "mnOpcoes", tr("&Options"), handler(&TForm1::mnOpcoesClick));
    mnOpcoes->setShortcut(KeyOpcoes);
    mnTipoJogo = addMenuItem(*mnJogo, "mnTipoJogo", tr("Game &Type"), handler(&TForm1::mnTipoJogoClick));
    mnTipoJogo->setShortcut(KeyTipoJogo);
    mnMostraTodos
        = addMenuItem(*mnJogo, "mnMostraTodos", tr("&Show all Cards"), handler(&TForm1::mnMostraTodosClick));
    mnMostraTodos->setShortcut(KeyMostraTodos);
    addMenuSeparator(*mnJogo, "N3");
    mnSair = addMenuItem(*mnJogo, "mnSair", tr("E&xit"), handler(&TForm1::mnSairClick));
    mnSair->setShortcut(KeySair);

    mnAjuda = menuBar()->addMenu(tr("&Help"));
    mnAjuda->setObjectName(QStringLiteral("mnAjuda"));
    AjudadoMemo1 = addMenuItem(
        //: Brivosta Vire is the program's name, kept as it is.
        *mnAjuda, "AjudadoMemo1", tr("Brivosta Vire &Help"), handler(&TForm1::AjudadoMemo1Click));
    AjudadoMemo1->setShortcut(KeyAjuda);
    AjudadoMemo1->setIcon(lazyIcon([] { return iconInFinerSizes(QStringLiteral(":/icons/help-item.png")); }));
    mnSobre = addMenuItem(
        *mnAjuda, "mnSobre", tr("&About Brivosta  Memory Game"), handler(&TForm1::mnSobreClick));
}

void TForm1::createContextMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    QMenu &menu = *PopupMenu1;
    Novo2 = addMenuItemShowingKey(menu, "Novo2", tr("&New Game"), KeyNovo, handler(&TForm1::Novo1Click));
    addMenuSeparator(menu, "N6");
    PopPrin = addLevelItem(menu, "PopPrin", tr("&Beginner"), &TForm1::mnPrinClick);
    PopInter = addLevelItem(menu, "PopInter", tr("&Intermediate"), &TForm1::mnInterClick);
    PopMagico = addLevelItem(menu, "PopMagico", tr("&Wizard"), &TForm1::mnMagicoClick);
    PopInter->setChecked(true);
    addMenuSeparator(menu, "N5");
    Opes1 = addMenuItemShowingKey(menu, "Opes1", tr("&Options"), KeyOpcoes, handler(&TForm1::mnOpcoesClick));
    TipodeJogo1 = addMenuItemShowingKey(
        menu, "TipodeJogo1", tr("Game &Type"), KeyTipoJogo, handler(&TForm1::mnTipoJogoClick));
    Mostrartodascartas1 = addMenuItemShowingKey(menu, "Mostrartodascartas1", tr("&Show all Cards"),
        KeyMostraTodos, handler(&TForm1::mnMostraTodosClick));
    addMenuSeparator(menu, "N4");
    Sair1 = addMenuItemShowingKey(menu, "Sair1", tr("E&xit"), KeySair, handler(&TForm1::mnSairClick));
}

TMMBitmapListImage &TForm1::image(int place) const
{
    return cartas_.at(static_cast<std::size_t>(place - 1))->image();
}

TCartaNaMesa &TForm1::carta(TControleCarta &card)
{
    // The engine only ever hands back the card controls this window gave it.
    return static_cast<TCartaNaMesa &>(card);
}

QLabel *TForm1::rotulo(Rotulo label) const
{
    switch (label) {
    case Rotulo::lblJogador1:
        return lblJogador1;
    case Rotulo::lblPtJg1:
        return lblPtJg1;
    case Rotulo::lblJogadas1:
        return lblJogadas1;
    case Rotulo::lblJogador2:
        return lblJogador2;
    case Rotulo::lblPtJg2:
        return lblPtJg2;
    case Rotulo::lblJogadas2:
        return lblJogadas2;
    }
    return lblJogador1;
}

QProgressBar *TForm1::barra(Barra bar) const
{
    return bar == Barra::pgbJg1 ? pgbJg1 : pgbJg2;
}

std::span<TControleCarta *const> TForm1::cardControls() const
{
    return controles_;
}

void TForm1::setCardImage(TControleCarta &card, int bitmapIndex)
{
    carta(card).image().SetBitmapIndex(bitmapIndex);
    TablePlaceAccessible::announceChange(carta(card).image());
}

void TForm1::setCardVisible(TControleCarta &card, bool visible)
{
    carta(card).image().setVisible(visible);
    TablePlaceAccessible::announceChange(carta(card).image());
}

void TForm1::setLabelText(Rotulo label, std::string_view text)
{
    QLabel *const target = rotulo(label);
    target->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    target->adjustSize();
}

std::string TForm1::labelText(Rotulo label) const
{
    return rotulo(label)->text().toStdString();
}

void TForm1::setLabelColor(Rotulo label, TColor color)
{
    QLabel *const target = rotulo(label);
    QPalette palette = target->palette();
    palette.setColor(QPalette::WindowText, toQColor(color));
    target->setPalette(palette);
}

void TForm1::setBarMaximum(Barra bar, int maximum)
{
    barra(bar)->setMaximum(maximum);
}

void TForm1::setBarPosition(Barra bar, int position)
{
    QProgressBar *const target = barra(bar);
    target->setValue(position);
    // The bar repaints by itself only for steps it takes to be a chunk wide, which one pair
    // of the 200 points is not in this style, although the style draws it.
    target->update();
}

void TForm1::setTimerInterval(int milliseconds)
{
    tmMarcaJogada->setInterval(milliseconds);
}

bool TForm1::isLevelChecked(ComandoNivel level) const
{
    switch (level) {
    case ComandoNivel::mnPrin:
        return mnPrin->isChecked();
    case ComandoNivel::mnInter:
        return mnInter->isChecked();
    case ComandoNivel::mnMagico:
        return mnMagico->isChecked();
    }
    return false;
}

void TForm1::showComputerAsPlayer2()
{
    lblJogador2->setText(tr("Computer"));
    lblJogador2->adjustSize();
}

void TForm1::showResult(const TResultado &resultado)
{
    showMessage(applicationTitle(), resultText(resultado));
}

QString TForm1::resultText(const TResultado &resultado)
{
    switch (resultado.tipo) {
    case Resultado::ComputadorVencido:
        return tr(
            "You have just beaten the computer, congratulations ! Show you are the best , beat him again.");
    case Resultado::ComputadorVenceu:
        return tr("The computer has just  beaten you .Try again !");
    case Resultado::JogadorVenceu:
        // One pass over the template, so that a name holding "%1" or "%2" shows as it was typed.
        //: %1 is the winner's name, %2 the loser's.
        return tr("Congratulations %1 you won. %2 do not give up, try again.")
            .arg(QString::fromStdString(resultado.vencedor), QString::fromStdString(resultado.perdedor));
    case Resultado::Empate:
        break;
    }
    return tr("Draw. Try again.");
}

void TForm1::FormCreate()
{
    // A damaged settings file must not leave the generator unseeded, or every run would deal
    // the same game; the error still reaches the user.
    std::exception_ptr failure;
    try {
        Le_Config();
    } catch (...) {
        failure = std::current_exception();
    }
    randomize();
    if (failure)
        std::rethrow_exception(failure);
}

void TForm1::FormActivate()
{
    Ocupado = true;
    Le_Config();
    frmOpcoes->edtNomJog1->setText(QString::fromStdString(nameText(Config.Nome1)));
    frmOpcoes->edtNomJog2->setText(QString::fromStdString(nameText(Config.Nome2)));
    if (const auto speed = speedOfTime(Config.Velocidade))
        frmOpcoes->speedButton(*speed)->SetChecked(true);
    setLevelMarks(levelCommand(Config.Nivel));
    Inic_Jogo();
    PrimeiraVez = true;
    frmEscolhe->ShowModal();
    Ocupado = false;
}

void TForm1::Novo1Click()
{
    Ocupado = true;
    Inic_Jogo();
    Ocupado = false;
}

void TForm1::mnPrinClick()
{
    chooseLevel(ComandoNivel::mnPrin);
}

void TForm1::mnInterClick()
{
    chooseLevel(ComandoNivel::mnInter);
}

void TForm1::mnMagicoClick()
{
    chooseLevel(ComandoNivel::mnMagico);
}

void TForm1::chooseLevel(ComandoNivel level)
{
    Ocupado = true;
    setLevelMarks(level);
    Inic_Jogo();
    Ocupado = false;
}

void TForm1::setLevelMarks(ComandoNivel level)
{
    mnPrin->setChecked(level == ComandoNivel::mnPrin);
    PopPrin->setChecked(level == ComandoNivel::mnPrin);
    mnInter->setChecked(level == ComandoNivel::mnInter);
    PopInter->setChecked(level == ComandoNivel::mnInter);
    mnMagico->setChecked(level == ComandoNivel::mnMagico);
    PopMagico->setChecked(level == ComandoNivel::mnMagico);
}

void TForm1::mnOpcoesClick()
{
    frmOpcoes->ShowModal();
}

void TForm1::mnTipoJogoClick()
{
    frmEscolhe->ShowModal();
}

void TForm1::mnMostraTodosClick()
{
    Mostra_Todos();
}

void TForm1::mnSairClick()
{
    close();
}

void TForm1::AjudadoMemo1Click()
{
    frmAjuda->ShowModal();
}

void TForm1::mnSobreClick()
{
    f_sobre->ShowModal();
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (activationScheduled_)
        return;
    activationScheduled_ = true;
    // Once the window is on the screen and the message loop runs; waiting for the window
    // system to activate it would never happen under an X server without a window manager.
    QTimer::singleShot(0, this, guarded([this] { FormActivate(); }));
}

void TForm1::closeEvent(QCloseEvent *event)
{
    event->ignore();
    runGuarded([this, event] { FormClose(*event); });
}

void TForm1::FormClose(QCloseEvent &event)
{
    if (!confirm(tr("Do you really want to exit ?")))
        return;
    Config.Nivel = checkedLevelNumber(*this);
    Grava_Config();
    event.accept();
    QCoreApplication::quit();
}

void TForm1::contextMenuEvent(QContextMenuEvent *event)
{
    PopupMenu1->popup(event->globalPos());
}
