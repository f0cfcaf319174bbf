// SPDX-License-Identifier: MIT
// Which card sets the game finds, and in which order it offers them.
#include "ExtrasTestSupport.h"

#include <QDir>
#include <QFile>

namespace brivmemo::test {
namespace {

struct OrderCase {
    const char *name;
    const char *language; // as the game names its translations; empty for English
    std::vector<const char *> names;
};

void PrintTo(const OrderCase &order, std::ostream *out)
{
    *out << order.name;
}

class CardSetCatalogTest : public ExtrasTest, public ::testing::WithParamInterface<OrderCase> { };

TEST_P(CardSetCatalogTest, ListsTheGamesOwnSetFirstThenTheOthersByNameInThePlayersLanguage)
{
    writeTestCardSet(userSet("zebra"), {"Zebras", 10, {{"de", "Affen"}}});
    writeTestCardSet(userSet("shared"), {"Mine", 20});
    writeTestCardSet(systemSet(1, "shared"), {"Theirs", 30});
    writeTestCardSet(systemSet(1, "apple"), {"apple", 40});
    writeTestCardSet(systemSet(2, "banana"), {"Banana", 50, {{"de_DE", "Bananen"}}});
    // A set whose metadata cannot be read is left out, also where it hides a readable one.
    writeTestCardSet(systemSet(2, "unreadable"), {"Hidden by a broken one", 60});
    ASSERT_TRUE(QDir().mkpath(userSet("unreadable")));
    damage(userSet("unreadable"), "cardset.ini");
    // A folder without metadata is no set, and hides nothing.
    ASSERT_TRUE(QDir().mkpath(userSet("pictures-only")));
    writeTestCardSet(systemSet(1, "pictures-only"), {"Pictures", 70});
    writeTestCardSet(systemSet(2, "pictures-only"), {"Later pictures", 80});
    ASSERT_TRUE(QFile::remove(QDir(systemSet(1, "pictures-only")).filePath("cardset.ini")));

    const OrderCase &order = GetParam();
    std::vector<QString> names;
    const QString language = QString::fromLatin1(order.language);
    for (const extras::FoundCardSet &set : extras::findCardSets(language))
        names.push_back(set.metadata.localizedName(language));
    std::vector<QString> expected;
    for (const char *name : order.names)
        expected.push_back(QString::fromUtf8(name));
    EXPECT_EQ(names, expected);
}

INSTANTIATE_TEST_SUITE_P(EachLanguage, CardSetCatalogTest,
    ::testing::Values(
        OrderCase {"English", "", {"Animals", "apple", "Banana", "Later pictures", "Mine", "Zebras"}},
        OrderCase {"German", "de", {"Animals", "Affen", "apple", "Bananen", "Later pictures", "Mine"}}),
    [](const ::testing::TestParamInfo<OrderCase> &info) { return std::string(info.param.name); });

using CardSetLocationTest = ExtrasTest;

TEST_F(CardSetLocationTest, FindsTheFolderOfASetWhereTheFirstSearchFolderHoldsIt)
{
    writeTestCardSet(systemSet(1, "shared"), {"Theirs", 30});
    writeTestCardSet(systemSet(2, "shared"), {"Later", 40});
    EXPECT_EQ(QDir(extras::locateCardSet("shared").folder), QDir(systemSet(1, "shared")));
    writeTestCardSet(userSet("shared"), {"Mine", 20});
    EXPECT_EQ(QDir(extras::locateCardSet("shared").folder), QDir(userSet("shared")));
    EXPECT_EQ(QDir(extras::locateCardSet("missing").folder), QDir(userSet("missing")));
}

} // namespace
} // namespace brivmemo::test
