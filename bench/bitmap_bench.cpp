// Bitmap import: reading a 400 x 400 RLE8 file with its gray table, and one capture of the
// largest sprite with brightness and its preview colours.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_report.h"
#include "compose/bmp_reader.h"
#include "compose/capture_area.h"
#include "support/state_fixture.h"

namespace {

void Put(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// Rows mixing short encoded runs and absolute runs, like a drawing with detail.
std::string Rle8Bitmap(int side)
{
    std::string out = "BM";
    Put(out, 0, 8);
    Put(out, 14 + 40 + 1024, 4);
    Put(out, 40, 4);
    Put(out, static_cast<std::uint32_t>(side), 4);
    Put(out, static_cast<std::uint32_t>(side), 4);
    Put(out, 1, 2);
    Put(out, 8, 2);
    Put(out, 1, 4);
    Put(out, 0, 20);
    for (int i = 0; i < 256; ++i) Put(out, static_cast<std::uint32_t>(i * 0x030507), 4);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side;) {
            if ((x / 10 + y) % 3 == 0 && x + 6 <= side) {
                out += '\0';
                out += '\6';
                for (int k = 0; k < 6; ++k) out += static_cast<char>((x + k + y) & 0xFF);
                x += 6;
            } else {
                const int n = std::min(7, side - x);
                out += static_cast<char>(n);
                out += static_cast<char>((x * 3 + y) & 0xFF);
                x += n;
            }
        }
        out += '\0';
        out += '\0';
    }
    out += '\0';
    out += '\1';
    return out;
}

void BM_ReadRle8Bitmap_400x400(benchmark::State& bench)
{
    SetTargetMicroseconds(bench, 1000);
    const std::string file = Rle8Bitmap(400);
    pixador::BitmapImage image;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(pixador::DecodeBitmap(file, image));
        benchmark::DoNotOptimize(image.pixels.data());
    }
}
BENCHMARK(BM_ReadRle8Bitmap_400x400)->Name("ReadRle8BitmapWithGrayTable/400x400")->Unit(benchmark::kMicrosecond);

void BM_Capture_32x256_WithBrightness(benchmark::State& bench)
{
    SetTargetMicroseconds(bench, 100);
    pixador::testing::StateFixture f;
    pixador::BitmapImage image;
    pixador::DecodeBitmap(Rle8Bitmap(400), image);
    pixador::BitmapCapture capture(f.state, image);
    capture.AreaXStart_Change(100);
    capture.AreaYStart_Change(60);
    int brightness = -50;
    for (auto _ : bench) {
        capture.BrightnessBar_Change(brightness);
        brightness = brightness == 50 ? -50 : brightness + 1;
        benchmark::DoNotOptimize(capture.preview().data());
    }
}
BENCHMARK(BM_Capture_32x256_WithBrightness)->Name("CaptureWithBrightnessAndPreview/32x256")->Unit(benchmark::kMicrosecond);

}  // namespace
