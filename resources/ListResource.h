// SPDX-License-Identifier: MIT
// Fills a window's bitmap list from a list stream embedded in the program. The embedded files
// (lists, icons, cursors, the about picture) are readable under ":/" from the program's start
// once this library is linked: the loader's reference keeps them in the program.
#pragma once

#include "MMBitmapList.h"

#include <QString>

namespace brivmemo {

// Replaces the list's content with the list stream stored at path, such as ":/memo.mbml".
// A path that names nothing leaves the list empty and raises EInvalidBitmapListStream; a
// damaged stream raises what the list raises for it ("Invalid BitmapList stream", "Stream
// read error", "Bitmap image is not valid"). The list's observers hear of the load once.
// Each entry gets the finer drawing for high-density screens that is embedded beside the list,
// where there is one.
void loadBitmapListResource(TMMBitmapList &list, const QString &path);

} // namespace brivmemo
