// SPDX-License-Identifier: MIT
#include "LibraryCursors.h"

#include "CursorCanvas.h"

#include <QPolygonF>
#include <QTransform>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace brivmemo::tools {

namespace {

constexpr QPointF kCentre(16, 16);
constexpr QPoint kMiddle(16, 16);

QTransform turned(double degrees)
{
    return QTransform()
        .translate(kCentre.x(), kCentre.y())
        .rotate(degrees)
        .translate(-kCentre.x(), -kCentre.y());
}

QPoint pixelAt(QPointF point)
{
    return {std::clamp(static_cast<int>(std::floor(point.x())), 0, CursorCanvas::kSide - 1),
        std::clamp(static_cast<int>(std::floor(point.y())), 0, CursorCanvas::kSide - 1)};
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath disc(QPointF centre, double radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

// A bar of the given width from one point to another.
QPainterPath bar(QPointF from, QPointF to, double width)
{
    const QPointF along = to - from;
    const double length = std::hypot(along.x(), along.y());
    const QPointF across(-along.y() / length * width / 2, along.x() / length * width / 2);
    return polygon({from + across, to + across, to - across, from - across});
}

// A block arrow pointing up, its tip at (16, 2), turned about the centre.
IconPicture blockArrow(double degrees, int scale)
{
    const QTransform turn = turned(degrees);
    CursorCanvas canvas(scale);
    canvas.fill(turn.map(polygon({{16, 1.5}, {25, 11}, {19, 11}, {19, 29}, {13, 29}, {13, 11}, {7, 11}})));
    return canvas.finish(pixelAt(turn.map(QPointF(16, 2.5))));
}

QPainterPath doubleArrowPath(double degrees, double reach, double head)
{
    QPainterPath path
        = polygon({{16 - reach, 16}, {16 - reach + head, 16 - head}, {16 - reach + head, 16 + head}});
    path.addPath(polygon({{16 + reach, 16}, {16 + reach - head, 16 - head}, {16 + reach - head, 16 + head}}));
    path.addPath(polygon({{16 - reach + head, 14}, {16 + reach - head, 14}, {16 + reach - head, 18},
        {16 - reach + head, 18}}));
    return turned(degrees).map(path);
}

void fillEach(CursorCanvas &canvas, const QPainterPath &path)
{
    for (const QPolygonF &part : path.toSubpathPolygons()) {
        QPainterPath piece;
        piece.addPolygon(part);
        canvas.fill(piece);
    }
}

IconPicture doubleArrow(double degrees, int scale)
{
    CursorCanvas canvas(scale);
    fillEach(canvas, doubleArrowPath(degrees, 14, 7));
    return canvas.finish(kMiddle);
}

IconPicture move(int scale)
{
    CursorCanvas canvas(scale);
    fillEach(canvas, doubleArrowPath(0, 14, 5));
    fillEach(canvas, doubleArrowPath(90, 14, 5));
    return canvas.finish(kMiddle);
}

IconPicture crosshair(int scale)
{
    CursorCanvas canvas(scale);
    canvas.fill(QRect(15, 2, 1, 10));
    canvas.fill(QRect(15, 20, 1, 10));
    canvas.fill(QRect(2, 15, 10, 1));
    canvas.fill(QRect(20, 15, 10, 1));
    canvas.fill(QRect(15, 15, 1, 1));
    return canvas.finish({15, 15});
}

IconPicture plus(int scale)
{
    CursorCanvas canvas(scale);
    canvas.fill(QRect(13, 5, 6, 22));
    canvas.fill(QRect(5, 13, 22, 6));
    return canvas.finish(kMiddle);
}

IconPicture textBeam(int scale)
{
    CursorCanvas canvas(scale);
    canvas.fill(QRect(15, 6, 2, 20));
    canvas.fill(QRect(11, 5, 4, 2));
    canvas.fill(QRect(17, 5, 4, 2));
    canvas.fill(QRect(11, 25, 4, 2));
    canvas.fill(QRect(17, 25, 4, 2));
    return canvas.finish(kMiddle);
}

IconPicture hourglass(int scale)
{
    CursorCanvas canvas(scale);
    canvas.fill(polygon(
        {{8, 3}, {24, 3}, {24, 7}, {17.5, 16}, {24, 25}, {24, 29}, {8, 29}, {8, 25}, {14.5, 16}, {8, 7}}));
    canvas.ink({9, 6}, {22, 6});
    canvas.ink({9, 26}, {22, 26});
    canvas.ink({12, 24}, {19, 24});
    return canvas.finish(kMiddle);
}

IconPicture noEntry(int scale)
{
    CursorCanvas canvas(scale);
    QPainterPath ring = disc(kCentre, 12);
    ring.addPath(disc(kCentre, 8));
    canvas.fill(ring);
    canvas.fill(bar({8.5, 8.5}, {23.5, 23.5}, 4));
    return canvas.finish(kMiddle);
}

enum class Zoom { In, Out };

IconPicture magnifier(Zoom zoom, int scale)
{
    const QPointF lens(12, 12);
    CursorCanvas canvas(scale);
    canvas.fill(disc(lens, 9));
    canvas.fill(bar({17.5, 17.5}, {28.5, 28.5}, 4.5));
    canvas.ink({8, 12}, {15, 12});
    if (zoom == Zoom::In)
        canvas.ink({12, 8}, {12, 15});
    return canvas.finish({12, 12});
}

IconPicture pencil(int scale)
{
    CursorCanvas canvas(scale);
    canvas.fill(polygon({{2, 30}, {4, 23}, {23, 4}, {28, 9}, {9, 28}}));
    canvas.ink({4, 24}, {8, 28});
    canvas.ink({20, 7}, {25, 12});
    return canvas.finish({2, 29});
}

// The plain pointer with its tip at (0, 0) and a badge drawn below its right.
IconPicture pointerWith(const std::function<void(CursorCanvas &)> &badge, int scale)
{
    CursorCanvas canvas(scale);
    canvas.fill(polygon({{1, 1}, {1, 17}, {5, 13}, {8, 19.5}, {10.5, 18.5}, {7.5, 12}, {13, 12}}));
    canvas.ink({0, 0}, {0, 0});
    badge(canvas);
    return canvas.finish({0, 0});
}

void plusBadge(CursorCanvas &canvas)
{
    canvas.fill(QRect(17, 17, 11, 11));
    canvas.ink({19, 22}, {25, 22});
    canvas.ink({22, 19}, {22, 25});
}

void minusBadge(CursorCanvas &canvas)
{
    canvas.fill(QRect(17, 17, 11, 11));
    canvas.ink({19, 22}, {25, 22});
}

void boxBadge(CursorCanvas &canvas)
{
    canvas.fill(QRect(16, 19, 13, 10));
    canvas.ink({18, 21}, {26, 21});
    canvas.ink({18, 23}, {24, 23});
    canvas.ink({18, 25}, {25, 25});
}

void questionBadge(CursorCanvas &canvas)
{
    canvas.stamp({18, 15},
        {".oooooo.", "oooooooo", "ooo..ooo", ".....ooo", "...oooo.", "...ooo..", "...ooo..", "........",
            "...ooo..", "...ooo.."});
}

void hourglassBadge(CursorCanvas &canvas)
{
    canvas.fill(polygon({{17, 16}, {27, 16}, {27, 18}, {23, 22.5}, {27, 27}, {27, 29}, {17, 29}, {17, 27},
        {21, 22.5}, {17, 18}}));
}

IconPicture splitter(double degrees, int scale)
{
    const QTransform turn = turned(degrees);
    CursorCanvas canvas(scale);
    canvas.fill(turn.map(polygon({{13, 6}, {16, 6}, {16, 26}, {13, 26}})));
    canvas.fill(turn.map(polygon({{17, 6}, {20, 6}, {20, 26}, {17, 26}})));
    fillEach(canvas, turn.map(polygon({{2, 16}, {8, 10}, {8, 14}, {12, 14}, {12, 18}, {8, 18}, {8, 22}})));
    fillEach(
        canvas, turn.map(polygon({{31, 16}, {25, 10}, {25, 14}, {21, 14}, {21, 18}, {25, 18}, {25, 22}})));
    return canvas.finish(kMiddle);
}

IconPicture target(int scale)
{
    CursorCanvas canvas(scale);
    QPainterPath ring = disc(kCentre, 11);
    ring.addPath(disc(kCentre, 8));
    canvas.fill(ring);
    canvas.fill(disc(kCentre, 2.5));
    return canvas.finish(kMiddle);
}

IconPicture selection(int scale)
{
    CursorCanvas canvas(scale);
    canvas.fill(QRect(9, 1, 1, 8));
    canvas.fill(QRect(9, 11, 1, 8));
    canvas.fill(QRect(1, 9, 8, 1));
    canvas.fill(QRect(11, 9, 8, 1));
    canvas.fill(QRect(16, 16, 13, 13));
    canvas.erase(QRect(18, 18, 9, 9));
    return canvas.finish({9, 9});
}

IconPicture eyedropper(int scale)
{
    CursorCanvas canvas(scale);
    canvas.fill(disc({25, 7}, 4.5));
    canvas.fill(bar({20, 8}, {24, 12}, 3));
    canvas.fill(bar({21.5, 10.5}, {4, 28}, 4));
    canvas.ink({18, 10}, {22, 14});
    return canvas.finish({3, 28});
}

} // namespace

std::vector<NumberedCursor> libraryCursors(int scale)
{
    std::vector<NumberedCursor> cursors;
    const auto add = [&cursors](const char *name, IconPicture picture) {
        cursors.push_back(
            {2001 + static_cast<int>(cursors.size()), QString::fromLatin1(name), std::move(picture)});
    };
    const std::array<const char *, 8> directions {"arrow up", "arrow up right", "arrow right",
        "arrow down right", "arrow down", "arrow down left", "arrow left", "arrow up left"};
    for (int turn = 0; turn < 8; ++turn)
        add(directions[static_cast<std::size_t>(turn)], blockArrow(45.0 * turn, scale));
    add("size across", doubleArrow(0, scale));
    add("size up and down", doubleArrow(90, scale));
    add("size rising", doubleArrow(-45, scale));
    add("size falling", doubleArrow(45, scale));
    add("move", move(scale));
    add("crosshair", crosshair(scale));
    add("plus", plus(scale));
    add("text", textBeam(scale));
    add("hourglass", hourglass(scale));
    add("no entry", noEntry(scale));
    add("zoom in", magnifier(Zoom::In, scale));
    add("zoom out", magnifier(Zoom::Out, scale));
    add("pencil", pencil(scale));
    add("copy", pointerWith(plusBadge, scale));
    add("drag", pointerWith(boxBadge, scale));
    add("help", pointerWith(questionBadge, scale));
    add("split across", splitter(0, scale));
    add("split up and down", splitter(90, scale));
    add("target", target(scale));
    add("select", selection(scale));
    add("eyedropper", eyedropper(scale));
    add("busy", pointerWith(hourglassBadge, scale));
    add("remove", pointerWith(minusBadge, scale));
    return cursors;
}

} // namespace brivmemo::tools
