// SPDX-License-Identifier: MIT
#include "RadioGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace brivmemo::tools {

namespace {

constexpr int kFrame = 17;
constexpr double kCentre = 8.5;
constexpr double kRadius = 7.6;

int clampChannel(double value)
{
    return std::clamp(static_cast<int>(std::lround(value)), 0, 255);
}

// A shaded ball lit from the upper left, in the frame starting at column left of a strip drawn
// at the given scale. Its edge is hard, so no pixel blends with the ground colour that the
// button leaves out; a darker rim keeps the edge clean on any background.
void drawBall(QImage &strip, int left, int scale, QColor base, QColor rim)
{
    const double lx = -0.45;
    const double ly = -0.55;
    const double lz = std::sqrt(1 - lx * lx - ly * ly);
    const int frame = kFrame * scale;
    const double centre = kCentre * scale;
    const double radius = kRadius * scale;
    for (int y = 0; y < frame; ++y) {
        for (int x = 0; x < frame; ++x) {
            const double dx = (x + 0.5 - centre) / radius;
            const double dy = (y + 0.5 - centre) / radius;
            const double d2 = dx * dx + dy * dy;
            if (d2 > 1)
                continue;
            QColor color = rim;
            if (std::sqrt(d2) * radius < radius - 1.0 * scale) {
                const double nz = std::sqrt(1 - d2);
                const double diffuse = std::max(0.0, dx * lx + dy * ly + nz * lz);
                const double specular = std::pow(diffuse, 24) * 0.85;
                const double shade = 0.45 + 0.6 * diffuse;
                color = QColor(clampChannel(base.red() * shade + 255 * specular),
                    clampChannel(base.green() * shade + 255 * specular),
                    clampChannel(base.blue() * shade + 255 * specular));
            }
            strip.setPixel(left + x, y, color.rgb());
        }
    }
}

void drawMark(QImage &strip, int left, int scale, GlyphMark mark)
{
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(left, 0);
    if (scale != 1)
        painter.scale(scale, scale);
    painter.setPen(QPen(QColor(255, 255, 255), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath path;
    if (mark == GlyphMark::Check) {
        path.moveTo(4.8, 8.6);
        path.lineTo(7.4, 11.4);
        path.lineTo(12.2, 5.6);
    } else {
        path.moveTo(5.6, 5.6);
        path.lineTo(11.4, 11.4);
        path.moveTo(11.4, 5.6);
        path.lineTo(5.6, 11.4);
    }
    painter.drawPath(path);
}

} // namespace

QImage drawRadioStrip(GlyphMark mark, int scale)
{
    QImage strip(kGlyphStripSize * scale, QImage::Format_RGB32);
    strip.fill(kGlyphGround);
    drawBall(strip, 0, scale, QColor(206, 208, 214), QColor(120, 122, 130));
    drawBall(strip, kFrame * scale, scale, QColor(255, 146, 20), QColor(168, 78, 0));
    drawMark(strip, kFrame * scale, scale, mark);
    return strip;
}

} // namespace brivmemo::tools
