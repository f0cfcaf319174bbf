// SPDX-License-Identifier: MIT
// Choosing a card set from the menu while a game goes on.
#include "CardFaceNames.h"
#include "CardSet.h"
#include "CardSetError.h"
#include "ExtrasPreferences.h"
#include "ExtrasTestSupport.h"
#include "MMBitmapListImage.h"
#include "Random.h"
#include "Timer.h"
#include "Translations.h"
#include "memo.h"

#include <QAccessible>
#include <QDir>
#include <QTest>

namespace brivmemo::test {
namespace {

constexpr int FruitHue = 10;
constexpr int ToysHue = 90;

class CardSetChoiceTest : public ExtrasTest {
protected:
    void startDealtGame()
    {
        start();
        setRandomSeed(5);
        form().Novo1Click();
    }

    void click(int place) { QTest::mouseClick(&form().image(place), Qt::LeftButton); }

    // The other place of the pair the face of this place belongs to.
    int partner(int place) const
    {
        for (int other = 1; other <= NumLugares; ++other) {
            if (other != place
                && form().Tabuleiro.Cartas[other].Valor == form().Tabuleiro.Cartas[place].Valor)
                return other;
        }
        return 0;
    }

    // A place that lies face down and is not the partner of the given one.
    int faceDownPlaceApartFrom(int place) const
    {
        for (int other = 1; other <= NumLugares; ++other) {
            const TMMBitmapListImage &card = form().image(other);
            if (other != place && other != partner(place) && card.isVisibleTo(form().PnBaralho)
                && card.BitmapIndex() == 0)
                return other;
        }
        return 0;
    }
};

struct GameState {
    TTabuleiro board;
    TJogador player1;
    TJogador player2;
    const TJogador *current;
    int turned;

