// SPDX-License-Identifier: MIT
// The "&Extras" menu and its card-set submenu.
#include "ExtrasTestSupport.h"
#include "memo.h"

#include <QActionGroup>
#include <QDir>
#include <QMenu>
#include <QMenuBar>

namespace brivmemo::test {
namespace {

using CardSetMenuTest = ExtrasTest;

std::vector<QString> texts(const QList<QAction *> &items)
{
    std::vector<QString> result;
    for (const QAction *item : items)
        result.push_back(item->text());
    return result;
}

std::vector<QString> checkedTexts(const QList<QAction *> &items)
{
    std::vector<QString> result;
    for (const QAction *item : items) {
        EXPECT_TRUE(item->isCheckable()) << item->text().toStdString();
        if (item->isChecked())
            result.push_back(item->text());
    }
    return result;
}

TEST_F(CardSetMenuTest, SitsBetweenGameAndHelpAndHoldsTheCardSetSubmenu)
{
    start();
    const QList<QAction *> menus = form().menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(menus[0]->menu(), form().mnJogo);
    EXPECT_EQ(menus[1]->menu(), &extrasMenu());
    EXPECT_EQ(menus[2]->menu(), form().mnAjuda);
    EXPECT_EQ(extrasMenu().title(), "&Extras");
    ASSERT_FALSE(extrasMenu().actions().isEmpty());
    EXPECT_EQ(extrasMenu().actions()[0]->menu(), &cardSetMenu());
    EXPECT_EQ(cardSetMenu().title(), "&Card Set");
}

TEST_F(CardSetMenuTest, ListsTheSetsPresentWhenItOpensWithTheShownOneCheckedAlone)
{
    writeTestCardSet(userSet("fruit"), {"Fruit", 10});
    start();
    QList<QAction *> items = listCardSets();
    EXPECT_EQ(texts(items), (std::vector<QString> {"Animals", "Fruit"}));
    EXPECT_EQ(checkedTexts(items), (std::vector<QString> {"Animals"}));

    writeTestCardSet(systemSet(1, "boats"), {"Boats & Ships", 20});
    items = listCardSets();
    // A name is shown as written: its "&" marks no key.
    EXPECT_EQ(texts(items), (std::vector<QString> {"Animals", "Boats && Ships", "Fruit"}));

    choose("Fruit");
    ASSERT_TRUE(QDir(systemSet(1, "boats")).removeRecursively());
    items = listCardSets();
    EXPECT_EQ(texts(items), (std::vector<QString> {"Animals", "Fruit"}));
    EXPECT_EQ(checkedTexts(items), (std::vector<QString> {"Fruit"}));
    ASSERT_NE(items[0]->actionGroup(), nullptr);
    EXPECT_EQ(items[0]->actionGroup()->exclusionPolicy(), QActionGroup::ExclusionPolicy::Exclusive);
    EXPECT_EQ(items[0]->actionGroup()->actions(), items);
}

} // namespace
} // namespace brivmemo::test
