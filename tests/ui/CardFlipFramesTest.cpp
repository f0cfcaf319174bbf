// SPDX-License-Identifier: MIT
// What a flip shows, frame by frame: the old picture narrowing to the card's edge, the new one
// opening to the plain card, as sharp as the card at every density; a pair fading into the
// table; and every motion ending at once when the table changes under it.
#include "CardFlipOverlay.h"
#include "CardSetSwitcher.h"
#include "FakeAnimationClock.h"
#include "FlippingTable.h"
#include "GameWindowsFixture.h"
#include "Timer.h"
#include "memo.h"

#include <QAccessible>
#include <functional>
#include <optional>

namespace brivmemo::test {
namespace {

using namespace std::chrono_literals;

constexpr std::uint32_t Seed = 424242;
// Place 8 is never turned here, so it shows the card back; it has the size of place 1.
constexpr int BackShowingPlace = 8;

class CardFlipFramesTest : public GameWindowsTest {
protected:
    void TearDown() override
    {
        table.reset();
        GameWindowsTest::TearDown();
    }

    // A game of two people, flips on.
    void start() { table.emplace(clock, true, false, Seed); }

    QColor tableColor() const { return table->form().PnBaralho->palette().color(QPalette::Window); }

    // The columns of a frame that show anything but the table.
    int pictureColumns(const QImage &frame) const
    {
        int columns = 0;
        for (int x = 0; x < frame.width(); ++x) {
            for (int y = 0; y < frame.height(); ++y) {
                if (frame.pixelColor(x, y) != tableColor()) {
                    ++columns;
                    break;
                }
            }
        }
        return columns;
    }

    extras::CardFlipOverlay &onlyOverlay() const
    {
        const std::vector<extras::CardFlipOverlay *> shown = table->shownOverlays();
        EXPECT_EQ(shown.size(), 1U);
        return *shown.at(0);
    }

    FakeAnimationClock clock;
    std::optional<FlippingTable> table;
};

class CardFlipFramesAtRatioTest : public CardFlipFramesTest, public ::testing::WithParamInterface<qreal> { };

TEST_P(CardFlipFramesAtRatioTest, NarrowTheOldPictureToTheEdgeThenOpenTheNewOne)
{
    const qreal ratio = GetParam();
    start();
    TForm1 &form = table->form();
    const QImage back = paintedAt(form.image(BackShowingPlace), ratio);
    table->clickThroughWindow(1);
    extras::CardFlipOverlay &overlay = onlyOverlay();
    const int width = back.width();

    EXPECT_EQ(paintedAt(overlay, ratio), back);
    clock.advance(40ms);
    const int closing = pictureColumns(paintedAt(overlay, ratio));
    EXPECT_GT(closing, 0);
    EXPECT_LT(closing, width * 3 / 4);
    clock.advance(35ms);
    EXPECT_EQ(pictureColumns(paintedAt(overlay, ratio)), 0) << "edge-on half-way";
    clock.advance(35ms);
    const QImage opening = paintedAt(overlay, ratio);
    EXPECT_GT(pictureColumns(opening), 0);
    EXPECT_LT(pictureColumns(opening), width * 3 / 4);
    EXPECT_NE(opening.copy(opening.rect().adjusted(width / 4, 0, -width / 4, 0)),
        back.copy(back.rect().adjusted(width / 4, 0, -width / 4, 0)));

    clock.moveOn(40ms);
    EXPECT_EQ(paintedAt(overlay, ratio), paintedAt(form.image(1), ratio))
        << "the last frame is the plain card";
    clock.drawFrame();
    EXPECT_TRUE(table->shownOverlays().empty());
}

INSTANTIATE_TEST_SUITE_P(Densities, CardFlipFramesAtRatioTest, ::testing::Values(1.0, 2.0));

TEST_F(CardFlipFramesTest, LetsAPairFadeIntoTheTable)
{
    start();
    TForm1 &form = table->form();
    int partner = 2;
    while (form.Tabuleiro.Cartas[partner].Valor != form.Tabuleiro.Cartas[1].Valor)
        ++partner;
    table->clickThroughWindow(1);
    table->clickThroughWindow(partner);
    clock.advance(extras::CardFlipOverlay::Duration);
    form.tmMarcaJogada->Timer();
    ASSERT_FALSE(form.image(1).isVisible());
    ASSERT_EQ(table->shownOverlays().size(), 2U);

    const QPoint middle = form.image(1).rect().center();
    const QColor face = table->shownAt(1).pixelColor(middle);
    EXPECT_NE(face, tableColor());
    clock.advance(75ms);
    const QColor fading = table->shownAt(1).pixelColor(middle);
    EXPECT_NE(fading, face);
    EXPECT_NE(fading, tableColor());
    clock.advance(75ms);
    EXPECT_TRUE(table->shownOverlays().empty());
    EXPECT_EQ(pictureColumns(table->shownAt(1)), 0);
}

// What a screen reader can reach from the window, depth first.
void collectAccessible(QAccessibleInterface &from, std::vector<QObject *> &reached)
{
    reached.push_back(from.object());
    for (int i = 0; i < from.childCount(); ++i) {
        if (QAccessibleInterface *child = from.child(i))
            collectAccessible(*child, reached);
    }
}

TEST_F(CardFlipFramesTest, IsNotSeenByAccessibility)
{
    start();
    table->clickThroughWindow(1);
    const QObject *overlay = &onlyOverlay();
    std::vector<QObject *> reached;
    collectAccessible(*QAccessible::queryAccessibleInterface(&table->form()), reached);
    EXPECT_NE(std::find(reached.begin(), reached.end(), &table->form().image(1)), reached.end());
    EXPECT_EQ(std::find(reached.begin(), reached.end(), overlay), reached.end());
}

struct TableChange {
    const char *name;
    std::function<void(const FlippingTable &)> change;
};

void PrintTo(const TableChange &change, std::ostream *out)
{
    *out << change.name;
}

class CardFlipEndTest : public CardFlipFramesTest, public ::testing::WithParamInterface<TableChange> { };

TEST_P(CardFlipEndTest, EndsEveryFlipAtOnce)
{
    start();
    table->clickThroughWindow(1);
    table->clickThroughWindow(2);
    clock.advance(40ms);
    ASSERT_EQ(table->shownOverlays().size(), 2U);

    GetParam().change(*table);
    EXPECT_TRUE(table->shownOverlays().empty());
    for (const int place : {1, 2})
        EXPECT_EQ(table->shownAt(place), paintedAt(table->form().image(place), 1)) << place;
}

INSTANTIATE_TEST_SUITE_P(Changes, CardFlipEndTest,
    ::testing::Values(TableChange {"NewGame", [](const FlippingTable &table) { table.form().Novo1Click(); }},
        TableChange {"ShowAllCards", [](const FlippingTable &table) { table.form().mnMostraTodosClick(); }},
        TableChange {"CardSet",
            [](const FlippingTable &table) {
                extras::CardSetSwitcher(table.form()).show(extras::builtInCardSet());
            }},
        TableChange {"SwitchedOff", [](const FlippingTable &table) { table.flipItem().setChecked(false); }}),
    [](const ::testing::TestParamInfo<TableChange> &info) { return std::string(info.param.name); });

} // namespace
} // namespace brivmemo::test
