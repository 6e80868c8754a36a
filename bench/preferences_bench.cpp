// Reading a real "Pixador.ini".
#include <benchmark/benchmark.h>

#include "files/preferences.h"
#include "support/state_fixture.h"
#include "support/temp_dir.h"

namespace {

void BM_ReadPreferences(benchmark::State& bench)
{
    pixador::testing::TempDir dir;
    pixador::testing::StateFixture f;
    const std::string path = dir.File("Pixador.ini");
    pixador::WritePreferences(f.state, path);
    for (auto _ : bench) {
        pixador::ReadPreferences(f.state, path);
        benchmark::DoNotOptimize(f.state.preferences.ItemsPerLine);
    }
}
BENCHMARK(BM_ReadPreferences)->Name("ReadPreferences/18_lines")->Unit(benchmark::kMicrosecond);

}  // namespace
