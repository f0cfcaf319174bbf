// SPDX-License-Identifier: MIT
// The game's windows with the extras installed, and card sets drawn by the test: every picture
// of a set is one colour of its own, so a card shows which picture it draws.
#pragma once

#include "CardSetCatalog.h"
#include "Colors.h"
#include "GameWindowsFixture.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <vector>

class QAction;
class QMenu;

namespace brivmemo::test {

struct TestCardSet {
    QString name;
    // The first colour; each entry's colour follows from it and the entry's index.
    int hue = 0;
    QMap<QString, QString> nameTranslations = {};
    QMap<QString, QStringList> faceTranslations = {};
};

// The colour of entry 0..20 of a test set with this hue.
TColor entryColor(int hue, int entry);
// "<prefix>1" .. "<prefix>20".
QStringList numberedNames(const QString &prefix);

// Writes a whole set into the folder, which is made first; its faces are called "face1" ...
void writeTestCardSet(const QString &folder, const TestCardSet &set);
// The folder of a set in the player's own card-set folder, and in the system data folders
// (1 or 2) the fixture points XDG_DATA_DIRS at.
QString userSet(const QString &folderName);
QString systemSet(int dataDir, const QString &folderName);
// Replaces a file of a set by bytes that are not what it should hold.
void damage(const QString &folder, const char *fileName);

class ExtrasTest : public GameWindowsTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the windows, installs the extras and starts as the program does, answering the
    // game-type dialog with two people.
    void start();
    QMenu &extrasMenu() const;
    QMenu &cardSetMenu() const;
    // Opens the card-set submenu as the player does and closes it again: its items as listed.
    QList<QAction *> listCardSets() const;
    // Opens the submenu and chooses the item with this text.
    void choose(const QString &itemText) const;

    // True when the main window's list holds the pictures of the test set with this hue.
    bool listShows(int hue) const;
    // True when the list holds the game's own pictures, as the window read them at start.
    bool listShowsBuiltInPictures() const;
    // The colour in the middle of the card of a place, as painted.
    TColor shownColor(int place) const;
};

} // namespace brivmemo::test
