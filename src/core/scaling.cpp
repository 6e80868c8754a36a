#include "core/scaling.h"

#include <algorithm>
#include <cmath>

#include "core/editor_state.h"
#include "core/whole_sprite.h"

namespace pixador {

GrayLevel SampleBilinear(const EditorState& state, float fx, float fy)
{
    const int x0 = static_cast<int>(std::floor(fx));
    const int y0 = static_cast<int>(std::floor(fy));
    const float a = static_cast<float>(GetPixel(state, x0, y0));
    const float b = static_cast<float>(GetPixel(state, x0 + 1, y0));
    const float c = static_cast<float>(GetPixel(state, x0, y0 + 1));
    const float d = static_cast<float>(GetPixel(state, x0 + 1, y0 + 1));
    const float tx = fx - static_cast<float>(x0);
    const float ty = fy - static_cast<float>(y0);
    const float top = (b - a) * tx + a;
    const float bottom = (d - c) * tx + c;
    const float value = (bottom - top) * ty + top;
    return std::clamp(static_cast<int>(std::floor(value)), 0, 3);
}

void ScaleSprite(EditorState& state, int width, int height)
{
    if (!SizeFitsCells(width, height)) return;
    const float sx = static_cast<float>(state.sprite.width) / static_cast<float>(width);
    const float sy = static_cast<float>(state.sprite.height) / static_cast<float>(height);
    PlaneBuffer scaled(2, width, height);
    for (int nx = 0; nx < width; ++nx) {
        for (int ny = 0; ny < height; ++ny) {
            const DarkLight bits = GrayToPlanes(SampleBilinear(state, nx * sx, ny * sy));
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
}

}  // namespace pixador
