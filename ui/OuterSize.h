// SPDX-License-Identifier: MIT
// Gives a top-level window a size that counts its frame, as the window system draws it.
#pragma once

#include <QSize>

class QWidget;

namespace brivmemo {

// Until the window system has framed the window its frame is unknown, so the client area gets
// the whole size at once; the first time the window shows with a frame, the client area gives
// up the frame's room. Later resizing is left to the user.
void setOuterSize(QWidget &window, QSize outer);

} // namespace brivmemo
