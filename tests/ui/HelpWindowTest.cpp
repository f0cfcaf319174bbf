// SPDX-License-Identifier: MIT
// The help window: its controls, the help text and the ways it closes, and both information
// windows opened from the running game.
#include "About.h"
#include "DealtGameFixture.h"
#include "Globais.h"
#include "ModalWindowProbe.h"
#include "Timer.h"
#include "UHelp.h"
#include "Uescolhe.h"
#include "memo.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <optional>

namespace brivmemo::test {
namespace {

constexpr int ParagraphIndent = 10;
constexpr int HeadingIndent = 31;
const QString LevelMark = QStringLiteral("          -> ");

int leadingBlanks(const QString &line)
{
    int blanks = 0;
    while (blanks < line.size() && line[blanks] == QLatin1Char(' '))
        ++blanks;
    return blanks;
}

class HelpWindowTest : public testing::Test {
protected:
    bool openAfter(const std::function<void()> &action) { return test::openAfter(window, action); }

    QStringList helpLines() const { return window.Memtexto->toPlainText().split(QLatin1Char('\n')); }

    // The words from the heading to the next heading, or to the end.
    QString section(const QString &heading) const
    {
        QString text;
        bool inside = false;
        for (const QString &line : helpLines()) {
            if (leadingBlanks(line) == HeadingIndent)
                inside = line.trimmed() == heading;
            else if (inside)
                text += line + QLatin1Char(' ');
        }
        return text.simplified();
    }

    TfrmAjuda window;
};

TEST_F(HelpWindowTest, ResizingTheWindowMovesNoControl)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Help"));
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    EXPECT_EQ(window.frameGeometry().size(), QSize(473, 442));
    EXPECT_NE(window.size(), QSize(473, 442)) << "the frame is taken off the client area";

