// SPDX-License-Identifier: MIT
// What one frame of a card's flip costs next to a plain repaint of the same card, in one run:
// a frame fills the table under the card and draws the narrowed picture over it, the plain
// repaint copies the card's scaled picture. The frames are those of a whole flip at 60 frames a
// second, each drawn in turn, so the figure is that of an average frame. Both are timed in
// alternating batches, so that a change of the machine's load falls on both alike; the ratio
// is the figure to watch.
#include "CardFlipOverlay.h"
#include "FakeAnimationClock.h"
#include "Figure.h"
#include "ListResource.h"
#include "MMBitmapList.h"
#include "MMBitmapListImage.h"

#include <QImage>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

namespace {

using namespace brivmemo;
using namespace std::chrono_literals;

constexpr int RendersPerBatch = 50;
constexpr std::chrono::milliseconds FrameTime {16};

class FlippingCard {
public:
    FlippingCard()
        : card_(new TMMBitmapListImage(&table_))
    {
        loadBitmapListResource(list_, QStringLiteral(":/memo.mbml"));
        table_.resize(718, 456);
        table_.setAutoFillBackground(true);
        card_->setGeometry(16, 20, 82, 82);
        card_->SetBitmapList(&list_);
        card_->SetBitmapIndex(1);
        // One flip started at each frame time before now: together they show every frame of
        // a flip, from the card back at its full width to the face opening.
        for (auto shown = 0ms; shown < extras::CardFlipOverlay::Duration; shown += FrameTime) {
            frames_.insert(frames_.begin(),
                new extras::CardFlipOverlay(*card_, 0, extras::CardFlipOverlay::Motion::Flip, clock_));
            clock_.moveOn(FrameTime);
        }
    }

    // Microseconds per render of a batch; each render draws the next of the widgets.
    double timeBatch(const std::vector<QWidget *> &widgets)
    {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < RendersPerBatch; ++i) {
            widgets[static_cast<std::size_t>(i) % widgets.size()]->render(&target_);
            benchmark::DoNotOptimize(target_.constBits());
        }
        const std::chrono::duration<double, std::micro> taken = std::chrono::steady_clock::now() - start;
        return taken.count() / RendersPerBatch;
    }

    std::vector<QWidget *> card() const { return {card_}; }
    const std::vector<QWidget *> &frames() const { return frames_; }

private:
    test::FakeAnimationClock clock_;
    TMMBitmapList list_;
    QWidget table_;
    TMMBitmapListImage *card_;
    std::vector<QWidget *> frames_;
    QImage target_ {82, 82, QImage::Format_RGB32};
};

void BM_FlipFrameAgainstPlainRepaint(benchmark::State &state)
{
    FlippingCard card;
    std::vector<double> plain;
    std::vector<double> flip;
    while (state.KeepRunning()) {
        plain.push_back(card.timeBatch(card.card()));
        flip.push_back(card.timeBatch(card.frames()));
    }
    state.counters["plain_us"] = median(plain);
    state.counters["flip_frame_us"] = median(flip);
    state.counters["ratio"] = median(flip) / median(plain);
}
BENCHMARK(BM_FlipFrameAgainstPlainRepaint)->Unit(benchmark::kMicrosecond);

} // namespace
