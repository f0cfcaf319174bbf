// SPDX-License-Identifier: MIT
#include "RadioButtonTestSupport.h"
#include "SystemColors.h"

#include <QApplication>
#include <QEnterEvent>
#include <algorithm>
#include <gtest/gtest.h>

namespace brivmemo {
namespace {

using Rows = std::vector<std::string>;
using test::describe;
using test::glyphLegend;
using test::glyphStrip;
using test::ProbeRadioButton;

// A 12 x 9 button without caption, drawing from a list of strips of 2, 4 and 1 frames.
class RadioButtonPaintTest : public testing::Test {
protected:
    RadioButtonPaintTest()
        : button(new ProbeRadioButton(&window))
    {
        list.Add(*glyphStrip(2));
        list.Add(*glyphStrip(4));
        list.Add(*glyphStrip(1));
        button->resize(12, 9);
        button->SetBitmapList(&list);
        button->SetBitmapIndex(1);
    }

    Rows drawn() { return describe(button->drawn(), glyphLegend()); }

    QWidget window;
    TMMBitmapList list;
    ProbeRadioButton *button;
};

Rows glyphRows(const std::string &interior, int firstRow = 2, int height = 9)
{
    Rows rows(static_cast<std::size_t>(height), std::string(interior.size(), '.'));
    for (int row = firstRow; row < firstRow + 3; ++row)
        rows[static_cast<std::size_t>(row)] = interior;
    return rows;
}

TEST_F(RadioButtonPaintTest, UncheckedAndCheckedShowTheFirstTwoFramesWithoutTheirGround)
{
    EXPECT_EQ(drawn(), glyphRows("..000......."));
    button->SetChecked(true);
    EXPECT_EQ(drawn(), glyphRows("..111......."));
}

TEST_F(RadioButtonPaintTest, DisabledShowsTheThirdFrameOrTheLastOneThereIs)
{
    button->setEnabled(false);
    EXPECT_EQ(drawn(), glyphRows("..222......."));

    button->SetBitmapIndex(0);
    button->SetNumGlyphs(2);
    EXPECT_EQ(drawn(), glyphRows("..111......."));
}

TEST_F(RadioButtonPaintTest, SingleFrameShowsTheWholeStripInEveryState)
{
    button->SetBitmapIndex(2);
    button->SetNumGlyphs(1);
    button->SetChecked(true);
    EXPECT_EQ(drawn(), glyphRows("..000......."));
    EXPECT_EQ(button->GetGlyphRect(TRadioState::rsDisabled), (TRect {0, 0, 5, 5}));
}

TEST_F(RadioButtonPaintTest, RightJustifiedPutsTheGlyphOnePixelInsideTheRightEdge)
{
    button->SetAlignment(TLeftRight::taRightJustify);
    EXPECT_EQ(drawn(), glyphRows(".......000.."));
}

TEST_F(RadioButtonPaintTest, GlyphSitsAboutOnePixelAboveTheMiddle)
{
    button->resize(12, 10);
    EXPECT_EQ(drawn(), glyphRows("..000.......", 3, 10));
    button->resize(12, 4);
    EXPECT_EQ(drawn(), (Rows {"..000.......", "..000.......", "..000.......", "............"}));
}

TEST_F(RadioButtonPaintTest, OpaqueButtonFillsItsColourWhereTheGroundIsLeftOut)
{
    button->SetColor(clWhite);
    button->SetTransparent(false);
    EXPECT_TRUE(button->testAttribute(Qt::WA_OpaquePaintEvent));
    Rows expected = glyphRows("WW000WWWWWWW");
    for (std::string &row : expected)
        std::replace(row.begin(), row.end(), '.', 'W');
    EXPECT_EQ(drawn(), expected);
}

TEST_F(RadioButtonPaintTest, FixedTransparentColourIsLeftOutInstead)
{
    button->SetTransparentColor(test::kFrameColors[0]);
    Rows expected(9, std::string(12, '.'));
    expected[1] = expected[5] = ".mmmmm......";
    expected[2] = expected[3] = expected[4] = ".m...m......";
    EXPECT_EQ(drawn(), expected);
}

TEST_F(RadioButtonPaintTest, WithoutABitmapDrawsADottedFrameAndTheCaptionAsWritten)
{
    button->SetBitmapIndex(7);
    button->resize(40, 20);
    const QImage empty = button->drawn();
    const std::set<std::pair<int, int>> frame = test::paintedPoints(empty);
    ASSERT_FALSE(frame.empty());
    for (const auto &[x, y] : frame) {
        EXPECT_TRUE(x == 0 || y == 0 || x == 39 || y == 19) << x << "," << y;
        EXPECT_EQ(empty.pixelColor(x, y), QColor(Qt::black));
    }
    EXPECT_LT(frame.size(), 2U * (40 + 20));

    QFont font = button->font();
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::NoAntialias);
    button->setFont(font);
    button->SetCaption(QStringLiteral("&&"));
    std::set<std::pair<int, int>> ink = test::paintedPoints(button->drawn());
    for (const auto &point : frame)
        ink.erase(point);
    ASSERT_FALSE(ink.empty());
    const auto [left, right] = std::minmax_element(ink.begin(), ink.end());
    const int inkWidth = right->first - left->first + 1;
    // Both ampersands are written: the ink is wider than one of them.
    EXPECT_GT(inkWidth, QFontMetrics(font).horizontalAdvance(QLatin1Char('&')));
    EXPECT_NEAR((left->first + right->first) / 2.0, 19.5, 2.0);
}

using Points = std::set<std::pair<int, int>>;

// The points of the image in the given colour.
Points pointsIn(const QImage &image, const QColor &color)
{
    Points points;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == color)
                points.insert({x, y});
        }
    }
    return points;
}

