// Writing and reading the colour notation, and reading large user colour files.
// Targets: one colour formatted or parsed in under 1 us; a file of 100,000 entries read in
// under 100 ms, and one of 1,000,000 entries in at most 12 times that.
#include "namedcolors/modNamedColors.h"
#include "namedcolors/modTintrix.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

using namespace modNamedColors;

namespace {

// Walks through the cube with a stride that touches every byte value often.
constexpr OLE_COLOR NextColour(OLE_COLOR c) {
    return (c + 0x10309B) & 0xFFFFFF;
}

void BM_FormatRGBText(benchmark::State& state) {
    OLE_COLOR c = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatRGBText(c));
        c = NextColour(c);
    }
}
BENCHMARK(BM_FormatRGBText);

void BM_FormatFullLine(benchmark::State& state) {
    OLE_COLOR c = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatColorText(c, HSBValues{}, 2));
        c = NextColour(c);
    }
}
BENCHMARK(BM_FormatFullLine);

void BM_ParseRGBText(benchmark::State& state) {
    std::vector<std::string> lines;
    for (OLE_COLOR c = 0; lines.size() < 4096; c = NextColour(c)) {
        lines.push_back(FormatRGBText(c));
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const std::string& line = lines[i++ & 4095];
        benchmark::DoNotOptimize(ParseRGBText(line, line));
    }
}
BENCHMARK(BM_ParseRGBText);

void BM_ParseHSVText(benchmark::State& state) {
    const std::string text = "HSV(210, 0.5020, 0.7529)";
    for (auto _ : state) {
        benchmark::DoNotOptimize(modTintrix::ParseHSVText(text, text));
    }
}
BENCHMARK(BM_ParseHSVText);

std::string UserFile(std::int64_t entries) {
    std::string text = "; generated palette\r\n";
    for (std::int64_t i = 0; i < entries; ++i) {
        text += "Colour number " + std::to_string(i) + " " +
                FormatHex(static_cast<std::int32_t>(i & 0xFFFFFF), 6, true) + "\r\n";
    }
    return text;
}

void BM_ReadUserFile(benchmark::State& state) {
    const auto path =
        std::filesystem::temp_directory_path() /
        ("tintrix-bench-" + std::to_string(::getpid()) + "-" + std::to_string(state.range(0)) + ".txt");
    std::ofstream(path, std::ios::binary) << UserFile(state.range(0));
    for (auto _ : state) {
        // Fresh arrays, as the main dialog has: reused ones would hide the allocations.
        NameList names;
        ValueList values;
        if (GetUserDefinedColors(path.string(), "USER_", names, values) != state.range(0)) {
            state.SkipWithError("wrong entry count");
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    std::filesystem::remove(path);
}
BENCHMARK(BM_ReadUserFile)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
