// SPDX-License-Identifier: MIT
#include "HandCursors.h"

#include "CursorCanvas.h"

#include <QPolygonF>

namespace brivmemo::tools {

namespace {

// A finger w pixels wide from its rounded tip at row top down to row bottom.
void finger(CursorCanvas &canvas, int left, int width, int top, int bottom)
{
    canvas.fill(QRect(left + 1, top, width - 2, 1));
    canvas.fill(QRect(left, top + 1, width, bottom - top));
}

// The hand with its index finger up; its fingertip lies right below (tipX, tipY). The full hand
// has size 4; a smaller size draws it smaller in quarters.
IconPicture pointingHand(int tipX, int tipY, int size, int scale)
{
    CursorCanvas canvas(scale);
    const auto s = [size](int pixels) { return (pixels * size + 2) / 4; };
    const int x = tipX - s(1);
    const int y = tipY + 1;
    const int fingerWidth = s(4);
    finger(canvas, x, fingerWidth, y, y + s(13));
    finger(canvas, x + fingerWidth + 1, fingerWidth, y + s(7), y + s(14));
    finger(canvas, x + 2 * (fingerWidth + 1), fingerWidth, y + s(8), y + s(14));
    finger(canvas, x + 3 * (fingerWidth + 1), fingerWidth - 1, y + s(9), y + s(14));
    const int palmRight = x + 4 * (fingerWidth + 1) - 2;
    canvas.fill(QRect(QPoint(x, y + s(13)), QPoint(palmRight, y + s(21))));
    finger(canvas, x - s(4), s(3), y + s(11), y + s(16));
    canvas.fill(QRect(QPoint(x - 1, y + s(15)), QPoint(x - 1, y + s(21))));
    canvas.fill(QRect(QPoint(x + s(2), y + s(21)), QPoint(palmRight - s(1), y + s(25))));
    for (int gap = 1; gap <= 3; ++gap) {
        const int column = x + gap * (fingerWidth + 1) - 1;
        canvas.ink({column, y + s(13)}, {column, y + s(15)});
    }
    return canvas.finish({tipX, tipY});
}

IconPicture openHand(int scale)
{
    CursorCanvas canvas(scale);
    finger(canvas, 3, 3, 3, 16);
    finger(canvas, 7, 3, 3, 16);
    finger(canvas, 11, 3, 4, 16);
    finger(canvas, 15, 3, 6, 16);
    canvas.fill(QRect(QPoint(3, 15), QPoint(17, 24)));
    QPainterPath thumb;
    thumb.addPolygon(QPolygonF({{17, 24}, {17, 17}, {22, 11}, {25, 13}, {21, 22}}));
    canvas.fill(thumb);
    canvas.fill(QRect(QPoint(5, 25), QPoint(16, 29)));
    return canvas.finish({4, 2});
}

// A closed fist seen from the back, its knuckles at the top, placed with its corner at (left, top).
void fist(CursorCanvas &canvas, int left, int top)
{
    for (int knuckle = 0; knuckle < 4; ++knuckle)
        finger(canvas, left + 1 + 3 * knuckle, 3, top, top + 3);
    canvas.fill(QRect(left, top + 3, 14, 7));
    canvas.fill(QRect(left + 2, top + 10, 10, 3));
    for (int gap = 1; gap <= 3; ++gap)
        canvas.ink({left + 1 + 3 * gap, top + 2}, {left + 1 + 3 * gap, top + 4});
}

IconPicture arrowWithHand(int scale)
{
    CursorCanvas canvas(scale);
    QPainterPath arrow;
    arrow.addPolygon(
        QPolygonF({{1, 1}, {1, 17}, {5, 13}, {8, 19.5}, {10.5, 18.5}, {7.5, 12}, {13, 12}, {1, 1}}));
    canvas.fill(arrow);
    canvas.ink({0, 0}, {0, 0});
    fist(canvas, 15, 16);
    return canvas.finish({0, 0});
}

// A hand closed round something it drags: curled fingers on top, the thumb at the left.
IconPicture grabbingHand(int scale)
{
    CursorCanvas canvas(scale);
    for (int knuckle = 0; knuckle < 4; ++knuckle)
        finger(canvas, 5 + 4 * knuckle, 3, 4, 10);
    canvas.fill(QRect(QPoint(4, 10), QPoint(20, 18)));
    finger(canvas, 1, 3, 8, 14);
    canvas.fill(QRect(QPoint(3, 12), QPoint(4, 18)));
    canvas.fill(QRect(QPoint(6, 19), QPoint(18, 23)));
    canvas.ink({0, 0}, {0, 0});
    return canvas.finish({0, 0});
}

} // namespace

std::vector<NumberedCursor> handCursors(int scale)
{
    return {
        {15000, QStringLiteral("hand point"), pointingHand(6, 0, 4, scale)},
        {15001, QStringLiteral("small hand point"), pointingHand(13, 9, 3, scale)},
        {15002, QStringLiteral("grab hand"), openHand(scale)},
        {15003, QStringLiteral("grab hand arrow"), arrowWithHand(scale)},
        {15004, QStringLiteral("drag hand"), grabbingHand(scale)},
    };
}

} // namespace brivmemo::tools
