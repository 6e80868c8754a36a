// Bilinear Resize of the largest sprite to half size and back.
#include <benchmark/benchmark.h>

#include "bench_report.h"
#include "core/scaling.h"
#include "support/state_fixture.h"

namespace {

void BM_ScaleHalfAndBack_32x256(benchmark::State& bench)
{
    SetTargetMicroseconds(bench, 30);
    pixador::testing::StateFixture f(32, 256);
    f.Scribble(3);
    for (auto _ : bench) {
        pixador::ScaleSprite(f.state, 16, 128);
        pixador::ScaleSprite(f.state, 32, 256);
    }
}
BENCHMARK(BM_ScaleHalfAndBack_32x256)->Name("ScaleHalfAndBack/32x256")->Unit(benchmark::kMicrosecond);

}  // namespace
