// Save plus load of the largest sprite through a real file.
#include <benchmark/benchmark.h>

#include "core/prompts.h"
#include "files/pxd_file.h"
#include "support/state_fixture.h"
#include "support/temp_dir.h"

namespace {

void BM_SaveLoadRoundTrip_32x255(benchmark::State& bench)
{
    pixador::testing::TempDir dir;
    pixador::testing::StateFixture f(32, 255);  // the tallest the file format stores
    f.Scribble(2);
    const std::string path = dir.File("bench.pxd");
    for (auto _ : bench) {
        f.view.answers = {pixador::MessageAnswer::Yes};
        pixador::SaveSprite(f.state, path);
        pixador::LoadSprite(f.state, path);
    }
    if (!f.view.messages.empty() && f.view.messages.back().icon == pixador::MessageIcon::Critical)
        bench.SkipWithError("a save or load failed");
}
BENCHMARK(BM_SaveLoadRoundTrip_32x255)->Name("SaveLoadRoundTrip/32x255")->Unit(benchmark::kMicrosecond);

}  // namespace
