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

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <array>
#include <tuple>

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
    bool startupDialogAnswered;
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

// When the window's first paint comes: whenever the platform paints it by itself, or, from a
// window system that paints later, while the game-type dialog of the start is open or once it
// has closed. Held-back updates stand for the later window system.
enum class FirstPaint { ByItself, WhileTheStartupDialogIsOpen, AfterTheStartupDialog };

constexpr std::array<const char *, 3> FirstPaintNames {
    "PaintedByItself", "PaintedUnderTheDialog", "PaintedAfterIt"};

void PrintTo(FirstPaint firstPaint, std::ostream *out)
{
    *out << FirstPaintNames.at(static_cast<std::size_t>(firstPaint));
}

void paintNow(TForm1 &form)
{
    form.setUpdatesEnabled(true);
    form.repaint();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
}

class BrokenKeptCardSetTest : public ExtrasTest,
                              public ::testing::WithParamInterface<std::tuple<BrokenCase, FirstPaint>> { };

TEST_P(BrokenKeptCardSetTest, FallsBackToTheGamesOwnSetAndSaysWhyOnceTheStartupDialogHasClosed)
{
    const auto &[broken, firstPaint] = GetParam();
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
    bool answered = false;
    const MessageBoxHook previous
        = setMessageBoxHook([&shown, &answered](QMessageBox &box) -> QAbstractButton * {
              shown.push_back({box.text(), QThread::currentThread()->loopLevel(), answered});
              return nullptr;
          });
    createWindows();
    extras::installExtras(form());
    form().setUpdatesEnabled(firstPaint == FirstPaint::ByItself);
    showAndActivate(form(), [this, &shown, &answered, firstPaint = firstPaint](QWidget &) {
        // Answered from inside the dialog's own loop, which the first activation runs.
        if (firstPaint == FirstPaint::WhileTheStartupDialogIsOpen)
            paintNow(form());
        EXPECT_TRUE(shown.empty());
        answered = true;
        frmEscolhe->cmdOK->click();
    });
    if (firstPaint == FirstPaint::AfterTheStartupDialog)
        paintNow(form());
    setMessageBoxHook(previous);

    ASSERT_EQ(shown.size(), 1U);
    EXPECT_EQ(shown[0].text, QStringLiteral("Card set “%1” cannot be used: ").arg(broken.shownName) + reason);
    EXPECT_EQ(shown[0].loopLevel, 0) << "shown from inside a modal loop";
    EXPECT_TRUE(shown[0].startupDialogAnswered);
    EXPECT_TRUE(listShowsBuiltInPictures());
    ASSERT_TRUE(preferences.open(QIODevice::ReadOnly));
    EXPECT_EQ(preferences.readAll(), keptBytes);
}

TEST_F(KeptCardSetTest, ThatCannotBeUsedIsReportedAlsoWhenTheStartupDialogNeverOpens)
{
    extras::keepCardSet("fruit");
    // A settings file too short to read makes the first activation fail before its dialog.
    QFile settings(workingFile("brivmemo.ini"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("short");
    settings.close();
    createWindows();
    extras::installExtras(form());
    form().show();
    processPendingEvents();
    activate(form());
    processPendingEvents();

    ASSERT_FALSE(boxes.shown().empty());
    EXPECT_TRUE(boxes.shown().back().text.startsWith(QStringLiteral("Card set “fruit” cannot be used: ")))
        << boxes.shown().back().text.toStdString();
    EXPECT_FALSE(frmEscolhe->isVisible());
}

std::string caseName(const ::testing::TestParamInfo<std::tuple<BrokenCase, FirstPaint>> &info)
{
    return std::string(std::get<0>(info.param).name)
        + FirstPaintNames.at(static_cast<std::size_t>(std::get<1>(info.param)));
}

INSTANTIATE_TEST_SUITE_P(EachWayToBreakIt, BrokenKeptCardSetTest,
    ::testing::Combine(::testing::Values(BrokenCase {"DamagedPictures",
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
        ::testing::Values(FirstPaint::ByItself, FirstPaint::WhileTheStartupDialogIsOpen,
            FirstPaint::AfterTheStartupDialog)),
    caseName);

} // namespace
} // namespace brivmemo::test
