// SPDX-License-Identifier: MIT
#include "ScreenCursors.h"

#include <QApplication>
#include <QPointer>
#include <QVariant>
#include <QWidget>
#include <map>

namespace brivmemo {

namespace {

constexpr const char *kNumberProperty = "brivmemoCursorNumber";

// Lives as a child of the application, so its cursors go before the application does.
class CursorTable : public QObject {
public:
    using QObject::QObject;

    static CursorTable &instance()
    {
        static QPointer<CursorTable> table;
        if (table.isNull())
            table = new CursorTable(QCoreApplication::instance());
        return *table;
    }

    // A cursor registered by its make function holds no cursor until it is first asked for.
    struct Entry {
        std::function<std::optional<QCursor>()> make;
        std::optional<QCursor> cursor;
    };

    std::map<int, Entry> cursors;
};

void applyCursor(QWidget &control, int number)
{
    const std::optional<QCursor> cursor = screenCursor(number);
    if (cursor)
        control.setCursor(*cursor);
    else
        control.unsetCursor();
}

void applyToControlsShowing(int number)
{
    for (QWidget *control : QApplication::allWidgets()) {
        if (cursorNumber(*control) == number && number != crDefault)
            applyCursor(*control, number);
    }
}

} // namespace

void setScreenCursor(int number, const QCursor &cursor)
{
    if (number == crDefault)
        return;
    CursorTable::instance().cursors.insert_or_assign(number, CursorTable::Entry {{}, cursor});
    applyToControlsShowing(number);
}

void setScreenCursor(int number, std::function<std::optional<QCursor>()> make)
{
    if (number == crDefault)
        return;
    CursorTable::instance().cursors.insert_or_assign(
        number, CursorTable::Entry {std::move(make), std::nullopt});
    applyToControlsShowing(number);
}

void removeScreenCursor(int number)
{
    if (CursorTable::instance().cursors.erase(number) > 0)
        applyToControlsShowing(number);
}

std::optional<QCursor> screenCursor(int number)
{
    std::map<int, CursorTable::Entry> &cursors = CursorTable::instance().cursors;
    const auto found = cursors.find(number);
    if (found == cursors.end())
        return std::nullopt;
    CursorTable::Entry &entry = found->second;
    if (entry.make) {
        entry.cursor = entry.make();
        entry.make = nullptr;
    }
    return entry.cursor;
}

void setCursorNumber(QWidget &control, int number)
{
    control.setProperty(kNumberProperty, number);
    applyCursor(control, number);
}

int cursorNumber(const QWidget &control)
{
    const QVariant number = control.property(kNumberProperty);
    return number.isValid() ? number.toInt() : crDefault;
}

} // namespace brivmemo
