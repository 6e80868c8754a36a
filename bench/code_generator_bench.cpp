#include <benchmark/benchmark.h>

#include "core/editor_state.h"
#include "files/code_generator.h"
#include "support/state_fixture.h"

namespace {

using pixador::CodeLanguage;
using pixador::testing::StateFixture;

void GenerateGraySprite(benchmark::State& bench, CodeLanguage language, int method)
{
    StateFixture f(32, 256);
    f.Scribble(3);
    f.state.preferences.SpriteEncodeMethod = static_cast<std::int16_t>(method);
    for (auto _ : bench) benchmark::DoNotOptimize(pixador::GenerateSpriteCode(f.state, language, true));
}

void BM_GenerateSpriteCode_C_Hex_32x256(benchmark::State& s) { GenerateGraySprite(s, CodeLanguage::C, 0); }
void BM_GenerateSpriteCode_C_Binary_32x256(benchmark::State& s) { GenerateGraySprite(s, CodeLanguage::C, 2); }
void BM_GenerateSpriteCode_Asm_Hex_32x256(benchmark::State& s) { GenerateGraySprite(s, CodeLanguage::Assembler, 0); }

BENCHMARK(BM_GenerateSpriteCode_C_Hex_32x256)->Name("GenerateCHex/32x256")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GenerateSpriteCode_C_Binary_32x256)->Name("GenerateCBinary/32x256")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GenerateSpriteCode_Asm_Hex_32x256)->Name("GenerateAsmHex/32x256")->Unit(benchmark::kMicrosecond);

}  // namespace
