#pragma once
// The port implemented with real widgets: message boxes, file dialogs, the clipboard and the
// main window's commands.

#include <QPointer>

#include <vector>

#include "core/editor_view.h"

class QMainWindow;

namespace pixador {

// Something else that shows the sprite and follows every paint (the preview windows).
class PixelSurface {
public:
    virtual ~PixelSurface() = default;
    virtual void PaintPixel(int x, int y) = 0;
    virtual void Redraw() = 0;
    // The sprite changed size.
    virtual void SpriteResized() = 0;
};

class QtEditorView : public EditorView {
public:
    // Surfaces are painted after the canvas, in the order they were added.
    void AddSurface(PixelSurface* surface);
    void RemoveSurface(PixelSurface* surface);

    void Attach(QMainWindow* mainWindow) { main_ = mainWindow; }

    void RedrawCanvas() override;
    void PaintPixel(int x, int y) override;
    void RelayoutCanvas() override;
    void ShowOverlay(OverlayShape shape, const Overlay& overlay) override;
    void SetCanvasTooltip(const std::string& text) override;
    void ColorSetChanged() override;
    void ShowCurrentColors() override;

    void EnableCommand(std::string_view name, bool enabled) override;
    void CheckCommand(std::string_view name, bool checked) override;
    bool IsCommandChecked(std::string_view name) const override;

    void SetCaption(const std::string& caption) override;
    void SetStatusText(const std::string& text) override;

    MessageAnswer ShowMessage(const MessageRequest& request) override;
    std::string ShowOpenDialog(const FileDialogRequest& request) override;
    std::string ShowSaveDialog(const FileDialogRequest& request) override;

    void SetClipboardText(const std::string& bytes) override;
    std::string ClipboardText() override;
    void CopyCanvasImageToClipboard() override;

    bool OpenDocument(const std::string& path) override;

    ClockTime Now() override;

private:
    QPointer<QMainWindow> main_;
    std::vector<PixelSurface*> surfaces_;
};

}  // namespace pixador
