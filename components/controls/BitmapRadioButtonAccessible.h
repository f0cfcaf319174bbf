// SPDX-License-Identifier: MIT
// A bitmap radio button as accessibility tools see it: a radio button named by its caption as
// it reads on the screen, checkable and checked while it is its group's choice, whose Press
// action clicks it as the mouse or its accelerator letter does. Like the button itself it is
// never focusable.
#pragma once

#include <QAccessibleWidget>

namespace brivmemo {

class TMMBitmapRadioButton;

class BitmapRadioButtonAccessible : public QAccessibleWidget {
public:
    explicit BitmapRadioButtonAccessible(TMMBitmapRadioButton &button);

    // Lets accessibility tools find every bitmap radio button through this interface; the
    // buttons call it when they are created, and only the first call installs it.
    static void install();

    // Tells accessibility tools that the button became checked or unchecked; costs nothing
    // while no tool listens.
    static void announceCheckedChange(TMMBitmapRadioButton &button);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    TMMBitmapRadioButton &button() const;
    QString accelerator() const;
};

} // namespace brivmemo
