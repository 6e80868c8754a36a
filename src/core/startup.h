#pragma once
// The start-up sequence of the main window, as far as it is rules rather than widgets.

#include <string>
#include <string_view>

#include "core/editor_state.h"

namespace pixador {

// What the window system reports about frames, in pixels, and its twips per pixel.
struct SystemMetrics {
    double twipsPerPixelX = 15;
    double twipsPerPixelY = 15;
    int frameWidth = 0;
    int frameHeight = 0;
    int captionHeight = 0;
};

// The steps of start-up that only the windows can do, called in their place in the sequence.
class StartupWindows {
public:
    virtual ~StartupWindows() = default;
    virtual void HideCanvasWindow() = 0;
    // Main window, canvas, colour, tool, zoom and pen size windows; then the maximised flag.
    virtual void PlaceWindows(const WindowLayout& layout) = 0;
    virtual void ShowCanvasWindow() = 0;
    virtual void SizeCanvasWindow(const WindowLayout& layout) = 0;
};

FrameMetrics ComputeFrameMetrics(const SystemMetrics& metrics);
// The path a command line names: the text inside surrounding double quotes, else all of it.
std::string CommandLinePath(std::string_view commandLine);
// The whole start-up: state, the three INI files, the first sprite, the command-line file,
// the colour set and the quick-access menu.
void MDIForm_Load(EditorState& state, const SystemMetrics& metrics, const std::string& commandLine,
                  StartupWindows& windows);

}  // namespace pixador
