#pragma once
// The tool windows, the previews and the Edit and View menu commands that drive drawing,
// hooked into the main window.

#include <memory>

class QMainWindow;
class QMdiArea;
class QWidget;

namespace pixador {

struct EditorState;
class SurfaceHost;

enum class ToolWindow { ZoomForm, ToolBox, ColorTool, PenSizeBox };

class DrawingCommands {
public:
    // Creates the four tool windows as children of area.
    DrawingCommands(QMainWindow& main, QMdiArea& area, EditorState& state, SurfaceHost& view);
    ~DrawingCommands();

    // The MDI child window of a tool window, for placing at start-up and storing at shutdown;
    // nullptr until that window exists.
    QWidget* Window(ToolWindow which) const;
    // Connects and enables the Edit items SelectAll, CopyBttn, PasteBttn, CutBttn, ClipDABttn,
    // PXDCopyBttn, PXDPasteBttn and the View items (previews, tool window switches), found by
    // objectName in main's menu bar. Call once the menu bar exists.
    void ConnectMenu();
    // Steps the zoom window's list, as choosing an entry there would (Ctrl+wheel, Ctrl++, Ctrl+-).
    void StepZoom(int steps);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace pixador
