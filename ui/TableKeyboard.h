// SPDX-License-Identifier: MIT
// Play without a mouse: while the window has the keyboard, the arrow keys and Home/End move
// a focus frame over the table's forty places and Space or Enter turns the card under it as a
// click on that card would. The frame shows from the first moving key on and stays; a mouse
// player never presses one and never sees it.
#pragma once

#include "TableNavigation.h"

#include <QObject>
#include <array>

class QKeyEvent;
class TableFocusFrame;

namespace brivmemo {
class TMMBitmapListImage;
} // namespace brivmemo

class TableKeyboard : public QObject {
    Q_OBJECT

public:
    // The card controls of places 1..40, in place order.
    using Places = std::array<brivmemo::TMMBitmapListImage *, TablePlaces>;

    // Watches the keys that reach the window; the frame is drawn on the table, the cards'
    // parent. The keyboard belongs to the window.
    TableKeyboard(QWidget &window, QWidget &table, const Places &places);

    // The place under the frame, 1..40; place 1 before the first move.
    int place() const { return place_; }
    bool isFrameShown() const;

    // Turns the card as a click on it would, unless its pair was taken: a taken card's
    // control is hidden and takes no clicks.
    static void clickCard(brivmemo::TMMBitmapListImage &card);

signals:
    void placeChanged(int place);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handleKey(const QKeyEvent &key);
    void moveTo(int place);
    void turnCardUnderFrame() const;

    TableFocusFrame *frame_;
    Places places_;
    int place_ = 1;
};
