// SPDX-License-Identifier: MIT
#include "CardSetCatalog.h"

#include "CardFaceNames.h"
#include "CardSet.h"
#include "CardSetError.h"
#include "ExtrasPaths.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSet>
#include <algorithm>

namespace brivmemo::extras {

namespace {

bool holdsCardSet(const QString &folder)
{
    return QFileInfo(QDir(folder).filePath(QString::fromLatin1(cardset::kMetadataFileName))).isFile();
}

} // namespace

FoundCardSet builtInCardSet()
{
    FoundCardSet set;
    set.metadata.name = QCoreApplication::translate("brivmemo::extras::CardSetCatalog", "Animals");
    set.metadata.faces = builtInCardFaceNames();
    return set;
}

std::vector<FoundCardSet> findCardSets(const QString &language)
{
    std::vector<FoundCardSet> found;
    QSet<QString> seen;
    for (const QString &searchFolder : cardset::cardSetSearchFolders()) {
        const QDir dir(searchFolder);
        for (const QString &folderName : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            const QString folder = dir.filePath(folderName);
            if (seen.contains(folderName) || !holdsCardSet(folder))
                continue;
            seen.insert(folderName);
            try {
                found.push_back({folderName, folder, cardset::readCardSetMetadata(folder)});
            } catch (const cardset::CardSetError &) {
                // A set that cannot even be named cannot be offered.
            }
        }
    }
    // English is no translation; its names are sorted as English all the same.
    const QCollator collator(language.isEmpty() ? QLocale(QLocale::English) : QLocale(language));
    std::stable_sort(found.begin(), found.end(), [&](const FoundCardSet &a, const FoundCardSet &b) {
        return collator.compare(a.metadata.localizedName(language), b.metadata.localizedName(language)) < 0;
    });
    found.insert(found.begin(), builtInCardSet());
    return found;
}

FoundCardSet locateCardSet(const QString &folderName)
{
    for (const QString &searchFolder : cardset::cardSetSearchFolders()) {
        const QString folder = QDir(searchFolder).filePath(folderName);
        if (holdsCardSet(folder))
            return {folderName, folder, {}};
    }
    return {folderName, QDir(cardset::userCardSetFolder()).filePath(folderName), {}};
}

} // namespace brivmemo::extras
