// SPDX-License-Identifier: MIT
// What the main window's bitmap list costs: reading the 21 pictures from their stream when the
// window is built, turning each into its display form on first paint, and writing the list in
// both forms. The pictures have the card set's sizes and depths, filled with a pattern.
#include "MMBitmapList.h"
#include "MemoryStream.h"

#include <benchmark/benchmark.h>
#include <utility>
#include <vector>

namespace {

using namespace brivmemo;

// The card back first, then the twenty faces.
const std::pair<int, int> kCardSizes[] = {{119, 135}, {84, 107}, {100, 112}, {114, 112}, {138, 146},
    {98, 114}, {120, 106}, {105, 83}, {88, 160}, {125, 90}, {127, 94}, {132, 92}, {140, 88}, {83, 85},
    {106, 97}, {89, 120}, {122, 90}, {84, 115}, {102, 148}, {111, 89}, {134, 119}};

void fillMainWindowList(TMMBitmapList &list)
{
    std::vector<TColor> palette(256);
    for (std::size_t i = 0; i < palette.size(); ++i)
        palette[i] = static_cast<TColor>(i * 0x030507 & 0xFFFFFF);
    bool first = true;
    for (const auto &[width, height] : kCardSizes) {
        TBitmap bitmap;
        bitmap.setPalette(palette);
        bitmap.create(first ? PixelFormat::Bits16 : PixelFormat::Bits8, width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                bitmap.setPixelValue(x, y, static_cast<std::uint32_t>((x / 7 + y / 5) * 37));
        list.Add(bitmap);
        first = false;
    }
}

std::vector<std::uint8_t> storedList(bool compressed)
{
    TMMBitmapList list;
    fillMainWindowList(list);
    list.SetCompressed(compressed);
    TMemoryStream stream;
    list.WriteListItems(stream);
    return stream.bytes();
}

void BM_ReadList(benchmark::State &state)
{
    const auto bytes = storedList(state.range(0) != 0);
    for (auto _ : state) {
        TMMBitmapList list;
        list.LoadListItems(bytes);
        benchmark::DoNotOptimize(list.Count());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
    state.SetLabel(state.range(0) != 0 ? "packed" : "plain");
}
BENCHMARK(BM_ReadList)->Arg(0)->Arg(1);

void BM_DisplayForms(benchmark::State &state)
{
    TMMBitmapList list;
    fillMainWindowList(list);
    for (auto _ : state) {
        for (int i = 0; i < list.Count(); ++i) {
            TBitmap *bitmap = list.Bitmaps(i);
            // A change drops the display form, so each round builds all 21 anew.
            bitmap->setMasks(bitmap->masks());
            benchmark::DoNotOptimize(bitmap->displayImage().constBits());
        }
    }
}
BENCHMARK(BM_DisplayForms);

void BM_WriteList(benchmark::State &state)
{
    TMMBitmapList list;
    fillMainWindowList(list);
    list.SetCompressed(state.range(0) != 0);
    for (auto _ : state) {
        TMemoryStream stream;
        list.WriteListItems(stream);
        benchmark::DoNotOptimize(stream.size());
    }
    state.SetLabel(state.range(0) != 0 ? "packed" : "plain");
}
BENCHMARK(BM_WriteList)->Arg(0)->Arg(1);

} // namespace

BENCHMARK_MAIN();
