// SPDX-License-Identifier: MIT
#include "CardSet.h"

#include "CardSetError.h"
#include "CardSetLimits.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace brivmemo::cardset {

namespace {

// Gives lupdate and the program one context for the texts of this file.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CardSet)
};

void checkFolder(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.exists())
        throw CardSetError(folder, Texts::tr("the folder does not exist"));
    if (!info.isDir())
        throw CardSetError(folder, Texts::tr("it is not a folder"));
}

// The whole file, refused before it is read when it is larger than the limit.
QByteArray readBounded(const QString &path, std::size_t limit)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw CardSetError(path, Texts::tr("the file is missing"));
    if (!info.isFile())
        throw CardSetError(path, Texts::tr("it is not a file"));
    const auto tooLarge = [&path, limit] {
        return CardSetError(path, Texts::tr("the file is larger than %1 KiB").arg(limit >> 10));
    };
    if (static_cast<std::size_t>(info.size()) > limit)
        throw tooLarge();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw CardSetError(path, file.errorString());
    // One byte more than allowed tells a file that grew since it was measured.
    QByteArray bytes = file.read(static_cast<qint64>(limit) + 1);
    if (file.error() != QFileDevice::NoError)
        throw CardSetError(path, file.errorString());
    if (static_cast<std::size_t>(bytes.size()) > limit)
        throw tooLarge();
    return bytes;
}

// Runs a parser of the file's bytes, naming the file in what it throws.
template<typename Parse> auto parseAs(const QString &path, const QByteArray &bytes, Parse parse)
{
    try {
        return parse(bytes);
    } catch (const CardSetError &error) {
        throw CardSetError(path, error.reason());
    }
}

Pictures parseStream(const QByteArray &bytes)
{
    return readCardSetStream(std::span(
        reinterpret_cast<const std::uint8_t *>(bytes.constData()), static_cast<std::size_t>(bytes.size())));
}

QString metadataPath(const QString &folder)
{
    return QDir(folder).filePath(QString::fromLatin1(kMetadataFileName));
}

QString streamPath(const QString &folder)
{
    return QDir(folder).filePath(QString::fromLatin1(kStreamFileName));
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw CardSetError(path, file.errorString());
}

} // namespace

CardSetMetadata readCardSetMetadata(const QString &folder)
{
    checkFolder(folder);
    const QString path = metadataPath(folder);
    return parseAs(path, readBounded(path, kMaxMetadataBytes), &CardSetMetadata::parse);
}

CardSet readCardSet(const QString &folder)
{
    CardSet set;
    set.metadata = readCardSetMetadata(folder);
    const QString path = streamPath(folder);
    set.pictures = parseAs(path, readBounded(path, kMaxStreamBytes), &parseStream);
    set.folder = folder;
    return set;
}

void writeCardSet(const QString &folder, const CardSet &set, StreamForm form)
{
    checkFolder(folder);
    const QString pictures = streamPath(folder);
    if (set.pictures.size() != static_cast<std::size_t>(kEntryCount))
        throw CardSetError(
            pictures, Texts::tr("a set needs %1 pictures, not %2").arg(kEntryCount).arg(set.pictures.size()));
    const auto stream = writeCardSetStream(set.pictures, form);
    const QByteArray streamBytes(
        reinterpret_cast<const char *>(stream.data()), static_cast<qsizetype>(stream.size()));
    const QByteArray metadata = set.metadata.serialize();
    // A set is written only when the game can read it back.
    parseAs(pictures, streamBytes, &parseStream);
    parseAs(metadataPath(folder), metadata, &CardSetMetadata::parse);
    writeFile(pictures, streamBytes);
    writeFile(metadataPath(folder), metadata);
}

} // namespace brivmemo::cardset
