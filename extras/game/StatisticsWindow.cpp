// SPDX-License-Identifier: MIT
#include "StatisticsWindow.h"

#include "ErrorBox.h"
#include "StatisticsStore.h"
#include "StatisticsSummary.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace brivmemo::extras {

namespace {

QString gameText(statistics::Level level)
{
    switch (level) {
    case statistics::Level::None:
        return StatisticsWindow::tr("Two people");
    case statistics::Level::Beginner:
        return StatisticsWindow::tr("Computer, Beginner");
    case statistics::Level::Intermediate:
        return StatisticsWindow::tr("Computer, Intermediate");
    case statistics::Level::Wizard:
        return StatisticsWindow::tr("Computer, Wizard");
    }
    return {};
}

QTableWidgetItem *cell(const QString &text, Qt::Alignment alignment)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

QTableWidgetItem *numberCell(int number)
{
    return cell(QLocale().toString(number), Qt::AlignRight);
}

} // namespace

StatisticsWindow::StatisticsWindow(statistics::StatisticsStore &store)
    : store_(store)
{
    setObjectName(QStringLiteral("frmStatistics"));
    setWindowTitle(tr("Statistics"));
    auto *layout = new QVBoxLayout(this);

    table_ = new QTableWidget(0, 8, this);
    table_->setObjectName(QStringLiteral("tblStatistics"));
    table_->setAccessibleName(tr("Statistics by player and game"));
    table_->setHorizontalHeaderLabels({tr("Player"), tr("Game"), tr("Games"), tr("Wins"), tr("Draws"),
        tr("Losses"), tr("Fewest mistakes"), tr("Moves per pair")});
    table_->horizontalHeaderItem(6)->setToolTip(tr("The best game: the fewest mistakes in one game"));
    table_->horizontalHeaderItem(7)->setToolTip(tr("All the player's moves over all the pairs taken"));
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    layout->addWidget(table_);

    noGames_ = new QLabel(tr("No game has been played to its end yet."), this);
    noGames_->setObjectName(QStringLiteral("lblNoGames"));
    layout->addWidget(noGames_);

    auto *buttons = new QDialogButtonBox(this);
    reset_ = buttons->addButton(tr("&Reset"), QDialogButtonBox::ResetRole);
    reset_->setObjectName(QStringLiteral("cmdReset"));
    QPushButton *const close = buttons->addButton(tr("&Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setDefault(true);
    layout->addWidget(buttons);

    connect(reset_, &QPushButton::clicked, this, guarded([this] { reset(); }));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(&store, &statistics::StatisticsStore::changed, this, guarded([this] { refresh(); }));
}

void StatisticsWindow::refresh()
{
    const std::vector<statistics::SummaryRow> rows = statistics::summarize(store_.games());
    table_->setRowCount(static_cast<int>(rows.size()));
    for (int index = 0; index < table_->rowCount(); ++index) {
        const statistics::SummaryRow &row = rows[static_cast<std::size_t>(index)];
        table_->setItem(index, 0, cell(row.name, Qt::AlignLeft));
        table_->setItem(index, 1, cell(gameText(row.level), Qt::AlignLeft));
        table_->setItem(index, 2, numberCell(row.games));
        table_->setItem(index, 3, numberCell(row.wins));
        table_->setItem(index, 4, numberCell(row.draws));
        table_->setItem(index, 5, numberCell(row.losses));
        table_->setItem(index, 6, numberCell(row.fewestMistakes));
        table_->setItem(index, 7,
            cell(row.movesPerPair ? QLocale().toString(*row.movesPerPair, 'f', 1) : tr("none"),
                Qt::AlignRight));
    }
    noGames_->setVisible(rows.empty());
    reset_->setEnabled(!rows.empty());
    // A table's own size hint stops at a width that the wider headers of some languages pass:
    // the window is made as wide as every column, with room for a vertical scroll bar.
    table_->setMinimumWidth(table_->horizontalHeader()->length() + 2 * table_->frameWidth()
        + table_->verticalScrollBar()->sizeHint().width());
    adjustSize();
}

void StatisticsWindow::reset()
{
    if (confirm(tr("Do you really want to erase all the statistics ?")))
        store_.clear();
}

} // namespace brivmemo::extras
