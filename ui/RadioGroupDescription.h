// SPDX-License-Identifier: MIT
// Says in a group box's accessible description which of its radio buttons is checked, which
// the screen shows only by the buttons' glyphs, and keeps saying it as the choice changes. The
// buttons never take the focus, so a screen reader hears the choice from the group.
#pragma once

#include <QObject>

class QGroupBox;

class RadioGroupDescription : public QObject {
    Q_OBJECT

public:
    // Follows the bitmap radio buttons the box holds now; belongs to the box.
    explicit RadioGroupDescription(QGroupBox &box);

private:
    void describe();

    QGroupBox &box_;
};
