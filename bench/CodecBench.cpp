#include "codec/Tlzrw1.h"
#include "codec/tMemStream.h"

#include <benchmark/benchmark.h>

#include <bit>
#include <cstdint>
#include <random>
#include <string>

namespace {

using grd::TCompressMode;

void appendInteger(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

// About 1 MB of schedule records: title and week texts, then per game the week, the two
// team codes and the kick-off as a day count.
const std::vector<std::uint8_t>& scheduleRecords() {
    static const std::vector<std::uint8_t> records = [] {
        std::mt19937 generator(2025);
        std::vector<std::uint8_t> out;
        std::string title = "CCSchedule\r2025 Schedule\r";
        out.insert(out.end(), title.begin(), title.end());
        double kickoff = 45910.5416;
        while (out.size() < (1u << 20)) {
            for (std::uint32_t week = 1; week <= 18 && out.size() < (1u << 20); ++week) {
                std::string text = "Week " + std::to_string(week) + "\r";
                out.insert(out.end(), text.begin(), text.end());
                for (int game = 0; game < 16; ++game) {
                    appendInteger(out, week);
                    appendInteger(out, 3 + generator() % 32);
                    appendInteger(out, 3 + generator() % 32);
                    auto bits = std::bit_cast<std::uint64_t>(kickoff + (generator() % 4) / 6.0);
                    for (int i = 0; i < 8; ++i) {
                        out.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
                    }
                }
                kickoff += 7;
            }
        }
        out.resize(1u << 20);
        return out;
    }();
    return records;
}

grd::tMemStream run(const std::vector<std::uint8_t>& input, TCompressMode mode, bool compress) {
    grd::tMemStream in(input);
    grd::tMemStream out;
    grd::Tlzrw1 component;
    component.UseStream = true;
    component.CompressMode = mode;
    component.InputStream = &in;
    component.OutputStream = &out;
    if (compress) {
        component.Compress();
    } else {
        component.Decompress();
    }
    return out;
}

void decompress(benchmark::State& state, TCompressMode mode) {
    const auto& input = scheduleRecords();
    auto container = run(input, mode, true).bytes();
    for (auto _ : state) {
        benchmark::DoNotOptimize(run(container, mode, false).size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.size()));
    state.counters["ratio%"] =
        100.0 * static_cast<double>(container.size()) / static_cast<double>(input.size());
}

void compress(benchmark::State& state, TCompressMode mode) {
    const auto& input = scheduleRecords();
    for (auto _ : state) {
        benchmark::DoNotOptimize(run(input, mode, true).size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.size()));
}

void BM_DecompressFast(benchmark::State& state) {
    decompress(state, TCompressMode::Fast);
}
void BM_DecompressGood(benchmark::State& state) {
    decompress(state, TCompressMode::Good);
}
void BM_CompressFast(benchmark::State& state) {
    compress(state, TCompressMode::Fast);
}
void BM_CompressGood(benchmark::State& state) {
    compress(state, TCompressMode::Good);
}

} // namespace

BENCHMARK(BM_DecompressFast)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecompressGood)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompressFast)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompressGood)->Unit(benchmark::kMillisecond);
