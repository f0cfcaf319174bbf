// SPDX-License-Identifier: MIT
#include "TableFocusFrame.h"

#include <QPainter>

namespace {

constexpr int YellowRings = 2;

} // namespace

TableFocusFrame::TableFocusFrame(QWidget &table)
    : QWidget(table.parentWidget())
    , table_(table)
{
    setObjectName(QStringLiteral("TableFocusFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void TableFocusFrame::surround(const QRect &card)
{
    setGeometry(card.translated(table_.pos()).adjusted(-Width, -Width, Width, Width));
    raise();
}

void TableFocusFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (int ring = 0; ring < Width; ++ring) {
        painter.setPen(ring < YellowRings ? Qt::yellow : Qt::black);
        painter.drawRect(rect().adjusted(ring, ring, -1 - ring, -1 - ring));
    }
}
