// SPDX-License-Identifier: MIT
// What a radio button's change of state costs: the buffered redraw that composes the new look
// over the saved background, next to a full repaint that reads the group box's background
// again. Both on the game-type dialog's two buttons, shown on the offscreen platform.
#include "ListResource.h"
#include "MMCheck.h"

#include <QApplication>
#include <QGroupBox>
#include <benchmark/benchmark.h>

namespace {

using namespace brivmemo;

class GameTypeGroup {
public:
    GameTypeGroup()
        : group_(new QGroupBox(QStringLiteral("How would you like to play ?"), &window_))
        , human_(new TMMBitmapRadioButton(group_))
        , computer_(new TMMBitmapRadioButton(group_))
    {
        loadBitmapListResource(list_, QStringLiteral(":/escolhe.mbml"));
        window_.resize(326, 133);
        group_->setGeometry(7, 5, 233, 120);
        human_->setGeometry(27, 38, 158, 20);
        computer_->setGeometry(28, 68, 181, 20);
        human_->SetCaption(QStringLiteral("&HUMAN x HUMAN"));
        computer_->SetCaption(QStringLiteral("HUMAN x &COMPUTER"));
        for (TMMBitmapRadioButton *button : {human_, computer_}) {
            button->SetBitmapList(&list_);
            button->SetBitmapIndex(8);
            button->SetNumGlyphs(2);
            button->SetMargin(4);
        }
        human_->SetChecked(true);
        window_.show();
        QApplication::processEvents();
    }

    // Checks the other button: both redraw.
    void toggle() { (human_->Checked() ? computer_ : human_)->SetChecked(true); }

    void repaintBoth()
    {
        human_->repaint();
        computer_->repaint();
    }

private:
    TMMBitmapList list_;
    QWidget window_;
    QGroupBox *group_;
    TMMBitmapRadioButton *human_;
    TMMBitmapRadioButton *computer_;
};

void BM_CheckOtherButtonBuffered(benchmark::State &state)
{
    GameTypeGroup group;
    for (auto _ : state)
        group.toggle();
}
BENCHMARK(BM_CheckOtherButtonBuffered)->Unit(benchmark::kMicrosecond);

void BM_RepaintBothButtonsInFull(benchmark::State &state)
{
    GameTypeGroup group;
    for (auto _ : state)
        group.repaintBoth();
}
BENCHMARK(BM_RepaintBothButtonsInFull)->Unit(benchmark::kMicrosecond);

} // namespace
