// SPDX-License-Identifier: MIT
#include "CardSetMetadata.h"

#include "CardSetError.h"
#include "CardSetLimits.h"
#include "DesktopEntry.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>

namespace brivmemo::cardset {

namespace {

const QString Group = QString::fromLatin1(kGroupName);
const QString NameKey = QStringLiteral("Name");
const QString CommentKey = QStringLiteral("Comment");
const QString AuthorKey = QStringLiteral("Author");
const QString LicenseKey = QStringLiteral("License");
const QString FacesKey = QStringLiteral("Faces");

// Gives lupdate and the program one context for the texts of this file.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CardSetMetadata)
};

QStringList checkedFaces(const QStringList &faces, const QString &key)
{
    if (faces.size() != kFaceCount)
        throw CardSetError(
            {}, Texts::tr("%1 names %2 faces instead of %3").arg(key).arg(faces.size()).arg(kFaceCount));
    if (std::any_of(faces.begin(), faces.end(), [](const QString &face) { return face.trimmed().isEmpty(); }))
        throw CardSetError({}, Texts::tr("%1 has an empty face name").arg(key));
    return faces;
}

// "pt" of "pt_BR", "sr" of "sr@latin".
QStringView languageOf(const QString &locale)
{
    const qsizetype end = locale.indexOf(QRegularExpression(QStringLiteral("[_@]")));
    return QStringView(locale).left(end < 0 ? locale.size() : end);
}

template<typename Value>
Value localized(const Value &plain, const QMap<QString, Value> &translations, const QString &locale)
{
    const QStringList available = translations.keys();
    QString best = DesktopEntry::bestLocale(available, locale);
    // As the game takes a translation for another country when it has none for the player's, so
    // that its own texts and a set's names come in one language.
    if (best.isEmpty() && !locale.isEmpty()) {
        const auto sameLanguage = std::find_if(available.begin(), available.end(),
            [&](const QString &key) { return languageOf(key) == languageOf(locale); });
        if (sameLanguage != available.end())
            best = *sameLanguage;
    }
    return best.isEmpty() ? plain : translations.value(best);
}

} // namespace

QString CardSetMetadata::localizedName(const QString &locale) const
{
    return localized(name, nameTranslations, locale);
}

QStringList CardSetMetadata::localizedFaces(const QString &locale) const
{
    return localized(faces, faceTranslations, locale);
}

CardSetMetadata CardSetMetadata::parse(const QByteArray &text)
{
    const DesktopEntry entry = DesktopEntry::parse(text);
    if (!entry.hasGroup(Group))
        throw CardSetError({}, Texts::tr("there is no [%1] group").arg(Group));
    CardSetMetadata metadata;
    metadata.name = entry.value(Group, NameKey);
    if (metadata.name.trimmed().isEmpty())
        throw CardSetError({}, Texts::tr("the set has no Name"));
    for (const QString &locale : entry.locales(Group, NameKey))
        metadata.nameTranslations.insert(locale, entry.value(Group, NameKey, locale));
    metadata.comment = entry.value(Group, CommentKey);
    for (const QString &locale : entry.locales(Group, CommentKey))
        metadata.commentTranslations.insert(locale, entry.value(Group, CommentKey, locale));
    metadata.author = entry.value(Group, AuthorKey);
    metadata.license = entry.value(Group, LicenseKey);
    metadata.faces = checkedFaces(entry.list(Group, FacesKey), FacesKey);
    for (const QString &locale : entry.locales(Group, FacesKey))
        metadata.faceTranslations.insert(
            locale, checkedFaces(entry.list(Group, FacesKey, locale), FacesKey + u'[' + locale + u']'));
    return metadata;
}

QByteArray CardSetMetadata::serialize() const
{
    DesktopEntry entry;
    entry.setValue(Group, NameKey, name);
    for (auto it = nameTranslations.begin(); it != nameTranslations.end(); ++it)
        entry.setValue(Group, NameKey, it.value(), it.key());
    if (!comment.isEmpty())
        entry.setValue(Group, CommentKey, comment);
    for (auto it = commentTranslations.begin(); it != commentTranslations.end(); ++it)
        entry.setValue(Group, CommentKey, it.value(), it.key());
    if (!author.isEmpty())
        entry.setValue(Group, AuthorKey, author);
    if (!license.isEmpty())
        entry.setValue(Group, LicenseKey, license);
    entry.setList(Group, FacesKey, faces);
    for (auto it = faceTranslations.begin(); it != faceTranslations.end(); ++it)
        entry.setList(Group, FacesKey, it.value(), it.key());
    return entry.serialize();
}

} // namespace brivmemo::cardset
