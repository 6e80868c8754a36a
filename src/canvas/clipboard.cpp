#include "canvas/clipboard.h"

#include <cmath>

#include "canvas/pen_tools.h"
#include "canvas/stroke_cell.h"
#include "canvas/tool_windows.h"
#include "core/editor_state.h"
#include "core/editor_view.h"
#include "core/history.h"
#include "core/numbers.h"
#include "core/prompts.h"
#include "core/whole_sprite.h"

namespace pixador {

namespace {

constexpr const char* kNoAreaSelected = "No area selected!!";

bool InSprite(const SpriteImage& s, int x, int y) { return x >= 0 && y >= 0 && x < s.width && y < s.height; }

void MarkClipboardFull(EditorState& state)
{
    state.clipboard.full = true;
    state.view->EnableCommand("PasteBttn", true);
    state.view->EnableCommand("PasteMode", true);
}

}  // namespace

void CopySelectionToClipboard(EditorState& state)
{
    const SpriteImage& s = state.sprite;
    const SelectionArea& sel = state.selection;
    InternalClipboard& clip = state.clipboard;
    clip.cells.fill(0);
    const int w = sel.width < 0 ? 0 : sel.width;
    const int h = sel.height < 0 ? 0 : sel.height;
    if (2L * w * h > kCellCount) return;
    for (int i = 0; i < w; ++i) {
        for (int j = 0; j < h; ++j) {
            // A rectangle reaching past the sprite copies white there.
            if (!InSprite(s, sel.x + i, sel.y + j)) continue;
            for (int p = 0; p < 2; ++p)
                SetPlaneBit(clip.cells, w, h, i, j, p, GetPlaneBit(s.cells, s.width, s.height, sel.x + i, sel.y + j, p));
        }
    }
    clip.width = static_cast<std::int16_t>(w);
    clip.height = static_cast<std::int16_t>(h);
}

void CopyBttn_Click(EditorState& state, bool canvasActive)
{
    if (!canvasActive) return;
    if (!state.selection.active) {
        ShowErrorMessage(state, kNoAreaSelected);
        return;
    }
    CopySelectionToClipboard(state);
    MarkClipboardFull(state);
}

void CutBttn_Click(EditorState& state, bool canvasActive)
{
    if (!canvasActive) return;
    if (!state.selection.active) {
        ShowErrorMessage(state, kNoAreaSelected);
        return;
    }
    PushUndo(state);
    CopyBttn_Click(state, canvasActive);
    const SelectionArea sel = state.selection;
    for (int i = 0; i < sel.width; ++i)
        for (int j = 0; j < sel.height; ++j) PenPlot(state, sel.x + i, sel.y + j, kWhite);
}

void PasteBttn_Click(EditorState& state, bool canvasActive)
{
    if (!canvasActive) return;
    PasteMode_Click(state);
}

void PasteMode_Click(EditorState& state)
{
    if (state.clipboard.full) {
        state.view->EnableCommand("PasteMode", true);
        state.tool = kPasteTool;
        state.view->CheckCommand("PasteMode", true);
        return;
    }
    ShowErrorMessage(state, "Nothing to paste!");
    // The option button goes back to the tool that stays in use.
    state.view->CheckCommand(ToolButtonName(state.tool), true);
}

void PasteClipboardAt(EditorState& state, Cell cell)
{
    SpriteImage& s = state.sprite;
    const InternalClipboard& clip = state.clipboard;
    const AreaBounds area = ActiveArea(state);
    for (int i = 0; i < clip.width; ++i) {
        const int x = cell.x + i;
        if (x < area.x1 || x > area.x2 || x < 0 || x >= s.width) continue;
        for (int j = 0; j < clip.height; ++j) {
            const int y = cell.y + j;
            if (y < area.y1 || y > area.y2 || y < 0 || y >= s.height) continue;
            for (int p = 0; p < 2; ++p)
                SetPlaneBit(s.cells, s.width, s.height, x, y, p, GetPlaneBit(clip.cells, clip.width, clip.height, i, j, p));
            PaintPixel(state, x, y);
        }
    }
}

void MovePasteFootprint(EditorState& state, double X, double Y)
{
    const int z = state.zoom < 1 ? 1 : state.zoom;
    Overlay o;
    o.visible = true;
    o.left = std::floor(X / z) * z;
    o.top = std::floor(Y / z) * z;
    o.width = state.clipboard.width * z;
    o.height = state.clipboard.height * z;
    SetOverlay(state, OverlayShape::Rectpattern, o);
}

void ClipDABttn_Click(EditorState& state)
{
    state.view->CopyCanvasImageToClipboard();
}

std::string BuildPxdText(const EditorState& state)
{
    const SelectionArea& s = state.selection;
    std::string text = kPxdMarker;
    text += static_cast<char>(static_cast<unsigned char>(s.width));
    text += static_cast<char>(static_cast<unsigned char>(s.height));
    for (int c = s.x; c < s.x + s.width; ++c)
        for (int r = s.y; r < s.y + s.height; ++r) text += static_cast<char>(10 * GetPixel(state, c, r) + 5);
    return text;
}

void PXDCopyBttn_Click(EditorState& state)
{
    const SelectionArea& s = state.selection;
    if (!s.active) {
        ShowErrorMessage(state, kNoAreaSelected);
        return;
    }
    // The size characters hold 1..255: a 0 would end the text, 256 would wrap to 0.
    if (s.width < 1 || s.height < 1 || s.width > 255 || s.height > 255) {
        ShowErrorMessage(state, "PXD Data can only hold a selection of 1 to 255 pixels each way.");
        return;
    }
    state.view->SetClipboardText(BuildPxdText(state));
}

std::optional<InternalClipboard> ParsePxdText(const std::string& text)
{
    if (text.size() < 7) return std::nullopt;
    const int w = static_cast<unsigned char>(text[5]);
    const int h = static_cast<unsigned char>(text[6]);
    if (2L * w * h > kCellCount) return std::nullopt;
    if (text.size() < 7 + static_cast<std::size_t>(w) * h) return std::nullopt;
    InternalClipboard clip;
    clip.full = true;
    clip.width = static_cast<std::int16_t>(w);
    clip.height = static_cast<std::int16_t>(h);
    std::size_t pos = 7;
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y) {
            const int code = static_cast<unsigned char>(text[pos++]);
            const DarkLight bits = GrayToPlanes(static_cast<int>(RoundHalfEven((code - 5) / 10.0)));
            SetPlaneBit(clip.cells, w, h, x, y, 0, bits.dark);
            SetPlaneBit(clip.cells, w, h, x, y, 1, bits.light);
        }
    }
    return clip;
}

void PXDPasteBttn_Click(EditorState& state)
{
    const std::string text = state.view->ClipboardText();
    if (text.compare(0, 5, kPxdMarker) != 0) {
        state.view->ShowMessage({kWarningTitle, "PXD Data not found in clipboard!", MessageIcon::Critical, MessageButtons::Ok});
        return;
    }
    // Read in full before anything changes, so a bad text leaves the clipboard as it was.
    std::optional<InternalClipboard> clip = ParsePxdText(text);
    if (!clip) {
        ShowErrorMessage(state, "Error while retrieving PXD DATA!!");
        return;
    }
    state.clipboard = *clip;
    MarkClipboardFull(state);
}

}  // namespace pixador
