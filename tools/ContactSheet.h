// SPDX-License-Identifier: MIT
// A review sheet of every picture: tiles with captions flowed into rows under headings.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace brivmemo::tools {

class ContactSheet {
public:
    explicit ContactSheet(int width);

    void addHeading(const QString &text);
    void addTile(const QImage &picture, const QString &caption);

    QImage render() const;

private:
    struct Placed {
        QImage picture;
        QString text;
        int x = 0;
        int y = 0;
        bool heading = false;
    };

    void startRow();

    int width_;
    int x_ = 0;
    int y_ = 0;
    int rowHeight_ = 0;
    std::vector<Placed> placed_;
};

// The picture enlarged by a whole factor with hard pixel edges, on a checked ground where it is
// transparent; optionally with a red mark on one pixel (a cursor's hot spot).
QImage magnified(const QImage &picture, int factor, QPoint marked = {-1, -1});

} // namespace brivmemo::tools
