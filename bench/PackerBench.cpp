// SPDX-License-Identifier: MIT
// Speed and compression ratio of the block packer next to memcpy, lz4 and zlib level 1, all on
// the same data in the same run: card pictures (8-bit palettised BMP images, mostly white with
// one coloured animal) and incompressible bytes. At the end a table gives the speed ratios.
#include "BlockPacker.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iomanip>
#include <lz4.h>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>
#include <zlib.h>

namespace {

using brivmemo::kChunkSize;
using Bytes = std::vector<std::uint8_t>;
using ChunkBuffer = std::span<std::uint8_t, kChunkSize>;

constexpr int kCardSide = 82;
constexpr int kCardStride = (kCardSide + 3) / 4 * 4;
constexpr std::uint8_t kWhite = 0xFF;
constexpr std::uint8_t kBlack = 0x00;
constexpr std::uint8_t kFrameGrey = 0x92;

void PutLe(Bytes &bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

bool InEllipse(double x, double y, double cx, double cy, double rx, double ry)
{
    const double dx = (x - cx) / rx;
    const double dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
}

// An animal-like figure on a white card with a grey frame: body, head, ear, four legs and a
// few spots, shaded underneath and outlined in black. Returns one palette index per pixel.
std::vector<std::uint8_t> DrawCard(std::mt19937 &random)
{
    std::uniform_real_distribution<double> jitter(-4.0, 4.0);
    const double cx = 38 + jitter(random);
    const double cy = 44 + jitter(random);
    const double rx = 20 + jitter(random);
    const double ry = 13 + jitter(random) / 2;
    const double headX = cx + rx;
    const double headY = cy - ry * 0.8;
    const double headR = 9 + jitter(random) / 2;
    const auto colour = static_cast<std::uint8_t>(0x20 + random() % 0xC0);
    const auto shade = static_cast<std::uint8_t>(colour & 0x6D);
    const auto spotColour = static_cast<std::uint8_t>(random() % 0x100);
    std::vector<std::pair<double, double>> spots(random() % 6);
    for (auto &spot : spots)
        spot = {cx + jitter(random) * 3, cy + jitter(random) * 2};

    const auto inside = [&](int x, int y) {
        if (InEllipse(x, y, cx, cy, rx, ry) || InEllipse(x, y, headX, headY, headR, headR * 0.8)
            || InEllipse(x, y, headX - 3, headY - headR, 2.5, 4))
            return true;
        const bool legRow = y > cy && y < cy + ry + 10;
        for (const double legX : {cx - rx * 0.7, cx - rx * 0.35, cx + rx * 0.35, cx + rx * 0.7})
            if (legRow && std::abs(x - legX) < 2.5)
                return true;
        return false;
    };
    std::vector<std::uint8_t> pixels(kCardSide * kCardSide, kWhite);
    for (int y = 0; y < kCardSide; ++y)
        for (int x = 0; x < kCardSide; ++x) {
            std::uint8_t &pixel = pixels[y * kCardSide + x];
            if (x < 2 || y < 2 || x >= kCardSide - 2 || y >= kCardSide - 2)
                pixel = kFrameGrey;
            else if (!inside(x, y))
                continue;
            else if (!inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1))
                pixel = kBlack;
            else
                pixel = y > cy + ry / 3 ? shade : colour;
            for (const auto &[sx, sy] : spots)
                if (pixel != kFrameGrey && pixel != kBlack && InEllipse(x, y, sx, sy, 3, 2.5))
                    pixel = spotColour;
        }
    pixels[static_cast<int>(headY) * kCardSide + static_cast<int>(headX + 2)] = kBlack;
    return pixels;
}

// A BMP file image as the bitmap list stores it: file header, information header, a colour
// table of 256 entries (a 3-3-2 cube) and the rows bottom first.
Bytes CardPicture(std::uint32_t seed)
{
    std::mt19937 random(seed);
    const auto pixels = DrawCard(random);
    const std::uint32_t pixelOffset = 14 + 40 + 256 * 4;
    const std::uint32_t imageSize = kCardStride * kCardSide;
    Bytes bmp = {'B', 'M'};
    PutLe(bmp, pixelOffset + imageSize, 4);
    PutLe(bmp, 0, 4);
    PutLe(bmp, pixelOffset, 4);
    for (const auto &[value, size] :
        std::initializer_list<std::pair<std::uint32_t, int>> {{40, 4}, {kCardSide, 4}, {kCardSide, 4}, {1, 2},
            {8, 2}, {0, 4}, {imageSize, 4}, {2835, 4}, {2835, 4}, {0, 4}, {0, 4}})
        PutLe(bmp, value, size);
    for (int i = 0; i < 256; ++i) {
        bmp.push_back(static_cast<std::uint8_t>((i & 3) * 85));
        bmp.push_back(static_cast<std::uint8_t>(((i >> 2) & 7) * 36));
        bmp.push_back(static_cast<std::uint8_t>((i >> 5) * 36));
        bmp.push_back(0);
    }
    for (int row = kCardSide - 1; row >= 0; --row) {
        bmp.insert(bmp.end(), pixels.begin() + row * kCardSide, pixels.begin() + (row + 1) * kCardSide);
        bmp.insert(bmp.end(), kCardStride - kCardSide, 0);
    }
    return bmp;
}

enum class DataSet { Cards, Incompressible };

const std::vector<Bytes> &Chunks(DataSet set)
{
    static const std::vector<Bytes> cards = [] {
        std::vector<Bytes> pictures;
        for (std::uint32_t seed = 1; seed <= 20; ++seed)
            pictures.push_back(CardPicture(seed));
        return pictures;
    }();
    static const std::vector<Bytes> noise = [] {
        std::mt19937 random(99);
        std::vector<Bytes> chunks(5, Bytes(kChunkSize));
        for (auto &chunk : chunks)
            for (auto &byte : chunk)
                byte = static_cast<std::uint8_t>(random());
        return chunks;
    }();
    return set == DataSet::Cards ? cards : noise;
}

std::size_t TotalSize(const std::vector<Bytes> &chunks)
{
    std::size_t total = 0;
    for (const auto &chunk : chunks)
        total += chunk.size();
    return total;
}

// pack may resize or replace out and returns the packed length; unpack returns the chunk length.
struct Codec {
    std::string name;
    std::function<std::size_t(std::span<const std::uint8_t>, Bytes &)> pack;
    std::function<std::size_t(std::span<const std::uint8_t>, ChunkBuffer)> unpack;
};

constexpr std::size_t kScratchSize = 2 * kChunkSize;

// zlib's streams are set up once and reset for every chunk, its fastest use for small inputs.
class Zlib {
public:
    Zlib()
    {
        if (deflateInit(&deflater_, 1) != Z_OK || inflateInit(&inflater_) != Z_OK)
            std::abort();
    }
    ~Zlib()
    {
        deflateEnd(&deflater_);
        inflateEnd(&inflater_);
    }
    Zlib(const Zlib &) = delete;
    Zlib &operator=(const Zlib &) = delete;

