// SPDX-License-Identifier: MIT
#include "DamagedDatabase.h"

#include "StatisticsError.h"

#include <QCoreApplication>
#include <QFile>

namespace brivmemo::statistics {

QString setAsideDamaged(const QString &path, const QDateTime &now)
{
    const QString stem
        = path + QStringLiteral(".damaged-") + now.toLocalTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = stem;
    for (int number = 2; QFile::exists(target); ++number)
        target = stem + u'-' + QString::number(number);
    if (!QFile::rename(path, target)) {
        throw StatisticsError(
            QCoreApplication::translate("brivmemo::statistics", "%1 cannot be renamed.").arg(path));
    }
    return target;
}

} // namespace brivmemo::statistics
