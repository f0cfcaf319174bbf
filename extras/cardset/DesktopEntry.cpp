// SPDX-License-Identifier: MIT
#include "DesktopEntry.h"

#include "CardSetError.h"
#include "CardSetLimits.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>

namespace brivmemo::cardset {

namespace {

// Gives lupdate and the program one context for the texts of this file.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(DesktopEntry)
};

CardSetError lineError(qsizetype line)
{
    return CardSetError({}, Texts::tr("line %1 is not well formed").arg(line));
}

const QRegularExpression &entryPattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("^([A-Za-z0-9-]+)(?:\\[([A-Za-z0-9_@.-]+)\\])?[ \\t]*=[ \\t]*(.*)$"));
    return pattern;
}

enum class ListItem { No, Yes };

QString unescape(QStringView raw, ListItem listItem)
{
    QString text;
    text.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (c != u'\\' || i + 1 == raw.size()) {
            text += c;
            continue;
        }
        const QChar next = raw[++i];
        switch (next.unicode()) {
        case u's':
            text += u' ';
            break;
        case u'n':
            text += u'\n';
            break;
        case u't':
            text += u'\t';
            break;
        case u'r':
            text += u'\r';
            break;
        case u'\\':
            text += u'\\';
            break;
        case u';':
            if (listItem == ListItem::No)
                text += u'\\';
            text += u';';
            break;
        default:
            text += c;
            text += next;
            break;
        }
    }
    return text;
}

QString escape(const QString &text, ListItem listItem)
{
    QString raw;
    raw.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        switch (c.unicode()) {
        case u'\\':
            raw += QStringLiteral("\\\\");
            break;
        case u'\n':
            raw += QStringLiteral("\\n");
            break;
        case u'\t':
            raw += QStringLiteral("\\t");
            break;
        case u'\r':
            raw += QStringLiteral("\\r");
            break;
        case u';':
            raw += listItem == ListItem::Yes ? QStringLiteral("\\;") : QStringLiteral(";");
            break;
        case u' ':
            raw += i == 0 ? QStringLiteral("\\s") : QStringLiteral(" ");
            break;
        default:
            raw += c;
            break;
        }
    }
    return raw;
}

// The locales to try for a wanted one, best first, in the desktop-entry order; the encoding
// part ("de_DE.UTF-8") never takes part in matching.
QStringList candidateLocales(const QString &locale)
{
    static const QRegularExpression parts(QStringLiteral("^([^_.@]+)(?:_([^.@]+))?(?:\\.[^@]*)?(?:@(.+))?$"));
    const auto match = parts.match(locale);
    if (!match.hasMatch())
        return {};
    const QString lang = match.captured(1);
    const QString country = match.captured(2);
    const QString modifier = match.captured(3);
    QStringList candidates;
    if (!country.isEmpty() && !modifier.isEmpty())
        candidates << lang + u'_' + country + u'@' + modifier;
    if (!country.isEmpty())
        candidates << lang + u'_' + country;
    if (!modifier.isEmpty())
        candidates << lang + u'@' + modifier;
    candidates << lang;
    return candidates;
}

} // namespace

DesktopEntry DesktopEntry::parse(const QByteArray &text)
{
    if (static_cast<std::size_t>(text.size()) > kMaxMetadataBytes)
        throw CardSetError({}, Texts::tr("the file is larger than %1 KiB").arg(kMaxMetadataBytes >> 10));
    auto decoder = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = decoder.decode(text);
    if (decoder.hasError())
        throw CardSetError({}, Texts::tr("the file is not UTF-8 text"));
    if (decoded.startsWith(QChar::ByteOrderMark))
        decoded.remove(0, 1);

    DesktopEntry entry;
    const QStringList lines = decoded.split(u'\n');
    for (qsizetype number = 1; number <= lines.size(); ++number) {
        QString line = lines[number - 1];
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            const QString name = line.mid(1, line.size() - 2);
            if (!line.endsWith(u']') || name.isEmpty() || name.contains(u'[') || name.contains(u']'))
                throw lineError(number);
            if (entry.findGroup(name) != nullptr)
                throw CardSetError({}, Texts::tr("line %1 repeats the group [%2]").arg(number).arg(name));
            entry.groups_.push_back({name, {}});
            continue;
        }
        const auto match = entryPattern().match(line);
        if (!match.hasMatch() || entry.groups_.empty())
            throw lineError(number);
        Group &group = entry.groups_.back();
        const QString key = match.captured(1);
        const QString locale = match.captured(2);
        if (entry.findEntry(group.name, key, locale) != nullptr)
            throw CardSetError({},
                Texts::tr("line %1 repeats the key %2")
                    .arg(number)
                    .arg(locale.isEmpty() ? key : key + u'[' + locale + u']'));
        group.entries.push_back({key, locale, match.captured(3)});
    }
    return entry;
}