    std::size_t pack(std::span<const std::uint8_t> in, Bytes &out)
    {
        out.resize(kScratchSize);
        deflateReset(&deflater_);
        return run(deflater_, deflate, in, out);
    }
    std::size_t unpack(std::span<const std::uint8_t> in, ChunkBuffer out)
    {
        inflateReset(&inflater_);
        return run(inflater_, inflate, in, out);
    }

private:
    static std::size_t run(z_stream &stream, int (*step)(z_stream *, int), std::span<const std::uint8_t> in,
        std::span<std::uint8_t> out)
    {
        stream.next_in = const_cast<Bytef *>(in.data());
        stream.avail_in = static_cast<uInt>(in.size());
        stream.next_out = out.data();
        stream.avail_out = static_cast<uInt>(out.size());
        if (step(&stream, Z_FINISH) != Z_STREAM_END)
            std::abort();
        return stream.total_out;
    }

    z_stream deflater_ {};
    z_stream inflater_ {};
};

std::vector<Codec> Codecs()
{
    const auto zlib = std::make_shared<Zlib>();
    return {
        {"memcpy",
            [](std::span<const std::uint8_t> in, Bytes &out) {
                out.resize(kScratchSize);
                std::memcpy(out.data(), in.data(), in.size());
                return in.size();
            },
            [](std::span<const std::uint8_t> in, ChunkBuffer out) {
                std::memcpy(out.data(), in.data(), in.size());
                return in.size();
            }},
        {"PackBlock",
            [](std::span<const std::uint8_t> in, Bytes &out) {
                out = brivmemo::PackBlock(in);
                return out.size();
            },
            [](std::span<const std::uint8_t> in, ChunkBuffer out) { return brivmemo::UnpackBlock(in, out); }},
        {"lz4",
            [](std::span<const std::uint8_t> in, Bytes &out) {
                out.resize(kScratchSize);
                return static_cast<std::size_t>(LZ4_compress_default(
                    reinterpret_cast<const char *>(in.data()), reinterpret_cast<char *>(out.data()),
                    static_cast<int>(in.size()), static_cast<int>(out.size())));
            },
            [](std::span<const std::uint8_t> in, ChunkBuffer out) {
                const int n = LZ4_decompress_safe(reinterpret_cast<const char *>(in.data()),
                    reinterpret_cast<char *>(out.data()), static_cast<int>(in.size()),
                    static_cast<int>(out.size()));
                if (n < 0)
                    std::abort();
                return static_cast<std::size_t>(n);
            }},
        {"zlib1", [zlib](std::span<const std::uint8_t> in, Bytes &out) { return zlib->pack(in, out); },
            [zlib](std::span<const std::uint8_t> in, ChunkBuffer out) { return zlib->unpack(in, out); }},
    };
}

void Report(benchmark::State &state, const std::vector<Bytes> &chunks, std::size_t packed)
{
    const std::size_t raw = TotalSize(chunks);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * raw));
    state.counters["ratio"] = static_cast<double>(raw) / static_cast<double>(packed);
}

