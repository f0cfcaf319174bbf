// SPDX-License-Identifier: MIT
#include "DamagedDatabase.h"

#include "StatisticsError.h"

#include <QCoreApplication>
#include <QFile>

namespace brivmemo::statistics {

namespace {

const QString JournalSuffix = QStringLiteral("-journal");

bool taken(const QString &path)
{
    return QFile::exists(path) || QFile::exists(path + JournalSuffix);
}

} // namespace

QString setAsideDamaged(const QString &path, const QDateTime &now)
{
    const QString stem
        = path + QStringLiteral(".damaged-") + now.toLocalTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = stem;
    for (int number = 2; taken(target); ++number)
        target = stem + u'-' + QString::number(number);
    const QString journal = path + JournalSuffix;
    if (!QFile::rename(path, target)
        || (QFile::exists(journal) && !QFile::rename(journal, target + JournalSuffix))) {
        throw StatisticsError(
            QCoreApplication::translate("brivmemo::statistics", "%1 cannot be renamed.").arg(path));
    }
    return target;
}

} // namespace brivmemo::statistics
