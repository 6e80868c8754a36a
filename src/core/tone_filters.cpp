#include "core/tone_filters.h"

#include <algorithm>

#include "core/editor_state.h"
#include "core/history.h"
#include "core/whole_sprite.h"

namespace pixador {

// Pixels are independent of each other here, so each row of the area is worked in one pass over
// both planes; nothing outside the area is read or written.
void AdjustLevels(EditorState& state, int delta)
{
    SpriteImage& s = state.sprite;
    const AreaBounds a = WritableArea(state);
    for (int y = a.y1; y <= a.y2; ++y) {
        std::uint8_t* dark = RowOfPlane(s, 0, y);
        std::uint8_t* light = RowOfPlane(s, 1, y);
        for (int x = a.x1; x <= a.x2; ++x) {
            const DarkLight bits = GrayToPlanes(std::clamp(2 * dark[x] + light[x] - delta, 0, 3));
            dark[x] = bits.dark;
            light[x] = bits.light;
        }
    }
    RedrawCanvas(state);
}

void ForceBlackWhite(EditorState& state)
{
    PushUndo(state);
    SpriteImage& s = state.sprite;
    const AreaBounds a = WritableArea(state);
    for (int y = a.y1; y <= a.y2; ++y) {
        std::uint8_t* dark = RowOfPlane(s, 0, y);
        std::uint8_t* light = RowOfPlane(s, 1, y);
        for (int x = a.x1; x <= a.x2; ++x) {
            const DarkLight bits = GrayToPlanes(dark[x] ? kBlack : kWhite);
            dark[x] = bits.dark;
            light[x] = bits.light;
        }
    }
    RedrawCanvas(state);
}

}  // namespace pixador