    for (const QSize size : {QSize(600, 500), QSize(300, 200)}) {
        window.resize(size);
        QCoreApplication::processEvents();
        EXPECT_EQ(window.size(), size);
        EXPECT_EQ(window.Label1->geometry(), QRect(QPoint(10, 11), window.Label1->sizeHint()));
        EXPECT_EQ(window.Memtexto->geometry(), QRect(8, 42, 447, 329));
        EXPECT_EQ(window.BitBtn1->geometry(), QRect(380, 381, 75, 25));
    }
}

TEST_F(HelpWindowTest, TitleIsLargeBoldAndBlueAndTheTextWrapsBesideAScrollBar)
{
    EXPECT_EQ(window.Label1->text(), QStringLiteral("Welcome to Brivosta Memory Game Help"));
    EXPECT_EQ(window.Label1->font().pixelSize(), 16);
    EXPECT_TRUE(window.Label1->font().bold());
    window.show();
    QImage title(window.Label1->size(), QImage::Format_RGB32);
    window.Label1->render(&title);
    int blue = 0;
    int dark = 0;
    for (int y = 0; y < title.height(); ++y) {
        for (int x = 0; x < title.width(); ++x) {
            const QColor pixel = title.pixelColor(x, y);
            blue += pixel == QColor(Qt::blue) ? 1 : 0;
            dark += std::max({pixel.red(), pixel.green(), pixel.blue()}) < 96 ? 1 : 0;
        }
    }
    EXPECT_GT(blue, 100) << "the letters are blue";
    EXPECT_EQ(dark, 0) << "and not black";

    EXPECT_TRUE(window.Memtexto->isReadOnly());
    EXPECT_TRUE(window.Memtexto->verticalScrollBar()->isVisible());
    EXPECT_FALSE(window.Memtexto->horizontalScrollBar()->isVisible()) << "long lines wrap";
}

TEST_F(HelpWindowTest, TextHasFortyOneHandWrappedLinesInThreeCentredSections)
{
    const QStringList lines = helpLines();
    ASSERT_EQ(lines.size(), 41);
    QStringList headings;
    for (int index = 0; index < lines.size(); ++index) {
        const QString &line = lines[index];
        SCOPED_TRACE(line.toStdString());
        EXPECT_LE(line.size(), 80);
        EXPECT_FALSE(line.endsWith(QLatin1Char(' '))) << "no trailing blanks, so blank lines are empty";
        if (line.isEmpty())
            continue;
        if (leadingBlanks(line) == HeadingIndent) {
            headings.push_back(line.trimmed());
            continue;
        }
        // A paragraph starts ten blanks in after a blank line, and so does each level's line;
        // the other lines of a paragraph start at the margin.
        const bool starts = (index > 0 && lines[index - 1].isEmpty()) || line.startsWith(LevelMark);
        EXPECT_EQ(leadingBlanks(line), starts ? ParagraphIndent : 0);
    }
    EXPECT_EQ(headings,
        (QStringList {QStringLiteral("PLAYING THE GAME"), QStringLiteral("GAME LEVELS"),
            QStringLiteral("GAME OPTIONS")}));
}

TEST_F(HelpWindowTest, EachSectionTellsItsFacts)
{
    struct Fact {
        const char *heading;
        const char *words;
    };
    const std::vector<Fact> facts {
        {"PLAYING THE GAME", "against the computer or against a friend"},
        {"PLAYING THE GAME", "match more cards than the other player"},
        {"PLAYING THE GAME", "Click on a card to turn it over and see its picture"},
        {"PLAYING THE GAME", "the pair leaves the table and the same player plays again"},
        {"PLAYING THE GAME", "both cards are closed again and the other player takes the turn"},
        {"PLAYING THE GAME", "The game ends when no card is left on the table"},
        {"PLAYING THE GAME", "After the program starts, choose the type of game"},
        {"PLAYING THE GAME", "press F4; choosing a type there starts a new game"},
        {"GAME LEVELS", "three levels"},
        {"GAME LEVELS", "-> Beginner: easy to play, a good level for children."},
        {"GAME LEVELS", "-> Intermediate: beat the computer quickly, or it will win."},
        {"GAME LEVELS", "-> Wizard: any mistake is fatal."},
        {"GAME LEVELS", "Choose the level in the Game menu"},
        {"GAME OPTIONS", "Press F3 to choose the animation speed and the names of the players"},
        {"GAME OPTIONS", "confirm your choices with OK"},
        {"GAME OPTIONS", "Press F2 to start a new game"},
        {"GAME OPTIONS", "Press F5 to show all cards"},
        {"GAME OPTIONS", "Press Alt+F4 to end the program"},
    };
    for (const Fact &fact : facts)
        EXPECT_TRUE(section(QString::fromLatin1(fact.heading)).contains(QString::fromLatin1(fact.words)))
            << fact.heading << ": " << fact.words;
    EXPECT_EQ(helpLines().filter(LevelMark).size(), 3) << "each level on a line of its own";
}

TEST_F(HelpWindowTest, TextBoxHasTheFocusWheneverTheWindowOpens)
{
    for (int showing = 0; showing < 2; ++showing) {
        openAfter([this] {
            EXPECT_EQ(window.focusWidget(), window.Memtexto);
            window.BitBtn1->setFocus();
        });
    }
}

TEST_F(HelpWindowTest, OkEnterAndTheTitleBarCloseTheWindowButEscDoesNot)
{
    EXPECT_EQ(window.BitBtn1->text(), QStringLiteral("&OK"));
    EXPECT_FALSE(window.BitBtn1->icon().isNull());
    struct Case {
        const char *name;
        std::function<void()> action;
        bool staysOpen;
        QDialog::DialogCode result;
    };
    const std::vector<Case> cases {
        {"Esc on the text box", [this] { QTest::keyClick(window.Memtexto, Qt::Key_Escape); }, true, {}},
        {"Esc on the button", [this] { QTest::keyClick(window.BitBtn1, Qt::Key_Escape); }, true, {}},
        {"OK clicked", [this] { QTest::mouseClick(window.BitBtn1, Qt::LeftButton); }, false,
            QDialog::Accepted},
        {"Enter", [this] { QTest::keyClick(&window, Qt::Key_Return); }, false, QDialog::Accepted},
        {"title bar", [this] { window.close(); }, false, QDialog::Rejected},
    };
    for (const Case &closing : cases) {
        window.setResult(-1);
        EXPECT_EQ(openAfter(closing.action), closing.staysOpen) << closing.name;
        if (!closing.staysOpen) {
            EXPECT_EQ(window.result(), closing.result) << closing.name;
        }
    }
}

// The help and about windows opened from the running game.
class HelpFromTheGameTest : public DealtGameTest {
protected:
    void SetUp() override
    {
        DealtGameTest::SetUp();
        createWindows();
        showAndActivate(form(), [](QWidget &) { frmEscolhe->cmdOK->click(); });
    }

