// Pencil stroke, flood fill and paste on the largest sprite, model side.
#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "bench_report.h"
#include "canvas/clipboard.h"
#include "canvas/drawing_tools.h"
#include "canvas/fill_tools.h"
#include "canvas/stroke_cell.h"
#include "canvas/tool_windows.h"
#include "core/sprite.h"
#include "support/state_fixture.h"

namespace {

using pixador::testing::FakeEditorView;

// Paints every pixel into eight 5x-zoomed preview images, as open previews would.
class PreviewingView : public FakeEditorView {
public:
    explicit PreviewingView(const pixador::EditorState*& state) : state_(state)
    {
        for (auto& p : previews) p.assign(32 * 5 * 256 * 5, 0);
    }
    void PaintPixel(int x, int y) override
    {
        const pixador::SpriteImage& s = state_->sprite;
        const std::uint32_t colour = pixador::PlanesToColor(
            *state_, pixador::GetPlaneBit(s.cells, s.width, s.height, x, y, 0),
            pixador::GetPlaneBit(s.cells, s.width, s.height, x, y, 1));
        for (auto& p : previews)
            for (int j = 0; j < 5; ++j)
                for (int i = 0; i < 5; ++i) p[(y * 5 + j) * 160 + x * 5 + i] = colour;
        ++painted;
    }
    std::array<std::vector<std::uint32_t>, 8> previews;
    long painted = 0;

private:
    const pixador::EditorState*& state_;
};

class SilentView : public FakeEditorView {
public:
    void PaintPixel(int, int) override {}
};

void BM_PencilStrokeEightPreviews_32x256(benchmark::State& bench)
{
    const pixador::EditorState* current = nullptr;
    PreviewingView view(current);
    pixador::EditorState state(view);
    current = &state;
    pixador::ResizeSprite(state, 32, 256);
    state.zoom = 1;
    for (auto _ : bench) {
        pixador::DrawArea_MouseDown(state, 1, 0, 0, 0);
        for (int y = 0; y < 256; ++y) pixador::DrawArea_MouseMove(state, 1, 0, y % 32, y);
        pixador::DrawArea_MouseUp(state, 1, 0, 0, 0);
    }
    bench.counters["us_per_stamp"] = benchmark::Counter(static_cast<double>(view.painted) * 1e-6,
                                                        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PencilStrokeEightPreviews_32x256)->Name("PencilStrokeEightPreviews/32x256")->Unit(benchmark::kMicrosecond);

void BM_FloodFillWhole_32x256(benchmark::State& bench)
{
    SetTargetMicroseconds(bench, 30);
    SilentView view;
    pixador::EditorState state(view);
    pixador::ResizeSprite(state, 32, 256);
    int level = pixador::kBlack;
    for (auto _ : bench) {
        pixador::FloodFill(state, 5, 5, level);
        level = level == pixador::kBlack ? pixador::kWhite : pixador::kBlack;
    }
}
BENCHMARK(BM_FloodFillWhole_32x256)->Name("FloodFillWhole/32x256")->Unit(benchmark::kMicrosecond);

void BM_Paste_32x256(benchmark::State& bench)
{
    SilentView view;
    pixador::EditorState state(view);
    pixador::ResizeSprite(state, 32, 256);
    state.clipboard = {true, 32, 256, {}};
    for (int i = 0; i < pixador::kCellCount; i += 3) state.clipboard.cells[i] = 1;
    for (auto _ : bench) {
        pixador::PasteClipboardAt(state, {0, 0});
        benchmark::DoNotOptimize(state.sprite.cells.data());
    }
}
BENCHMARK(BM_Paste_32x256)->Name("Paste/32x256")->Unit(benchmark::kMicrosecond);

}  // namespace
