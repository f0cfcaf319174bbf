// SPDX-License-Identifier: MIT
// The program's title, set once at start-up: the caption of the standard error box and of the
// result boxes. It is kept apart from Qt's application display name, which Qt would append to
// every window title.
#pragma once

#include <QString>

namespace brivmemo {

QString applicationTitle();
void setApplicationTitle(const QString &title);

} // namespace brivmemo
