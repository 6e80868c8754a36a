// pxdtool pack's model side: masks made, frames packed and written as C.
#include <benchmark/benchmark.h>

#include "bench_report.h"
#include "compose/frame_packing.h"
#include "compose/packed_source.h"
#include "compose/transparency.h"
#include "files/preferences.h"

namespace {

// A filled circle with a hole in the middle, on white: the outline has work inside and out.
pixador::PlaneBuffer Frame(int seed)
{
    pixador::PlaneBuffer p(2, 32, 32);
    for (int x = 0; x < 32; ++x)
        for (int y = 0; y < 32; ++y) {
            const int d = (x - 16) * (x - 16) + (y - 16) * (y - 16);
            if (d > 14 * 14 || d < 9) continue;
            const int level = 1 + (x + y + seed) % 3;
            p.at(0, x, y) = static_cast<std::uint8_t>(level >> 1);
            p.at(1, x, y) = static_cast<std::uint8_t>(level & 1);
        }
    return p;
}

void BM_Pack_100x32x32(benchmark::State& bench)
{
    SetTargetMicroseconds(bench, 2000);
    std::vector<pixador::PlaneBuffer> frames;
    for (int i = 0; i < 100; ++i) frames.push_back(Frame(i));
    const pixador::Preferences prefs;
    pixador::PackOptions options;
    options.layout = static_cast<pixador::FrameLayout>(bench.range(0));
    for (auto _ : bench) {
        pixador::FrameSet set;
        set.frames = frames;
        for (const pixador::PlaneBuffer& frame : set.frames) set.masks.push_back(pixador::OutlineMask(frame));
        const std::string text = pixador::PackedCText(prefs, pixador::PackFrames(set, options), "hero");
        benchmark::DoNotOptimize(text.data());
    }
    static const char* const kLayouts[] = {"planes, outline", "interlaced, outline", "interlaced-mask, outline"};
    bench.SetLabel(kLayouts[bench.range(0)]);
}
BENCHMARK(BM_Pack_100x32x32)->Name("Pack/100_frames_32x32")->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

}  // namespace
