#pragma once
// The rules behind the tool windows: tool codes, list contents, colour buttons, the view
// switches and the layout of a preview window.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pixador {

struct EditorState;

constexpr int kPencilTool = 0;
constexpr int kFloodTool = 1;
constexpr int kReplaceTool = 2;
constexpr int kLineTool = 3;
constexpr int kRectTool = 4;
constexpr int kCircleTool = 5;
constexpr int kSelectTool = 6;
constexpr int kPasteTool = 7;
constexpr int kMoveTool = 8;

struct ToolButtonInfo {
    const char* name;     // objectName of the option button
    const char* tooltip;
    int code;
};
// The nine buttons in the tool window's order.
const std::vector<ToolButtonInfo>& ToolButtons();
// The button of a tool code; "" for an unknown code.
std::string ToolButtonName(int code);

// The eight plain tool buttons set the tool; the paste button goes through PasteMode_Click.
void ToolMode_Click(EditorState& state, int code);

constexpr int kZoomFactorInitialIndex = 23;
constexpr int kSizeListInitialIndex = 0;
constexpr int kZoomBInitialIndex = 4;
std::vector<std::string> ZoomFactorItems();  // "1x".."30x"
std::vector<std::string> SizeListItems();    // "1", "3", .. "15"
std::vector<std::string> ZoomBItems();       // "1x".."10x"

// zoom := index + 1, the canvas is laid out again (dropping the selection) and redrawn.
void ZoomFactor_Click(EditorState& state, int index);
// The ZoomFactor entry steps entries away from index, kept inside the list.
int SteppedZoomIndex(int index, int steps);
void SizeList_Click(EditorState& state, int index);
// The first button sets the primary colour, every other button or combination the secondary.
void ColorBttn_MouseDown(EditorState& state, int index, int button);

// View menu switch: inverts the item's check mark; the window is visible exactly when checked.
bool ToggleToolWindow(EditorState& state, std::string_view menuItem);

std::string PreviewCaption(int n);  // "Preview(3)"
std::string PreviewTag(int n);      // " 3"

// A preview window's geometry in twips for zoom index zoomIndex (ZoomB's selection).
struct PreviewGeometry {
    int pictureLeft = 0;
    int pictureTop = 0;
    int pictureWidth = 0;
    int pictureHeight = 0;
    int windowWidth = 0;
    int windowHeight = 0;
    int zoomBoxWidth = 0;  // only changed when the picture sits at the left edge
    bool pictureAtLeft = false;
};
struct PreviewMetrics {
    double tppX = 15;
    double tppY = 15;
    int zoomBoxHeight = 300;
    int zoomBoxWidth = 0;
    int windowWidth = 0;  // the window's current outer width
    int frameWidth = 0;
    int frameHeight = 0;
    int captionHeight = 0;
};
PreviewGeometry PreviewLayout(int zoomIndex, int spriteWidth, int spriteHeight, const PreviewMetrics& m);

// What to do with a preview closed by the window system's own control: the newest leaves
// the collection, an older one is only hidden so the positions of the others stay right.
enum class PreviewCloseAction { Remove, Hide };
PreviewCloseAction OnPreviewClosed(int position, int count);

}  // namespace pixador
