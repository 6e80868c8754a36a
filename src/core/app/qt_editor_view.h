#pragma once
// The port implemented with real widgets: message boxes, file dialogs, the clipboard and the
// main window's commands.

#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <vector>

#include "core/editor_view.h"
#include "core/ui/surfaces.h"

class QWidget;

namespace pixador {

// The filter Qt's file dialogs filter by: the description as the user reads it, then the patterns
// in a last pair of parentheses that the dialog hides (HideNameFilterDetails).
QString FileDialogFilter(const FileDialogRequest& request);

// Message boxes and file dialogs; window tests put a scripted one in place of the real one.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual MessageAnswer ShowMessage(QWidget* owner, const MessageRequest& request) = 0;
    virtual std::string ShowOpenDialog(QWidget* owner, const FileDialogRequest& request) = 0;
    virtual std::string ShowSaveDialog(QWidget* owner, const FileDialogRequest& request) = 0;
};

// The system's modal message boxes and Qt's file dialogs.
class QtPrompter : public Prompter {
public:
    MessageAnswer ShowMessage(QWidget* owner, const MessageRequest& request) override;
    std::string ShowOpenDialog(QWidget* owner, const FileDialogRequest& request) override;
    std::string ShowSaveDialog(QWidget* owner, const FileDialogRequest& request) override;
};

class QtEditorView : public EditorView, public SurfaceHost {
public:
    // Replaces the prompter (not owned); nullptr restores the real dialogs.
    void SetPrompter(Prompter* prompter) { prompter_ = prompter ? prompter : &qtPrompter_; }

    void AttachCanvas(CanvasSurface* canvas) override { canvas_ = canvas; }
    void AddSurface(PixelSurface* surface) override;
    void RemoveSurface(PixelSurface* surface) override;

    void Attach(QMainWindow* mainWindow) { main_ = mainWindow; }

    // The canvas's retained picture as last painted; null without a canvas.
    QImage CanvasPicture() const { return canvas_ ? canvas_->Picture() : QImage(); }

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
    void SetCommandCaption(std::string_view name, int index, const std::string& caption) override;

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
    // Activates the main window again when a closed prompt left no window active.
    void TakeBackKeyboard();

    QPointer<QMainWindow> main_;
    QtPrompter qtPrompter_;
    Prompter* prompter_ = &qtPrompter_;
    std::vector<PixelSurface*> surfaces_;
    CanvasSurface* canvas_ = nullptr;
};

}  // namespace pixador
