#include "core/noise_filter.h"

#include <algorithm>

#include "core/editor_state.h"
#include "core/editor_view.h"
#include "core/numbers.h"
#include "core/whole_sprite.h"

namespace pixador {

namespace {

// SplitMix64: uniform, and cheap enough for a draw per pixel of the largest sprite. A draw is
// r = k / 2^32 in [0, 1) for 32 random bits k; floor(r * n) is then exactly (k * n) >> 32.
class UnitRandom {
public:
    explicit UnitRandom(std::uint32_t seed) : state_(seed) {}
    // floor(r * n) for the next r.
    int Pick(int n)
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        z ^= z >> 31;
        return static_cast<int>(((z >> 32) * static_cast<std::uint64_t>(n)) >> 32);
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
    UnitRandom random(NoiseSeed(state.view->Now()));
    // SetPixel's own test, with the area worked out once: draws outside it change nothing.
    const AreaBounds a = WritableArea(state);
    std::uint8_t* const dark = RowOfPlane(state.sprite, 0, 0);
    std::uint8_t* const light = RowOfPlane(state.sprite, 1, 0);
    for (long i = 0; i < draws; ++i) {
        const int x = random.Pick(w);
        const int y = random.Pick(h);
        const int level = random.Pick(4);
        if (x < a.x1 || x > a.x2 || y < a.y1 || y > a.y2) continue;
        const DarkLight bits = GrayToPlanes(level);
        dark[y * w + x] = bits.dark;
        light[y * w + x] = bits.light;
    }
    RedrawCanvas(state);
}

}  // namespace pixador
