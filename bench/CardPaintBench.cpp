// SPDX-License-Identifier: MIT
// What a full repaint of the table costs: forty 82 x 82 cards drawing from the main window's
// list, once when every card shows the picture it showed before (each card keeps its scaled
// picture) and once when every card shows a new picture (each card scales again).
#include "ListResource.h"
#include "MMBitmapListImage.h"

#include <QImage>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

using namespace brivmemo;

class Table {
public:
    Table()
    {
        panel_.resize(718, 456);
        loadBitmapListResource(list_, QStringLiteral(":/memo.mbml"));
        for (int place = 0; place < 40; ++place) {
            auto *card = new TMMBitmapListImage(&panel_);
            card->setGeometry(16 + place % 8 * 87, 20 + place / 8 * 86, 82, 82);
            card->SetBitmapList(&list_);
            cards_.push_back(card);
        }
    }

    void showFaces(int first)
    {
        for (std::size_t i = 0; i < cards_.size(); ++i)
            cards_[i]->SetBitmapIndex((first + static_cast<int>(i)) % list_.Count());
    }

    void paint(QImage &target) { panel_.render(&target); }

private:
    TMMBitmapList list_;
    QWidget panel_;
    std::vector<TMMBitmapListImage *> cards_;
};

void BM_RepaintTableSamePictures(benchmark::State &state)
{
    Table table;
    table.showFaces(0);
    QImage target(718, 456, QImage::Format_RGB32);
    table.paint(target);
    for (auto _ : state) {
        table.paint(target);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_RepaintTableSamePictures)->Unit(benchmark::kMicrosecond);

void BM_RepaintTableNewPictures(benchmark::State &state)
{
    Table table;
    QImage target(718, 456, QImage::Format_RGB32);
    int first = 0;
    for (auto _ : state) {
        table.showFaces(++first);
        table.paint(target);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_RepaintTableNewPictures)->Unit(benchmark::kMicrosecond);

} // namespace
