// SPDX-License-Identifier: MIT
// Lies over one card of the table for a moment: a flip narrows the picture the card showed to
// its edge and opens the picture it shows now; a fade lets the picture of a card that has just
// left the table melt into the table. The card itself has changed already; the overlay only
// shows the way there, takes no clicks and no keys, and goes once the moment has passed.
#pragma once

#include "AnimationClock.h"
#include "GlyphScaler.h"

#include <QWidget>
#include <chrono>

namespace brivmemo {
class TMMBitmapListImage;
}

namespace brivmemo::extras {

class CardFlipOverlay final : public QWidget {
    Q_OBJECT

public:
    enum class Motion { Flip, Fade };

    static constexpr std::chrono::milliseconds Duration {150};

    // Over the card, from the clock's now; shownBefore is the list entry the card showed.
    CardFlipOverlay(TMMBitmapListImage &card, int shownBefore, Motion motion, AnimationClock &clock);

    // How far the motion has gone at the clock's now, eased: 0 at the start, 1 at the end.
    qreal progress() const;
    // Hides at once and goes.
    void end();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void nextFrame();
    // The list entry drawn as the card draws it, at the given share of the card's width and
    // centred on it.
    void drawPicture(QPainter &painter, int entry, qreal widthShare, GlyphScaler &scaler);

    TMMBitmapListImage &card_;
    const int shownBefore_;
    const Motion motion_;
    AnimationClock &clock_;
    const std::chrono::milliseconds started_;
    // One for each picture, so that every frame draws both from what the first one scaled.
    GlyphScaler beforeScaler_;
    GlyphScaler afterScaler_;
};

} // namespace brivmemo::extras
