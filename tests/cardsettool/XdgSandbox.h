// SPDX-License-Identifier: MIT
// Points XDG_DATA_HOME, XDG_CONFIG_HOME and XDG_DATA_DIRS at folders of a temporary folder for as
// long as it lives, so that no test reads or writes a player's files.
#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

class XdgSandbox {
public:
    XdgSandbox();
    ~XdgSandbox();
    XdgSandbox(const XdgSandbox &) = delete;
    XdgSandbox &operator=(const XdgSandbox &) = delete;

    QString dataHome() const;
    // This process's environment with the sandbox's folders, for a program a test starts.
    QProcessEnvironment environment() const;

private:
    QTemporaryDir root_;
    QProcessEnvironment saved_;
};
