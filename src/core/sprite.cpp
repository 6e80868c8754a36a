#include "core/sprite.h"

#include <algorithm>

#include "core/editor_state.h"

namespace pixador {

bool SizeFitsCells(int width, int height)
{
    return width >= 1 && height >= 1 && 2L * width * height <= kCellCount;
}

PlaneBuffer::PlaneBuffer(int planes, int width, int height)
    : planes_(planes < 0 ? 0 : planes),
      width_(width < 0 ? 0 : width),
      height_(height < 0 ? 0 : height),
      cells_(static_cast<std::size_t>(planes_) * width_ * height_, 0)
{
}

std::uint32_t PlanesToColor(const EditorState& state, int dark, int light)
{
    if (dark == 0 && light == 0) return state.colorSet[0];
    if (dark == 0 && light == 1) return state.colorSet[1];
    if (dark == 1 && light == 0) return state.colorSet[2];
    return state.colorSet[3];
}

std::uint32_t LevelToColor(const EditorState& state, GrayLevel level)
{
    if (level < 0 || level > 3) return 0;
    return state.colorSet[level];
}

AreaBounds ActiveArea(const EditorState& state)
{
    const SelectionArea& s = state.selection;
    if (s.active) return {s.x, s.y, s.x + s.width - 1, s.y + s.height - 1};
    return {0, 0, state.sprite.width - 1, state.sprite.height - 1};
}

bool InActiveArea(const EditorState& state, int x, int y)
{
    const AreaBounds a = ActiveArea(state);
    return a.x1 <= x && x <= a.x2 && a.y1 <= y && y <= a.y2;
}

AreaBounds WritableArea(const EditorState& state)
{
    const AreaBounds a = ActiveArea(state);
    return {std::max(a.x1, 0), std::max(a.y1, 0), std::min<int>(a.x2, state.sprite.width - 1),
            std::min<int>(a.y2, state.sprite.height - 1)};
}

namespace {

// A selection may reach past the sprite (it is kept across edits); never touch cells outside it.
bool InSprite(const SpriteImage& s, int x, int y)
{
    return x >= 0 && y >= 0 && x < s.width && y < s.height;
}

}  // namespace

GrayLevel GetPixel(const EditorState& state, int x, int y)
{
    const SpriteImage& s = state.sprite;
    if (!InActiveArea(state, x, y) || !InSprite(s, x, y)) return kWhite;
    return 2 * GetPlaneBit(s.cells, s.width, s.height, x, y, 0) +
           GetPlaneBit(s.cells, s.width, s.height, x, y, 1);
}

void SetPixel(EditorState& state, int x, int y, GrayLevel level)
{
    SpriteImage& s = state.sprite;
    if (!InActiveArea(state, x, y) || !InSprite(s, x, y)) return;
    const DarkLight bits = GrayToPlanes(level);
    SetPlaneBit(s.cells, s.width, s.height, x, y, 0, bits.dark);
    SetPlaneBit(s.cells, s.width, s.height, x, y, 1, bits.light);
}

int DarkBitInArea(const EditorState& state, int x, int y)
{
    const SpriteImage& s = state.sprite;
    if (!InActiveArea(state, x, y) || !InSprite(s, x, y)) return 0;
    return GetPlaneBit(s.cells, s.width, s.height, x, y, 0);
}

}  // namespace pixador
