// SPDX-License-Identifier: MIT
#include "TestPictures.h"

#include "CardSetLimits.h"

#include <QDir>
#include <QPainter>
#include <stdexcept>

QImage codedPicture(int code, int side)
{
    QImage picture(side, side, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    const int block = side / 4;
    for (int bit = 0; bit < 16; ++bit) {
        if ((code >> bit & 1) != 0)
            painter.fillRect(bit % 4 * block, bit / 4 * block, block, block, Qt::black);
    }
    return picture;
}

QImage gradientPicture(int side)
{
    QImage picture(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x)
            picture.setPixel(x, y, qRgb(x * 255 / (side - 1), y * 255 / (side - 1), 128));
    }
    return picture;
}

QString writePicture(const QString &folder, const QString &name, const QImage &picture)
{
    QString path = QDir(folder).filePath(name);
    if (!picture.save(path))
        throw std::runtime_error("cannot write the test picture " + path.toStdString());
    return path;
}

QStringList writeSetPictures(const QString &folder)
{
    QStringList paths {writePicture(folder, QStringLiteral("back.png"), gradientPicture())};
    for (int face = 1; face <= brivmemo::cardset::kFaceCount; ++face)
        paths.append(writePicture(folder, QStringLiteral("face%1.png").arg(face), codedPicture(face)));
    return paths;
}
