// SPDX-License-Identifier: MIT
#include "ScreenCentre.h"

#include <QRect>
#include <QScreen>
#include <QWidget>

namespace brivmemo {

void centreOnScreen(QWidget &window)
{
    const QScreen *const screen = window.screen();
    if (screen == nullptr)
        return;
    const QRect area = screen->geometry();
    const QSize outer = window.frameGeometry().size();
    window.move(
        area.left() + (area.width() - outer.width()) / 2, area.top() + (area.height() - outer.height()) / 2);
}

} // namespace brivmemo
