#include "core/flip_sprite.h"

#include <utility>

#include "core/editor_state.h"
#include "core/history.h"
#include "core/numbers.h"
#include "core/whole_sprite.h"

namespace pixador {

namespace {

void SwapPixels(SpriteImage& s, int xa, int ya, int xb, int yb)
{
    for (int p = 0; p < 2; ++p) {
        std::uint8_t& a = s.cells[(p * s.height + ya) * s.width + xa];
        std::uint8_t& b = s.cells[(p * s.height + yb) * s.width + xb];
        std::swap(a, b);
    }
}

// The last index of the first half; for odd sizes the middle may be swapped with itself.
int LastSwapped(int size)
{
    return static_cast<int>(RoundHalfEven(size / 2.0 - 1));
}

}  // namespace

void FlipHorizontal(EditorState& state)
{
    PushUndo(state);
    SpriteImage& s = state.sprite;
    const int m = LastSwapped(s.width);
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x <= m; ++x) SwapPixels(s, x, y, s.width - 1 - x, y);
    RedrawCanvas(state);
}

void FlipVertical(EditorState& state)
{
    PushUndo(state);
    SpriteImage& s = state.sprite;
    const int m = LastSwapped(s.height);
    for (int x = 0; x < s.width; ++x)
        for (int y = 0; y <= m; ++y) SwapPixels(s, x, y, x, s.height - 1 - y);
    RedrawCanvas(state);
}

}  // namespace pixador
