// The disk analysis and the grey conversion on large pictures, beside a memcpy of the pixels.
#include <benchmark/benchmark.h>

#include <cstring>
#include <map>
#include <vector>

#include "SyntheticSun.h"
#include "Unit2/DiskAnalysis.h"
#include "Unit2/Tone.h"

namespace varno {
namespace {

// One orange Sun per size, drawn once: drawing a 24-megapixel Sun takes longer than analysing it.
const Image& Sun(int width, int height) {
    static std::map<std::pair<int, int>, Image> pictures;
    auto [it, inserted] = pictures.try_emplace({width, height});
    if (inserted) {
        testing::SunOptions o;
        o.width = width;
        o.height = height;
        o.centreX = width / 2.0 + 17.3;
        o.centreY = height / 2.0 - 11.6;
        o.radius = 0.42 * std::min(width, height);
        o.red = 1.0;
        o.green = 0.64;
        o.blue = 0.22;
        o.noise = 6.0;
        it->second = testing::DrawSyntheticSun(o);
    }
    return it->second;
}

void SetPictureLabel(benchmark::State& state, const Image& picture) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(picture.pixelCount() * sizeof(PackedColour)));
}

void BM_Memcpy(benchmark::State& state) {
    const Image& picture = Sun(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    std::vector<PackedColour> target(picture.pixelCount(), 1);  // faulted in before timing
    for (auto _ : state) {
        std::memcpy(target.data(), picture.pixels().data(),
                    picture.pixelCount() * sizeof(PackedColour));
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    SetPictureLabel(state, picture);
}

void BM_FindSolarDisk(benchmark::State& state) {
    Image grey = Sun(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    ConvertToGrey(grey);
    EdgeTable table{};
    DiskFit fit{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindSolarDisk(grey, table, fit));
    }
    SetPictureLabel(state, grey);
}

void BM_FindSolarDiskInGrey(benchmark::State& state) {
    const Image& colour = Sun(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    EdgeTable table{};
    DiskFit fit{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindSolarDiskInGrey(colour, table, fit));
    }
    SetPictureLabel(state, colour);
}

void BM_ConvertToGrey(benchmark::State& state) {
    const Image& colour = Sun(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    std::vector<PackedColour> original(colour.pixels().begin(), colour.pixels().end());
    Image picture = colour;
    picture.mutablePixels();  // own store, faulted in
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(picture.mutablePixels().data(), original.data(),
                    original.size() * sizeof(PackedColour));
        state.ResumeTiming();
        ConvertToGrey(picture);
        benchmark::ClobberMemory();
    }
    SetPictureLabel(state, picture);
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Args({2048, 2048})->Args({6000, 4000})->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(BM_Memcpy)->Apply(Sizes);
BENCHMARK(BM_FindSolarDisk)->Apply(Sizes);
BENCHMARK(BM_FindSolarDiskInGrey)->Apply(Sizes);
BENCHMARK(BM_ConvertToGrey)->Apply(Sizes);

}  // namespace
}  // namespace varno

BENCHMARK_MAIN();
