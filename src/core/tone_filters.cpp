#include "core/tone_filters.h"

#include <algorithm>

#include "core/editor_state.h"
#include "core/history.h"
#include "core/whole_sprite.h"

namespace pixador {

void AdjustLevels(EditorState& state, int delta)
{
    const SpriteImage& s = state.sprite;
    for (int x = 0; x < s.width; ++x)
        for (int y = 0; y < s.height; ++y) SetPixel(state, x, y, std::clamp(GetPixel(state, x, y) - delta, 0, 3));
    RedrawCanvas(state);
}

void ForceBlackWhite(EditorState& state)
{
    PushUndo(state);
    const SpriteImage& s = state.sprite;
    for (int x = 0; x < s.width; ++x)
        for (int y = 0; y < s.height; ++y) SetPixel(state, x, y, DarkBitInArea(state, x, y) ? kBlack : kWhite);
    RedrawCanvas(state);
}

}  // namespace pixador
