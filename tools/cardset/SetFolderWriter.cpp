// SPDX-License-Identifier: MIT
#include "SetFolderWriter.h"

#include "WriteFailure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace brivmemo::cardtool {

namespace {

using cardset::CardSetError;

// Gives lupdate and the program one context for the texts of this file.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SetFolderWriter)
};

// The set in the new folder must read as the game will read it.
void readBack(const QString &folder)
{
    try {
        cardset::readCardSet(folder);
    } catch (const CardSetError &error) {
        throw WriteFailure(
            error.file(), Texts::tr("the written set does not read back: %1").arg(error.reason()));
    }
}

} // namespace

void writeSetFolder(
    const QString &folder, const cardset::CardSet &set, cardset::StreamForm form, Existing existing)
{
    replaceFolder(folder, existing, [&](const QString &fresh) {
        try {
            cardset::writeCardSet(fresh, set, form);
        } catch (const CardSetError &error) {
            throw WriteFailure(error.file(), error.reason());
        }
        readBack(fresh);
    });
}

void copySetFolder(const QString &source, const QString &folder, Existing existing)
{
    cardset::readCardSet(source);
    replaceFolder(folder, existing, [&](const QString &fresh) {
        for (const char *name : {cardset::kMetadataFileName, cardset::kStreamFileName}) {
            const QString from = QDir(source).filePath(QString::fromLatin1(name));
            const QString to = QDir(fresh).filePath(QString::fromLatin1(name));
            QFile file(from);
            if (!file.copy(to))
                throw WriteFailure(
                    to, Texts::tr("the file cannot be copied here: %1").arg(file.errorString()));
        }
        readBack(fresh);
    });
}

} // namespace brivmemo::cardtool
