// SPDX-License-Identifier: MIT
// The about window on its own: its controls and texts, the link picture and the ways it closes.
#include "About.h"
#include "BriCtrls.h"
#include "BriUrl.h"
#include "ModalWindowProbe.h"
#include "SystemColors.h"

#include <QDir>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <gtest/gtest.h>

namespace brivmemo::test {
namespace {

class AboutWindowTest : public testing::Test {
protected:
    bool openAfter(const std::function<void()> &action) { return test::openAfter(window, action); }

    Tf_sobre window;
};

TEST_F(AboutWindowTest, ControlsStandWhereTheyBelong)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("About Brivosta Memory Game"));
    EXPECT_EQ(window.minimumSize(), QSize(334, 304));
    EXPECT_EQ(window.maximumSize(), QSize(334, 304));
    struct Placement {
        QWidget *control;
        QWidget *parent;
        QRect geometry;
    };
    const std::vector<Placement> placements {
        {window.PageControl1, &window, {0, 0, 334, 259}},
        {window.BriUrlImage2, window.Panel1, {46, 20, 234, 60}},
        {window.BriPanel1, window.Panel1, {2, 96, 323, 21}},
        {window.Memo2, window.Panel1, {8, 130, 311, 95}},
        {window.Panel3, &window, {0, 259, 334, 45}},
        {window.BitBtn1, window.Panel3, {246, 11, 75, 25}},
    };
    for (const Placement &placement : placements) {
        SCOPED_TRACE(placement.control->objectName().toStdString());
        EXPECT_EQ(placement.control->parentWidget(), placement.parent);
        EXPECT_EQ(placement.control->geometry(), placement.geometry);
    }
    ASSERT_EQ(window.PageControl1->count(), 1);
    EXPECT_EQ(window.PageControl1->tabText(0), QStringLiteral("About"));
    window.show();
    EXPECT_EQ(window.Panel1->parentWidget(), window.TabSheet1);
    EXPECT_EQ(window.Panel1->geometry(), window.TabSheet1->rect()) << "the panel fills the page";
}

TEST_F(AboutWindowTest, BlackPanelHoldsTheWhiteTitleStripInItsOwnFont)
{
    EXPECT_EQ(window.BriPanel1->Caption(), QStringLiteral("Brivosta Memory Game"));
    EXPECT_EQ(window.BriPanel1->font().pixelSize(), 13);
    EXPECT_EQ(window.Memo2->font().pixelSize(), 11);
    EXPECT_TRUE(window.Panel1->Caption().isEmpty());
    EXPECT_TRUE(window.Panel3->Caption().isEmpty());

    window.show();
    QImage image(window.size(), QImage::Format_RGB32);
    window.render(&image);
    const QPoint panel = window.Panel1->mapTo(&window, QPoint(0, 0));
    EXPECT_EQ(image.pixelColor(panel), toQColor(clBtnShadow)) << "a lowered outer bevel";
    EXPECT_EQ(image.pixelColor(panel + QPoint(1, 1)), toQColor(clBtnHighlight)) << "a raised inner one";
    for (const QPoint inside : {QPoint(10, 40), QPoint(20, 90), QPoint(300, 228)})
        EXPECT_EQ(image.pixelColor(panel + inside), QColor(Qt::black)) << inside.x() << "," << inside.y();
    EXPECT_EQ(image.pixelColor(panel + QPoint(6, 106)), QColor(Qt::white)) << "the strip's left end";
}

TEST_F(AboutWindowTest, TextBoxShowsCentredLinesWithTheVersionFifth)
{
    const QTextEdit &memo = *window.Memo2;
    EXPECT_TRUE(memo.isReadOnly());
    const QStringList lines = memo.toPlainText().split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines[4], QStringLiteral("Version " BRIVMEMO_VERSION));

    window.show();
    const qreal middle = memo.document()->textWidth() / 2;
    for (QTextBlock block = memo.document()->begin(); block.isValid(); block = block.next()) {
        const QTextLine line = block.layout()->lineAt(0);
        const qreal lineMiddle
            = block.layout()->position().x() + line.cursorToX(0) + line.naturalTextWidth() / 2;
        if (!block.text().isEmpty()) {
            EXPECT_NEAR(lineMiddle, middle, 1.0) << block.text().toStdString();
        }
    }
    EXPECT_LE(memo.document()->size().height(), memo.viewport()->height())
        << "every line shows without scrolling";
}

TEST_F(AboutWindowTest, PictureOpensTheInstalledReadmeThroughTheOpener)
{
    const TBriUrlImage &image = *window.BriUrlImage2;
    EXPECT_EQ(image.Picture().size(), QSize(234, 60));
    EXPECT_EQ(image.Picture(), QImage(QStringLiteral(":/about.bmp"))) << "as Qt's own BMP reader shows it";
    const QUrl url(image.URL());
    EXPECT_TRUE(url.isLocalFile() && QDir::isAbsolutePath(url.toLocalFile())) << image.URL().toStdString();
    EXPECT_TRUE(url.toLocalFile().endsWith(QStringLiteral("/README.md"))) << image.URL().toStdString();
    EXPECT_EQ(image.toolTip(), image.URL());

    std::vector<QUrl> opened;
    const UrlOpener previous = setUrlOpener([&opened](const QUrl &address) {
        opened.push_back(address);
        return true;
    });
    EXPECT_TRUE(openAfter([this] { QTest::mouseClick(window.BriUrlImage2, Qt::LeftButton, {}, {100, 30}); }));
    setUrlOpener(previous);
    EXPECT_EQ(opened, std::vector<QUrl> {url});
}

TEST_F(AboutWindowTest, OkEnterAndTheTitleBarCloseTheWindowButEscDoesNot)
{
    EXPECT_EQ(window.BitBtn1->text(), QStringLiteral("OK"));
    EXPECT_FALSE(window.BitBtn1->icon().isNull());
    struct Case {
        const char *name;
        std::function<void()> action;
        bool staysOpen;
    };
    const std::vector<Case> cases {
        {"Esc on the window", [this] { QTest::keyClick(&window, Qt::Key_Escape); }, true},
        {"Esc on the text box", [this] { QTest::keyClick(window.Memo2, Qt::Key_Escape); }, true},
        {"OK clicked", [this] { QTest::mouseClick(window.BitBtn1, Qt::LeftButton); }, false},
        {"Enter", [this] { QTest::keyClick(&window, Qt::Key_Return); }, false},
        {"title bar", [this] { window.close(); }, false},
    };
    for (const Case &closing : cases)
        EXPECT_EQ(openAfter(closing.action), closing.staysOpen) << closing.name;
}

} // namespace
} // namespace brivmemo::test
