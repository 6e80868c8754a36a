#include "canvas/canvas_layout.h"

#include <algorithm>
#include <cmath>

#include "canvas/selection.h"
#include "core/editor_state.h"
#include "core/editor_view.h"
#include "core/numbers.h"

namespace pixador {

namespace {

// Nearest whole number, halves to even; wild values are held far outside any window.
long Nearest(double v)
{
    return static_cast<long>(RoundHalfEven(std::clamp(v, -1.0e9, 1.0e9)));
}

int Zoom(const EditorState& state)
{
    return std::clamp<int>(state.zoom, kMinZoom, kMaxZoom);
}

// Steps 1 to 7 of one pass; false when a bar had to appear (the caller runs another pass).
bool LayoutPass(EditorState& state, CanvasWindowInput& in, CanvasWindowLayout& out)
{
    const FrameMetrics& fm = state.frameMetrics;
    int rw = 2 * fm.frameWidth + 50;
    int rh = 2 * fm.frameHeight + fm.captionHeight + 50;
    if (in.vScrollVisible) rw += in.vScrollWidth;
    if (in.hScrollVisible) rh += in.hScrollHeight;

    in.outerWidth = std::max(in.outerWidth, rw);
    in.outerHeight = std::max(in.outerHeight, rh);
    const int W = in.outerWidth;
    const int H = in.outerHeight;
    out.outerWidth = W;
    out.outerHeight = H;
    out.hScrollTop = H - rh;
    out.hScrollWidth = W - rw;
    out.vScrollLeft = W - rw;
    out.vScrollHeight = H - rh;
    out.frameWidth = W - rw;
    out.frameHeight = H - rh;

    const int z = Zoom(state);
    const long cellW = std::max(1L, Nearest(in.tppX * z));
    const long cellH = std::max(1L, Nearest(in.tppY * z));
    const int cols = static_cast<int>(Nearest(out.frameWidth) / cellW);
    const int rows = static_cast<int>(Nearest(out.frameHeight) / cellH);
    SetViewWindow(state, state.viewWindow.x0, state.viewWindow.y0, cols, rows);

    const ViewWindow& v = state.viewWindow;
    const int vw = v.x1 - v.x0;
    const int vh = v.y1 - v.y0;
    out.canvasPixelsWide = vw * z;
    out.canvasPixelsHigh = vh * z;
    out.drawWidth = vw * z * in.tppX;
    out.drawHeight = vh * z * in.tppY;
    out.drawLeft = (W - rw - out.drawWidth) / 2;
    out.drawTop = (H - rh - out.drawHeight) / 2;

    out.hScrollMax = std::max(0, state.sprite.width - vw);
    out.vScrollMax = std::max(0, state.sprite.height - vh);
    in.hScrollValue = std::clamp(in.hScrollValue, 0, out.hScrollMax);
    in.vScrollValue = std::clamp(in.vScrollValue, 0, out.vScrollMax);
    out.hScrollValue = in.hScrollValue;
    out.vScrollValue = in.vScrollValue;

    if (out.hScrollMax < 1) {
        in.hScrollVisible = false;
    } else if (!in.hScrollVisible) {
        in.hScrollVisible = true;
        return false;
    }
    if (out.vScrollMax < 1) {
        in.vScrollVisible = false;
    } else if (!in.vScrollVisible) {
        in.vScrollVisible = true;
        return false;
    }
    out.hScrollVisible = in.hScrollVisible;
    out.vScrollVisible = in.vScrollVisible;
    return true;
}

}  // namespace

CanvasWindowLayout Form_Resize(EditorState& state, CanvasWindowInput input)
{
    CanvasWindowLayout out;
    // Each extra pass shows one more bar, so three passes always finish.
    for (int pass = 1; pass <= 3; ++pass) {
        out.passes = pass;
        if (LayoutPass(state, input, out)) break;
    }
    return out;
}

void SetViewWindow(EditorState& state, int x0, int y0, int cols, int rows)
{
    const int width = state.sprite.width;
    const int height = state.sprite.height;
    if (width <= 0 || height <= 0) return;
    cols = std::clamp(cols, 0, width);
    rows = std::clamp(rows, 0, height);
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    if (x0 + cols >= width) x0 = width - cols;
    if (y0 + rows >= height) y0 = height - rows;
    ViewWindow& v = state.viewWindow;
    v.x0 = static_cast<std::int16_t>(x0);
    v.y0 = static_cast<std::int16_t>(y0);
    v.x1 = static_cast<std::int16_t>(x0 + cols);
    v.y1 = static_cast<std::int16_t>(y0 + rows);
    UpdateSelAreaPos(state);
}

void ScrollCanvas(EditorState& state, int hValue, int vValue)
{
    const ViewWindow v = state.viewWindow;
    SetViewWindow(state, hValue, vValue, v.x1 - v.x0, v.y1 - v.y0);
}

Cell CanvasToCell(const EditorState& state, double X, double Y)
{
    const long z = Zoom(state);
    return {static_cast<int>(state.viewWindow.x0 + Nearest(X) / z),
            static_cast<int>(state.viewWindow.y0 + Nearest(Y) / z)};
}

std::string CanvasTooltip(Cell cell)
{
    return std::to_string(cell.x) + "," + (cell.y >= 0 ? " " : "") + std::to_string(cell.y);
}

std::optional<CanvasSquare> SquareOfPixel(const EditorState& state, int x, int y)
{
    const ViewWindow& v = state.viewWindow;
    if (x < v.x0 || x >= v.x1 || y < v.y0 || y >= v.y1) return std::nullopt;
    const int z = Zoom(state);
    return CanvasSquare{(x - v.x0) * z, (y - v.y0) * z, z};
}

bool GridShown(const EditorState& state)
{
    return state.zoom >= 4 && state.view->IsCommandChecked("GridOn");
}

}  // namespace pixador
