#pragma once
// The multiple-document main window: menu bar, status bar and the MDI area holding the canvas,
// the tool windows and the dialogs.

#include <QMainWindow>

#include <functional>
#include <memory>
#include <string>

#include "core/startup.h"

class QMdiArea;
class QMimeData;
class QTimer;

namespace pixador {

struct EditorState;
class QtEditorView;
class CanvasCommands;
class DrawingCommands;

class MainMDI : public QMainWindow, private StartupWindows {
    Q_OBJECT
public:
    // awaitFonts, when given, is called before the first widget measures text.
    MainMDI(EditorState& state, QtEditorView& view, const std::function<void()>& awaitFonts = {});
    ~MainMDI() override;

    // Start-up: INI files, the first sprite, the command-line file, window positions.
    void MDIForm_Load(const std::string& commandLine);

    // What a drop on the window does with the dropped data.
    void DropData(const QMimeData& data);

    QMdiArea* MdiArea() const { return area_; }
    CanvasCommands& Canvas() const { return *canvas_; }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void ConnectDocumentCommands();
    void ShowAbout();
    // Current window positions into state.windowLayout, in twips.
    void StoreLayout();

    void HideCanvasWindow() override;
    void PlaceWindows(const WindowLayout& layout) override;
    void ShowCanvasWindow() override;
    void SizeCanvasWindow(const WindowLayout& layout) override;

    EditorState& state_;
    QMdiArea* area_ = nullptr;
    std::unique_ptr<CanvasCommands> canvas_;
    std::unique_ptr<DrawingCommands> drawing_;
    QTimer* recoveryTimer_ = nullptr;
};

}  // namespace pixador
