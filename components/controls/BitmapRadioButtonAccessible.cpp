// SPDX-License-Identifier: MIT
#include "BitmapRadioButtonAccessible.h"

#include "DialogChars.h"
#include "ErrorBox.h"
#include "MMBitmapRadioButton.h"

#include <QKeySequence>

namespace brivmemo {

namespace {

QAccessibleInterface *createInterface(const QString &, QObject *object)
{
    auto *const button = qobject_cast<TMMBitmapRadioButton *>(object);
    return button != nullptr ? new BitmapRadioButtonAccessible(*button) : nullptr;
}

} // namespace

BitmapRadioButtonAccessible::BitmapRadioButtonAccessible(TMMBitmapRadioButton &button)
    : QAccessibleWidget(&button, QAccessible::RadioButton)
{ }

void BitmapRadioButtonAccessible::install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(createInterface);
}

void BitmapRadioButtonAccessible::announceCheckedChange(TMMBitmapRadioButton &button)
{
    if (!QAccessible::isActive())
        return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(&button, changed);
    QAccessible::updateAccessibility(&event);
}

TMMBitmapRadioButton &BitmapRadioButtonAccessible::button() const
{
    return static_cast<TMMBitmapRadioButton &>(*widget());
}

QString BitmapRadioButtonAccessible::accelerator() const
{
    return QKeySequence::mnemonic(button().Caption()).toString(QKeySequence::NativeText);
}

QString BitmapRadioButtonAccessible::text(QAccessible::Text t) const
{
    // Qt's own texts would name the button after its group box, whose caption labels it.
    switch (t) {
    case QAccessible::Name:
        return withoutAcceleratorMarks(button().Caption());
    case QAccessible::Accelerator:
        return accelerator();
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State BitmapRadioButtonAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = button().Checked();
    return state;
}

QStringList BitmapRadioButtonAccessible::actionNames() const
{
    if (!button().isEnabled())
        return {};
    return {pressAction()};
}

void BitmapRadioButtonAccessible::doAction(const QString &actionName)
{
    if (actionName != pressAction() || !button().isEnabled())
        return;
    runGuarded([this] { button().Click(); });
}

QStringList BitmapRadioButtonAccessible::keyBindingsForAction(const QString &actionName) const
{
    const QString keys = accelerator();
    if (actionName != pressAction() || keys.isEmpty())
        return {};
    return {keys};
}

} // namespace brivmemo
