// SPDX-License-Identifier: MIT
#include "GameStatistics.h"

#include "AfterFirstPaint.h"
#include "ErrorBox.h"
#include "ExtrasPaths.h"
#include "GameRecorder.h"
#include "MaximisingRefusal.h"
#include "StartupDialogGate.h"
#include "StatisticsError.h"
#include "StatisticsStore.h"
#include "StatisticsWindow.h"
#include "TransientParent.h"
#include "memo.h"

#include <QDir>
#include <QMenu>

namespace brivmemo::extras {

GameStatistics::GameStatistics(QObject &owner, TForm1 &form, QMenu &extrasMenu, const GameEvents &events,
    StartupDialogGate &startupDialog)
    : QObject(&owner)
    , form_(form)
    , startupDialog_(startupDialog)
    , store_(new statistics::StatisticsStore(this))
{
    new GameRecorder(
        *this, form, events, clock_, [this](const statistics::GameRecord &game) { write(game); });
    extrasMenu.addSeparator();
    QAction *const item = extrasMenu.addAction(tr("S&tatistics…"));
    item->setObjectName(QStringLiteral("mnStatistics"));
    connect(item, &QAction::triggered, this, guarded([this] { showWindow(); }));
    runAfterFirstPaint(form, guarded([this] { open(); }));
}

GameStatistics::~GameStatistics() = default;

// Runs once, also when a game has ended before the first paint.
void GameStatistics::open()
{
    if (opened_)
        return;
    opened_ = true;
    const QString path = cardset::statisticsFile();
    try {
        const QString setAside = store_->open(path, clock_.utcNow());
        if (setAside.isEmpty())
            return;
        const QString text = tr("The statistics in %1 could not be read. They have been kept as %2, and new "
                                "statistics have been started.")
                                 .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(setAside));
        startupDialog_.afterStartupDialog([text] { showErrorBox(text); });
    } catch (const statistics::StatisticsError &error) {
        const QString text = tr("The statistics in %1 cannot be kept: %2")
                                 .arg(QDir::toNativeSeparators(path), QString::fromStdString(error.what()));
        startupDialog_.afterStartupDialog([this, text] { reportFailure(text); });
    }
}

void GameStatistics::write(const statistics::GameRecord &game)
{
    open();
    try {
        store_->record(game);
    } catch (const statistics::StatisticsError &error) {
        reportFailure(tr("The statistics of this game could not be saved: %1")
                          .arg(QString::fromStdString(error.what())));
    }
}

void GameStatistics::showWindow()
{
    open();
    if (!window_) {
        window_ = std::make_unique<StatisticsWindow>(*store_);
        refuseMaximising(*window_);
        keepTransientFor(*window_, form_);
    }
    window_->refresh();
    window_->open();
}

// One failure is told; the ones after it would only repeat it.
void GameStatistics::reportFailure(const QString &text)
{
    if (failureReported_)
        return;
    failureReported_ = true;
    showErrorBox(text);
}

} // namespace brivmemo::extras
