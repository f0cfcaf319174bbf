// SPDX-License-Identifier: MIT
#include "ProgramCursors.h"

#include "BriUrl.h"
#include "CursorFile.h"
#include "ScreenCursors.h"

#include <QDir>
#include <QGuiApplication>

// The embedded files live in a static library; initialising them here keeps them in every
// program that registers the cursors.
static void initEmbeddedResources()
{
    Q_INIT_RESOURCE(brivmemo);
}

namespace brivmemo {

namespace {

// Read at the cursor's first use: most are never shown, and none is shown before the first paint.
// By then the screens are known, and the cursor is made for the densest of them.
void registerCursorFile(const QDir &directory, int number)
{
    setScreenCursor(number,
        [path = directory.filePath(QStringLiteral("%1.cur").arg(number)),
            finer = directory.filePath(QStringLiteral("%1@3x.png").arg(number))] {
            return loadCursorFile(path, finer, qApp->devicePixelRatio());
        });
}

} // namespace

void registerProgramCursors(const QString &directory)
{
    initEmbeddedResources();
    const QDir cursors(directory);
    for (const int number :
        {crBriHandPoint, crBriSmallHandPoint, crBriGrabHand, crBriGrabHandArrow, crBriDragHand})
        registerCursorFile(cursors, number);
    for (int number = kFirstLibraryCursor; number <= kLastLibraryCursor; ++number)
        registerCursorFile(cursors, number);
}

} // namespace brivmemo
