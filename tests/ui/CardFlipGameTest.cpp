// SPDX-License-Identifier: MIT
// The flip changes nothing of the game: the same deals, moves, hold times and scores with it on
// or off, whether each flip is over before the next click or still running when clicks arrive.
#include "CardFlipOverlay.h"
#include "ClickingPlayer.h"
#include "Extras.h"
#include "ExtrasPaths.h"
#include "ExtrasPreferences.h"
#include "FakeAnimationClock.h"
#include "FlippingTable.h"
#include "GameEvents.h"
#include "GameWindowsFixture.h"
#include "MMCheck.h"
#include "TableMemory.h"
#include "Timer.h"
#include "Uescolhe.h"
#include "memo.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <algorithm>
#include <string>

namespace brivmemo::test {
namespace {

using namespace std::chrono_literals;

constexpr std::uint32_t Seed = 20240611;

struct Pace {
    const char *name;
    bool flipping;
    std::chrono::milliseconds betweenClicks;
};

// Everything the engine tells and shows, in order: enough to tell two games apart.
struct PlayedGame {
    std::vector<int> deal;
    std::vector<std::string> steps;
    int moves = 0;

    bool operator==(const PlayedGame &) const = default;
};

void PrintTo(const PlayedGame &game, std::ostream *out)
{
    *out << game.moves << " moves, " << game.steps.size() << " steps";
}

class CardFlipGameTest : public GameWindowsTest {
protected:
    // A game against the computer at the Intermediate level, the human side played by a
    // player with a perfect memory, each card clicked through the window at the given pace.
    PlayedGame play(const Pace &pace, std::size_t &mostOverlaysShown)
    {
        resetGlobais();
        const FlippingTable table(clock_, pace.flipping, true, Seed);
        TForm1 &form = table.form();
        PlayedGame game;
        for (int place = 1; place <= NumLugares; ++place)
            game.deal.push_back(form.Tabuleiro.Cartas[place].Valor);
        const auto note = [&game](const std::string &step) { game.steps.push_back(step); };
        const extras::GameEvents &events = table.events();
        QObject::connect(&events, &extras::GameEvents::turnedUp,
            [&note](int place) { note("up " + std::to_string(place)); });
        QObject::connect(&events, &extras::GameEvents::turnedDown,
            [&note](int place) { note("down " + std::to_string(place)); });
        QObject::connect(&events, &extras::GameEvents::removed,
            [&note](int place) { note("removed " + std::to_string(place)); });
        QObject::connect(&events, &extras::GameEvents::scored, [&note](bool pair, int player) {
            note((pair ? "pair by " : "miss by ") + std::to_string(player));
        });
        TableMemory memory(form);
        const auto turn = [&](int place) {
            table.clickThroughWindow(place);
            mostOverlaysShown = std::max(mostOverlaysShown, table.shownOverlays().size());
            // Frames drawn before the state is noted, so that a flip that touched the move's
            // hold time or the board lock would show in it.
            clock_.advance(pace.betweenClicks);
            memory.observe();
            note("turned " + std::to_string(form.CartasViradas) + (Ocupado ? " locked" : " open") + " timer "
                + std::to_string(form.tmMarcaJogada->isActive() ? form.tmMarcaJogada->Interval() : 0));
        };
        game.moves = playUntilOver(form, memory, 500, [&] {
            const int known = memory.knownPairPlace();
            const int first = known != 0 ? known : memory.unseenPlace(0);
            turn(first);
            const int partner = memory.seenPartner(first);
            turn(partner != 0 ? partner : memory.unseenPlace(first));
        });
        note(form.lblPtJg1->text().toStdString() + ":" + form.lblPtJg2->text().toStdString() + " points, "
            + form.lblJogadas1->text().toStdString() + ":" + form.lblJogadas2->text().toStdString()
            + " mistakes");
        return game;
    }

private:
    FakeAnimationClock clock_;
};

TEST_F(CardFlipGameTest, PlaysTheSameGameWhateverTheFlipsDo)
{
    std::size_t overlays = 0;
    const PlayedGame plain = play({"off", false, 0ms}, overlays);
    ASSERT_GT(plain.moves, 0);
    EXPECT_EQ(overlays, 0U);
    for (const Pace &pace : {Pace {"each flip over before the next click", true, 200ms},
             Pace {"clicks in the middle of a flip", true, 40ms}, Pace {"flips that never end", true, 0ms}}) {
        SCOPED_TRACE(pace.name);
        overlays = 0;
        EXPECT_EQ(play(pace, overlays), plain);
        EXPECT_GT(overlays, 0U);
    }
}

// Counts the children that the watched widget is given.
class ChildrenAdded : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::ChildAdded ? 1 : 0;
        return false;
    }
};

// The item as the program installs it, in the real "&Extras" menu.
class FlipCardsItemTest : public GameWindowsTest {
protected:
    static QAction &flipItem(const TForm1 &form)
    {
        const QList<QAction *> items
            = form.menuBar()->findChild<QMenu *>(QStringLiteral("mnExtras"))->actions();
        EXPECT_TRUE(items.value(1)->isSeparator());
        return *items.value(2);
    }
};

TEST_F(FlipCardsItemTest, IsOnAtFirstAndKeptForTheNextStart)
{
    QSettings(cardset::extrasPreferencesFile(), QSettings::IniFormat).remove(QStringLiteral("FlipCards"));
    struct Start {
        bool shownChecked;
        bool chosen;
    };
    for (const Start start : {Start {true, false}, Start {false, true}, Start {true, true}}) {
        const TGameWindows windows;
        extras::installExtras(windows.mainWindow());
        QAction &item = flipItem(windows.mainWindow());
        EXPECT_EQ(item.text(), QStringLiteral("&Flip Cards"));
        EXPECT_TRUE(item.isCheckable());
        EXPECT_EQ(item.isChecked(), start.shownChecked);
        item.setChecked(start.chosen);
    }
}

// Off, the table never gets anything but its cards; on, the same play puts overlays on it.
TEST_F(FlipCardsItemTest, PutsNothingOnTheTableWhileOff)
{
    for (const bool on : {false, true}) {
        SCOPED_TRACE(on ? "on" : "off");
        extras::keepSwitch(QStringLiteral("FlipCards"), on);
        resetGlobais();
        const TGameWindows windows;
        TForm1 &form = windows.mainWindow();
        extras::installExtras(form);
        showAndActivate(form, [](QWidget &) {
            frmEscolhe->rabHumano->SetChecked(true);
            frmEscolhe->cmdOK->click();
        });
        ChildrenAdded added;
        form.PnBaralho->installEventFilter(&added);
        EXPECT_GT(ClickingPlayer(form, ClickingPlayer::Strategy::Remembering).playGame(), 0);
        form.PnBaralho->removeEventFilter(&added);
        EXPECT_EQ(added.count > 0, on);
    }
}

} // namespace
} // namespace brivmemo::test
