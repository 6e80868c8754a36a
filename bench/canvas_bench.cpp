// Painting the canvas window, offscreen.
#include <QApplication>
#include <QMdiSubWindow>

#include <benchmark/benchmark.h>

#include "bench_report.h"
#include "canvas/color_sets.h"
#include "canvas/ui/draw_form.h"
#include "core/app/qt_editor_view.h"
#include "core/editor_state.h"
#include "core/whole_sprite.h"
#include "support/state_fixture.h"

namespace {

QApplication& App()
{
    static int argc = 1;
    static char name[] = "pixador_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

struct CanvasRig {
    explicit CanvasRig(QSize window) : state(view)
    {
        state.lcdColors = true;
        ApplyColorSet(state);
        view.CheckCommand("GridOn", true);
        form.resize(window);
        ResizeSprite(state, 32, 256);
        for (int x = 0; x < 32; ++x)
            for (int y = 0; y < 256; ++y) SetPixel(state, x, y, (x + y) % 4);
        form.Form_Resize();
    }
    // The application exists before the first widget.
    QApplication& app = App();
    // The fake view keeps the grid checked; painting goes straight to the form.
    pixador::testing::FakeEditorView view;
    pixador::EditorState state;
    pixador::DrawForm form{state};
};

void BM_RedrawCanvas_32x256_Zoom24_Window1000x800(benchmark::State& bench)
{
    CanvasRig rig(QSize(1000, 800));
    for (auto _ : bench) rig.form.Redraw();
    bench.counters["cells"] = (rig.state.viewWindow.x1 - rig.state.viewWindow.x0) * (rig.state.viewWindow.y1 - rig.state.viewWindow.y0);
}
BENCHMARK(BM_RedrawCanvas_32x256_Zoom24_Window1000x800)->Name("RedrawCanvasZoom24/32x256_in_1000x800")->Unit(benchmark::kMicrosecond);

void BM_RedrawCanvas_32x256_Zoom24_WholePicture(benchmark::State& bench)
{
    // About 19 MB of pixels written once.
    SetTargetMicroseconds(bench, 2000);
    CanvasRig rig(QSize(32 * 24 + 40, 256 * 24 + 40));
    for (auto _ : bench) rig.form.Redraw();
    bench.counters["width"] = rig.form.Picture().width();
    bench.counters["height"] = rig.form.Picture().height();
}
BENCHMARK(BM_RedrawCanvas_32x256_Zoom24_WholePicture)->Name("RedrawCanvasZoom24/32x256_whole")->Unit(benchmark::kMillisecond);

void BM_PaintPixel_Zoom24(benchmark::State& bench)
{
    CanvasRig rig(QSize(1000, 800));
    int i = 0;
    for (auto _ : bench) {
        rig.form.PaintPixel(i % 32, (i / 32) % 20);
        ++i;
    }
}
BENCHMARK(BM_PaintPixel_Zoom24)->Name("PaintPixelZoom24/1x1")->Unit(benchmark::kMicrosecond);

}  // namespace
