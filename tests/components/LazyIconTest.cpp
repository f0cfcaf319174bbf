// SPDX-License-Identifier: MIT
#include "LazyIcon.h"

#include <QPainter>
#include <QPixmap>
#include <gtest/gtest.h>

namespace brivmemo {
namespace {

QIcon redSquare()
{
    QPixmap picture(16, 16);
    picture.fill(Qt::red);
    return QIcon(picture);
}

TEST(LazyIconTest, MakesTheIconOnceAtTheFirstUseAndThenBehavesAsIt)
{
    int made = 0;
    const QIcon icon = lazyIcon([&made] {
        ++made;
        return redSquare();
    });
    const QIcon copy = icon;
    EXPECT_FALSE(icon.isNull());
    EXPECT_EQ(made, 0) << "nothing asked for a picture yet";

    EXPECT_EQ(copy.availableSizes(), QList<QSize> {QSize(16, 16)});
    EXPECT_EQ(icon.actualSize(QSize(32, 32)), QSize(16, 16));
    const QImage picture = icon.pixmap(QSize(16, 16)).toImage();
    EXPECT_EQ(picture.size(), QSize(16, 16));
    EXPECT_EQ(picture.pixelColor(8, 8), QColor(Qt::red));

    QImage canvas(16, 16, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    copy.paint(&painter, canvas.rect());
    painter.end();
    EXPECT_EQ(canvas.pixelColor(8, 8), QColor(Qt::red));
    EXPECT_EQ(made, 1) << "the icon and its copy share the one made icon";
}

} // namespace
} // namespace brivmemo
