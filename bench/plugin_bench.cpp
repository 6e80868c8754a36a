// Opening the plug-in dialog over 20 plug-ins, and one application on the tallest sprite, each
// through the real plugrun with the plug-ins loaded and freed around every call.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_report.h"
#include "compose/plugin_form_logic.h"
#include "core/history.h"
#include "support/state_fixture.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using pixador::PlugInFormLogic;
using pixador::PlugRunLibrary;

constexpr const char* kSamples[] = {"bw_dither.so", "checker.so", "gradient.so", "outline.so"};

// A program folder with plugrun and filters/ holding copies of the samples, count in all.
void MakeProgramFolder(const pixador::testing::TempDir& dir, int count)
{
    const fs::path bin = PIXADOR_BIN_DIR;
    fs::create_symlink(bin / pixador::PlugRunFileName(), dir.File(pixador::PlugRunFileName()));
    fs::create_directory(dir.File("filters"));
    for (int i = 0; i < count; ++i)
        fs::copy_file(bin / "filters" / kSamples[i % 4], dir.File("filters/p" + std::to_string(i) + ".so"));
}

void BM_OpenDialogOverTwentyPlugIns(benchmark::State& bench)
{
    SetTargetMicroseconds(bench, 20000);
    pixador::testing::TempDir dir;
    MakeProgramFolder(dir, 20);
    pixador::testing::StateFixture f(32, 32);
    PlugRunLibrary plugrun(dir.str());
    for (auto _ : bench) {
        PlugInFormLogic form(f.state, plugrun, dir.str());
        form.Form_Load();
        if (form.plugInList.size() != 20) bench.SkipWithError("plug-ins missing");
    }
}
BENCHMARK(BM_OpenDialogOverTwentyPlugIns)->Name("OpenPlugInDialog/20_plug-ins")->Unit(benchmark::kMillisecond);

void BM_ApplySamplePlugIn_32x256(benchmark::State& bench)
{
    SetTargetMicroseconds(bench, 2000);
    pixador::testing::TempDir dir;
    MakeProgramFolder(dir, 4);
    pixador::testing::StateFixture f(32, 256);
    f.Scribble(3);
    PlugRunLibrary plugrun(dir.str());
    PlugInFormLogic form(f.state, plugrun, dir.str());
    form.Form_Load();
    form.PlugInList_Click(static_cast<int>(bench.range(0)));
    bench.SetLabel(kSamples[bench.range(0)]);
    for (auto _ : bench) {
        if (!form.ApplyFilter_Click()) bench.SkipWithError("plug-in failed");
        benchmark::DoNotOptimize(f.state.sprite.cells.data());
    }
}
BENCHMARK(BM_ApplySamplePlugIn_32x256)->Name("ApplySamplePlugIn/32x256")->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

}  // namespace
