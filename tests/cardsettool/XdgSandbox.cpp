// SPDX-License-Identifier: MIT
#include "XdgSandbox.h"

#include <QDir>
#include <array>

namespace {

constexpr std::array kVariables {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_DATA_DIRS"};
constexpr std::array kFolders {"data", "config", "system-data"};

} // namespace

XdgSandbox::XdgSandbox()
    : saved_(QProcessEnvironment::systemEnvironment())
{
    for (std::size_t i = 0; i < kVariables.size(); ++i) {
        const QString folder = QDir(root_.path()).filePath(QLatin1String(kFolders[i]));
        QDir().mkpath(folder);
        qputenv(kVariables[i], folder.toLocal8Bit());
    }
}

XdgSandbox::~XdgSandbox()
{
    for (const char *variable : kVariables) {
        if (saved_.contains(QLatin1String(variable)))
            qputenv(variable, saved_.value(QLatin1String(variable)).toLocal8Bit());
        else
            qunsetenv(variable);
    }
}

QString XdgSandbox::dataHome() const
{
    return QDir(root_.path()).filePath(QLatin1String(kFolders[0]));
}

QProcessEnvironment XdgSandbox::environment() const
{
    return QProcessEnvironment::systemEnvironment();
}
