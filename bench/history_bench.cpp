// PushUndo then UndoStep of the largest sprite.
#include <benchmark/benchmark.h>

#include "core/history.h"
#include "support/state_fixture.h"

namespace {

void BM_PushUndoThenUndo_32x256(benchmark::State& bench)
{
    pixador::testing::StateFixture f(32, 256);
    f.Scribble(1);
    for (int i = 0; i < 30; ++i) pixador::PushUndo(f.state);  // a full history drops its oldest
    for (auto _ : bench) {
        pixador::PushUndo(f.state);
        pixador::UndoStep(f.state);
        benchmark::DoNotOptimize(f.state.sprite.cells.data());
    }
}
BENCHMARK(BM_PushUndoThenUndo_32x256)->Name("PushUndoThenUndo/32x256")->Unit(benchmark::kMicrosecond);

}  // namespace
