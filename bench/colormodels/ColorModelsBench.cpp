// The full sweep of the colour cube through the RGB/HSB conversions (target: under 2 s).
#include "colormodels/CColorModels.h"
#include "colormodels/modColorModels.h"

#include <benchmark/benchmark.h>

namespace {

constexpr OLE_COLOR kColours = 1 << 24;

void BM_CubeRoundTrip(benchmark::State& state) {
    for (auto _ : state) {
        OLE_COLOR sum = 0;
        for (OLE_COLOR c = 0; c < kColours; ++c) {
            HSBValues hsb;
            modColorModels::RGBToHSB(c, hsb);
            sum ^= modColorModels::HSBToRGB(hsb);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kColours);
}
BENCHMARK(BM_CubeRoundTrip)->Unit(benchmark::kMillisecond);

void BM_CubeColourModel(benchmark::State& state) {
    CColorModels model;
    for (auto _ : state) {
        std::int32_t sum = 0;
        for (OLE_COLOR c = 0; c < kColours; ++c) {
            model.SetRGB(c & 0xFF, (c >> 8) & 0xFF, c >> 16);
            model.SetHSB(model.HSB_Hue(), model.HSB_Sat(), model.HSB_Bright());
            sum ^= model.RGB_OLE_COLOR();
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kColours);
}
BENCHMARK(BM_CubeColourModel)->Unit(benchmark::kMillisecond);

void BM_DimColor(benchmark::State& state) {
    OLE_COLOR c = 0x8BD9FE;
    for (auto _ : state) {
        benchmark::DoNotOptimize(modColorModels::DimColor(c, 0.2f));
        c = (c + 0x010203) & 0xFFFFFF;
    }
}
BENCHMARK(BM_DimColor);

} // namespace

BENCHMARK_MAIN();
