#include "core/tone_filters.h"

#include <algorithm>

#include "core/editor_state.h"
#include "core/history.h"
#include "core/whole_sprite.h"

namespace pixador {

namespace {

// Pixels are independent of each other here, so each row of the area is worked in one pass over
// both planes; nothing outside the area is read or written.
template <typename LevelMap>
void MapAreaLevels(EditorState& state, LevelMap map)
{
    SpriteImage& s = state.sprite;
    const AreaBounds a = WritableArea(state);
    for (int y = a.y1; y <= a.y2; ++y) {
        std::uint8_t* dark = RowOfPlane(s, 0, y);
        std::uint8_t* light = RowOfPlane(s, 1, y);
        for (int x = a.x1; x <= a.x2; ++x) {
            const DarkLight bits = GrayToPlanes(map(2 * dark[x] + light[x]));
            dark[x] = bits.dark;
            light[x] = bits.light;
        }
    }
    RedrawCanvas(state);
}

}  // namespace

void AdjustLevels(EditorState& state, int delta)
{
    MapAreaLevels(state, [delta](GrayLevel level) { return std::clamp(level - delta, 0, 3); });
}

void ForceBlackWhite(EditorState& state)
{
    PushUndo(state);
    // The dark bit alone decides: dark gray and black become black.
    MapAreaLevels(state, [](GrayLevel level) { return level >= kDarkGray ? kBlack : kWhite; });
}

}  // namespace pixador
