// SPDX-License-Identifier: MIT
#include "ExtrasPreferences.h"

#include "ExtrasPaths.h"

#include <QSettings>

namespace brivmemo::extras {

namespace {

QString cardSetKey()
{
    return QStringLiteral("CardSet");
}

} // namespace

QString keptCardSet()
{
    const QSettings preferences(cardset::extrasPreferencesFile(), QSettings::IniFormat);
    return preferences.value(cardSetKey()).toString();
}

void keepCardSet(const QString &folderName)
{
    QSettings preferences(cardset::extrasPreferencesFile(), QSettings::IniFormat);
    preferences.setValue(cardSetKey(), folderName);
}

bool keptSwitch(const QString &key, bool byDefault)
{
    const QSettings preferences(cardset::extrasPreferencesFile(), QSettings::IniFormat);
    return preferences.value(key, byDefault).toBool();
}

void keepSwitch(const QString &key, bool on)
{
    QSettings preferences(cardset::extrasPreferencesFile(), QSettings::IniFormat);
    preferences.setValue(key, on);
}

} // namespace brivmemo::extras
