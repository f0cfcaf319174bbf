// SPDX-License-Identifier: MIT
#include "ShowCommand.h"

#include "CardSet.h"
#include "CardSetError.h"
#include "CommandParser.h"
#include "Console.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>

namespace brivmemo::cardtool {

namespace {

QString streamForm(const QString &folder)
{
    QFile file(QDir(folder).filePath(QString::fromLatin1(cardset::kStreamFileName)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.read(4));
}

QString translations(const QMap<QString, QString> &names)
{
    QStringList parts;
    for (auto name = names.cbegin(); name != names.cend(); ++name)
        parts.append(QStringLiteral("%1: %2").arg(name.key(), name.value()));
    return parts.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(parts.join(QStringLiteral(", ")));
}

} // namespace

ExitCode ShowCommand::run(const QStringList &arguments)
{
    QCommandLineParser parser;
    const CommandShape shape {
        tr("Prints the metadata of the card set in DIR and the size and depth of each picture."),
        QStringLiteral("DIR"), tr("The folder of the set."), 1, 1};
    if (const auto done = parseCommand(parser, arguments, shape))
        return *done;
    const QString folder = parser.positionalArguments().constFirst();
    cardset::CardSet set;
    try {
        set = cardset::readCardSet(folder);
    } catch (const cardset::CardSetError &error) {
        return reportFailure(error);
    }
    const cardset::CardSetMetadata &metadata = set.metadata;
    printResult(tr("Name: %1%2").arg(metadata.name, translations(metadata.nameTranslations)));
    printResult(tr("Comment: %1").arg(metadata.comment));
    printResult(tr("Author: %1").arg(metadata.author));
    printResult(tr("License: %1").arg(metadata.license));
    printResult(tr("Stream: %1 (%2)").arg(QString::fromLatin1(cardset::kStreamFileName), streamForm(folder)));
    for (std::size_t entry = 0; entry < set.pictures.size(); ++entry) {
        const TBitmap &picture = *set.pictures[entry];
        const int face = static_cast<int>(entry);
        QMap<QString, QString> faceTranslations;
        for (auto names = metadata.faceTranslations.cbegin(); names != metadata.faceTranslations.cend();
             ++names)
            faceTranslations.insert(names.key(), names.value().value(face - 1));
        const QString role = entry == 0
            ? tr("back")
            : tr("face %1, %2%3")
                  .arg(face)
                  .arg(metadata.faces.value(face - 1), translations(faceTranslations));
        printResult(tr("Entry %1: %2 x %3, %4 bits, %5")
                        .arg(face)
                        .arg(picture.width())
                        .arg(picture.height())
                        .arg(bitsPerPixel(picture.pixelFormat()))
                        .arg(role));
    }
    return ExitCode::Ok;
}

} // namespace brivmemo::cardtool
