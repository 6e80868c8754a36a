#pragma once
// The internal clipboard, the paste tool, and the text exchange with the system clipboard.

#include <optional>
#include <string>

namespace pixador {

struct EditorState;
struct Cell;
struct InternalClipboard;

inline constexpr const char* kPxdMarker = "XPXDD";

// Both planes of the selection into the clipboard, laid out with the selection's size.
void CopySelectionToClipboard(EditorState& state);

// Copy, Cut and Paste act only while the canvas is the active window.
void CopyBttn_Click(EditorState& state, bool canvasActive);
void CutBttn_Click(EditorState& state, bool canvasActive);
void PasteBttn_Click(EditorState& state, bool canvasActive);
// The paste tool is chosen only when the clipboard has content.
void PasteMode_Click(EditorState& state);

// The paste tool's press: the clipboard's cells onto the sprite from (px, py), clipped to the
// active area; white overwrites too.
void PasteClipboardAt(EditorState& state, Cell cell);
// The paste footprint follows the pointer's canvas cell.
void MovePasteFootprint(EditorState& state, double X, double Y);

void ClipDABttn_Click(EditorState& state);
void PXDCopyBttn_Click(EditorState& state);
void PXDPasteBttn_Click(EditorState& state);

// The text of the selection: marker, width, height, then column by column 10 * level + 5.
std::string BuildPxdText(const EditorState& state);
// The clipboard image a text carries; empty when the text is not complete.
std::optional<InternalClipboard> ParsePxdText(const std::string& text);

}  // namespace pixador
