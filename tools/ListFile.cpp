// SPDX-License-Identifier: MIT
#include "ListFile.h"

#include "DibConversion.h"
#include "MMBmpLst.h"
#include "MemoryStream.h"
#include "TableOffsetPatch.h"

namespace brivmemo::tools {

EncodedList encodeList(const std::vector<ListPicture> &pictures)
{
    TMMBitmapList list;
    for (const ListPicture &picture : pictures)
        list.Add(TBitmap(toDib(picture.image, picture.format, picture.tableSize, picture.pinned)));
    TMemoryStream stream;
    list.WriteListItems(stream);

    EncodedList encoded;
    encoded.stream = stream.bytes();
    leaveColorTablesOutOfOffsets(encoded.stream);

    TMMBitmapList readBack;
    readBack.LoadListItems(encoded.stream);
    for (int i = 0; i < readBack.Count(); ++i)
        encoded.shown.push_back(readBack.Bitmaps(i)->displayImage());
    return encoded;
}

} // namespace brivmemo::tools
