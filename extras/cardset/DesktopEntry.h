// SPDX-License-Identifier: MIT
// A small reader and writer of desktop-entry syntax: "[Group]" headers, "Key=Value" and
// "Key[locale]=Value" lines, "#" comments. Values are UTF-8 with the escapes \s \n \t \r \\ and,
// in lists, \; . The reader is bounded and refuses what is not well formed instead of guessing.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace brivmemo::cardset {

class DesktopEntry {
public:
    // Throws CardSetError (with an empty file) for a text longer than kMaxMetadataBytes, that is
    // not UTF-8, with a line that is neither a header, an entry, a comment nor blank, a key
    // given twice in one group, or an entry before the first header.
    static DesktopEntry parse(const QByteArray &text);
    QByteArray serialize() const;

    bool hasGroup(const QString &group) const;
    // The value of the key, unescaped; with a locale ("de_AT@euro"), the best match in the
    // desktop-entry order (lang_COUNTRY@MODIFIER, lang_COUNTRY, lang@MODIFIER, lang), then the
    // plain key. Empty when none is there.
    QString value(const QString &group, const QString &key, const QString &locale = {}) const;
    // A ";"-separated list; a trailing ";" ends the list without an empty item.
    QStringList list(const QString &group, const QString &key, const QString &locale = {}) const;
    // The locales the key is given in, besides the plain key.
    QStringList locales(const QString &group, const QString &key) const;
    // Of the locales given, the one the wanted locale uses, in the order above; empty for none.
    static QString bestLocale(const QStringList &available, const QString &wanted);

    void setValue(const QString &group, const QString &key, const QString &value, const QString &locale = {});
    void setList(
        const QString &group, const QString &key, const QStringList &items, const QString &locale = {});

private:
    struct Entry {
        QString key;
        QString locale;
        QString raw; // still escaped, as in the file
    };
    struct Group {
        QString name;
        std::vector<Entry> entries; // in their file order
    };

    const Group *findGroup(const QString &group) const;
    const Entry *findEntry(const QString &group, const QString &key, const QString &locale) const;
    void setRaw(const QString &group, const QString &key, const QString &locale, const QString &raw);

    std::vector<Group> groups_;
};

} // namespace brivmemo::cardset
