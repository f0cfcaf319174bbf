// SPDX-License-Identifier: MIT
#include "Monkey.h"

#include "About.h"
#include "GameWindowsFixture.h"
#include "MMCheck.h"
#include "MessageBoxes.h"
#include "Timer.h"
#include "UHelp.h"
#include "Uescolhe.h"
#include "Uopcoes.h"
#include "memo.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <array>
#include <gtest/gtest.h>

namespace brivmemo::test {
namespace {

// The time Qt takes to release a push button pressed by its accelerator, with room to spare.
constexpr int AcceleratorClickMs = 2000;

QTimer &clockOf(const TTimer &timer)
{
    return *timer.findChild<QTimer *>();
}

template<typename T, std::size_t N> const T &pick(const std::array<T, N> &items, int index)
{
    return items[static_cast<std::size_t>(index)];
}

} // namespace

Monkey::Monkey(TForm1 &form, std::uint32_t seed)
    : form_(form)
    , random_(seed)
    , previousHook_(setMessageBoxHook([this](QMessageBox &box) { return answer(box); }))
{
    clockOf(*form_.tmMarcaJogada).blockSignals(true);
}

Monkey::~Monkey()
{
    clockOf(*form_.tmMarcaJogada).blockSignals(false);
    setMessageBoxHook(previousHook_);
}

int Monkey::below(int bound)
{
    return static_cast<int>(random_() % static_cast<std::uint32_t>(bound));
}

bool Monkey::chance(int percent)
{
    return below(100) < percent;
}

int Monkey::wayOut(int immediate, int byAccelerator)
{
    // Qt releases a button clicked by its accelerator a tenth of a second later; those ways
    // out are taken seldom, to keep a run fast.
    return chance(5) ? immediate + below(byAccelerator) : below(immediate);
}

void Monkey::step()
{
    // Weights: cards and ticks most, so that games are played to their end now and then;
    // commands that deal again rarely, so that they do not cut every game short.
    const int roll = below(1000);
    if (roll < 330)
        clickCard();
    else if (roll < 400)
        clickTable();
    else if (roll < 560)
        pressTableKey();
    else if (roll < 820)
        fireTimer();
    else if (roll < 830)
        pressMainWindowKey(Qt::Key_F2, Qt::NoModifier, "F2");
    else if (roll < 840)
        pressMainWindowKey(Qt::Key_F5, Qt::NoModifier, "F5");
    else if (roll < 850)
        chooseLevel();
    else if (roll < 870)
        runMenuCommand();
    else if (roll < 910)
        openOptions();
    else if (roll < 930)
        openGameType();
    else if (roll < 955)
        openHelp();
    else if (roll < 980)
        openAbout();
    else
        requestExit();
    QCoreApplication::processEvents();
}

void Monkey::clickCard()
{
    const int place = below(NumLugares) + 1;
    TMMBitmapListImage &card = form_.image(place);
    action_ = "click on place " + std::to_string(place);
    if (card.isHidden()) {
        // A taken card: the click lands on the table where it lay.
        QTest::mouseClick(form_.PnBaralho, Qt::LeftButton, {}, card.geometry().center());
        return;
    }
    QTest::mouseClick(&card, Qt::LeftButton, {}, QPoint(below(card.width()), below(card.height())));
}

void Monkey::clickTable()
{
    const QPoint point(below(form_.PnBaralho->width()), below(form_.PnBaralho->height()));
    action_ = "click on the table at " + std::to_string(point.x()) + ", " + std::to_string(point.y());
    QWidget *const target = form_.PnBaralho->childAt(point);
    QWidget *const receiver = target != nullptr ? target : form_.PnBaralho;
    QTest::mouseClick(receiver, Qt::LeftButton, {}, receiver->mapFrom(form_.PnBaralho, point));
}

void Monkey::pressTableKey()
{
    static constexpr std::array<std::pair<Qt::Key, const char *>, 8> keys {{{Qt::Key_Left, "Left"},
        {Qt::Key_Right, "Right"}, {Qt::Key_Up, "Up"}, {Qt::Key_Down, "Down"}, {Qt::Key_Home, "Home"},
        {Qt::Key_End, "End"}, {Qt::Key_Space, "Space"}, {Qt::Key_Return, "Return"}}};
    const auto &[key, name] = pick(keys, below(static_cast<int>(keys.size())));
    pressMainWindowKey(key, Qt::NoModifier, name);
}

void Monkey::pressMainWindowKey(int key, int modifiers, const char *name)
{
    action_ = std::string("key ") + name;
    if (QApplication::activeWindow() != &form_)
        activate(form_);
    QTest::keyClick(form_.windowHandle(), static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
}

void Monkey::chooseLevel()
{
    const std::array<QAction *, 6> levels {
        form_.mnPrin, form_.mnInter, form_.mnMagico, form_.PopPrin, form_.PopInter, form_.PopMagico};
    QAction *const level = pick(levels, below(static_cast<int>(levels.size())));
    action_ = "level command " + level->objectName().toStdString();
    level->trigger();
}

void Monkey::runMenuCommand()
{
    const std::array<QAction *, 4> commands {
        form_.Novo1, form_.Novo2, form_.mnMostraTodos, form_.Mostrartodascartas1};
    QAction *const command = pick(commands, below(static_cast<int>(commands.size())));
    action_ = "menu command " + command->objectName().toStdString();
    command->trigger();
}

void Monkey::requestExit()
{
    const int questionsBefore = questions_;
    switch (below(4)) {
    case 0:
        action_ = "exit by mnSair";
        form_.mnSair->trigger();
        break;
    case 1:
        action_ = "exit by Sair1";
        form_.Sair1->trigger();
        break;
    case 2:
        pressMainWindowKey(Qt::Key_F4, Qt::AltModifier, "Alt+F4");
        break;
    default:
        action_ = "exit by the title bar";
        form_.close();
        break;
    }
    if (questions_ != questionsBefore + 1)
        ADD_FAILURE() << "the exit question was asked " << questions_ - questionsBefore << " times";
    if (!form_.isVisible()) {
        ADD_FAILURE() << "the main window closed on an exit answered \"&No\"";
        form_.show();
    }
}

void Monkey::fireTimer()
{
    action_ = form_.tmMarcaJogada->isActive() ? "timer tick" : "timer idle";
    if (form_.tmMarcaJogada->isActive())
        form_.tmMarcaJogada->Timer();
}

void Monkey::fireTimerSometimes()
{
    if (chance(30) && form_.tmMarcaJogada->isActive())
        form_.tmMarcaJogada->Timer();
}

void Monkey::openOptions()
{
    whenModal([this](QWidget &) { playOptions(*frmOpcoes); });
    switch (below(3)) {
    case 0:
        pressMainWindowKey(Qt::Key_F3, Qt::NoModifier, "F3");
        break;
    case 1:
        action_ = "options by mnOpcoes";
        form_.mnOpcoes->trigger();
        break;
    default:
        action_ = "options by Opes1";
        form_.Opes1->trigger();
        break;
    }
}

void Monkey::openGameType()
{
    whenModal([this](QWidget &) { playGameType(*frmEscolhe); });
    if (chance(50)) {
        pressMainWindowKey(Qt::Key_F4, Qt::NoModifier, "F4");
    } else {
        QAction *const command = chance(50) ? form_.mnTipoJogo : form_.TipodeJogo1;
        action_ = "game type by " + command->objectName().toStdString();
        command->trigger();
    }
}

void Monkey::openHelp()
{
    whenModal([this](QWidget &) { playInfoWindow(*frmAjuda, *frmAjuda->BitBtn1, *frmAjuda->Memtexto); });
    if (chance(50)) {
        pressMainWindowKey(Qt::Key_F1, Qt::NoModifier, "F1");
    } else {
        action_ = "help by AjudadoMemo1";
        form_.AjudadoMemo1->trigger();
    }
}

void Monkey::openAbout()
{
    whenModal([this](QWidget &) { playInfoWindow(*f_sobre, *f_sobre->BitBtn1, *f_sobre->Memo2); });
    action_ = "about by mnSobre";
    form_.mnSobre->trigger();
}

void Monkey::playOptions(TfrmOpcoes &dialog)
{
    activate(dialog);
    const std::array<TMMBitmapRadioButton *, 3> speeds {dialog.rabLenta, dialog.rabNormal, dialog.rabRapida};
    static constexpr std::array<Qt::Key, 3> speedKeys {Qt::Key_S, Qt::Key_N, Qt::Key_F};
    for (int moves = below(5); moves > 0; --moves) {
        fireTimerSometimes();
        switch (below(4)) {
        case 0:
            QTest::keyClick(&dialog, pick(speedKeys, below(3)), Qt::AltModifier);
            break;
        case 1:
            QTest::mouseClick(pick(speeds, below(3)), Qt::LeftButton);
            break;
        default:
            typeName(chance(50) ? *dialog.edtNomJog1 : *dialog.edtNomJog2);
            break;
        }
    }
    fireTimerSometimes();
    QWidget *const keyTarget = chance(50) ? static_cast<QWidget *>(&dialog) : dialog.edtNomJog1;
    switch (wayOut(5, 2)) {
    case 0:
        dialog.Button1->click();
        return expectClosed(dialog, "OK");
    case 1:
        QTest::keyClick(keyTarget, Qt::Key_Return);
        return expectClosed(dialog, "Enter");
    case 2:
        dialog.Button2->click();
        return expectClosed(dialog, "Cancel");
    case 3:
        QTest::keyClick(keyTarget, Qt::Key_Escape);
        return expectClosed(dialog, "Esc");
    case 4:
        dialog.close();
        return expectClosed(dialog, "title bar");
    case 5:
        QTest::keyClick(&dialog, Qt::Key_O, Qt::AltModifier);
        return expectClosed(dialog, "Alt+O", Closing::AfterAcceleratorClick);
    default:
        QTest::keyClick(&dialog, Qt::Key_C, Qt::AltModifier);
        return expectClosed(dialog, "Alt+C", Closing::AfterAcceleratorClick);
    }
}

void Monkey::playGameType(TfrmEscolhe &dialog)
{
    activate(dialog);
    for (int moves = below(4); moves > 0; --moves) {
        fireTimerSometimes();
        switch (below(4)) {
        case 0:
            QTest::keyClick(&dialog, Qt::Key_H, Qt::AltModifier);
            break;
        case 1:
            QTest::keyClick(&dialog, Qt::Key_C, Qt::AltModifier);
            break;
        default:
            QTest::mouseClick(chance(50) ? dialog.rabHumano : dialog.rabComputador, Qt::LeftButton);
            break;
        }
    }
    fireTimerSometimes();
    // Dealing again cuts the game short, so the ways that keep it are taken more often.
    switch (wayOut(7, 1)) {
    case 0:
        dialog.cmdOK->click();
        return expectClosed(dialog, "OK");
    case 1:
        QTest::keyClick(&dialog, Qt::Key_Return);
        return expectClosed(dialog, "Enter");
    case 2:
    case 3:
        dialog.cmdSair->click();
        return expectClosed(dialog, "Close");
    case 4:
    case 5:
        QTest::keyClick(&dialog, Qt::Key_Escape);
        return expectClosed(dialog, "Esc");
    case 6:
        dialog.close();
        return expectClosed(dialog, "window system close");
    default:
        QTest::keyClick(&dialog, Qt::Key_O, Qt::AltModifier);
        return expectClosed(dialog, "Alt+O", Closing::AfterAcceleratorClick);
    }
}

void Monkey::playInfoWindow(QWidget &window, QAbstractButton &ok, QWidget &text)
{
    activate(window);
    for (int moves = below(4); moves > 0; --moves) {
        fireTimerSometimes();
        static constexpr std::array<Qt::Key, 4> keys {
            Qt::Key_Escape, Qt::Key_PageDown, Qt::Key_Down, Qt::Key_End};
        QTest::keyClick(chance(50) ? &window : &text, pick(keys, below(static_cast<int>(keys.size()))));
        if (!window.isVisible()) {
            ADD_FAILURE() << window.objectName().toStdString() << " closed on a key other than its own";
            return;
        }
    }
    fireTimerSometimes();
    switch (below(3)) {
    case 0:
        ok.click();
        return expectClosed(window, "OK");
    case 1:
        QTest::keyClick(&window, Qt::Key_Return);
        return expectClosed(window, "Enter");
    default:
        window.close();
        return expectClosed(window, "title bar");
    }
}

void Monkey::typeName(QWidget &field)
{
    if (chance(25)) {
        QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&field, Qt::Key_Backspace);
        return;
    }
    // Blanks, letters outside the settings file's code page and control keys as well.
    static const QString letters = QStringLiteral("ab Zé\u20AC\u0416\u00A0\t1");
    for (int count = below(6) + 1; count > 0; --count) {
        const QChar letter = letters.at(below(static_cast<int>(letters.size())));
        if (letter.unicode() < 0x80)
            QTest::keyClick(&field, letter.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, &field, Qt::Key_unknown, QString(letter), Qt::NoModifier);
    }
}

void Monkey::expectClosed(QWidget &dialog, const char *wayOut, Closing closing)
{
    const auto closed = [&dialog] { return !dialog.isVisible(); };
    if (closed()
        || (closing == Closing::AfterAcceleratorClick && QTest::qWaitFor(closed, AcceleratorClickMs)))
        return;
    ADD_FAILURE() << dialog.objectName().toStdString() << " stayed open after " << wayOut;
    if (auto *const modal = qobject_cast<QDialog *>(&dialog))
        modal->done(QDialog::Rejected);
}

QAbstractButton *Monkey::answer(QMessageBox &box)
{
    if (box.icon() == QMessageBox::Critical) {
        ++errorBoxes_;
        lastError_ = box.text();
    } else if (box.icon() == QMessageBox::NoIcon) {
        ++results_;
    } else if (box.text() == QStringLiteral("Do you really want to exit ?")) {
        ++questions_;
    }
    fireTimerSometimes();
    for (QAbstractButton *const button : box.buttons()) {
        // Never "&Yes": that would end the program.
        if (button->text() == QStringLiteral("&No"))
            return chance(50) ? button : nullptr;
    }
    return nullptr;
}

} // namespace brivmemo::test
