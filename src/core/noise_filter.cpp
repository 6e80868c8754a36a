#include "core/noise_filter.h"

#include <algorithm>

#include "core/editor_state.h"
#include "core/editor_view.h"
#include "core/numbers.h"
#include "core/whole_sprite.h"

namespace pixador {

namespace {

// One point of noise: a place and a level.
struct NoiseDraw {
    int x;
    int y;
    GrayLevel level;
};

// SplitMix64, one value a draw: its 64 uniform bits give the three numbers of a draw, each
// floor(r * n) for its own r = k / 2^b in [0, 1) made of b of those bits (exactly (k * n) >> b).
// Three values a draw would spend most of the filter's time in the generator's multiplications.
class NoiseRandom {
public:
    explicit NoiseRandom(std::uint32_t seed) : state_(seed) {}
    NoiseDraw Next(int width, int height)
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        z ^= z >> 31;
        return {static_cast<int>(((z >> 40) * static_cast<std::uint64_t>(width)) >> 24),
                static_cast<int>(((z & 0xFFFFFFFFu) * static_cast<std::uint64_t>(height)) >> 32),
                static_cast<GrayLevel>((z >> 32) & 3)};
    }

private:
    std::uint64_t state_;
};

}  // namespace

std::uint32_t NoiseSeed(const ClockTime& t)
{
    return static_cast<std::uint32_t>(((t.hour * 60 + t.minute) * 60 + t.second) * 1000 + t.millisecond);
}

void AddNoise(EditorState& state, int percent)
{
    percent = std::clamp(percent, 0, 100);
    const int w = state.sprite.width;
    const int h = state.sprite.height;
    const float share = static_cast<float>(w * h) * (static_cast<float>(percent) / 100.0f);
    const long draws = static_cast<long>(RoundHalfEven(share));
    NoiseRandom random(NoiseSeed(state.view->Now()));
    // SetPixel's own test, with the area worked out once: draws outside it change nothing.
    const AreaBounds a = WritableArea(state);
    std::uint8_t* const dark = RowOfPlane(state.sprite, 0, 0);
    std::uint8_t* const light = RowOfPlane(state.sprite, 1, 0);
    for (long i = 0; i < draws; ++i) {
        const auto [x, y, level] = random.Next(w, h);
        if (x < a.x1 || x > a.x2 || y < a.y1 || y > a.y2) continue;
        const DarkLight bits = GrayToPlanes(level);
        dark[y * w + x] = bits.dark;
        light[y * w + x] = bits.light;
    }
    RedrawCanvas(state);
}

}  // namespace pixador
