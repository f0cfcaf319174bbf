// SPDX-License-Identifier: MIT
#include "UHelp.h"

#include "LazyIcon.h"
#include "OuterSize.h"
#include "WindowFont.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

using namespace brivmemo;

TfrmAjuda *frmAjuda = nullptr;

namespace {

// Wrapped by hand for a window about eighty characters wide: paragraphs start ten blanks in,
// headings thirty-one.
//: Keep the layout: headings start 31 blanks in, paragraphs 10 blanks, level lines "          -> ";
//: wrap lines by hand at about 80 characters. Use as many lines as the language needs.
const char *const HelpText = QT_TRANSLATE_NOOP("TfrmAjuda", R"(                               PLAYING THE GAME

          Brivosta Memory Game is played against the computer or against a
friend. The object of the game is to match more cards than the other player.

          Click on a card to turn it over and see its picture, then click on
a second card. When the two pictures are the same, the pair leaves the table
and the same player plays again. When they differ, both cards are closed
again and the other player takes the turn. The game ends when no card is
left on the table.

          Every pair found scores 10 points, and every miss counts as a
mistake. The boxes below the table show each player's name, points and
mistakes.

          After the program starts, choose the type of game you would like
to play. To change the type of game in the middle of a game, press F4;
choosing a type there starts a new game.


                               GAME LEVELS

          Against the computer there are three levels to choose from:

          -> Beginner: easy to play, a good level for children.
          -> Intermediate: beat the computer quickly, or it will win.
          -> Wizard: any mistake is fatal.

          Choose the level in the Game menu.


                               GAME OPTIONS

          Press F3 to choose the animation speed and the names of the
players, then confirm your choices with OK.

          Press F2 to start a new game.

          Press F5 to show all cards.

          Press Alt+F4 to end the program.)");

QFont titleFont()
{
    QFont font = windowFont();
    font.setPixelSize(16);
    font.setBold(true);
    return font;
}

} // namespace

TfrmAjuda::TfrmAjuda(QWidget *parent)
    : TInfoWindow(parent,
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
            | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAjuda"));
    setWindowTitle(tr("Help"));
    setWindowIcon(lazyIcon([] { return iconInFinerSizes(QStringLiteral(":/icons/help.png")); }));
    setBackgroundRole(QPalette::Button);
    setFont(windowFont());
    setOuterSize(*this, QSize(473, 442));

    Memtexto = new QPlainTextEdit(this);
    Memtexto->setObjectName(QStringLiteral("Memtexto"));
    Memtexto->setGeometry(8, 42, 447, 329);
    Memtexto->setReadOnly(true);
    Memtexto->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Memtexto->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memtexto->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memtexto->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memtexto->setPlainText(tr(HelpText));

    Label1 = new QLabel(tr("Welcome to Brivosta Memory Game Help"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(titleFont());
    QPalette blueText = Label1->palette();
    blueText.setColor(Label1->foregroundRole(), Qt::blue);
    Label1->setPalette(blueText);
    Label1->move(10, 11);
    Label1->adjustSize();
    // Accessibility tools name the text box after the heading above it; the heading has no
    // accelerator letter, so the keyboard is unchanged.
    Label1->setBuddy(Memtexto);

    // The window is opened only later.
    BitBtn1 = new QPushButton(
        lazyIcon([] { return QApplication::style()->standardIcon(QStyle::SP_DialogOkButton); }), tr("&OK"),
        this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(380, 381, 75, 25);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmAjuda::showEvent(QShowEvent *event)
{
    TInfoWindow::showEvent(event);
    Memtexto->setFocus(Qt::OtherFocusReason);
}