Points shifted(const Points &points, int dx, int dy)
{
    Points moved;
    for (const auto &[x, y] : points)
        moved.insert({x + dx, y + dy});
    return moved;
}

// An 80 x 20 button with a strip of two 5 x 5 frames and a caption in a font drawn without
// smoothing, so that the caption's pixels are exactly its colour.
class RadioButtonCaptionTest : public RadioButtonPaintTest {
protected:
    RadioButtonCaptionTest()
    {
        button->resize(80, 20);
        button->SetBitmapIndex(0);
        button->SetNumGlyphs(2);
        button->SetMargin(4);
        QFont font = button->font();
        font.setPixelSize(11);
        font.setStyleStrategy(QFont::NoAntialias);
        button->setFont(font);
        button->FontInactive().SetColor(clBlue);
        button->FontActive().SetColor(clRed);
    }

    Points ink(const QString &caption, TColor color = clBlue)
    {
        button->SetCaption(caption);
        return pointsIn(button->drawn(), test::qColorOf(color));
    }
};

TEST_F(RadioButtonCaptionTest, LeftJustifiedCaptionStartsAfterTheGlyphAndMargin)
{
    const Points caption = ink(QStringLiteral("Wide"));
    ASSERT_FALSE(caption.empty());
    const auto [left, right] = std::minmax_element(caption.begin(), caption.end());
    // Caption rectangle: from Margin + glyph width to ClientWidth - 1.
    EXPECT_GE(left->first, 4 + 5);
    EXPECT_LE(left->first, 4 + 5 + 2);
    EXPECT_LT(right->first, 79);
    for (const auto &point : caption)
        EXPECT_LT(point.second, 19);
}

