// One write of the recovery copy of the largest sprite the file format holds, after a change.
// The copy goes to a folder in memory where the system has one, so the figure is the editor's
// own work (encoding, the note, the temporary files and renames), not the disk's flush.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "bench_report.h"
#include "files/recovery.h"
#include "support/state_fixture.h"

namespace {

namespace fs = std::filesystem;

void BM_RecoveryCopy_32x255(benchmark::State& bench)
{
    SetTargetMicroseconds(bench, 1000);
    std::error_code ec;
    const bool inMemory = fs::is_directory("/dev/shm", ec);
    const fs::path folder = (inMemory ? fs::path("/dev/shm") : fs::temp_directory_path()) /
                            ("pixador-bench-" + std::to_string(std::random_device{}()));
    bench.SetLabel(inMemory ? "in memory" : "on disk");
    {
        pixador::testing::StateFixture f(32, 255);
        f.Scribble(3);
        f.state.saved = false;
        pixador::SlotLocks locks(folder.string());
        pixador::RecoveryCopy copy(folder.string(), locks);
        int level = 0;
        for (auto _ : bench) {
            level = (level + 1) % 4;
            pixador::SetPixel(f.state, 5, 7, level);
            copy.Keep(f.state);
        }
        if (copy.CopyPath().empty()) bench.SkipWithError("no copy was written");
    }
    fs::remove_all(folder, ec);
}
BENCHMARK(BM_RecoveryCopy_32x255)->Name("RecoveryCopyWrite/32x255")->Unit(benchmark::kMicrosecond);

}  // namespace
