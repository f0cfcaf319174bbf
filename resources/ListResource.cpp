// SPDX-License-Identifier: MIT
#include "ListResource.h"

#include "Exceptions.h"

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
}

} // namespace brivmemo
