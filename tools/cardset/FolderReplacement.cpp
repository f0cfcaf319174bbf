// SPDX-License-Identifier: MIT
#include "FolderReplacement.h"

#include "WriteFailure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <sys/stat.h>

namespace brivmemo::cardtool {

namespace {

using cardset::CardSetError;

// Gives lupdate and the program one context for the texts of this file.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(FolderReplacement)
};

void moveFolder(const QString &from, const QString &to)
{
    if (!QDir().rename(from, to))
        throw WriteFailure(to, Texts::tr("the folder cannot be moved here from %1").arg(from));
}

} // namespace

void checkTarget(const QString &target, Existing existing)
{
    const QFileInfo info(target);
    if (info.exists() && !info.isDir())
        throw CardSetError(info.absoluteFilePath(), Texts::tr("this is a file, not a folder"));
    if (info.exists() && existing == Existing::Refuse)
        throw CardSetError(
            info.absoluteFilePath(), Texts::tr("this folder exists already (--force replaces it)"));
}

void replaceFolder(const QString &target, Existing existing, const std::function<void(const QString &)> &fill)
{
    checkTarget(target, existing);
    const QFileInfo info(target);
    const QString path = info.absoluteFilePath();

    const QString parent = info.absolutePath();
    if (!QDir().mkpath(parent))
        throw WriteFailure(parent, Texts::tr("this folder cannot be made"));
    QTemporaryDir fresh(QDir(parent).filePath(QStringLiteral(".%1.new-XXXXXX").arg(info.fileName())));
    if (!fresh.isValid())
        throw WriteFailure(
            parent, Texts::tr("a folder cannot be made in this folder: %1").arg(fresh.errorString()));
    // A temporary folder is the owner's alone; the set's folder is open like any other new one.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::chmod(QFile::encodeName(fresh.path()).constData(), 0777 & ~mask) != 0)
        throw WriteFailure(fresh.path(), Texts::tr("the folder's permissions cannot be set"));
    fill(fresh.path());

    if (!info.exists()) {
        moveFolder(fresh.path(), path);
        return;
    }
    const QString old = fresh.path() + QStringLiteral(".old");
    moveFolder(path, old);
    try {
        moveFolder(fresh.path(), path);
    } catch (const WriteFailure &) {
        moveFolder(old, path);
        throw;
    }
    QDir(old).removeRecursively();
}

} // namespace brivmemo::cardtool
