// Every transform and filter on the largest sprite (32 x 256), as its menu command runs it.
#include <benchmark/benchmark.h>

#include "bench_report.h"
#include "core/crop_sprite.h"
#include "core/noise_dialog.h"
#include "core/shift_dialog.h"
#include "core/sprite_menu.h"
#include "core/waves_dialog.h"
#include "support/state_fixture.h"

namespace {

using pixador::EditorState;
using pixador::testing::StateFixture;

// Each one promised 100 us of model work; the pixel filters, which work a row of cells at a
// time, 20 us.
constexpr double kTargetMicroseconds = 100;
constexpr double kFilterTargetMicroseconds = 20;

void Run(benchmark::State& bench, void (*command)(EditorState&), double target = kTargetMicroseconds)
{
    SetTargetMicroseconds(bench, target);
    StateFixture f(32, 256);
    f.state.preferences.PromptForErasure = false;
    f.Scribble(3);
    for (auto _ : bench) command(f.state);
}

void BM_Clear(benchmark::State& b) { Run(b, pixador::ClearBttn_Click); }
void BM_FlipHorizontal(benchmark::State& b) { Run(b, pixador::HorizFlip_Click); }
void BM_FlipVertical(benchmark::State& b) { Run(b, pixador::VertFlip_Click); }
void BM_ShiftRight(benchmark::State& b) { Run(b, pixador::ShiftRight_Click); }
void BM_CustomShift(benchmark::State& b) { Run(b, [](EditorState& s) { pixador::OkShift_Click(s, "5", "-7"); }); }
void BM_Lighten(benchmark::State& b) { Run(b, pixador::BrightnesPlusBttn_Click, kFilterTargetMicroseconds); }
void BM_Darken(benchmark::State& b) { Run(b, pixador::BrightnesMinusBttn_Click, kFilterTargetMicroseconds); }
void BM_WhiteAndBlack(benchmark::State& b) { Run(b, pixador::ForceBWBttn_Click, kFilterTargetMicroseconds); }
void BM_Blur(benchmark::State& b) { Run(b, pixador::BlurBttn_Click, kFilterTargetMicroseconds); }
void BM_Noise100(benchmark::State& b)
{
    Run(b, [](EditorState& s) { pixador::NoiseApplyBttn_Click(s, 100); }, kFilterTargetMicroseconds);
}
void BM_WavesX(benchmark::State& b)
{
    Run(b, [](EditorState& s) { pixador::WavesApplyBttn_Click(s, 0, 0, "360", "32"); }, kFilterTargetMicroseconds);
}
void BM_WavesY(benchmark::State& b)
{
    Run(b, [](EditorState& s) { pixador::WavesApplyBttn_Click(s, 1, 1, "720", "4"); }, kFilterTargetMicroseconds);
}
// A turn of 32 x 256 gives 32 x 32: the tall sprite is restored outside the timing.
void BM_RotateClockwise(benchmark::State& b)
{
    SetTargetMicroseconds(b, kTargetMicroseconds);
    StateFixture f(32, 256);
    f.state.preferences.PromptForErasure = false;
    for (auto _ : b) {
        b.PauseTiming();
        pixador::ResizeSprite(f.state, 32, 256);
        f.Scribble(3);
        b.ResumeTiming();
        pixador::RotateRightBttn_Click(f.state);
    }
}
void BM_CropWholeSprite(benchmark::State& b)
{
    Run(b, [](EditorState& s) {
        s.selection = {true, 0, 0, 32, 256};
        pixador::CropBttn_Click(s);
    });
}

BENCHMARK(BM_Clear)->Name("Clear/32x256")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FlipHorizontal)->Name("FlipHorizontal/32x256")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FlipVertical)->Name("FlipVertical/32x256")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShiftRight)->Name("ShiftRight/32x256")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CustomShift)->Name("CustomShift/32x256")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Lighten)->Name("Lighten/32x256")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Darken)->Name("Darken/32x256")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WhiteAndBlack)->Name("WhiteAndBlack/32x256")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Blur)->Name("Blur/32x256")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Noise100)->Name("Noise100/32x256")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WavesX)->Name("WavesX/32x256")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WavesY)->Name("WavesY/32x256")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RotateClockwise)->Name("RotateClockwise/32x256")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CropWholeSprite)->Name("CropWholeSprite/32x256")->Unit(benchmark::kMicrosecond);

}  // namespace
