// SPDX-License-Identifier: MIT
// A card place of the table as accessibility tools see it: a button named after its row and
// column, counted from 1, and what lies there: "face down", the animal of a face-up card, or
// "taken" once its pair has left the table. A face-down card never tells its face. Taken
// places stay in the table, unavailable, so that the table always has its forty places.
#pragma once

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>

class TableKeyboard;

namespace brivmemo {
class TMMBitmapListImage;
} // namespace brivmemo

class TablePlaceAccessible : public QAccessibleWidget {
    Q_DECLARE_TR_FUNCTIONS(TablePlaceAccessible)

public:
    // The keyboard, when there is one, tells which place has the focus.
    TablePlaceAccessible(brivmemo::TMMBitmapListImage &card, const TableKeyboard *keyboard);

    // Tells accessibility tools that the card's picture or its presence changed.
    static void announceChange(brivmemo::TMMBitmapListImage &card);

    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    brivmemo::TMMBitmapListImage &card() const;
    QString placeState() const;

    QPointer<const TableKeyboard> keyboard_;
};