    void pressF1()
    {
        activate(form());
        QTest::keyClick(&form(), Qt::Key_F1);
        processPendingEvents();
    }
};

TEST_F(HelpFromTheGameTest, F1AndTheMenuShowTheWindowsModallyUntilTheirOkIsPressed)
{
    struct Case {
        const char *name;
        std::function<void()> command;
        QWidget *window;
        QPushButton *ok;
        QWidget *focused;
    };
    const std::vector<Case> cases {
        {"F1", [this] { pressF1(); }, frmAjuda, frmAjuda->BitBtn1, frmAjuda->Memtexto},
        {"help item", [this] { form().AjudadoMemo1->trigger(); }, frmAjuda, frmAjuda->BitBtn1,
            frmAjuda->Memtexto},
        {"about item", [this] { form().mnSobre->trigger(); }, f_sobre, f_sobre->BitBtn1, nullptr},
    };
    for (const Case &opening : cases) {
        SCOPED_TRACE(opening.name);
        QWidget *opened = nullptr;
        QWidget *focused = nullptr;
        whenModal([&](QWidget &modal) {
            opened = &modal;
            focused = modal.focusWidget();
            EXPECT_TRUE(modal.isModal());
            QTest::keyClick(&modal, Qt::Key_Escape);
            EXPECT_TRUE(modal.isVisible()) << "Esc leaves it open";
            opening.ok->click();
        });
        opening.command();
        processPendingEvents();
        EXPECT_EQ(opened, opening.window);
        if (opening.focused != nullptr) {
            EXPECT_EQ(focused, opening.focused);
        }
        EXPECT_FALSE(opening.window->isVisible());
    }
}

TEST_F(HelpFromTheGameTest, TheMoveInProgressEndsBehindTheOpenHelpWindow)
{
    const auto [first, second] = missingPair();
    ASSERT_NE(first, 0);
    QTest::mouseClick(&form().image(first), Qt::LeftButton);
    QTest::mouseClick(&form().image(second), Qt::LeftButton);
    ASSERT_TRUE(form().tmMarcaJogada->isActive());
    ASSERT_TRUE(Ocupado);

    // What the open help window found, and what the tick left while it was still open.
    struct AfterTick {
        bool runningBehindHelp;
        int intervalBehindHelp;
        bool helpOpen;
        bool timerActive;
        bool locked;
        int turned;
        std::array<int, 2> pictures;
        int mistakes;
        bool secondPlayersTurn;
    };
    std::optional<AfterTick> afterTick;
    whenModal([&](QWidget &help) {
        const bool running = form().tmMarcaJogada->isActive();
        const int interval = form().tmMarcaJogada->Interval();
        form().tmMarcaJogada->Timer();
        afterTick = AfterTick {running, interval, help.isVisible(), form().tmMarcaJogada->isActive(), Ocupado,
            form().CartasViradas, {form().image(first).BitmapIndex(), form().image(second).BitmapIndex()},
            Jogador1.Erros, Jogador2.Vez};
        frmAjuda->BitBtn1->click();
    });
    pressF1();
    ASSERT_TRUE(afterTick.has_value());
    EXPECT_TRUE(afterTick->runningBehindHelp) << "opening the help window stopped the move's timer";
    EXPECT_EQ(afterTick->intervalBehindHelp, Config.Velocidade);
    EXPECT_TRUE(afterTick->helpOpen);
    EXPECT_FALSE(afterTick->timerActive);
    EXPECT_FALSE(afterTick->locked);
    EXPECT_EQ(afterTick->turned, 0);
    EXPECT_EQ(afterTick->pictures, (std::array<int, 2> {0, 0})) << "both cards face down again";
    EXPECT_EQ(afterTick->mistakes, 1);
    EXPECT_TRUE(afterTick->secondPlayersTurn);
    EXPECT_FALSE(frmAjuda->isVisible());
}

} // namespace
} // namespace brivmemo::test
