#pragma once
// The canvas window's arithmetic: its layout in twips, the view window, scrolling, the cell
// under the pointer and where each sprite pixel lands on the canvas.

#include <cstdint>
#include <optional>
#include <string>

#include "canvas/stroke_cell.h"

namespace pixador {

struct EditorState;

// What the window knows of itself before a layout. Lengths in twips.
struct CanvasWindowInput {
    double tppX = 15;
    double tppY = 15;
    int outerWidth = 0;
    int outerHeight = 0;
    int vScrollWidth = 255;   // DAVScroll's thickness
    int hScrollHeight = 255;  // DAHScroll's thickness
    bool hScrollVisible = false;
    bool vScrollVisible = false;
    int hScrollValue = 0;
    int vScrollValue = 0;
};

// Where everything goes. Lengths in twips; the canvas size also in canvas pixels.
struct CanvasWindowLayout {
    int outerWidth = 0;  // raised to the reserved margins when smaller
    int outerHeight = 0;
    int hScrollTop = 0;
    int hScrollWidth = 0;
    int vScrollLeft = 0;
    int vScrollHeight = 0;
    int frameWidth = 0;
    int frameHeight = 0;
    double drawLeft = 0;
    double drawTop = 0;
    double drawWidth = 0;
    double drawHeight = 0;
    int canvasPixelsWide = 0;
    int canvasPixelsHigh = 0;
    int hScrollMax = 0;
    int vScrollMax = 0;
    int hScrollValue = 0;
    int vScrollValue = 0;
    bool hScrollVisible = false;
    bool vScrollVisible = false;
    int passes = 0;  // 2 or 3 when a bar had to appear
};

// Lays out the window and stores the view window (through SetViewWindow). Runs the second
// pass itself when a scroll bar has to appear. Does not repaint.
CanvasWindowLayout Form_Resize(EditorState& state, CanvasWindowInput input);

// Clamps and stores the view window, then moves the selection marker along.
void SetViewWindow(EditorState& state, int x0, int y0, int cols, int rows);

// A scroll bar moved: the view keeps its size and moves to the bars' positions.
void ScrollCanvas(EditorState& state, int hValue, int vValue);

// The sprite cell under canvas position (X, Y); left of or above the canvas gives cells
// before the view's origin.
Cell CanvasToCell(const EditorState& state, double X, double Y);
// "3, 12": x without blanks, ",", a blank before a non-negative y.
std::string CanvasTooltip(Cell cell);

// The canvas square of a sprite pixel: top-left corner and side, in canvas pixels.
struct CanvasSquare {
    int left = 0;
    int top = 0;
    int size = 0;
};
// Nothing when the pixel is outside the view window.
std::optional<CanvasSquare> SquareOfPixel(const EditorState& state, int x, int y);
// Whether squares get their black outline: the Grid item is checked and zoom is 4 or more.
bool GridShown(const EditorState& state);

constexpr int kMinZoom = 1;
constexpr int kMaxZoom = 30;

}  // namespace pixador
