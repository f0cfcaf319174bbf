// SPDX-License-Identifier: MIT
#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>
#include <array>

namespace brivmemo {
namespace {

const QString EmbeddedFolder = QStringLiteral(":/i18n");
const QString GamePrefix = QStringLiteral("brivmemo_");
const QString QtPrefix = QStringLiteral("qtbase_");

// The game's translator and Qt's, owned by the application object.
std::array<QPointer<QTranslator>, 2> &installed()
{
    static std::array<QPointer<QTranslator>, 2> translators;
    return translators;
}

QString &installedName()
{
    static QString language;
    return language;
}

QString languageOf(const QString &name)
{
    return name.section(QLatin1Char('_'), 0, 0);
}

QTranslator *load(const QString &file, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, folder) && QCoreApplication::installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}

} // namespace

QStringList translatedLanguages()
{
    QStringList languages;
    const QStringList files
        = QDir(EmbeddedFolder).entryList({GamePrefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString &file : files)
        languages.append(file.mid(GamePrefix.size()).chopped(3));
    return languages;
}

QString chooseLanguage(const QStringList &uiLanguages, const QStringList &translated)
{
    for (QString wanted : uiLanguages) {
        wanted.replace(QLatin1Char('-'), QLatin1Char('_'));
        QString language = languageOf(wanted);
        if (language == QLatin1String("en"))
            return {};
        if (translated.contains(wanted))
            return wanted;
        if (translated.contains(language))
            return language;
        for (const QString &name : translated) {
            if (languageOf(name) == language)
                return name;
        }
    }
    return {};
}

void installTranslations(const QString &language)
{
    for (QPointer<QTranslator> &translator : installed())
        delete translator.data();
    installedName() = language;
    if (language.isEmpty())
        return;
    installed() = {load(GamePrefix + language, EmbeddedFolder),
        load(QtPrefix + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))};
}

void followDesktopLanguage()
{
    installTranslations(chooseLanguage(QLocale::system().uiLanguages(), translatedLanguages()));
}

QString installedLanguage()
{
    return installedName();
}

} // namespace brivmemo
