// SPDX-License-Identifier: MIT
// brivmemo-cardset run as a player runs it, on pictures the tests draw.
#include "../ui/TranslatedLanguages.h"
#include "CardSet.h"
#include "CardSetError.h"
#include "CardSetLimits.h"
#include "TestPictures.h"
#include "Translations.h"
#include "XdgSandbox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

using namespace brivmemo;
using brivmemo::cardset::kFaceCount;

namespace {

struct ToolRun {
    int exitCode = -1;
    QString output;
    QString errors;
};

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class CardSetToolTest : public testing::Test {
protected:
    XdgSandbox xdg;
    QTemporaryDir work;

    QString path(const QString &name) const { return QDir(work.path()).filePath(name); }

    // The tool speaks the desktop's language; its English texts are the ones tests look for.
    ToolRun runTool(const QStringList &arguments, const QString &language = QStringLiteral("en")) const
    {
        QProcess tool;
        QProcessEnvironment environment = xdg.environment();
        environment.insert(QStringLiteral("LANGUAGE"), language);
        environment.insert(
            QStringLiteral("LSAN_OPTIONS"), QStringLiteral("suppressions=" BRIVMEMO_LSAN_SUPPRESSIONS));
        tool.setProcessEnvironment(environment);
        tool.setWorkingDirectory(work.path());
        tool.start(QStringLiteral(BRIVMEMO_CARDSET_TOOL), arguments);
        if (!tool.waitForFinished(120000))
            return {};
        return {tool.exitCode(), QString::fromUtf8(tool.readAllStandardOutput()),
            QString::fromUtf8(tool.readAllStandardError())};
    }

    // make --output OUTPUT --name NAME, then the options and pictures given.
    ToolRun make(const QString &output, const QStringList &rest) const
    {
        return runTool(QStringList {QStringLiteral("make"), QStringLiteral("--output"), output,
                           QStringLiteral("--name"), QStringLiteral("Test set")}
            + rest);
    }

    QStringList pictures() const { return writeSetPictures(work.path()); }

    // Everything in the work folder but the pictures: what a refused command must not write.
    QStringList written() const
    {
        QStringList names
            = QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        names.removeIf([](const QString &name) { return name.endsWith(QStringLiteral(".png")); });
        return names;
    }
};

// The colour at the middle of block k of a coded picture stored on the 246-pixel square.
QRgb blockColor(const QImage &face, int block)
{
    return face.pixel(30 + block % 4 * 61, 30 + block / 4 * 61);
}

TEST_F(CardSetToolTest, MakesASetTheGameReadsWithTheFacesInOrderCentredOnWhite)
{
    QStringList files = pictures();
    // A wide back: it lies across the middle of the square, white above and below.
    files[0] = writePicture(work.path(), QStringLiteral("wide.png"), gradientPicture().scaled(64, 32));

    const ToolRun made = make(path(QStringLiteral("set")), files);

    ASSERT_EQ(made.exitCode, 0) << made.errors.toStdString();
    EXPECT_TRUE(made.errors.contains(QStringLiteral("packing face 14 of 20"))) << made.errors.toStdString();
    const ToolRun checked = runTool({QStringLiteral("check"), path(QStringLiteral("set"))});
    EXPECT_EQ(checked.exitCode, 0) << checked.errors.toStdString();
    const cardset::CardSet set = cardset::readCardSet(path(QStringLiteral("set")));
    EXPECT_EQ(set.metadata.name, QStringLiteral("Test set"));
    ASSERT_EQ(set.metadata.faces.size(), kFaceCount);
    ASSERT_EQ(set.pictures.size(), static_cast<std::size_t>(cardset::kEntryCount));
    const QImage &back = set.pictures[0]->displayImage();
    EXPECT_EQ(back.size(), QSize(246, 246));
    EXPECT_EQ(set.pictures[0]->pixelFormat(), PixelFormat::Bits24);
    EXPECT_EQ(back.pixel(123, 20), qRgb(255, 255, 255));
    EXPECT_EQ(back.pixel(123, 225), qRgb(255, 255, 255));
    EXPECT_NE(back.pixel(123, 123), qRgb(255, 255, 255));
    for (int face = 1; face <= kFaceCount; ++face) {
        EXPECT_EQ(set.metadata.faces.at(face - 1), QStringLiteral("face%1").arg(face));
        const TBitmap &picture = *set.pictures[static_cast<std::size_t>(face)];
        EXPECT_EQ(picture.pixelFormat(), PixelFormat::Bits8) << face;
        for (int block = 0; block < 16; ++block) {
            const bool black = (face >> block & 1) != 0;
            EXPECT_EQ(blockColor(picture.displayImage(), block), black ? qRgb(0, 0, 0) : qRgb(255, 255, 255))
                << "face " << face << " block " << block;
        }
    }
}

struct FormatCase {
    const char *name;
    std::function<QString(const QString &folder)> writeFace1;
};

void PrintTo(const FormatCase &testCase, std::ostream *out)
{
    *out << testCase.name;
}

class PictureFormatTest : public CardSetToolTest, public testing::WithParamInterface<FormatCase> { };

TEST_P(PictureFormatTest, ReadsTheFormat)
{
    QStringList files = pictures();
    files[1] = GetParam().writeFace1(work.path());

    const ToolRun made = make(path(QStringLiteral("set")), files);

    ASSERT_EQ(made.exitCode, 0) << made.errors.toStdString();
    const cardset::CardSet set = cardset::readCardSet(path(QStringLiteral("set")));
    const QImage &face = set.pictures[1]->displayImage();
    EXPECT_EQ(qGray(blockColor(face, 0)), 0);
    EXPECT_EQ(qGray(blockColor(face, 5)), 255);
}

INSTANTIATE_TEST_SUITE_P(Formats, PictureFormatTest,
    testing::Values(FormatCase {"jpeg",
                        [](const QString &folder) {
                            return writePicture(folder, QStringLiteral("one.jpg"), codedPicture(1));
                        }},
        FormatCase {"bmp",
            [](const QString &folder) {
                return writePicture(folder, QStringLiteral("one.bmp"), codedPicture(1));
            }},
        FormatCase {"svg",
            [](const QString &folder) {
                QString file = QDir(folder).filePath(QStringLiteral("one.svg"));
                writeFile(file,
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"8\" height=\"8\">"
                    "<rect width=\"8\" height=\"8\" fill=\"white\"/><rect width=\"2\" height=\"2\" "
                    "fill=\"black\"/></svg>");
                return file;
            }}),
    [](const auto &info) { return std::string(info.param.name); });

struct StreamCase {
    const char *name;
    QStringList options;
    QByteArray magic;
};

void PrintTo(const StreamCase &testCase, std::ostream *out)
{
    *out << testCase.name;
}

class StreamFormTest : public CardSetToolTest, public testing::WithParamInterface<StreamCase> { };

TEST_P(StreamFormTest, WritesTheFormAskedTheSameBytesEachTime)
{
    const QStringList files = pictures();

    const ToolRun first = make(path(QStringLiteral("first")), GetParam().options + files);
    const ToolRun second = make(path(QStringLiteral("second")), GetParam().options + files);

    ASSERT_EQ(first.exitCode, 0) << first.errors.toStdString();
    ASSERT_EQ(second.exitCode, 0) << second.errors.toStdString();
    for (const char *name : {cardset::kStreamFileName, cardset::kMetadataFileName}) {
        EXPECT_EQ(readFile(QDir(path(QStringLiteral("first"))).filePath(QLatin1String(name))),
            readFile(QDir(path(QStringLiteral("second"))).filePath(QLatin1String(name))))
            << name;
    }
    EXPECT_EQ(readFile(QDir(path(QStringLiteral("first"))).filePath(QLatin1String(cardset::kStreamFileName)))
                  .left(4),
        GetParam().magic);
}

INSTANTIATE_TEST_SUITE_P(Forms, StreamFormTest,
    testing::Values(
        StreamCase {"packed", {}, "MBMC"}, StreamCase {"plain", {QStringLiteral("--plain")}, "MBML"}),
    [](const auto &info) { return std::string(info.param.name); });

struct RefusalCase {
    const char *name;
    // Changes the arguments after "make"; the pictures are back.png, face1.png ... face20.png.
    std::function<QStringList(const QString &folder, QStringList files)> arguments;
    int exitCode;
    QStringList message; // parts the message must hold
};

void PrintTo(const RefusalCase &testCase, std::ostream *out)
{
    *out << testCase.name;
}

QStringList madeArguments(const QString &folder, const QStringList &options, const QStringList &files)
{
    return QStringList {QStringLiteral("--output"), QDir(folder).filePath(QStringLiteral("set")),
               QStringLiteral("--name"), QStringLiteral("Test set")}
    + options + files;
}

QString copyFile(const QString &from, const QString &to)
{
    QFile::copy(from, to);
    return to;
}

class MakeRefusalTest : public CardSetToolTest, public testing::WithParamInterface<RefusalCase> { };

TEST_P(MakeRefusalTest, NamesTheFileAndTheReasonAndWritesNothing)
{
    const QStringList arguments = GetParam().arguments(work.path(), pictures());
    const QStringList before = written();

    const ToolRun run = runTool(QStringList {QStringLiteral("make")} + arguments);

    EXPECT_EQ(run.exitCode, GetParam().exitCode) << run.errors.toStdString();
    for (const QString &part : GetParam().message)
        EXPECT_TRUE(run.errors.contains(part)) << run.errors.toStdString() << " lacks " << part.toStdString();
    EXPECT_EQ(written(), before);
}

INSTANTIATE_TEST_SUITE_P(Refusals, MakeRefusalTest,
    testing::Values(
        RefusalCase {"a_face_too_few",
            [](const QString &folder, QStringList files) {
                files.removeLast();
                return madeArguments(folder, {}, files);
            },
            1, {QStringLiteral("one back and 20 faces"), QStringLiteral("20 pictures are given")}},
        RefusalCase {"a_face_too_many",
            [](const QString &folder, QStringList files) {
                return madeArguments(folder, {}, files << files[3]);
            },
            1, {QStringLiteral("one back and 20 faces"), QStringLiteral("22 pictures")}},
        RefusalCase {"not_a_picture",
            [](const QString &folder, QStringList files) {
                writeFile(files[5], "this is text");
                return madeArguments(folder, {}, files);
            },
            1, {QStringLiteral("face5.png: this is not a picture that can be read")}},
        RefusalCase {"no_such_file",
            [](const QString &folder, QStringList files) {
                files[9] = QDir(folder).filePath(QStringLiteral("absent.png"));
                return madeArguments(folder, {}, files);
            },
            1, {QStringLiteral("absent.png: there is no such file")}},
        RefusalCase {"the_same_face_twice",
            [](const QString &folder, QStringList files) {
                files[7] = copyFile(files[3], QDir(folder).filePath(QStringLiteral("again.png")));
                return madeArguments(folder, {}, files);
            },
            1, {QStringLiteral("again.png: it shows the same picture as"), QStringLiteral("face3.png")}},
        RefusalCase {"faces_too_alike",
            [](const QString &folder, QStringList files) {
                QImage alike = codedPicture(3);
                QPainter(&alike).fillRect(30, 30, 3, 3, Qt::black);
                files[7] = writePicture(folder, QStringLiteral("alike.png"), alike);
                return madeArguments(folder, {}, files);
            },
            1, {QStringLiteral("alike.png: a player could not tell it from"), QStringLiteral("face3.png")}},
        RefusalCase {"face_names_too_few",
            [](const QString &folder, const QStringList &files) {
                return madeArguments(folder, {QStringLiteral("--faces"), QStringLiteral("a;b;c")}, files);
            },
            1, {QStringLiteral("3 face names are given, not 20")}},
        RefusalCase {"the_output_folder_exists",
            [](const QString &folder, const QStringList &files) {
                QDir(folder).mkdir(QStringLiteral("set"));
                writeFile(QDir(folder).filePath(QStringLiteral("set/mine")), "mine");
                return madeArguments(folder, {}, files);
            },
            1, {QStringLiteral("set: this folder exists already")}},
        RefusalCase {"the_output_folder_cannot_be_made",
            [](const QString &folder, const QStringList &files) {
                writeFile(QDir(folder).filePath(QStringLiteral("file")), "a file");
                auto arguments = madeArguments(folder, {}, files);
                arguments[1] = QDir(folder).filePath(QStringLiteral("file/set"));
                return arguments;
            },
            3, {QStringLiteral("file: this folder cannot be made")}},
        RefusalCase {"no_name",
            [](const QString &folder, const QStringList &files) {
                return QStringList {QStringLiteral("--output"), QDir(folder).filePath(QStringLiteral("set"))}
                + files;
            },
            2, {QStringLiteral("make needs --name")}},
        RefusalCase {"an_unknown_option",
            [](const QString &folder, const QStringList &files) {
                return madeArguments(folder, {QStringLiteral("--colour")}, files);
            },
            2, {QStringLiteral("colour")}}),
    [](const auto &info) { return std::string(info.param.name); });

enum class Damage { NoMetadata, GarbledStream, CutStream };

struct DamageCase {
    const char *name;
    const char *command;
    Damage damage;
    QString file; // named in the message
};

void PrintTo(const DamageCase &testCase, std::ostream *out)
{
    *out << testCase.name;
}

class DamagedSetTest : public CardSetToolTest, public testing::WithParamInterface<DamageCase> { };

TEST_P(DamagedSetTest, IsRefusedNamingTheFile)
{
    ASSERT_EQ(make(path(QStringLiteral("set")), pictures()).exitCode, 0);
    const QString stream
        = QDir(path(QStringLiteral("set"))).filePath(QLatin1String(cardset::kStreamFileName));
    switch (GetParam().damage) {
    case Damage::NoMetadata:
        QFile::remove(QDir(path(QStringLiteral("set"))).filePath(QLatin1String(cardset::kMetadataFileName)));
        break;
    case Damage::GarbledStream:
        writeFile(stream, QByteArray("MBMX") + readFile(stream).mid(4));
        break;
    case Damage::CutStream:
        writeFile(stream, readFile(stream).chopped(100));
        break;
    }

    const ToolRun run = runTool({QLatin1String(GetParam().command), path(QStringLiteral("set"))});

    EXPECT_EQ(run.exitCode, 1) << run.errors.toStdString();
    EXPECT_TRUE(run.errors.contains(GetParam().file)) << run.errors.toStdString();
    EXPECT_FALSE(QDir(QDir(xdg.dataHome()).filePath(QStringLiteral("brivmemo"))).exists());
}

INSTANTIATE_TEST_SUITE_P(Damages, DamagedSetTest,
    testing::Values(
        DamageCase {"check_no_metadata", "check", Damage::NoMetadata, QStringLiteral("cardset.ini")},
        DamageCase {"check_garbled_stream", "check", Damage::GarbledStream, QStringLiteral("cards.mbml")},
        DamageCase {"check_cut_stream", "check", Damage::CutStream, QStringLiteral("cards.mbml")},
        DamageCase {"install_garbled_stream", "install", Damage::GarbledStream, QStringLiteral("cards.mbml")},
        DamageCase {"install_no_metadata", "install", Damage::NoMetadata, QStringLiteral("cardset.ini")}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(CardSetToolTest, InstallsIntoTheUserCardSetFolderReplacingOnlyWithForce)
{
    ASSERT_EQ(make(path(QStringLiteral("garden")), pictures()).exitCode, 0);
    const QString installed = QDir(xdg.dataHome()).filePath(QStringLiteral("brivmemo/card-sets/garden"));

    const ToolRun first = runTool({QStringLiteral("install"), path(QStringLiteral("garden"))});
    const ToolRun again = runTool({QStringLiteral("install"), path(QStringLiteral("garden"))});
    writeFile(QDir(installed).filePath(QStringLiteral("stale")), "from before");
    const ToolRun forced
        = runTool({QStringLiteral("install"), QStringLiteral("--force"), path(QStringLiteral("garden"))});

    EXPECT_EQ(first.exitCode, 0) << first.errors.toStdString();
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.errors.contains(QStringLiteral("exists already"))) << again.errors.toStdString();
    EXPECT_EQ(forced.exitCode, 0) << forced.errors.toStdString();
    EXPECT_EQ(cardset::readCardSet(installed).metadata.name, QStringLiteral("Test set"));
    EXPECT_EQ(QDir(installed).entryList(QDir::Files, QDir::Name),
        (QStringList {QLatin1String(cardset::kStreamFileName), QLatin1String(cardset::kMetadataFileName)}));
}

TEST_F(CardSetToolTest, ShowsAndExtractsEveryEntry)
{
    ASSERT_EQ(make(path(QStringLiteral("set")),
                  QStringList {QStringLiteral("--author"), QStringLiteral("A. Painter")} + pictures())
                  .exitCode,
        0);

    const ToolRun shown = runTool({QStringLiteral("show"), path(QStringLiteral("set"))});
    const ToolRun extracted
        = runTool({QStringLiteral("extract"), path(QStringLiteral("set")), path(QStringLiteral("out"))});

    EXPECT_EQ(shown.exitCode, 0) << shown.errors.toStdString();
    for (const QString &line : {QStringLiteral("Name: Test set"), QStringLiteral("Author: A. Painter"),
             QStringLiteral("(MBMC)"), QStringLiteral("Entry 0: 246 x 246, 24 bits, back"),
             QStringLiteral("Entry 20: 246 x 246, 8 bits, face 20, face20")})
        EXPECT_TRUE(shown.output.contains(line))
            << shown.output.toStdString() << " lacks " << line.toStdString();
    ASSERT_EQ(extracted.exitCode, 0) << extracted.errors.toStdString();
    const cardset::CardSet set = cardset::readCardSet(path(QStringLiteral("set")));
    for (int entry = 0; entry <= kFaceCount; ++entry) {
        const QString name = entry == 0 ? QStringLiteral("back.png")
                                        : QStringLiteral("face-%1.png").arg(entry, 2, 10, QLatin1Char('0'));
        const QImage png(QDir(path(QStringLiteral("out"))).filePath(name));
        EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32),
            set.pictures[static_cast<std::size_t>(entry)]->displayImage())
            << name.toStdString();
    }
}