    bool operator==(const GameState &) const = default;
};

GameState gameState(const TForm1 &form)
{
    return {form.Tabuleiro, Jogador1, Jogador2, form.JogadorAtual, form.CartasViradas};
}

TEST_F(CardSetChoiceTest, InTheMiddleOfAGameKeepsThePairsAndShowsTheNewPictures)
{
    writeTestCardSet(userSet("fruit"), {"Fruit", FruitHue});
    startDealtGame();
    const int taken = 1;
    click(taken);
    click(partner(taken));
    form().tmMarcaJogada->Timer();
    const int faceUp = faceDownPlaceApartFrom(taken);
    click(faceUp);
    const int faceDown = faceDownPlaceApartFrom(faceUp);
    ASSERT_NE(faceDown, 0);
    ASSERT_EQ(Jogador1.Pontos, 10);
    const GameState before = gameState(form());

    choose("Fruit");

    EXPECT_TRUE(listShows(FruitHue));
    EXPECT_EQ(gameState(form()), before);
    EXPECT_FALSE(form().image(taken).isVisibleTo(form().PnBaralho));
    EXPECT_FALSE(form().image(partner(taken)).isVisibleTo(form().PnBaralho));
    EXPECT_EQ(shownColor(faceUp), entryColor(FruitHue, form().Tabuleiro.Cartas[faceUp].Valor));
    EXPECT_EQ(shownColor(faceDown), entryColor(FruitHue, 0));

    // The move goes on: the partner of the face-up card still makes the pair.
    click(partner(faceUp));
    form().tmMarcaJogada->Timer();
    EXPECT_EQ(Jogador1.Pontos, 20);
    EXPECT_EQ(extras::keptCardSet(), "fruit");
}

TEST_F(CardSetChoiceTest, OfTheGamesOwnSetReadsItsPicturesAgainAsTheWindowDidAtStart)
{
    writeTestCardSet(userSet("fruit"), {"Fruit", FruitHue});
    startDealtGame();
    ASSERT_TRUE(listShowsBuiltInPictures());
    choose("Fruit");
    ASSERT_FALSE(listShowsBuiltInPictures());
    choose("Animals");
    EXPECT_TRUE(listShowsBuiltInPictures());
    EXPECT_EQ(extras::keptCardSet(), "");
}

struct UnusableCase {
    const char *name;
    // Spoils the set after the menu has listed it.
    void (*spoil)(const QString &folder);
};

void PrintTo(const UnusableCase &unusable, std::ostream *out)
{
    *out << unusable.name;
}

class UnusableCardSetTest : public CardSetChoiceTest, public ::testing::WithParamInterface<UnusableCase> { };

TEST_P(UnusableCardSetTest, ShowsWhyAndChangesNothing)
{
    writeTestCardSet(userSet("fruit"), {"Fruit", FruitHue});
    writeTestCardSet(userSet("toys"), {"Toys", ToysHue});
    startDealtGame();
    choose("Fruit");
    const QList<QAction *> items = listCardSets();
    QString reason;
    GetParam().spoil(userSet("toys"));
    try {
        cardset::readCardSet(userSet("toys"));
    } catch (const cardset::CardSetError &error) {
        reason = error.message();
    }
    ASSERT_FALSE(reason.isEmpty());
    const GameState before = gameState(form());

    for (QAction *item : items) {
        if (item->text() == "Toys")
            item->trigger();
    }

    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(boxes.shown()[0].text, QStringLiteral("Card set “Toys” cannot be used: ") + reason);
    EXPECT_EQ(boxes.shown()[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(listShows(FruitHue));
    EXPECT_EQ(gameState(form()), before);
    EXPECT_EQ(extras::keptCardSet(), "fruit");
    for (const QAction *item : items)
        EXPECT_EQ(item->isChecked(), item->text() == "Fruit") << item->text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(EachWayToSpoilIt, UnusableCardSetTest,
    ::testing::Values(
        UnusableCase {"DamagedPictures", [](const QString &folder) { damage(folder, "cards.mbml"); }},
        UnusableCase {
            "RemovedAfterListing", [](const QString &folder) { QDir(folder).removeRecursively(); }}),
    [](const ::testing::TestParamInfo<UnusableCase> &info) { return std::string(info.param.name); });

struct NamingCase {
    const char *name;
    QStringList desktopLanguages; // as QLocale::uiLanguages() gives them
    const char *faceUpName; // of face 1..20 by its number
};

void PrintTo(const NamingCase &naming, std::ostream *out)
{
    *out << naming.name;
}

class CardSetNamingTest : public CardSetChoiceTest, public ::testing::WithParamInterface<NamingCase> {
protected:
    void TearDown() override
    {
        installTranslations({});
        CardSetChoiceTest::TearDown();
    }
};

// What a screen reader says of a card place ends with the name of the face lying there.
QString placeName(TForm1 &form, int place)
{
    return QAccessible::queryAccessibleInterface(&form.image(place))->text(QAccessible::Name);
}

TEST_P(CardSetNamingTest, NamesTheTablesPlacesAfterTheChosenSetsFacesInTheGamesLanguage)
{
    const NamingCase &naming = GetParam();
    installTranslations(chooseLanguage(naming.desktopLanguages, translatedLanguages()));
    writeTestCardSet(userSet("fruit"),
        {"Fruit", FruitHue, {}, {{"de", numberedNames("Frucht")}, {"pt_BR", numberedNames("fruta")}}});
    startDealtGame();
    const QString faceDown = placeName(form(), 9);
    choose("Fruit");
    click(2);

    const int face = form().Tabuleiro.Cartas[2].Valor;
    EXPECT_TRUE(placeName(form(), 2).endsWith(
        QStringLiteral(", %1%2").arg(QLatin1String(naming.faceUpName)).arg(face)))
        << placeName(form(), 2).toStdString();
    EXPECT_EQ(placeName(form(), 9), faceDown);

    // The game's own animals, first in the menu under their name in the game's language.
    listCardSets().constFirst()->trigger();
    EXPECT_TRUE(placeName(form(), 2).endsWith(QStringLiteral(", ") + builtInCardFaceNames().value(face - 1)))
        << placeName(form(), 2).toStdString();
}

INSTANTIATE_TEST_SUITE_P(EachLanguage, CardSetNamingTest,
    ::testing::Values(NamingCase {"English", {"en-GB", "de"}, "face"},
        NamingCase {"German", {"de-AT"}, "Frucht"}, NamingCase {"Portuguese", {"pt"}, "fruta"},
        NamingCase {"Brazilian", {"pt-BR"}, "fruta"},
        NamingCase {"PolishTheSetDoesNotSpeak", {"pl"}, "face"}),
    [](const ::testing::TestParamInfo<NamingCase> &info) { return std::string(info.param.name); });

} // namespace
} // namespace brivmemo::test
