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

// Cells first..last of a line, step apart: each takes the old cell shift further on, or white
// where that lies outside first..last.
void Slide(const std::uint8_t* old, std::uint8_t* line, int first, int last, int shift, int step)
{
    for (int i = first; i <= last; ++i) line[i * step] = 0;
    const int from = std::max(first, first - shift);
    const int to = std::min(last, last - shift);
    for (int i = from; i <= to; ++i) line[i * step] = old[(i + shift) * step];
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
    SpriteImage& s = state.sprite;
    const int w = s.width;
    const int h = s.height;
    if (axis != 0 && axis != 1) {
        ShowErrorMessage(state, kInvalidWaveAxisMessage);
        RedrawCanvas(state);
        return;
    }
    // Each column (or row) is scanned away from the side its pixels come from, so every pixel
    // takes the old level at its source: GetPixel's white outside the area, else the old cell.
    // Sliding a copy of the old cells into place gives the same, a line of cells at a time.
    const CellBuffer old = s.cells;
    const AreaBounds a = WritableArea(state);
    // Where column x (or row y) of a plane starts in the cells.
    const auto start = [w, h](int plane, int x, int y) { return static_cast<std::size_t>((plane * h + y) * w + x); };
    if (axis == 0) {
        for (int x = a.x1; x <= a.x2; ++x) {
            const int offset = LimitedOffset(WaveOffset(x, w, waveType, maxValue, magnitude));
            for (int plane = 0; plane < 2 && offset != 0; ++plane)
                Slide(&old[start(plane, x, 0)], &s.cells[start(plane, x, 0)], a.y1, a.y2, offset, w);
        }
    } else {
        for (int y = a.y1; y <= a.y2; ++y) {
            const int offset = LimitedOffset(WaveOffset(y, h, waveType, maxValue, magnitude));
            for (int plane = 0; plane < 2 && offset != 0; ++plane)
                Slide(&old[start(plane, 0, y)], &s.cells[start(plane, 0, y)], a.x1, a.x2, -offset, 1);
        }
    }
    RedrawCanvas(state);
}

}  // namespace pixador