struct UsageCase {
    const char *name;
    QStringList arguments;
    int exitCode;
    QString output; // a part of standard output, or of standard error when the exit is not 0
};

void PrintTo(const UsageCase &testCase, std::ostream *out)
{
    *out << testCase.name;
}

class UsageTest : public CardSetToolTest, public testing::WithParamInterface<UsageCase> { };

TEST_P(UsageTest, AnswersWithTheDocumentedExitCode)
{
    const ToolRun run = runTool(GetParam().arguments);

    EXPECT_EQ(run.exitCode, GetParam().exitCode) << run.errors.toStdString();
    const QString &text = GetParam().exitCode == 0 ? run.output : run.errors;
    EXPECT_TRUE(text.contains(GetParam().output)) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Usage, UsageTest,
    testing::Values(UsageCase {"help", {QStringLiteral("--help")}, 0,
                        QStringLiteral("3 a file or folder cannot be written")},
        UsageCase {"version", {QStringLiteral("--version")}, 0,
            QStringLiteral("brivmemo-cardset " BRIVMEMO_VERSION)},
        UsageCase {
            "command_help", {QStringLiteral("make"), QStringLiteral("--help")}, 0, QStringLiteral("--plain")},
        UsageCase {"no_command", {}, 2, QStringLiteral("a command is needed")},
        UsageCase {
            "unknown_command", {QStringLiteral("paint")}, 2, QStringLiteral("there is no command “paint”")},
        UsageCase {"check_without_folder", {QStringLiteral("check")}, 2, QStringLiteral("DIR")}),
    [](const auto &info) { return std::string(info.param.name); });

class ToolLanguageTest : public CardSetToolTest, public testing::WithParamInterface<const char *> {
protected:
    void TearDown() override { installTranslations({}); }
};

// The tool's own complaints and those of the card-set reader it shares with the game.
TEST_P(ToolLanguageTest, ComplainsInTheDesktopLanguage)
{
    const QString language = QString::fromLatin1(GetParam());
    const ToolRun unknown = runTool({QStringLiteral("paint")}, language);
    const ToolRun missing = runTool({QStringLiteral("check"), path(QStringLiteral("nowhere"))}, language);

    installTranslations(language);
    const QString noCommand
        = QCoreApplication::translate("CardSetTool", "there is no command “%1”").arg(QStringLiteral("paint"));
    const QString noFolder = QCoreApplication::translate("CardSet", "the folder does not exist");
    EXPECT_NE(noFolder, QStringLiteral("the folder does not exist"));
    EXPECT_TRUE(unknown.errors.contains(noCommand)) << unknown.errors.toStdString();
    EXPECT_TRUE(missing.errors.contains(noFolder)) << missing.errors.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, ToolLanguageTest, test::ShippedLanguages, test::languageName);

} // namespace
