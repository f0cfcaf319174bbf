// SPDX-License-Identifier: MIT
#include "ExtrasTestSupport.h"

#include "CardFaceNames.h"
#include "CardSet.h"
#include "CardSetLimits.h"
#include "Extras.h"
#include "ExtrasPaths.h"
#include "ExtrasPreferences.h"
#include "GameSounds.h"
#include "ListResource.h"
#include "MMBitmapList.h"
#include "MMBitmapListImage.h"
#include "MMCheck.h"
#include "SystemColors.h"
#include "Uescolhe.h"
#include "memo.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace brivmemo::test {

namespace {

constexpr int PictureSide = 12;

void paintSolid(TBitmap &picture, TColor color)
{
    picture.create(PixelFormat::Bits24, PictureSide, PictureSide);
    for (int y = 0; y < PictureSide; ++y) {
        for (int x = 0; x < PictureSide; ++x)
            picture.setPixel(x, y, color);
    }
}

QMenu &childMenu(const QObject &parent, const char *name)
{
    auto *menu = parent.findChild<QMenu *>(QString::fromLatin1(name));
    if (menu == nullptr)
        throw std::runtime_error(std::string("no menu ") + name);
    return *menu;
}

} // namespace

TColor entryColor(int hue, int entry)
{
    return rgbColor(static_cast<std::uint8_t>(hue), static_cast<std::uint8_t>(entry * 12),
        static_cast<std::uint8_t>(255 - entry * 12));
}

QStringList numberedNames(const QString &prefix)
{
    QStringList names;
    for (int face = 1; face <= cardset::kFaceCount; ++face)
        names.append(prefix + QString::number(face));
    return names;
}

void writeTestCardSet(const QString &folder, const TestCardSet &set)
{
    ASSERT_TRUE(QDir().mkpath(folder));
    cardset::CardSet written;
    written.metadata.name = set.name;
    written.metadata.nameTranslations = set.nameTranslations;
    written.metadata.faces = numberedNames(QStringLiteral("face"));
    written.metadata.faceTranslations = set.faceTranslations;
    written.metadata.license = QStringLiteral("MIT");
    for (int entry = 0; entry < cardset::kEntryCount; ++entry) {
        written.pictures.push_back(std::make_unique<TBitmap>());
        paintSolid(*written.pictures.back(), entryColor(set.hue, entry));
    }
    cardset::writeCardSet(folder, written, cardset::StreamForm::Packed);
}

QString userSet(const QString &folderName)
{
    return QDir(cardset::userCardSetFolder()).filePath(folderName);
}

QString systemSet(int dataDir, const QString &folderName)
{
    const QStringList dataDirs = QString::fromLocal8Bit(qgetenv("XDG_DATA_DIRS")).split(u':');
    return QDir(dataDirs.value(dataDir - 1)).filePath(QStringLiteral("brivmemo/card-sets/") + folderName);
}

void damage(const QString &folder, const char *fileName)
{
    QFile file(QDir(folder).filePath(QString::fromLatin1(fileName)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("MBMC\x15\x00\x00\x00 not a picture");
}

void ExtrasTest::SetUp()
{
    GameWindowsTest::SetUp();
    setCardFaceNames(builtInCardFaceNames());
    // The sounds would play on the desktop of whoever runs the tests; tests of the sounds
    // turn them on themselves.
    extras::keepSwitch(QString::fromLatin1(extras::SoundSwitchKey), false);
}

void ExtrasTest::TearDown()
{
    GameWindowsTest::TearDown();
    setCardFaceNames(builtInCardFaceNames());
    QLocale::setDefault(QLocale::c());
}

void ExtrasTest::start()
{
    createWindows();
    extras::installExtras(form());
    showAndActivate(form(), [](QWidget &) {
        frmEscolhe->rabHumano->SetChecked(true);
        frmEscolhe->cmdOK->click();
    });
}

QMenu &ExtrasTest::extrasMenu() const
{
    return childMenu(*form().menuBar(), "mnExtras");
}

QMenu &ExtrasTest::cardSetMenu() const
{
    return childMenu(extrasMenu(), "mnCardSet");
}

QList<QAction *> ExtrasTest::listCardSets() const
{
    QMenu &menu = cardSetMenu();
    menu.popup(QPoint(0, 0));
    menu.hide();
    return menu.actions();
}

void ExtrasTest::choose(const QString &itemText) const
{
    for (QAction *item : listCardSets()) {
        if (item->text() == itemText) {
            item->trigger();
            return;
        }
    }
    ADD_FAILURE() << "no card set item " << itemText.toStdString();
}

bool ExtrasTest::listShows(int hue) const
{
    TMMBitmapList &list = *form().MMBitmapList1;
    if (list.Count() != cardset::kEntryCount)
        return false;
    for (int entry = 0; entry < cardset::kEntryCount; ++entry) {
        const TBitmap &picture = *list.Bitmaps(entry);
        if (picture.width() != PictureSide
            || picture.pixel(PictureSide / 2, PictureSide / 2) != entryColor(hue, entry))
            return false;
    }
    return true;
}

bool ExtrasTest::listShowsBuiltInPictures() const
{
    TMMBitmapList original;
    loadBitmapListResource(original, QStringLiteral(":/memo.mbml"));
    TMMBitmapList &list = *form().MMBitmapList1;
    if (list.Count() != original.Count())
        return false;
    for (int entry = 0; entry < list.Count(); ++entry) {
        if (!(list.Bitmaps(entry)->pixels() == original.Bitmaps(entry)->pixels()))
            return false;
    }
    return true;
}

TColor ExtrasTest::shownColor(int place) const
{
    const QImage painted = form().image(place).grab().toImage();
    return fromQColor(painted.pixelColor(painted.rect().center()));
}

} // namespace brivmemo::test
