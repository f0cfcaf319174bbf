// SPDX-License-Identifier: MIT
// Every caption, label and button text of the original windows, in every language, fits the
// room its control has in the fixed layouts, measured with the font the windows use: the
// control's own width, or for a label that sizes itself the room up to the next control on its
// line or the edge of its holder.
#include "About.h"
#include "DialogChars.h"
#include "GameWindowsFixture.h"
#include "Globais.h"
#include "MMBitmapList.h"
#include "MMBitmapRadioButton.h"
#include "TranslatedLanguages.h"
#include "Translations.h"
#include "UHelp.h"
#include "Uescolhe.h"
#include "Uopcoes.h"
#include "memo.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <gtest/gtest.h>

namespace brivmemo::test {
namespace {

int textWidth(const QFont &font, const QString &text)
{
    return QFontMetrics(font).horizontalAdvance(text);
}

bool overlapVertically(const QWidget &a, const QWidget &b)
{
    return a.y() < b.y() + b.height() && b.y() < a.y() + a.height();
}

// From the label's left edge to the next control on its line, or to the edge of its holder.
int roomOfSelfSizingLabel(const QLabel &label)
{
    int right = label.parentWidget()->width();
    for (const QWidget *other : label.parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (other != &label && !other->isHidden() && other->x() > label.x()
            && overlapVertically(*other, label))
            right = std::min(right, other->x());
    }
    return right - label.x();
}

// The style's title rectangle must keep as much room on its right as it has on its left.
int roomOfGroupTitle(const QGroupBox &box)
{
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect title
        = box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
    return box.width() - 2 * title.left();
}

int roomOfPushButton(const QPushButton &button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.icon = button.icon();
    option.iconSize = button.iconSize();
    int room = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button).width();
    if (!button.icon().isNull())
        room -= button.iconSize().width() + button.style()->pixelMetric(QStyle::PM_ButtonIconSize) / 4;
    return room;
}

// The caption starts beside the glyph and its margin and ends one pixel before the right edge.
int roomOfRadioButton(const TMMBitmapRadioButton &button)
{
    const int glyphWidth = button.BitmapList()->Bitmaps(button.BitmapIndex())->width() / button.NumGlyphs();
    return button.width() - 1 - button.Margin() - glyphWidth;
}

QFont boldFont(QFont font)
{
    font.setBold(true);
    return font;
}

class TranslationFit : public GameWindowsTest, public ::testing::WithParamInterface<const char *> {
protected:
    void SetUp() override
    {
        GameWindowsTest::SetUp();
        installTranslations(QString::fromLatin1(GetParam()));
        createWindows();
    }

    void TearDown() override
    {
        GameWindowsTest::TearDown();
        installTranslations({});
    }

    static void expectFits(const QFont &font, const QString &text, int room)
    {
        const QString shown = withoutAcceleratorMarks(text);
        EXPECT_LE(textWidth(font, shown), room)
            << '"' << shown.toStdString() << "\" needs " << textWidth(font, shown) << " pixels, has " << room;
    }

    static void expectLabelFits(const QLabel &label)
    {
        expectFits(label.font(), label.text(), roomOfSelfSizingLabel(label));
    }
    static void expectTitleFits(const QGroupBox &box)
    {
        expectFits(box.font(), box.title(), roomOfGroupTitle(box));
    }
    static void expectButtonFits(const QPushButton &button, const QString &text)
    {
        expectFits(button.font(), text, roomOfPushButton(button));
    }
    static void expectRadioFits(const TMMBitmapRadioButton &button)
    {
        expectFits(boldFont(button.font()), button.Caption(), roomOfRadioButton(button));
    }

    // Every line of a text box that shows its text as written.
    static void expectLinesFit(const QFont &font, const QString &text, int room)
    {
        for (const QString &line : text.split(u'\n'))
            expectFits(font, line, room);
    }
};

TEST_P(TranslationFit, MeasuresWithTheFontTheWindowsUse)
{
    EXPECT_EQ(QFontInfo(form().font()).family(), QStringLiteral("Liberation Sans"));
}

TEST_P(TranslationFit, ThePlayerBoxesFit)
{
    for (const QGroupBox *box : {form().grbJg1, form().grbJg2})
        expectTitleFits(*box);
    for (const QLabel *label :
        {form().Label1, form().Label2, form().Label3, form().Label4, form().Label5, form().Label6})
        expectLabelFits(*label);
    form().showComputerAsPlayer2();
    expectLabelFits(*form().lblJogador2);
}

TEST_P(TranslationFit, TheGameTypeDialogFits)
{
    expectTitleFits(*frmEscolhe->GroupBox1);
    expectRadioFits(*frmEscolhe->rabHumano);
    expectRadioFits(*frmEscolhe->rabComputador);
    expectButtonFits(*frmEscolhe->cmdOK, frmEscolhe->cmdOK->text());
    for (const bool atStartUp : {true, false}) {
        PrimeiraVez = atStartUp;
        frmEscolhe->FormActivate();
        expectButtonFits(*frmEscolhe->cmdSair, frmEscolhe->cmdSair->text());
    }
}

TEST_P(TranslationFit, TheOptionsDialogFits)
{
    for (const QGroupBox *box : {frmOpcoes->GroupBox1, frmOpcoes->GroupBox2})
        expectTitleFits(*box);
    for (const TMMBitmapRadioButton *button :
        {frmOpcoes->rabLenta, frmOpcoes->rabNormal, frmOpcoes->rabRapida})
        expectRadioFits(*button);
    for (const QLabel *label : {frmOpcoes->Label1, frmOpcoes->Label2})
        expectLabelFits(*label);
    for (const QPushButton *button : {frmOpcoes->Button1, frmOpcoes->Button2})
        expectButtonFits(*button, button->text());
}

TEST_P(TranslationFit, TheHelpWindowFits)
{
    expectLabelFits(*frmAjuda->Label1);
    expectButtonFits(*frmAjuda->BitBtn1, frmAjuda->BitBtn1->text());
    // The lines are wrapped by hand: none may wrap again at the box's width.
    const QPlainTextEdit &box = *frmAjuda->Memtexto;
    const int margin = static_cast<int>(box.document()->documentMargin());
    expectLinesFit(box.font(), box.toPlainText(),
        box.width() - 2 * box.frameWidth() - box.style()->pixelMetric(QStyle::PM_ScrollBarExtent)
            - 2 * margin);
}

TEST_P(TranslationFit, TheAboutWindowFits)
{
    expectButtonFits(*f_sobre->BitBtn1, f_sobre->BitBtn1->text());
    // No scroll bars: every line shows whole, and all of them at once.
    const QTextEdit &box = *f_sobre->Memo2;
    const int margin = static_cast<int>(box.document()->documentMargin());
    const QString text = box.toPlainText();
    expectLinesFit(box.font(), text, box.width() - 2 * box.frameWidth() - 2 * margin);
    EXPECT_LE(QFontMetrics(box.font()).lineSpacing() * (text.count(u'\n') + 1),
        box.height() - 2 * box.frameWidth() - 2 * margin);
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationFit, EnglishAndShippedLanguages, languageName);

} // namespace
} // namespace brivmemo::test
