#include "compose/map_region.h"

#include <algorithm>
#include <cstdlib>

namespace pixador {

namespace {

constexpr int kInitialSide = 32;
// The corner grip: strictly closer than this on both axes.
constexpr int kCornerReach = 3;

}  // namespace

MapRegion::MapRegion(int viewWidth, int viewHeight)
    : width(std::clamp(viewWidth, 1, kInitialSide)),
      height(std::clamp(viewHeight, 1, kInitialSide)),
      viewWidth_(std::max(viewWidth, 1)),
      viewHeight_(std::max(viewHeight, 1))
{
}

void MapRegion::MouseDown(int buttons, int x, int y)
{
    nearCorner = std::abs(x - (left + width)) < kCornerReach && std::abs(y - (top + height)) < kCornerReach;
    resizing = nearCorner;
    MouseMove(buttons, x, y);
}

void MapRegion::MouseMove(int buttons, int x, int y)
{
    nearCorner = std::abs(x - (left + width)) < kCornerReach && std::abs(y - (top + height)) < kCornerReach;
    if (buttons == 0 || !visible) return;
    if (!resizing) {
        left = x;
        top = y;
    } else {
        if (x - left >= 1) width = x - left;
        if (y - top >= 1) height = y - top;
    }
    Clamp();
}

void MapRegion::MouseUp()
{
    resizing = false;
}

void MapRegion::Clamp()
{
    left = std::max(left, 0);
    top = std::max(top, 0);
    if (left >= viewWidth_) left = viewWidth_ - width;
    if (top >= viewHeight_) top = viewHeight_ - height;
    if (left + width > viewWidth_) width = viewWidth_ - left;
    if (top + height > viewHeight_) height = viewHeight_ - top;
}

std::string MapRegion::OriginText() const
{
    return std::to_string(left) + "," + std::to_string(top);
}

}  // namespace pixador
