// SPDX-License-Identifier: MIT
#include "KeyboardPlayer.h"

#include "TableKeyboard.h"
#include "Timer.h"
#include "memo.h"

#include <QTest>
#include <stdexcept>

namespace brivmemo::test {

namespace {

std::size_t slot(int place)
{
    return static_cast<std::size_t>(place);
}

TableKeyboard &keyboardOf(TForm1 &form)
{
    auto *keyboard = form.findChild<TableKeyboard *>();
    if (keyboard == nullptr)
        throw std::logic_error("the main window has no keyboard play");
    return *keyboard;
}

} // namespace

KeyboardPlayer::KeyboardPlayer(TForm1 &form)
    : form_(form)
    , keyboard_(keyboardOf(form))
{ }

void KeyboardPlayer::press(Qt::Key key, Qt::KeyboardModifiers modifiers) const
{
    QTest::keyClick(form_.windowHandle(), key, modifiers);
}

bool KeyboardPlayer::moveTo(int place) const
{
    const int row = (place - 1) / TableColumns;
    const int column = (place - 1) % TableColumns;
    // Bounded: a faulty frame must fail the test, not hang it.
    for (int step = 0; step < TableRows && (keyboard_.place() - 1) / TableColumns != row; ++step) {
        const int down = (row - (keyboard_.place() - 1) / TableColumns + TableRows) % TableRows;
        press(down <= TableRows / 2 ? Qt::Key_Down : Qt::Key_Up);
    }
    if (column == 0) {
        press(Qt::Key_Home);
    } else if (column == TableColumns - 1) {
        press(Qt::Key_End);
    } else {
        for (int step = 0; step < TableColumns && keyboard_.place() != place; ++step)
            press((keyboard_.place() - 1) % TableColumns < column ? Qt::Key_Right : Qt::Key_Left);
    }
    return keyboard_.place() == place && keyboard_.isFrameShown();
}

bool KeyboardPlayer::turn(int place, Qt::Key key) const
{
    if (!moveTo(place))
        return false;
    press(key);
    return true;
}

int KeyboardPlayer::playGame(int maxMoves)
{
    for (int moves = 1; moves <= maxMoves; ++moves) {
        if (form_.JogadorAtual->Tipo == 1)
            playMove();
        if (form_.CartasViradas != 2 || !form_.tmMarcaJogada->isActive())
            return -1;
        observe();
        form_.tmMarcaJogada->Timer();
        if (!form_.tmMarcaJogada->isActive() && Ocupado)
            return moves;
    }
    return -1;
}

void KeyboardPlayer::playMove()
{
    const int known = knownPairPlace();
    const int first = known != 0 ? known : unseenPlace(0);
    if (!turn(first, Qt::Key_Space))
        return;
    observe();
    const int partner = seenPartner(first);
    turn(partner != 0 ? partner : unseenPlace(first), Qt::Key_Return);
}

void KeyboardPlayer::observe()
{
    for (int place = 1; place <= NumLugares; ++place) {
        const TMMBitmapListImage &card = form_.image(place);
        if (!card.isHidden() && card.BitmapIndex() > 0)
            faceAt_[slot(place)] = card.BitmapIndex();
    }
}

bool KeyboardPlayer::faceDown(int place) const
{
    const TMMBitmapListImage &card = form_.image(place);
    return !card.isHidden() && card.BitmapIndex() == 0;
}

int KeyboardPlayer::unseenPlace(int except) const
{
    for (int place = 1; place <= NumLugares; ++place) {
        if (place != except && faceDown(place) && faceAt_[slot(place)] == 0)
            return place;
    }
    return 0;
}

int KeyboardPlayer::seenPartner(int place) const
{
    if (faceAt_[slot(place)] == 0)
        return 0;
    for (int other = 1; other <= NumLugares; ++other) {
        if (other != place && faceDown(other) && faceAt_[slot(other)] == faceAt_[slot(place)])
            return other;
    }
    return 0;
}

int KeyboardPlayer::knownPairPlace() const
{
    for (int place = 1; place <= NumLugares; ++place) {
        if (faceDown(place) && faceAt_[slot(place)] != 0 && seenPartner(place) != 0)
            return place;
    }
    return 0;
}

} // namespace brivmemo::test