void PackBenchmark(benchmark::State &state, const Codec &codec, DataSet set)
{
    const auto &chunks = Chunks(set);
    Bytes out;
    std::size_t packed = 0;
    for (auto _ : state) {
        packed = 0;
        for (const auto &chunk : chunks)
            packed += codec.pack(chunk, out);
        benchmark::DoNotOptimize(out.data());
    }
    Report(state, chunks, packed);
}

void UnpackBenchmark(benchmark::State &state, const Codec &codec, DataSet set)
{
    const auto &chunks = Chunks(set);
    std::vector<Bytes> blocks;
    std::size_t packed = 0;
    for (const auto &chunk : chunks) {
        Bytes out;
        out.resize(codec.pack(chunk, out));
        packed += out.size();
        blocks.push_back(std::move(out));
    }
    const auto buffer = std::make_unique<std::uint8_t[]>(kChunkSize);
    const ChunkBuffer chunkBuffer(buffer.get(), kChunkSize);
    for (std::size_t i = 0; i < chunks.size(); ++i)
        if (codec.unpack(blocks[i], chunkBuffer) != chunks[i].size()
            || !std::equal(chunks[i].begin(), chunks[i].end(), buffer.get()))
            std::abort();
    for (auto _ : state) {
        for (const auto &block : blocks)
            benchmark::DoNotOptimize(codec.unpack(block, chunkBuffer));
        benchmark::ClobberMemory();
    }
    Report(state, chunks, packed);
}

// Prints the usual table, then the speed of the block packer as a multiple of the others'.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter()
        : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular)
    { }

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // With repetitions the median, which follows the single runs, is the figure kept.
        for (const auto &run : runs)
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
                speeds_[run.run_name.function_name] = run.counters.at("bytes_per_second");
    }

    void Finalize() override
    {
        auto &out = GetOutputStream();
        out << "\nPackBlock / UnpackBlock speed as a multiple of each reference:\n";
        for (const char *set : {"cards", "incompressible"})
            for (const char *direction : {"pack", "unpack"}) {
                const std::string prefix = std::string(direction) + "/" + set + "/";
                out << "  " << std::setw(6) << direction << " " << std::setw(14) << set << ":";
                for (const char *reference : {"memcpy", "zlib1", "lz4"})
                    out << "  " << reference << " " << std::fixed << std::setprecision(3)
                        << speed(prefix + "PackBlock") / speed(prefix + reference);
                out << "\n";
            }
        ConsoleReporter::Finalize();
    }

private:
    // A benchmark left out by a filter counts as infinitely slow.
    double speed(const std::string &name) const
    {
        const auto found = speeds_.find(name);
        return found == speeds_.end() ? 0.0 : found->second;
    }

    std::map<std::string, double> speeds_;
};

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    const auto codecs = Codecs();
    for (const auto &[set, setName] :
        {std::pair {DataSet::Cards, "cards"}, {DataSet::Incompressible, "incompressible"}})
        for (const auto &codec : codecs) {
            benchmark::RegisterBenchmark(
                ("pack/" + std::string(setName) + "/" + codec.name).c_str(), PackBenchmark, codec, set);
            benchmark::RegisterBenchmark(
                ("unpack/" + std::string(setName) + "/" + codec.name).c_str(), UnpackBenchmark, codec, set);
        }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
