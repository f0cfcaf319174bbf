// SPDX-License-Identifier: MIT
// What cardset.ini says of a set: its name, comment, author, licence and the names of its twenty
// faces, each name with its translations.
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

namespace brivmemo::cardset {

inline constexpr char kMetadataFileName[] = "cardset.ini";
inline constexpr char kGroupName[] = "Card Set";

struct CardSetMetadata {
    QString name;
    QMap<QString, QString> nameTranslations; // locale -> name
    QString comment;
    QMap<QString, QString> commentTranslations; // locale -> comment
    QString author;
    QString license; // an SPDX identifier
    QStringList faces; // kFaceCount names, face 1 first
    QMap<QString, QStringList> faceTranslations; // locale -> kFaceCount names

    // The name and the face names for a language ("de", "pt_BR"), in the desktop-entry order of
    // matches, else those for another country of the language, else the untranslated ones.
    QString localizedName(const QString &locale) const;
    QStringList localizedFaces(const QString &locale) const;

    // Throws CardSetError (empty file) when the text is not well formed, has no [Card Set]
    // group, no Name, or Faces (or a translation of them) that is not kFaceCount non-empty names.
    static CardSetMetadata parse(const QByteArray &text);
    QByteArray serialize() const;

    bool operator==(const CardSetMetadata &) const = default;
};

} // namespace brivmemo::cardset
