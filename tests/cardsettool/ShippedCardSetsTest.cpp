// SPDX-License-Identifier: MIT
// The card sets in resources/card-sets, checked where they lie, as the game reads them.
#include "CardSet.h"
#include "CardSetLimits.h"
#include "FaceLikeness.h"
#include "XdgSandbox.h"

#include <QDir>
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

INSTANTIATE_TEST_SUITE_P(Sets, ShippedCardSetTest,
    testing::Values("fruit-and-vegetables", "vehicles", "sea-life"), [](const auto &info) {
        std::string name = info.param;
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });

} // namespace
