#pragma once
// The canvas window and the dialogs of the Sprite and Options menus (size dialog, preferences),
// hooked into the main window.

#include <memory>

#include "core/size_dialog.h"

class QMainWindow;
class QMdiArea;
class QWidget;

namespace pixador {

struct EditorState;
class QtEditorView;
class DrawForm;


class CanvasCommands {
public:
    // Creates the canvas window as a child of area and lets view paint on it.
    CanvasCommands(QMainWindow& main, QMdiArea& area, EditorState& state, QtEditorView& view);
    ~CanvasCommands();

    // The MDI child window holding the canvas, for placing and sizing at start-up and shutdown.
    QWidget* CanvasWindow() const;
    DrawForm* Form() const;
    // Connects and enables GridOn, LCDColors, ResizeBttn, ResizeCanvasBttn and ConfPanel,
    // found by objectName in main's menu bar. Call once the menu bar exists.
    void ConnectMenu();
    // Opens the size dialog without blocking the main window.
    void OpenSizeDialog(SizeMode mode);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace pixador
