// SPDX-License-Identifier: MIT
#include "BriUrl.h"
#include "Exceptions.h"
#include "MessageBoxTestSupport.h"
#include "ProgramCursors.h"
#include "ScreenCursors.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace brivmemo {
namespace {

// A window with one link image, every address it opens recorded instead of opened.
class UrlImageTest : public testing::Test {
protected:
    UrlImageTest()
        : previous(setUrlOpener([this](const QUrl &url) {
            log.push_back("open " + url.toString().toStdString());
            return openerSucceeds;
        }))
        , image(new TBriUrlImage(&window))
    {
        image->setObjectName(QStringLiteral("BriUrlImage2"));
        image->setGeometry(10, 10, 40, 20);
        QObject::connect(image, &TImage::clicked, [this] { log.push_back("clicked"); });
        window.resize(100, 60);
        window.show();
        QApplication::processEvents();
    }

    ~UrlImageTest() override { setUrlOpener(previous); }

    UrlOpener previous;
    std::vector<std::string> log;
    bool openerSucceeds = true;
    QWidget window;
    TBriUrlImage *image;
};

TEST_F(UrlImageTest, ClickTellsClickedAndThenOpensTheAddress)
{
    image->SetURL(QStringLiteral("https://www.example.org/memory"));
    QTest::mouseClick(image, Qt::LeftButton);
    EXPECT_EQ(log, (std::vector<std::string> {"clicked", "open https://www.example.org/memory"}));
}

TEST_F(UrlImageTest, EmptyAddressOpensNothing)
{
    QTest::mouseClick(image, Qt::LeftButton);
    EXPECT_EQ(log, (std::vector<std::string> {"clicked"}));
}

TEST_F(UrlImageTest, OtherButtonsAndReleasesOutsideDoNotClick)
{
    image->SetURL(QStringLiteral("https://www.example.org/"));
    QTest::mouseClick(image, Qt::RightButton);
    QTest::mousePress(image, Qt::LeftButton);
    QTest::mouseRelease(image, Qt::LeftButton, {}, QPoint(60, 5));
    EXPECT_TRUE(log.empty());
}

TEST_F(UrlImageTest, FailingOpenerShowsNothing)
{
    const test::MessageBoxRecorder boxes;
    openerSucceeds = false;
    image->SetURL(QStringLiteral("no-such-scheme:nothing"));
    QTest::mouseClick(image, Qt::LeftButton);
    EXPECT_EQ(log.size(), 2U);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(UrlImageTest, ImageOutsideAnyWindowFailsAfterClicked)
{
    TBriUrlImage lonely;
    lonely.setObjectName(QStringLiteral("Lonely"));
    QObject::connect(&lonely, &TImage::clicked, [this] { log.push_back("clicked"); });
    lonely.SetURL(QStringLiteral("https://www.example.org/"));
    try {
        lonely.Click();
        ADD_FAILURE() << "no error";
    } catch (const Exception &error) {
        EXPECT_STREQ(error.what(), "Control 'Lonely' has no parent window");
    }
    EXPECT_EQ(log, (std::vector<std::string> {"clicked"}));

    lonely.SetURL(QString());
    EXPECT_NO_THROW(lonely.Click());
}

TEST_F(UrlImageTest, ShowsThePointingHandWithoutBeingToldTo)
{
    EXPECT_EQ(cursorNumber(*image), crBriHandPoint);
    registerProgramCursors();
    EXPECT_EQ(image->cursor().hotSpot(), QPoint(6, 0));
    EXPECT_EQ(image->cursor().pixmap().toImage(), screenCursor(crBriHandPoint)->pixmap().toImage());
}

} // namespace
} // namespace brivmemo
