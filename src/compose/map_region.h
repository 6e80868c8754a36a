#pragma once
// The map tool's rectangle on the picture view: dragged by its body, resized by its
// bottom-right corner, always kept on the picture.

#include <string>

namespace pixador {

class MapRegion {
public:
    // A 32 x 32 rectangle at the top-left corner, smaller on a smaller picture.
    MapRegion(int viewWidth, int viewHeight);

    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = false;  // the tool is shown
    bool resizing = false;
    bool nearCorner = false;

    // The diagonal sizing pointer instead of the default one.
    bool SizingCursor() const { return (resizing || nearCorner) && visible; }

    // buttons: 0 when none is held.
    void MouseDown(int buttons, int x, int y);
    void MouseMove(int buttons, int x, int y);
    void MouseUp();

    // `MapOriginLabel`, `MapWidthLabel`, `MapHeightLabel`.
    std::string OriginText() const;
    std::string WidthText() const { return std::to_string(width); }
    std::string HeightText() const { return std::to_string(height); }

private:
    void Clamp();

    int viewWidth_;
    int viewHeight_;
};

}  // namespace pixador
