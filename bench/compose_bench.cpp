// Mask operations and merges on the largest sprite.
#include <benchmark/benchmark.h>

#include "bench_report.h"
#include "compose/mask.h"
#include "compose/merge.h"
#include "files/pxd_file.h"
#include "support/state_fixture.h"
#include "support/temp_dir.h"

namespace {

using pixador::testing::StateFixture;

// One operation chosen: both planes of a 32 x 256 sprite combined.
void BM_MaskOperation_32x256(benchmark::State& bench)
{
    SetTargetMicroseconds(bench, 50);
    StateFixture f(32, 256);
    f.Scribble(1);
    pixador::MaskPanel panel(f.state);
    for (int x = 0; x < 32; ++x)
        for (int y = 0; y < 256; ++y) panel.MaskPlanes.at((x + y) % 2, x, y) = 1;
    panel.MaskFile = "mask.pxd";
    const int code = static_cast<int>(bench.range(0));
    panel.ChooseOp(f.state, 1, code);
    for (auto _ : bench) {
        panel.ChooseOp(f.state, 0, code);
        benchmark::DoNotOptimize(panel.MaskResult.at(0, 31, 255));
    }
    bench.SetLabel(pixador::MaskOpCaption(code));
}
BENCHMARK(BM_MaskOperation_32x256)->Name("MaskOperation/32x256")->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

// Ok: the result recomputed, one undo snapshot, the sprite replaced.
void BM_MaskApply_32x256(benchmark::State& bench)
{
    SetTargetMicroseconds(bench, 50);
    StateFixture f(32, 256);
    f.Scribble(1);
    pixador::MaskPanel panel(f.state);
    panel.MaskFile = "mask.pxd";
    panel.ChooseOp(f.state, 0, pixador::kMaskXor);
    for (auto _ : bench) benchmark::DoNotOptimize(panel.OkBttn_Click(f.state));
}
BENCHMARK(BM_MaskApply_32x256)->Name("MaskApply/32x256")->Unit(benchmark::kMicrosecond);

// 32 x 128 sprite and 32 x 128 file into 32 x 256, in each arrangement.
void BM_Merge_32x256(benchmark::State& bench)
{
    SetTargetMicroseconds(bench, 50);
    pixador::testing::TempDir dir;
    StateFixture file(32, 128);
    file.Scribble(3);
    const std::string path = dir.File("half.pxd");
    pixador::testing::TempDir::Write(path, pixador::EncodeSprite(file.state));
    StateFixture f(32, 128);
    f.Scribble(1);
    pixador::MergePanel panel;
    if (!panel.LoadMSprite(f.state, path)) bench.SkipWithError("load failed");
    const int mode = static_cast<int>(bench.range(0));
    for (auto _ : bench) {
        panel.MergeMode_Click(f.state, mode);
        benchmark::DoNotOptimize(panel.MergeResult.at(1, 31, 255));
    }
    bench.SetLabel(pixador::MergeModeCaption(mode));
}
BENCHMARK(BM_Merge_32x256)->Name("Merge/32x256")->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// Ok: the checks, the result recomputed and the sprite grown to 256 rows.
void BM_MergeApply_32x256(benchmark::State& bench)
{
    SetTargetMicroseconds(bench, 50);
    pixador::testing::TempDir dir;
    StateFixture file(32, 128);
    const std::string path = dir.File("half.pxd");
    pixador::testing::TempDir::Write(path, pixador::EncodeSprite(file.state));
    StateFixture f(32, 128);
    pixador::MergePanel panel;
    if (!panel.LoadMSprite(f.state, path)) bench.SkipWithError("load failed");
    for (auto _ : bench) {
        bench.PauseTiming();
        pixador::ResizeSprite(f.state, 32, 128);
        f.Scribble(1);
        bench.ResumeTiming();
        benchmark::DoNotOptimize(panel.OkBttn_Click(f.state));
    }
}
BENCHMARK(BM_MergeApply_32x256)->Name("MergeApply/32x256")->Unit(benchmark::kMicrosecond);

}  // namespace
