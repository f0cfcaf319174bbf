// SPDX-License-Identifier: MIT
#include "ExtrasPaths.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace brivmemo::cardset;

namespace {

TEST(ExtrasPathsTest, FollowTheXdgFolders)
{
    const QTemporaryDir dir;
    const QString home = dir.path() + "/home";
    const QString config = dir.path() + "/config";
    qputenv("XDG_DATA_HOME", home.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());
    qputenv("XDG_DATA_DIRS", (dir.path() + "/one:" + dir.path() + "/two/").toLocal8Bit());
    EXPECT_EQ(userCardSetFolder(), home + "/brivmemo/card-sets");
    EXPECT_EQ(cardSetSearchFolders(),
        QStringList({home + "/brivmemo/card-sets", dir.path() + "/one/brivmemo/card-sets",
            dir.path() + "/two/brivmemo/card-sets"}));
    EXPECT_EQ(extrasPreferencesFile(), config + "/brivmemo/extras.ini");
    EXPECT_EQ(statisticsFile(), home + "/brivmemo/statistics.sqlite");
}

} // namespace
