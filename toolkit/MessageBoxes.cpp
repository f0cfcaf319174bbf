// SPDX-License-Identifier: MIT
#include "MessageBoxes.h"

#include "ApplicationTitle.h"
#include "MaximisingRefusal.h"
#include "TransientParent.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <utility>

namespace brivmemo {

namespace {

MessageBoxHook &hook()
{
    static MessageBoxHook value;
    return value;
}

QPointer<QWidget> &owner()
{
    static QPointer<QWidget> value;
    return value;
}

void prepare(QMessageBox &box, QMessageBox::Icon icon, const QString &caption, const QString &text)
{
    // Qt names a widget parent, the active window, as the box's transient parent too; a box
    // shown while no window is active is named the owner's.
    if (box.parentWidget() == nullptr && owner() != nullptr)
        keepTransientFor(box, *owner());
    refuseMaximising(box);
    box.setIcon(icon);
    box.setWindowTitle(caption);
    // Messages are shown as they are written, never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    // Qt gives the message to accessibility tools only as the text of the label inside the box.
    box.setAccessibleDescription(text);
}

QAbstractButton *answer(QMessageBox &box)
{
    // A copy, so that a hook may replace itself while it answers.
    const MessageBoxHook current = hook();
    QAbstractButton *clicked = nullptr;
    if (current) {
        clicked = current(box);
    } else {
        box.exec();
        clicked = box.clickedButton();
    }
    return clicked != nullptr ? clicked : box.escapeButton();
}

void showWithOkButton(QMessageBox::Icon icon, const QString &caption, const QString &text)
{
    QMessageBox box(QApplication::activeWindow());
    prepare(box, icon, caption, text);
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    answer(box);
}

} // namespace

bool confirm(const QString &text)
{
    QMessageBox box(QApplication::activeWindow());
    prepare(box, QMessageBox::Question, QCoreApplication::translate("MessageBoxes", "Confirm"), text);
    QPushButton *const yes
        = box.addButton(QCoreApplication::translate("MessageBoxes", "&Yes"), QMessageBox::YesRole);
    QPushButton *const no
        = box.addButton(QCoreApplication::translate("MessageBoxes", "&No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    return answer(box) == yes;
}

void showMessage(const QString &caption, const QString &text)
{
    showWithOkButton(QMessageBox::NoIcon, caption, text);
}

void showErrorBox(const QString &text)
{
    showWithOkButton(QMessageBox::Critical, applicationTitle(), text);
}

MessageBoxHook setMessageBoxHook(MessageBoxHook newHook)
{
    return std::exchange(hook(), std::move(newHook));
}

void setMessageBoxOwner(QWidget *newOwner)
{
    owner() = newOwner;
}

} // namespace brivmemo
