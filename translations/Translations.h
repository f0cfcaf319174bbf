// SPDX-License-Identifier: MIT
// The player's language: the first of the desktop's languages that the game speaks, and the
// translations of the game's texts and of Qt's own texts for it. Without a translation the
// game shows its English texts as they are written.
#pragma once

#include <QString>
#include <QStringList>

namespace brivmemo {

// The languages the program has translations for, as "de", "pt_BR", ...
QStringList translatedLanguages();

// The first of the languages, in the order and form of QLocale::uiLanguages(), that is English
// or has a translation: its translation's name, or an empty text for English. A language with
// a translation for another country of it gets that one. No match means English.
QString chooseLanguage(const QStringList &uiLanguages, const QStringList &translated);

// From now on texts are translated into the language, or shown in English for an empty text.
// Any translation installed before is taken away first. Needs the application object.
void installTranslations(const QString &language);

// Installs the translations for the desktop's language; called before any window is built.
void followDesktopLanguage();

// The language installed last, as installTranslations took it: empty for English. What else
// speaks to the player, such as a card set's names, follows it, so that the game speaks one
// language throughout.
QString installedLanguage();

} // namespace brivmemo
