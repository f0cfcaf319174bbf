// SPDX-License-Identifier: MIT
// The card sets in resources/card-sets, checked where they lie, as the game reads them.
#include "CardSet.h"
#include "CardSetLimits.h"
#include "FaceLikeness.h"
#include "Translations.h"
#include "XdgSandbox.h"

#include <QDir>
#include <QSet>
#include <gtest/gtest.h>

using namespace brivmemo;

namespace {

class ShippedCardSetTest : public testing::TestWithParam<const char *> {
protected:
    XdgSandbox xdg;
};

TEST_P(ShippedCardSetTest, ReadsWithTwentyFacesAPlayerTellsApart)
{
    const QString folder = QDir(QStringLiteral(BRIVMEMO_CARD_SETS_DIR)).filePath(QLatin1String(GetParam()));

    const cardset::CardSet set = cardset::readCardSet(folder);

    EXPECT_EQ(set.metadata.license, QStringLiteral("CC-BY-4.0"));
    EXPECT_TRUE(set.metadata.author.contains(QStringLiteral("Twemoji")));
    std::vector<QImage> faces;
    for (std::size_t entry = 0; entry < set.pictures.size(); ++entry) {
        EXPECT_EQ(set.pictures[entry]->width(), cardset::kPictureSide) << entry;
        EXPECT_EQ(set.pictures[entry]->height(), cardset::kPictureSide) << entry;
        EXPECT_EQ(set.pictures[entry]->pixelFormat(), PixelFormat::Bits8) << entry;
        if (entry > 0)
            faces.push_back(set.pictures[entry]->displayImage());
    }
    const auto alike = cardtool::findLookAlikes(faces);
    EXPECT_FALSE(alike.has_value()) << set.metadata.faces.value(alike ? alike->first : 0).toStdString()
                                    << " and "
                                    << set.metadata.faces.value(alike ? alike->second : 0).toStdString();
}

// A face's name is what a screen reader says of the card, so in every language the game speaks
// each set names itself and tells its twenty faces apart by name.
TEST_P(ShippedCardSetTest, NamesItselfAndItsFacesInEveryLanguageTheGameSpeaks)
{
    const QString folder = QDir(QStringLiteral(BRIVMEMO_CARD_SETS_DIR)).filePath(QLatin1String(GetParam()));
    const cardset::CardSetMetadata metadata = cardset::readCardSetMetadata(folder);
    const QStringList languages = translatedLanguages();
    ASSERT_FALSE(languages.isEmpty());

    EXPECT_EQ(QSet<QString>(metadata.faces.begin(), metadata.faces.end()).size(), cardset::kFaceCount);
    for (const QString &language : languages) {
        const std::string shown = language.toStdString();
        EXPECT_FALSE(metadata.nameTranslations.value(language).trimmed().isEmpty()) << shown;
        EXPECT_FALSE(metadata.commentTranslations.value(language).trimmed().isEmpty()) << shown;
        const QStringList faces = metadata.faceTranslations.value(language);
        EXPECT_EQ(QSet<QString>(faces.begin(), faces.end()).size(), cardset::kFaceCount) << shown;
        EXPECT_EQ(metadata.localizedFaces(language), faces) << shown;
    }
}

INSTANTIATE_TEST_SUITE_P(Sets, ShippedCardSetTest,
    testing::Values("fruit-and-vegetables", "vehicles", "sea-life"), [](const auto &info) {
        std::string name = info.param;
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });

} // namespace
