// SPDX-License-Identifier: MIT
#include "ListResource.h"

#include "Exceptions.h"

#include <QFileInfo>
#include <QResource>
#include <cstdint>
#include <span>

// Resources compiled into a static library are registered only if their object file reaches
// the program; calling their initialiser here makes every user of the loader pull it in.
static void initEmbeddedResources()
{
    Q_INIT_RESOURCE(brivmemo);
}

namespace brivmemo {

namespace {

// Entry N of a list loaded from ":/NAME.mbml" gets the finer drawing ":/fine/NAME/N.png" where
// that is embedded. Only the names are looked up here: a drawing is read when a screen of more
// pixels first needs it.
void attachFinerPictures(TMMBitmapList &list, const QString &path)
{
    const QString folder = QStringLiteral(":/fine/%1/").arg(QFileInfo(path).completeBaseName());
    for (int index = 0; index < list.Count(); ++index) {
        const QString finer = folder + QStringLiteral("%1.png").arg(index);
        if (QResource(finer).isValid())
            list.Bitmaps(index)->setFinerPicture(finer);
    }
}

} // namespace

void loadBitmapListResource(TMMBitmapList &list, const QString &path)
{
    initEmbeddedResources();
    const QResource resource(path);
    if (!resource.isValid()) {
        list.Clear();
        throw EInvalidBitmapListStream();
    }
    // The program's own files are stored uncompressed, so these are the bytes where they lie in
    // the program: no copy, and nothing to unpack on the way to the first paint.
    const QByteArray bytes = resource.uncompressedData();
    list.LoadListItems(std::span(
        reinterpret_cast<const std::uint8_t *>(bytes.constData()), static_cast<std::size_t>(bytes.size())));
    attachFinerPictures(list, path);
}

} // namespace brivmemo
