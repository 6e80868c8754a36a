#include "core/waves_filter.h"

#include <algorithm>
#include <cmath>

#include "core/editor_state.h"
#include "core/numbers.h"
#include "core/prompts.h"
#include "core/whole_sprite.h"

namespace pixador {

namespace {

constexpr double kMin16 = -32768;
constexpr double kMax16 = 32767;

// Offsets past any sprite side move everything out; limiting them keeps the sums in range.
int LimitedOffset(double offset)
{
    return static_cast<int>(std::clamp(offset, -1024.0, 1024.0));
}

// The scanned coordinates run from shift to count - 1 + shift.
bool ReadsFit(double offset, double shift, int count)
{
    return offset >= kMin16 && offset <= kMax16 && shift >= kMin16 && count - 1 + shift <= kMax16;
}

}  // namespace

double WaveOffset(int index, int count, int waveType, int maxValue, int magnitude)
{
    const float angle = static_cast<float>(static_cast<double>(index + 1) / count * maxValue);
    const float radians = static_cast<float>(static_cast<double>(angle) * 0.0174532925);
    const double wave = waveType == 0 ? std::sin(static_cast<double>(radians)) : std::cos(static_cast<double>(radians));
    return RoundHalfEven(magnitude * wave);
}

bool WavesFit(const EditorState& state, int axis, int waveType, int maxValue, int magnitude)
{
    const int w = state.sprite.width;
    const int h = state.sprite.height;
    if (axis == 0) {
        for (int x = 0; x < w; ++x) {
            const double offset = WaveOffset(x, w, waveType, maxValue, magnitude);
            if (!ReadsFit(offset, offset, h)) return false;
        }
    } else if (axis == 1) {
        for (int y = 0; y < h; ++y) {
            const double offset = WaveOffset(y, h, waveType, maxValue, magnitude);
            if (!ReadsFit(offset, -offset, w)) return false;
        }
    }
    return true;
}

void ApplyWaves(EditorState& state, int axis, int waveType, int maxValue, int magnitude)
{
    const int w = state.sprite.width;
    const int h = state.sprite.height;
    if (axis == 0) {
        for (int x = 0; x < w; ++x) {
            const int offset = LimitedOffset(WaveOffset(x, w, waveType, maxValue, magnitude));
            // Scanning away from the side the pixels come from reads each before it is overwritten.
            if (offset > 0)
                for (int y = 0; y < h; ++y) SetPixel(state, x, y, GetPixel(state, x, y + offset));
            else if (offset < 0)
                for (int y = h - 1; y >= 0; --y) SetPixel(state, x, y, GetPixel(state, x, y + offset));
        }
    } else if (axis == 1) {
        for (int y = 0; y < h; ++y) {
            const int offset = LimitedOffset(WaveOffset(y, h, waveType, maxValue, magnitude));
            if (offset < 0)
                for (int x = 0; x < w; ++x) SetPixel(state, x, y, GetPixel(state, x - offset, y));
            else if (offset > 0)
                for (int x = w - 1; x >= 0; --x) SetPixel(state, x, y, GetPixel(state, x - offset, y));
        }
    } else {
        ShowErrorMessage(state, kInvalidWaveAxisMessage);
    }
    RedrawCanvas(state);
}

}  // namespace pixador
