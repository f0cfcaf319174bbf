// SPDX-License-Identifier: MIT
#include "KeyboardPlayer.h"

#include "TableKeyboard.h"
#include "memo.h"

#include <QTest>
#include <stdexcept>

namespace brivmemo::test {

namespace {

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
    , memory_(form)
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
    return playUntilOver(form_, memory_, maxMoves, [this] { playMove(); });
}

void KeyboardPlayer::playMove()
{
    const int known = memory_.knownPairPlace();
    const int first = known != 0 ? known : memory_.unseenPlace(0);
    if (!turn(first, Qt::Key_Space))
        return;
    memory_.observe();
    const int partner = memory_.seenPartner(first);
    turn(partner != 0 ? partner : memory_.unseenPlace(first), Qt::Key_Return);
}

} // namespace brivmemo::test
