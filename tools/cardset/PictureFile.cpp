// SPDX-License-Identifier: MIT
#include "PictureFile.h"

#include "CardSetError.h"
#include "SquarePicture.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

namespace brivmemo::cardtool {

namespace {

// Gives lupdate and the program one context for the texts of this file.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PictureFile)
};

QString unreadable(const QString &detail)
{
    return Texts::tr("this is not a picture that can be read (%1)").arg(detail);
}

// Drawn at the size it is shown at, on a transparent ground.
QImage drawSvg(const QString &path, int side)
{
    QSvgRenderer renderer(path);
    const QSize size = renderer.defaultSize().scaled(side, side, Qt::KeepAspectRatio);
    if (!renderer.isValid() || size.isEmpty())
        throw cardset::CardSetError(path, unreadable(Texts::tr("not a drawing that can be shown")));
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return picture;
}

} // namespace

QImage readSquarePicture(const QString &path, int side)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw cardset::CardSetError(path, Texts::tr("there is no such file"));
    if (!info.isFile())
        throw cardset::CardSetError(path, Texts::tr("this is not a file"));
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QByteArray format = reader.format();
    if (format == "svg" || format == "svgz")
        return fitOnSquare(drawSvg(path, side), side);
    const QImage picture = reader.read();
    if (picture.isNull())
        throw cardset::CardSetError(path, unreadable(reader.errorString()));
    return fitOnSquare(picture, side);
}

} // namespace brivmemo::cardtool
