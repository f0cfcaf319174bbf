// SPDX-License-Identifier: MIT
#include "MakeCommand.h"

#include "CardSetError.h"
#include "CardSetLimits.h"
#include "CardSetMaker.h"
#include "CommandParser.h"
#include "Console.h"
#include "FolderReplacement.h"
#include "SetFolderWriter.h"

#include <QCommandLineParser>

namespace brivmemo::cardtool {

ExitCode MakeCommand::run(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
        tr("Write the set into the folder DIR."), QStringLiteral("DIR"));
    const QCommandLineOption name({QStringLiteral("n"), QStringLiteral("name")},
        tr("The set's name, as the game lists it."), tr("NAME"));
    const QCommandLineOption author(QStringLiteral("author"), tr("Who made the pictures."), tr("TEXT"));
    const QCommandLineOption license(QStringLiteral("license"),
        tr("The pictures' licence, as an SPDX identifier."), QStringLiteral("SPDX"));
    const QCommandLineOption comment(QStringLiteral("comment"), tr("A line about the set."), tr("TEXT"));
    const QCommandLineOption faces(QStringLiteral("faces"),
        tr("The twenty faces' names, separated by \";\" (default: the files' names)."), tr("NAMES"));
    const QCommandLineOption plain(
        QStringLiteral("plain"), tr("Write a plain stream (\"MBML\") instead of a packed one."));
    const QCommandLineOption force(QStringLiteral("force"), tr("Replace the folder DIR if it exists."));
    parser.addOptions({output, name, author, license, comment, faces, plain, force});
    const CommandShape shape {
        tr("Makes a card set of a back and %1 faces from picture files (PNG, JPEG, BMP, GIF, "
           "SVG). Each picture is fitted on a %2 x %2 square, on white.")
            .arg(cardset::kFaceCount)
            .arg(cardset::kPictureSide),
        tr("BACK FACE1 ... FACE%1").arg(cardset::kFaceCount),
        tr("The picture files: the back, then the faces in their order."), 0, -1};
    if (const auto done = parseCommand(parser, arguments, shape))
        return *done;
    for (const QCommandLineOption &required : {output, name}) {
        if (!parser.isSet(required)) {
            printNote(tr("make needs --%1").arg(required.names().constLast()));
            return ExitCode::WrongUsage;
        }
    }

    MakeRequest request;
    QStringList pictures = parser.positionalArguments();
    if (!pictures.isEmpty())
        request.backFile = pictures.takeFirst();
    request.faceFiles = pictures;
    request.metadata.name = parser.value(name);
    request.metadata.author = parser.value(author);
    request.metadata.license = parser.value(license);
    request.metadata.comment = parser.value(comment);
    if (parser.isSet(faces)) {
        QStringList names = parser.value(faces).split(QLatin1Char(';'));
        // A ";" at the end ends the list, as in cardset.ini.
        if (names.size() > 1 && names.constLast().isEmpty())
            names.removeLast();
        request.metadata.faces = names;
    }
    const QString folder = parser.value(output);
    const Existing existing = parser.isSet(force) ? Existing::Replace : Existing::Refuse;
    try {
        checkTarget(folder, existing);
        const cardset::CardSet set = makeCardSet(request, printNote);
        printNote(tr("writing %1").arg(folder));
        writeSetFolder(folder, set,
            parser.isSet(plain) ? cardset::StreamForm::Plain : cardset::StreamForm::Packed, existing);
    } catch (const cardset::CardSetError &error) {
        return reportFailure(error);
    }
    printResult(tr("made the card set “%1” in %2").arg(request.metadata.name, folder));
    return ExitCode::Ok;
}

} // namespace brivmemo::cardtool
