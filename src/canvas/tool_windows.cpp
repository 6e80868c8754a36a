#include "canvas/tool_windows.h"

#include <algorithm>

#include "canvas/clipboard.h"
#include "canvas/color_sets.h"
#include "core/editor_state.h"
#include "core/editor_view.h"
#include "core/numbers.h"
#include "core/pointer_helpers.h"
#include "core/whole_sprite.h"

namespace pixador {

const std::vector<ToolButtonInfo>& ToolButtons()
{
    static const std::vector<ToolButtonInfo> buttons{
        {"PlotMode", "Pencil", kPencilTool},          {"FloodMode", "Flood fill", kFloodTool},
        {"ReplaceMode", "Replace Color", kReplaceTool}, {"LineMode", "Line tool", kLineTool},
        {"RectMode", "Rect tool", kRectTool},          {"CircleMode", "Circle tool", kCircleTool},
        {"SelectMode", "Select Tool", kSelectTool},    {"PasteMode", "Paste Tool", kPasteTool},
        {"MoveMode", "Move Selection Tool", kMoveTool},
    };
    return buttons;
}

std::string ToolButtonName(int code)
{
    for (const ToolButtonInfo& b : ToolButtons())
        if (b.code == code) return b.name;
    return {};
}

void ToolMode_Click(EditorState& state, int code)
{
    if (code == kPasteTool) {
        PasteMode_Click(state);
        return;
    }
    if (code >= kPencilTool && code <= kMoveTool) state.tool = static_cast<std::int16_t>(code);
}

namespace {

std::vector<std::string> Numbered(int count, int step, int first, const char* suffix)
{
    std::vector<std::string> items;
    for (int i = 0; i < count; ++i) {
        std::string item = std::to_string(first + i * step);
        item.append(suffix);
        items.push_back(std::move(item));
    }
    return items;
}

}  // namespace

std::vector<std::string> ZoomFactorItems() { return Numbered(30, 1, 1, "x"); }
std::vector<std::string> SizeListItems() { return Numbered(8, 2, 1, ""); }
std::vector<std::string> ZoomBItems() { return Numbered(10, 1, 1, "x"); }

void ZoomFactor_Click(EditorState& state, int index)
{
    state.zoom = static_cast<std::int16_t>(std::clamp(index, 0, 29) + 1);
    RefreshCanvasLayout(state);
    RedrawCanvas(state);
    state.view->RelayoutCanvas();
}

int SteppedZoomIndex(int index, int steps)
{
    const int last = static_cast<int>(ZoomFactorItems().size()) - 1;
    return std::clamp(index + steps, 0, last);
}

void SizeList_Click(EditorState& state, int index)
{
    state.penSize = static_cast<std::int16_t>(2 * std::clamp(index, 0, 7) + 1);
}

void ColorBttn_MouseDown(EditorState& state, int index, int button)
{
    if (index < 0 || index > 3) return;
    if (ButtonSlot(button) == 1)
        state.primaryColor = index;
    else
        state.secondaryColor = index;
    ShowCurrentColors(state);
}

bool ToggleToolWindow(EditorState& state, std::string_view menuItem)
{
    const bool checked = !state.view->IsCommandChecked(menuItem);
    state.view->CheckCommand(menuItem, checked);
    return checked;
}

std::string PreviewCaption(int n)
{
    std::string caption = "Preview(";
    caption.append(std::to_string(n)).append(")");
    return caption;
}

std::string PreviewTag(int n)
{
    std::string tag = " ";
    tag.append(std::to_string(n));
    return tag;
}

PreviewGeometry PreviewLayout(int zoomIndex, int spriteWidth, int spriteHeight, const PreviewMetrics& m)
{
    const int z = std::clamp(zoomIndex, 0, 9) + 1;
    PreviewGeometry g;
    g.pictureHeight = static_cast<int>(z * spriteHeight * m.tppY);
    g.pictureWidth = static_cast<int>(z * spriteWidth * m.tppX);
    const int t = static_cast<int>(RoundHalfEven(m.zoomBoxHeight + 50.0));
    g.pictureTop = t;
    const int rh = t + 50 + m.captionHeight + m.frameHeight;
    const int rw = m.frameWidth + 60;
    g.windowHeight = g.pictureHeight + rh;
    g.zoomBoxWidth = m.zoomBoxWidth;
    if (z > 4 || g.pictureWidth > 600) {
        g.pictureAtLeft = true;
        g.pictureLeft = 0;
        g.windowWidth = g.pictureWidth + rw;
        g.zoomBoxWidth = g.windowWidth - rw;
    } else {
        g.windowWidth = m.windowWidth;
        g.pictureLeft = (m.windowWidth - rw - g.pictureWidth) / 2;
    }
    return g;
}

PreviewCloseAction OnPreviewClosed(int position, int count)
{
    return position == count ? PreviewCloseAction::Remove : PreviewCloseAction::Hide;
}

}  // namespace pixador
