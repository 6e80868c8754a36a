#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/editor_state.h"
#include "files/c_import.h"
#include "files/code_generator.h"
#include "support/state_fixture.h"

namespace {

using pixador::FoundArray;
using pixador::testing::StateFixture;

// About 10 MB of C: 2000 gray 32 x 224 arrays of about 5 KB each, with comments between.
std::string TenMegabytesOfArrays()
{
    StateFixture f(32, 224);
    std::string text;
    for (int i = 0; i < 2000; ++i) {
        f.Scribble(i);
        f.state.preferences.SpriteName = "sprite_" + std::to_string(i);
        text += "/* sprite number " + std::to_string(i) + ", drawn for the title screen */\n";
        text += pixador::GenerateSpriteCode(f.state, pixador::CodeLanguage::C, false);
        text += "\n\n";
    }
    return text;
}

void BM_ScanCSourceText_10MB_2000Arrays(benchmark::State& bench)
{
    static const std::string text = TenMegabytesOfArrays();
    std::vector<FoundArray> found;
    for (auto _ : bench) {
        pixador::ScanCSourceText(text, found);
        benchmark::DoNotOptimize(found.data());
    }
    if (found.size() != 2000) bench.SkipWithError("arrays lost");
    bench.SetBytesProcessed(static_cast<std::int64_t>(bench.iterations()) * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ScanCSourceText_10MB_2000Arrays)->Name("ScanCSourceText/10MB_2000_arrays")->Unit(benchmark::kMillisecond);

void BM_DecodeArray_32x256(benchmark::State& bench)
{
    StateFixture f(32, 256);
    f.Scribble(5);
    std::vector<FoundArray> found;
    pixador::ScanCSourceText(pixador::GenerateSpriteCode(f.state, pixador::CodeLanguage::C, false), found);
    for (auto _ : bench) {
        pixador::DecodeChoice choice{true, true, 1};
        benchmark::DoNotOptimize(pixador::DecodeArray(found.at(0), choice));
    }
}
BENCHMARK(BM_DecodeArray_32x256)->Name("DecodeArray/32x256")->Unit(benchmark::kMicrosecond);

}  // namespace
