#include "core/scaling.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/editor_state.h"
#include "core/whole_sprite.h"

namespace pixador {

namespace {

// GetPixel with the active area worked out once for a whole scaling pass.
class PixelReader {
public:
    explicit PixelReader(const EditorState& state) : s_(state.sprite), a_(WritableArea(state)) {}
    float operator()(int x, int y) const
    {
        if (x < a_.x1 || x > a_.x2 || y < a_.y1 || y > a_.y2) return 0;
        return static_cast<float>(2 * GetPlaneBit(s_.cells, s_.width, s_.height, x, y, 0) +
                                  GetPlaneBit(s_.cells, s_.width, s_.height, x, y, 1));
    }

private:
    const SpriteImage& s_;
    AreaBounds a_;
};

// A sampling position on one axis: the cell at or before it, rounded down, and how far past it.
struct Tap {
    int cell;
    float t;
};

Tap TapAt(float f)
{
    const int cell = static_cast<int>(std::floor(f));
    return {cell, f - static_cast<float>(cell)};
}

// (to - from) * t + from in single precision: each of the blend's three steps.
float Lerp(float from, float to, float t) { return (to - from) * t + from; }

// The blended value rounded down and limited to 0..3. Truncation rounds down every value the
// limit keeps (a value between -1 and 0 truncates to 0, which the limit gives it anyway).
GrayLevel LevelOf(float value) { return std::clamp(static_cast<int>(value), 0, 3); }

// a, b (right of a), c (below a) and d: top := a to b by tx, bottom := c to d by tx, then top to
// bottom by ty.
GrayLevel Sample(const PixelReader& pixel, float fx, float fy)
{
    const Tap x = TapAt(fx);
    const Tap y = TapAt(fy);
    const float top = Lerp(pixel(x.cell, y.cell), pixel(x.cell + 1, y.cell), x.t);
    const float bottom = Lerp(pixel(x.cell, y.cell + 1), pixel(x.cell + 1, y.cell + 1), x.t);
    return LevelOf(Lerp(top, bottom, y.t));
}

// The taps of every new column (or row), step old cells apart.
std::vector<Tap> Taps(int count, float step)
{
    std::vector<Tap> taps(count);
    for (int n = 0; n < count; ++n) taps[n] = TapAt(static_cast<float>(n) * step);
    return taps;
}

}  // namespace

GrayLevel SampleBilinear(const EditorState& state, float fx, float fy)
{
    return Sample(PixelReader(state), fx, fy);
}

void ScaleSprite(EditorState& state, int width, int height)
{
    if (!SizeFitsCells(width, height)) return;
    const float sx = static_cast<float>(state.sprite.width) / static_cast<float>(width);
    const float sy = static_cast<float>(state.sprite.height) / static_cast<float>(height);
    // SampleBilinear(nx * sx, ny * sy) for every new pixel. The old levels are read once into a
    // grid (0 outside the active area, and a white column and row past the last). Its top and
    // bottom blend one old row across to a new column's tap; those are worked out once for every
    // old row and new column, so each new pixel only blends the two rows around its tap.
    const std::vector<Tap> columns = Taps(width, sx);
    const std::vector<Tap> rows = Taps(height, sy);
    const int oldW = state.sprite.width;
    const int oldH = state.sprite.height;
    std::vector<float> level(static_cast<std::size_t>(oldW + 1) * (oldH + 1), 0.0f);
    const AreaBounds a = WritableArea(state);
    for (int y = a.y1; y <= a.y2; ++y) {
        const std::uint8_t* dark = RowOfPlane(state.sprite, 0, y);
        const std::uint8_t* light = RowOfPlane(state.sprite, 1, y);
        for (int x = a.x1; x <= a.x2; ++x) level[y * (oldW + 1) + x] = static_cast<float>(2 * dark[x] + light[x]);
    }
    std::vector<float> across(static_cast<std::size_t>(oldH + 1) * width);
    for (int y = 0; y <= oldH; ++y) {
        const float* row = &level[y * (oldW + 1)];
        for (int nx = 0; nx < width; ++nx)
            across[y * width + nx] = Lerp(row[columns[nx].cell], row[columns[nx].cell + 1], columns[nx].t);
    }

    CellBuffer scaled{};
    for (int ny = 0; ny < height; ++ny) {
        const Tap y = rows[ny];
        const float* top = &across[y.cell * width];
        const float* bottom = top + width;
        std::uint8_t* dark = &scaled[ny * width];
        std::uint8_t* light = &scaled[(height + ny) * width];
        for (int nx = 0; nx < width; ++nx) {
            const DarkLight bits = GrayToPlanes(LevelOf(Lerp(top[nx], bottom[nx], y.t)));
            dark[nx] = bits.dark;
            light[nx] = bits.light;
        }
    }
    ResizeSprite(state, width, height);
    std::copy_n(scaled.begin(), 2 * width * height, state.sprite.cells.begin());
    // ResizeSprite painted the sprite before the scaled pixels were in.
    RedrawCanvas(state);
}

}  // namespace pixador
