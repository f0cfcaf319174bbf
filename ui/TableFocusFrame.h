// SPDX-License-Identifier: MIT
// The keyboard's focus frame on the card table: a yellow ring with a black inner line, drawn
// in the gap just outside a card so that it never covers the card's picture and shows on the
// green table, on a face and on a back alike. It lets every mouse event through, and lies
// over the table in the table's parent, so that the table holds its cards alone.
#pragma once

#include <QWidget>

class TableFocusFrame : public QWidget {
    Q_OBJECT

public:
    // Width of the ring outside the card, in pixels; the cards lie at least 4 pixels apart.
    static constexpr int Width = 3;

    // The table lies inside another widget, which holds the frame.
    explicit TableFocusFrame(QWidget &table);

    // Puts the frame around a card's rectangle, given in the table's coordinates.
    void surround(const QRect &card);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const QWidget &table_;
};