TEST_F(RadioButtonCaptionTest, RightJustifiedCaptionEndsBeforeTheMarginAndGlyph)
{
    button->SetAlignment(TLeftRight::taRightJustify);
    const Points caption = ink(QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"));
    ASSERT_FALSE(caption.empty());
    const auto [left, right] = std::minmax_element(caption.begin(), caption.end());
    EXPECT_GE(left->first, 1);
    EXPECT_LT(right->first, 80 - 4 - 5);
}

TEST_F(RadioButtonCaptionTest, TooLongCaptionEndsInAnEllipsis)
{
    const Points caption = ink(QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"));
    ASSERT_FALSE(caption.empty());
    const int rightmost = std::max_element(caption.begin(), caption.end())->first;
    const auto top = std::min_element(caption.begin(), caption.end(), [](const auto &a, const auto &b) {
        return a.second < b.second;
    })->second;
    const auto bottom = std::max_element(caption.begin(), caption.end(), [](const auto &a, const auto &b) {
        return a.second < b.second;
    })->second;
    EXPECT_LT(rightmost, 79);
    // The last pixels are the ellipsis's dots on the baseline, not a letter cut in half.
    for (const auto &[x, y] : caption) {
        if (x == rightmost) {
            EXPECT_GT(y, (top + bottom) / 2) << x << "," << y;
        }
    }
}

TEST_F(RadioButtonCaptionTest, AmpersandUnderlinesTheNextLetterAndDoubledShowsOne)
{
    const Points plain = ink(QStringLiteral("Wx"));
    const Points marked = ink(QStringLiteral("&Wx"));
    const int lowestLetter = std::max_element(plain.begin(), plain.end(), [](const auto &a, const auto &b) {
        return a.second < b.second;
    })->second;
    const int letterEnd = std::max_element(plain.begin(), plain.end())->first;
    Points underline;
    std::set_difference(
        marked.begin(), marked.end(), plain.begin(), plain.end(), std::inserter(underline, underline.end()));
    EXPECT_TRUE(std::includes(marked.begin(), marked.end(), plain.begin(), plain.end()));
    ASSERT_FALSE(underline.empty());
    for (const auto &[x, y] : underline) {
        EXPECT_GT(y, lowestLetter);
        EXPECT_LT(x, letterEnd);
    }

    const Points doubled = ink(QStringLiteral("A&&B"));
    const Points single = ink(QStringLiteral("A&B"));
    EXPECT_NE(doubled, single);
    button->SetCaption(QStringLiteral("A&B"));
    QImage reference = test::blankImage(80, 20);
    {
        QPainter painter(&reference);
        painter.setFont(button->font());
        painter.setPen(test::qColorOf(clBlue));
        painter.drawText(QRect(9, 0, 70, 19), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
            QStringLiteral("A&B"));
    }
    EXPECT_EQ(doubled, pointsIn(reference, test::qColorOf(clBlue)));
}

TEST_F(RadioButtonCaptionTest, DisabledCaptionIsEngraved)
{
    button->setEnabled(false);
    button->SetCaption(QStringLiteral("Engraved"));
    const QImage image = button->drawn();
    const Points shadow = pointsIn(image, toQColor(clBtnShadow));
    const Points highlight = pointsIn(image, toQColor(clBtnHighlight));
    ASSERT_FALSE(shadow.empty());
    Points expectedHighlight;
    const Points moved = shifted(shadow, 1, 1);
    std::set_difference(moved.begin(), moved.end(), shadow.begin(), shadow.end(),
        std::inserter(expectedHighlight, expectedHighlight.end()));
    EXPECT_EQ(highlight, expectedHighlight);
    EXPECT_TRUE(pointsIn(image, test::qColorOf(clBlue)).empty());
}

TEST_F(RadioButtonCaptionTest, HoveredCaptionTakesTheActiveColourAndStyle)
{
    button->FontActive().SetStyle(TFontStyle::fsBold);
    const Points inactive = ink(QStringLiteral("Hover"));
    button->SetAllowMouseOver(true);
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(button, &enter);
    ASSERT_TRUE(button->MouseOver());
    const Points active = ink(QStringLiteral("Hover"), clRed);
    EXPECT_TRUE(pointsIn(button->drawn(), test::qColorOf(clBlue)).empty());
    EXPECT_GT(active.size(), inactive.size());

    // Disabled while hovered: engraved colours, but still the hovered style.
    button->setEnabled(false);
    const Points boldShadow = pointsIn(button->drawn(), toQColor(clBtnShadow));
    EXPECT_EQ(boldShadow.size(), active.size());
}

} // namespace
} // namespace brivmemo
