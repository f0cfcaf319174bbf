// SPDX-License-Identifier: MIT
// The language the game speaks: which one the desktop's list chooses, that every window shows
// its translation, that accelerator letters stay apart, and that the results name the players
// as they typed their names.
#include "Translations.h"

#include "DialogChars.h"
#include "ErrorText.h"
#include "Exceptions.h"
#include "Extras.h"
#include "GameWindows.h"
#include "GameWindowsFixture.h"
#include "Globais.h"
#include "TranslatedLanguages.h"
#include "UHelp.h"
#include "WindowTexts.h"
#include "memo.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace brivmemo::test {
namespace {

const QStringList Shipped {"de", "es", "fr", "it", "nl", "pl", "pt_BR"};

TEST(LanguageChoice, TakesTheFirstDesktopLanguageThatIsEnglishOrTranslated)
{
    struct Case {
        QStringList desktop;
        QString chosen;
    };
    for (const Case &c :
        {Case {{"de-DE", "de"}, "de"}, Case {{"en", "de"}, ""}, Case {{"en-GB", "en", "fr"}, ""},
            Case {{"C"}, ""}, Case {{}, ""}, Case {{"ja-JP", "ja", "fr-CA", "fr"}, "fr"},
            Case {{"pt-BR", "pt"}, "pt_BR"}, Case {{"pt-PT", "pt"}, "pt_BR"}, Case {{"nl-BE"}, "nl"},
            Case {{"es-419"}, "es"}, Case {{"pl"}, "pl"}, Case {{"it-CH", "de-CH"}, "it"}})
        EXPECT_EQ(chooseLanguage(c.desktop, Shipped), c.chosen) << c.desktop.join(u',').toStdString();
}

TEST(LanguageChoice, ShipsTheSevenTranslations)
{
    EXPECT_EQ(translatedLanguages(), Shipped);
}

// The windows built in English, then again in the language.
class InEachLanguage : public GameWindowsTest, public ::testing::WithParamInterface<const char *> {
protected:
    void SetUp() override
    {
        GameWindowsTest::SetUp();
        {
            const TGameWindows englishWindows;
            extras::installExtras(*Form1);
            english = shownTexts();
        }
        installTranslations(QString::fromLatin1(GetParam()));
        createWindows();
        extras::installExtras(form());
        shown = shownTexts();
        ASSERT_EQ(shown.size(), english.size());
    }

    void TearDown() override
    {
        GameWindowsTest::TearDown();
        installTranslations({});
    }

    std::vector<ShownText> english;
    std::vector<ShownText> shown;
};

TEST_P(InEachLanguage, EveryWindowShowsItsTranslation)
{
    std::size_t changed = 0;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_EQ(shown[i].text, translated(english[i]))
            << english[i].context << ": " << english[i].text.toStdString();
        changed += shown[i].text != english[i].text ? 1 : 0;
    }
    // A few words are the same in some languages ("OK", "&Normal"); most are not.
    EXPECT_GE(changed * 4, shown.size() * 3);
    // The product's name is not translated.
    EXPECT_EQ(form().windowTitle(), QStringLiteral("Brivosta Memory Game"));
}

TEST_P(InEachLanguage, AcceleratorLettersStayApartWhereTheOriginalsAre)
{
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const QChar original = acceleratorOf(english[i].text);
        const QChar letter = acceleratorOf(shown[i].text);
        EXPECT_EQ(letter.isNull(), original.isNull()) << shown[i].text.toStdString();
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            if (std::string_view(shown[j].group) != shown[i].group || original.isNull()
                || original.toLower() == acceleratorOf(english[j].text).toLower())
                continue;
            EXPECT_NE(letter.toLower(), acceleratorOf(shown[j].text).toLower())
                << shown[i].group << ": " << shown[i].text.toStdString() << " / "
                << shown[j].text.toStdString();
        }
    }
}

// A translation may be longer than the English, but the "&Extras" menu must not turn into a
// wide strip beside the small main window.
TEST_P(InEachLanguage, TheExtrasMenuStaysNarrow)
{
    const QFontMetrics metrics(QApplication::font("QMenu"));
    const auto widths = [&metrics](const std::vector<ShownText> &texts) {
        std::vector<std::pair<int, QString>> items;
        for (const ShownText &text : texts) {
            if (std::string_view(text.group) == "extras menu")
                items.emplace_back(metrics.horizontalAdvance(text.text), text.text);
        }
        return items;
    };
    const auto englishItems = widths(english);
    ASSERT_FALSE(englishItems.empty());
    const int englishWidest = std::max_element(englishItems.begin(), englishItems.end())->first;
    for (const auto &[width, text] : widths(shown))
        EXPECT_LE(width, 2 * englishWidest) << text.toStdString();
}

