// SPDX-License-Identifier: MIT
// The card set the player chose last, shown again at the next start.
#include "CardSet.h"
#include "CardSetError.h"
#include "Extras.h"
#include "ExtrasPaths.h"
#include "ExtrasPreferences.h"
#include "ExtrasTestSupport.h"
#include "MessageBoxes.h"
#include "Uescolhe.h"
#include "memo.h"

#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>

namespace brivmemo::test {
namespace {

constexpr int FruitHue = 10;

using KeptCardSetTest = ExtrasTest;

TEST_F(KeptCardSetTest, IsShownOnceTheWindowHasFirstBeenPainted)
{
    writeTestCardSet(userSet("fruit"), {"Fruit", FruitHue});
    extras::keepCardSet("fruit");
    createWindows();
    extras::installExtras(form());
    EXPECT_TRUE(listShowsBuiltInPictures());

    showAndActivate(form(), [](QWidget &) { frmEscolhe->cmdOK->click(); });
    EXPECT_TRUE(listShows(FruitHue));
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(QFileInfo(workingFile("brivmemo.ini")).size(), 412);
}

// What a message box saw of the program when it was shown.
struct ShownAt {
    QString text;
    int loopLevel;
    bool startupDialogVisible;
};

struct BrokenCase {
    const char *name;
    void (*breakSet)();
    const char *shownName;
};

void PrintTo(const BrokenCase &broken, std::ostream *out)
{
    *out << broken.name;
}

class BrokenKeptCardSetTest : public ExtrasTest, public ::testing::WithParamInterface<BrokenCase> { };

TEST_P(BrokenKeptCardSetTest, FallsBackToTheGamesOwnSetAndSaysWhyOnceTheStartupDialogHasClosed)
{
    const BrokenCase &broken = GetParam();
    extras::keepCardSet("fruit");
    broken.breakSet();
    QString reason;
    try {
        cardset::readCardSet(extras::locateCardSet("fruit").folder);
    } catch (const cardset::CardSetError &error) {
        reason = error.message();
    }
    ASSERT_FALSE(reason.isEmpty());
    QFile preferences(cardset::extrasPreferencesFile());
    ASSERT_TRUE(preferences.open(QIODevice::ReadOnly));
    const QByteArray keptBytes = preferences.readAll();
    preferences.close();

    std::vector<ShownAt> shown;
    const MessageBoxHook previous = setMessageBoxHook([&shown](QMessageBox &box) -> QAbstractButton * {
        shown.push_back({box.text(), QThread::currentThread()->loopLevel(), frmEscolhe->isVisible()});
        return nullptr;
    });
    createWindows();
    extras::installExtras(form());
    showAndActivate(form(), [&shown](QWidget &) {
        // Answered from inside the dialog's own loop, which the first activation runs.
        EXPECT_TRUE(shown.empty());
        frmEscolhe->cmdOK->click();
    });
    setMessageBoxHook(previous);

    ASSERT_EQ(shown.size(), 1U);
    EXPECT_EQ(shown[0].text, QStringLiteral("Card set “%1” cannot be used: ").arg(broken.shownName) + reason);
    EXPECT_EQ(shown[0].loopLevel, 0) << "shown from inside a modal loop";
    EXPECT_FALSE(shown[0].startupDialogVisible);
    EXPECT_TRUE(listShowsBuiltInPictures());
    ASSERT_TRUE(preferences.open(QIODevice::ReadOnly));
    EXPECT_EQ(preferences.readAll(), keptBytes);
}

INSTANTIATE_TEST_SUITE_P(EachWayToBreakIt, BrokenKeptCardSetTest,
    ::testing::Values(BrokenCase {"DamagedPictures",
                          [] {
                              writeTestCardSet(userSet("fruit"), {"Fruit", FruitHue});
                              damage(userSet("fruit"), "cards.mbml");
                          },
                          "Fruit"},
        BrokenCase {"DamagedMetadata",
            [] {
                writeTestCardSet(systemSet(2, "fruit"), {"Fruit", FruitHue});
                damage(systemSet(2, "fruit"), "cardset.ini");
            },
            "fruit"},
        BrokenCase {"Removed", [] {}, "fruit"}),
    [](const ::testing::TestParamInfo<BrokenCase> &info) { return std::string(info.param.name); });

} // namespace
} // namespace brivmemo::test