QByteArray DesktopEntry::serialize() const
{
    QString text;
    for (const Group &group : groups_) {
        if (!text.isEmpty())
            text += u'\n';
        text += u'[' + group.name + QStringLiteral("]\n");
        for (const Entry &entry : group.entries) {
            text += entry.key;
            if (!entry.locale.isEmpty())
                text += u'[' + entry.locale + u']';
            text += u'=' + entry.raw + u'\n';
        }
    }
    return text.toUtf8();
}

bool DesktopEntry::hasGroup(const QString &group) const
{
    return findGroup(group) != nullptr;
}

QString DesktopEntry::value(const QString &group, const QString &key, const QString &locale) const
{
    const Entry *found = findEntry(group, key, bestLocale(locales(group, key), locale));
    return found != nullptr ? unescape(found->raw, ListItem::No) : QString();
}

QStringList DesktopEntry::list(const QString &group, const QString &key, const QString &locale) const
{
    const Entry *found = findEntry(group, key, bestLocale(locales(group, key), locale));
    if (found == nullptr)
        return {};
    QStringList items;
    qsizetype start = 0;
    const QString &raw = found->raw;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == u'\\') {
            ++i;
            continue;
        }
        if (raw[i] == u';') {
            items << unescape(QStringView(raw).mid(start, i - start), ListItem::Yes);
            start = i + 1;
        }
    }
    if (start < raw.size())
        items << unescape(QStringView(raw).mid(start), ListItem::Yes);
    return items;
}

QStringList DesktopEntry::locales(const QString &group, const QString &key) const
{
    QStringList found;
    if (const Group *g = findGroup(group))
        for (const Entry &entry : g->entries)
            if (entry.key == key && !entry.locale.isEmpty())
                found << entry.locale;
    return found;
}

QString DesktopEntry::bestLocale(const QStringList &available, const QString &wanted)
{
    for (const QString &candidate : candidateLocales(wanted))
        if (available.contains(candidate))
            return candidate;
    return {};
}

void DesktopEntry::setValue(
    const QString &group, const QString &key, const QString &value, const QString &locale)
{
    setRaw(group, key, locale, escape(value, ListItem::No));
}

void DesktopEntry::setList(
    const QString &group, const QString &key, const QStringList &items, const QString &locale)
{
    QString raw;
    for (const QString &item : items)
        raw += escape(item, ListItem::Yes) + u';';
    setRaw(group, key, locale, raw);
}

const DesktopEntry::Group *DesktopEntry::findGroup(const QString &group) const
{
    const auto found
        = std::find_if(groups_.begin(), groups_.end(), [&group](const Group &g) { return g.name == group; });
    return found == groups_.end() ? nullptr : &*found;
}

const DesktopEntry::Entry *DesktopEntry::findEntry(
    const QString &group, const QString &key, const QString &locale) const
{
    const Group *g = findGroup(group);
    if (g == nullptr)
        return nullptr;
    const auto found = std::find_if(g->entries.begin(), g->entries.end(),
        [&](const Entry &entry) { return entry.key == key && entry.locale == locale; });
    return found == g->entries.end() ? nullptr : &*found;
}

void DesktopEntry::setRaw(const QString &group, const QString &key, const QString &locale, const QString &raw)
{
    auto g = std::find_if(
        groups_.begin(), groups_.end(), [&group](const Group &candidate) { return candidate.name == group; });
    if (g == groups_.end()) {
        groups_.push_back({group, {}});
        g = std::prev(groups_.end());
    }
    const auto found = std::find_if(g->entries.begin(), g->entries.end(),
        [&](const Entry &entry) { return entry.key == key && entry.locale == locale; });
    if (found != g->entries.end())
        found->raw = raw;
    else
        g->entries.push_back({key, locale, raw});
}

} // namespace brivmemo::cardset
