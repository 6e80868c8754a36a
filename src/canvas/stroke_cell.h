#pragma once
// The sprite cell under a canvas position, and small helpers the tools share.

#include <string>

namespace pixador {

struct EditorState;
enum class OverlayShape;
struct Overlay;

struct Cell {
    int x = 0;
    int y = 0;
};

// Cell under canvas pixel (X, Y), as the canvas maps it (CanvasToCell).
Cell PointerCell(const EditorState& state, double X, double Y);

// "x, y": a blank before a non-negative y, a minus sign otherwise.
std::string CellTooltip(Cell cell);

// Stores the overlay geometry and shows it through the port.
void SetOverlay(EditorState& state, OverlayShape shape, const Overlay& overlay);
void HideOverlay(EditorState& state, OverlayShape shape);
Overlay& OverlayOf(EditorState& state, OverlayShape shape);

// The colour of the button: primary for the first button, secondary otherwise.
int ButtonColor(const EditorState& state, int button);

// Writes one pixel inside the active area and the sprite and paints it; false when skipped.
bool WritePixel(EditorState& state, int x, int y, int level);

}  // namespace pixador
