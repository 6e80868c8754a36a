#include "core/scaling.h"

#include <algorithm>
#include <cmath>

#include "core/editor_state.h"
#include "core/whole_sprite.h"

namespace pixador {

namespace {

// GetPixel with the active area worked out once for a whole scaling pass.
class PixelReader {
public:
    explicit PixelReader(const EditorState& state) : s_(state.sprite)
    {
        const AreaBounds a = ActiveArea(state);
        x1_ = std::max(a.x1, 0);
        y1_ = std::max(a.y1, 0);
        x2_ = std::min<int>(a.x2, s_.width - 1);
        y2_ = std::min<int>(a.y2, s_.height - 1);
    }
    float operator()(int x, int y) const
    {
        if (x < x1_ || x > x2_ || y < y1_ || y > y2_) return 0;
        return static_cast<float>(2 * GetPlaneBit(s_.cells, s_.width, s_.height, x, y, 0) +
                                  GetPlaneBit(s_.cells, s_.width, s_.height, x, y, 1));
    }

private:
    const SpriteImage& s_;
    int x1_, y1_, x2_, y2_;
};

GrayLevel Sample(const PixelReader& pixel, float fx, float fy)
{
    const int x0 = static_cast<int>(std::floor(fx));
    const int y0 = static_cast<int>(std::floor(fy));
    const float a = pixel(x0, y0);
    const float b = pixel(x0 + 1, y0);
    const float c = pixel(x0, y0 + 1);
    const float d = pixel(x0 + 1, y0 + 1);
    const float tx = fx - static_cast<float>(x0);
    const float ty = fy - static_cast<float>(y0);
    const float top = (b - a) * tx + a;
    const float bottom = (d - c) * tx + c;
    const float value = (bottom - top) * ty + top;
    return std::clamp(static_cast<int>(std::floor(value)), 0, 3);
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
    PlaneBuffer scaled(2, width, height);
    const PixelReader pixel(state);
    for (int nx = 0; nx < width; ++nx) {
        for (int ny = 0; ny < height; ++ny) {
            const DarkLight bits = GrayToPlanes(Sample(pixel, nx * sx, ny * sy));
            scaled.at(0, nx, ny) = bits.dark;
            scaled.at(1, nx, ny) = bits.light;
        }
    }
    ResizeSprite(state, width, height);
    SpriteImage& s = state.sprite;
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            SetPlaneBit(s.cells, width, height, x, y, 0, scaled.at(0, x, y));
            SetPlaneBit(s.cells, width, height, x, y, 1, scaled.at(1, x, y));
        }
    }
    // ResizeSprite painted the sprite before the scaled pixels were in.
    RedrawCanvas(state);
}

}  // namespace pixador
