// SPDX-License-Identifier: MIT
// The card table as accessibility tools see it: a group of its forty places in place order,
// taken ones included, whose focused child is the place under the keyboard's frame.
#pragma once

#include "TableKeyboard.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>

class TableAccessible : public QAccessibleWidget {
    Q_DECLARE_TR_FUNCTIONS(TableAccessible)

public:
    TableAccessible(QWidget &table, const TableKeyboard::Places &places, const TableKeyboard *keyboard);

    // Gives the table and its places their accessible descriptions, and tells accessibility
    // tools where the keyboard's frame goes.
    static void describe(QWidget &table, const TableKeyboard::Places &places, const TableKeyboard &keyboard);

    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *focusChild() const override;

private:
    TableKeyboard::Places places_;
    QPointer<const TableKeyboard> keyboard_;
};
