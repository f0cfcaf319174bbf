// SPDX-License-Identifier: MIT
// A statistics file the game cannot use is kept for the player under a new name beside it, never
// overwriting one kept before, so that a fresh file can take its place.
#pragma once

#include <QDateTime>
#include <QString>

namespace brivmemo::statistics {

// Renames the file to "<file>.damaged-YYYYMMDD-HHMMSS" in local time, with "-2", "-3", ... added
// when that name is taken. Returns the new path. Throws StatisticsError when the file cannot be
// moved.
QString setAsideDamaged(const QString &path, const QDateTime &now);

} // namespace brivmemo::statistics
