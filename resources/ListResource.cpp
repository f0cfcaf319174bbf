// SPDX-License-Identifier: MIT
#include "ListResource.h"

#include "Exceptions.h"

#include <QFile>
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        list.Clear();
        throw EInvalidBitmapListStream();
    }
    const QByteArray bytes = file.readAll();
    list.LoadListItems(std::span(
        reinterpret_cast<const std::uint8_t *>(bytes.constData()), static_cast<std::size_t>(bytes.size())));
}

} // namespace brivmemo