TEST_P(InEachLanguage, TheBoxesSpeakTheLanguage)
{
    boxes.setAnswer({});
    form().close();
    const QString yes = QCoreApplication::translate("MessageBoxes", "&Yes");
    const QString no = QCoreApplication::translate("MessageBoxes", "&No");
    ASSERT_EQ(boxes.shown().size(), 1U);
    const ShownBox &question = boxes.shown()[0];
    EXPECT_EQ(question.caption, QCoreApplication::translate("MessageBoxes", "Confirm"));
    EXPECT_EQ(question.text, QCoreApplication::translate("TForm1", "Do you really want to exit ?"));
    EXPECT_EQ(question.buttons, (std::vector<QString> {yes, no}));
    EXPECT_NE(acceleratorOf(yes).toLower(), acceleratorOf(no).toLower());

    const std::map<Resultado, QString> results {
        {Resultado::Empate, QCoreApplication::translate("TForm1", "Draw. Try again.")},
        {Resultado::ComputadorVencido,
            QCoreApplication::translate("TForm1",
                "You have just beaten the computer, congratulations ! Show you are the best , beat him "
                "again.")},
        {Resultado::ComputadorVenceu,
            QCoreApplication::translate("TForm1", "The computer has just  beaten you .Try again !")},
        {Resultado::JogadorVenceu,
            QCoreApplication::translate("TForm1", "Congratulations %1 you won. %2 do not give up, try again.")
                .arg(QStringLiteral("Ana"), QStringLiteral("Bia"))}};
    for (const auto &[result, text] : results) {
        form().showResult(result == Resultado::JogadorVenceu ? TResultado {result, "Ana", "Bia"}
                                                             : TResultado {result, {}, {}});
        EXPECT_EQ(boxes.shown().back().text, text);
    }
    EXPECT_EQ(boxes.shown().size(), 1 + results.size());
}

// Three headings 31 blanks in, paragraphs 10 blanks in, three level lines marked "->"; the
// lines may be as many as the language needs.
TEST_P(InEachLanguage, TheHelpKeepsItsLayout)
{
    const QStringList lines = frmAjuda->Memtexto->toPlainText().split(u'\n');
    int headings = 0;
    int levels = 0;
    for (const QString &line : lines) {
        const auto blanks = line.size() - line.trimmed().size();
        EXPECT_TRUE(line.isEmpty() || blanks == 0 || blanks == 10 || blanks == 31) << line.toStdString();
        if (blanks == 31) {
            ++headings;
            EXPECT_EQ(line, line.toUpper()) << line.toStdString();
        }
        levels += line.startsWith(QStringLiteral("          -> ")) ? 1 : 0;
    }
    EXPECT_EQ(headings, 3);
    EXPECT_EQ(levels, 3);
}

INSTANTIATE_TEST_SUITE_P(Languages, InEachLanguage, ShippedLanguages, languageName);

class ResultText : public GameWindowsTest { };

// Names are the players' own: markers of the template inside them are shown as typed.
TEST_F(ResultText, ShowsNamesHoldingPlaceMarkersAsTyped)
{
    createWindows();
    form().showResult({Resultado::JogadorVenceu, "%2", "Bia %1 100%"});
    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(boxes.shown()[0].text,
        QStringLiteral("Congratulations %2 you won. Bia %1 100% do not give up, try again."));
}

class ErrorTextInEachLanguage : public ::testing::TestWithParam<const char *> {
protected:
    void TearDown() override { installTranslations({}); }
};

// Every failure of the program's own is told in the language, with what it names put in once
// and as it stands, markers included.
TEST_P(ErrorTextInEachLanguage, TellsTheProgramsOwnFailuresInTheLanguage)
{
    installTranslations(QString::fromLatin1(GetParam()));
    const std::vector<std::string> named {"%2 a", "b"};
    for (int message = 0; message <= static_cast<int>(Exception::Message::FileTooShort); ++message) {
        const Exception failure(static_cast<Exception::Message>(message), named);
        const QString text = errorText(failure);
        EXPECT_NE(text.toStdString(), failure.what());
        const bool namesSomething
            = std::string_view(failure.messageText()).find("%1") != std::string_view::npos;
        EXPECT_EQ(text.count(QStringLiteral("%2 a")), namesSomething ? 1 : 0) << text.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, ErrorTextInEachLanguage, ShippedLanguages, languageName);

TEST(ErrorText, IsTheEnglishTextInEnglishAndAnyOtherFailureAsItDescribesItself)
{
    installTranslations({});
    EXPECT_EQ(errorText(EListError(7)), QStringLiteral("List index out of bounds (7)"));
    installTranslations(QStringLiteral("de"));
    EXPECT_EQ(errorText(EInOutError("File access denied")), QStringLiteral("File access denied"));
    EXPECT_EQ(errorText(std::invalid_argument("bad")), QStringLiteral("bad"));
    installTranslations({});
}

} // namespace
} // namespace brivmemo::test
