// SPDX-License-Identifier: MIT
// Records every message box the code under test shows and answers it without a modal loop.
#pragma once

#include "MessageBoxes.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <vector>

namespace brivmemo::test {

struct ShownBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon;
    Qt::TextFormat format;
    std::vector<QString> buttons;
    QString defaultButton;
    QString escapeButton;
    // What accessibility tools read as the box's name and description.
    QString accessibleName;
    QString accessibleDescription;
};

class MessageBoxRecorder {
public:
    // answer picks the button by its text; an empty answer closes the box as Esc would.
    explicit MessageBoxRecorder(QString answer = {})
        : previous_(setMessageBoxHook([this](QMessageBox &box) { return record(box); }))
        , answer_(std::move(answer))
    { }
    MessageBoxRecorder(const MessageBoxRecorder &) = delete;
    MessageBoxRecorder &operator=(const MessageBoxRecorder &) = delete;
    ~MessageBoxRecorder() { setMessageBoxHook(previous_); }

    void setAnswer(QString answer) { answer_ = std::move(answer); }
    const std::vector<ShownBox> &shown() const { return shown_; }

private:
    QAbstractButton *record(QMessageBox &box)
    {
        const QAccessibleInterface *const accessible = QAccessible::queryAccessibleInterface(&box);
        ShownBox entry {box.windowTitle(), box.text(), box.icon(), box.textFormat(), {}, {}, {},
            accessible->text(QAccessible::Name), accessible->text(QAccessible::Description)};
        QAbstractButton *chosen = nullptr;
        for (QAbstractButton *button : box.buttons()) {
            entry.buttons.push_back(button->text());
            if (button->text() == answer_)
                chosen = button;
        }
        if (box.defaultButton() != nullptr)
            entry.defaultButton = box.defaultButton()->text();
        if (box.escapeButton() != nullptr)
            entry.escapeButton = box.escapeButton()->text();
        shown_.push_back(entry);
        return chosen;
    }

    MessageBoxHook previous_;
    QString answer_;
    std::vector<ShownBox> shown_;
};

} // namespace brivmemo::test
