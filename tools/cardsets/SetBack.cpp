// SPDX-License-Identifier: MIT
#include "SetBack.h"

#include <QPainter>
#include <QPainterPath>

namespace brivmemo::tools {

namespace {

void drawPattern(QPainter &painter, const BackDesign &design, int side)
{
    const QColor color = QColor::fromRgb(design.pattern);
    const double step = side / 12.0;
    switch (design.kind) {
    case BackPattern::Dots:
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        for (int row = 0; row <= 12; ++row) {
            const double shift = row % 2 == 0 ? 0.0 : step / 2;
            for (int column = -1; column <= 12; ++column)
                painter.drawEllipse(
                    QPointF(column * step + shift + step / 2, row * step), step / 4, step / 4);
        }
        break;
    case BackPattern::Stripes:
        painter.setPen(QPen(color, step / 2.5));
        for (int stripe = -12; stripe <= 12; ++stripe)
            painter.drawLine(QPointF(stripe * step, side), QPointF(stripe * step + side, 0));
        break;
    case BackPattern::Waves:
        painter.setPen(QPen(color, step / 4, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        for (int row = 0; row <= 12; ++row) {
            QPainterPath wave(QPointF(0, row * step));
            for (int crest = 0; crest < 6; ++crest) {
                const double x = crest * 2 * step;
                wave.quadTo(QPointF(x + step / 2, row * step - step / 3), QPointF(x + step, row * step));
                wave.quadTo(
                    QPointF(x + 1.5 * step, row * step + step / 3), QPointF(x + 2 * step, row * step));
            }
            painter.drawPath(wave);
        }
        break;
    }
}

} // namespace

QImage drawSetBack(const BackDesign &design, const QImage &motif, int side)
{
    QImage back(side, side, QImage::Format_RGB32);
    back.fill(QColor::fromRgb(design.field));
    QPainter painter(&back);
    painter.setRenderHint(QPainter::Antialiasing);
    drawPattern(painter, design, side);

    const double inset = side / 20.0;
    painter.setPen(QPen(Qt::white, side / 40.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(inset, inset, side - 2 * inset, side - 2 * inset), inset, inset);

    const double radius = side * 0.3;
    const QPointF centre(side / 2.0, side / 2.0);
    painter.setPen(QPen(QColor::fromRgb(design.pattern), side / 60.0));
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, radius, radius);
    const QImage fitted
        = motif.scaled(QSize(side, side) * 0.4, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    painter.drawImage(centre - QPointF(fitted.width() / 2.0, fitted.height() / 2.0), fitted);
    return back;
}

} // namespace brivmemo::tools
