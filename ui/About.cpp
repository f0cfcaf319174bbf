// SPDX-License-Identifier: MIT
#include "About.h"

#include "BriCtrls.h"
#include "BriUrl.h"
#include "DisplayForm.h"
#include "LazyIcon.h"
#include "Panel.h"
#include "WindowFont.h"

#include <QApplication>
#include <QPushButton>
#include <QResource>
#include <QStyle>
#include <QTabWidget>
#include <QTextEdit>
#include <QUrl>
#include <QVBoxLayout>
#include <initializer_list>

using namespace brivmemo;

Tf_sobre *f_sobre = nullptr;

namespace {

// The project has no web page of its own yet; the picture links to the README installed with
// the game.
QString readmeAddress()
{
    return QUrl::fromLocalFile(QStringLiteral(BRIVMEMO_README_PATH)).toString();
}

QString aboutText()
{
    //: Five short centred lines; %1 is the version number.
    return Tf_sobre::tr("A game of memory for one or two players:\n"
                        "find the twenty pairs among forty cards,\n"
                        "against a friend or against the computer.\n"
                        "\n"
                        "Version %1\n"
                        "Free software under the MIT licence.")
        .arg(QStringLiteral(BRIVMEMO_VERSION));
}

QFont panelFont()
{
    QFont font = windowFont();
    font.setPixelSize(13);
    return font;
}

// Read by the program's own BMP reader when the window is first painted: Qt's image readers
// would load all their plugins before the game's first paint to tell the file's format.
QImage aboutPicture()
{
    const QByteArray bytes = QResource(QStringLiteral(":/about.bmp")).uncompressedData();
    return displayForm(decodeBmp(std::span(
        reinterpret_cast<const std::uint8_t *>(bytes.constData()), static_cast<std::size_t>(bytes.size()))));
}

// The window shows its button only when it is opened.
QIcon okIcon()
{
    return lazyIcon([] { return QApplication::style()->standardIcon(QStyle::SP_DialogOkButton); });
}

TPanel *createPanel(QWidget &parent, const char *name)
{
    auto *const panel = new TPanel(&parent);
    panel->beginLoading();
    panel->setObjectName(QString::fromLatin1(name));
    return panel;
}

} // namespace

Tf_sobre::Tf_sobre(QWidget *parent)
    : TInfoWindow(parent,
        Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("f_sobre"));
    setWindowTitle(tr("About Brivosta Memory Game"));
    setBackgroundRole(QPalette::Button);
    setFont(windowFont());
    setFixedSize(334, 304);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 0, 334, 259);
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    PageControl1->addTab(TabSheet1, tr("About"));

    Panel1 = createPanel(*TabSheet1, "Panel1");
    Panel1->setColor(clBlack);
    Panel1->setBevelInner(TBevelCut::bvRaised);
    Panel1->setBevelOuter(TBevelCut::bvLowered);
    Panel1->setFont(panelFont());
    QPalette blackText = Panel1->palette();
    blackText.setColor(Panel1->foregroundRole(), Qt::black);
    Panel1->setPalette(blackText);
    auto *const pageLayout = new QVBoxLayout(TabSheet1);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(Panel1);

    BriUrlImage2 = new TBriUrlImage(Panel1);
    BriUrlImage2->setObjectName(QStringLiteral("BriUrlImage2"));
    BriUrlImage2->setGeometry(46, 20, 234, 60);
    BriUrlImage2->setPicture(aboutPicture);
    BriUrlImage2->setFinerPicture([] { return QImage(QStringLiteral(":/fine/about.png")); });
    BriUrlImage2->SetURL(readmeAddress());
    BriUrlImage2->setToolTip(BriUrlImage2->URL());

    BriPanel1 = new TBriPanel(Panel1);
    BriPanel1->beginLoading();
    BriPanel1->setObjectName(QStringLiteral("BriPanel1"));
    BriPanel1->setGeometry(2, 96, 323, 21);
    BriPanel1->setColor(clWhite);
    BriPanel1->setCaption(QStringLiteral("Brivosta Memory Game"));

    Memo2 = new QTextEdit(Panel1);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setGeometry(8, 130, 311, 95);
    Memo2->setFont(windowFont());
    Memo2->setReadOnly(true);
    Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo2->setPlainText(aboutText());
    Memo2->selectAll();
    Memo2->setAlignment(Qt::AlignHCenter);
    Memo2->moveCursor(QTextCursor::Start);

    Panel3 = createPanel(*this, "Panel3");
    Panel3->setGeometry(0, 259, 334, 45);

    BitBtn1 = new QPushButton(okIcon(), tr("OK"), Panel3);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(246, 11, 75, 25);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &Tf_sobre::BitBtn1Click);

    for (TCustomPanel *const panel : std::initializer_list<TCustomPanel *> {Panel1, BriPanel1, Panel3})
        panel->Loaded();
}

void Tf_sobre::BitBtn1Click()
{
    close();
}
