// SPDX-License-Identifier: MIT
// The screen's cursor table: cursors registered under numbers, which any control shows by
// giving it the number. A control whose number has no cursor shows the default cursor, and
// takes the registered one as soon as one is registered under its number.
#pragma once

#include <QCursor>
#include <functional>
#include <optional>

class QWidget;

namespace brivmemo {

// The number of the default cursor; nothing can be registered under it.
inline constexpr int crDefault = 0;

// Replaces whatever was registered under the number.
void setScreenCursor(int number, const QCursor &cursor);
// The same with a cursor that is made only when it is first asked for, by a control showing the
// number or by screenCursor; a make that gives nullopt leaves the number without a cursor.
void setScreenCursor(int number, std::function<std::optional<QCursor>()> make);
// Afterwards controls with this number show the default cursor.
void removeScreenCursor(int number);
std::optional<QCursor> screenCursor(int number);

// The control shows the cursor registered under the number, now and after later changes of
// the table.
void setCursorNumber(QWidget &control, int number);
// crDefault for a control that was never given a number.
int cursorNumber(const QWidget &control);

} // namespace brivmemo
