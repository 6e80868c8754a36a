#include "core/noise_filter.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "core/editor_state.h"
#include "core/editor_view.h"
#include "core/numbers.h"
#include "core/whole_sprite.h"

namespace pixador {

namespace {

// Uniform in [0, 1): 32 random bits over 2^32 never reach 1.
class UnitRandom {
public:
    explicit UnitRandom(std::uint32_t seed) : engine_(seed) {}
    double Next() { return engine_() * (1.0 / 4294967296.0); }

private:
    std::mt19937 engine_;
};

int Pick(double r, int n) { return std::min(static_cast<int>(std::floor(r * n)), n - 1); }

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
    for (long i = 0; i < draws; ++i) {
        const int x = Pick(random.Next(), w);
        const int y = Pick(random.Next(), h);
        const int level = Pick(random.Next(), 4);
        SetPixel(state, x, y, level);
    }
    RedrawCanvas(state);
}

}  // namespace pixador
