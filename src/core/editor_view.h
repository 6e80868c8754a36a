#pragma once
// The port through which the model reaches the window system. QtEditorView implements it with
// real widgets; tests use a recording fake with scripted answers.

#include <cstdint>
#include <string>
#include <string_view>

namespace pixador {

enum class MessageIcon { None, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct MessageRequest {
    std::string title;
    std::string text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

struct FileDialogRequest {
    std::string title;
    std::string description;   // "Pixador Files (*.pxd)"
    std::string pattern;       // "*.pxd"
    std::string initialFolder;
};

// The four shapes the tools move over the canvas without touching its picture.
enum class OverlayShape { SelPattern, Circlepattern, Rectpattern, Linepattern };

// In canvas pixels. Rectangles and the ellipse use left, top, width and height; the line
// runs from (x1, y1) to (x2, y2).
struct Overlay {
    bool visible = false;
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
};

struct ClockTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    // Finer than the second, so two noise applications in one second differ.
    int millisecond = 0;
};

class EditorView {
public:
    virtual ~EditorView() = default;

    // Painting. PaintPixel paints one sprite pixel on the canvas and every preview.
    virtual void RedrawCanvas() = 0;
    virtual void PaintPixel(int x, int y) = 0;
    // The canvas window's resize handling; previews take the new sprite size.
    virtual void RelayoutCanvas() = 0;
    // Shows, hides or moves one overlay shape; the model keeps their geometry.
    virtual void ShowOverlay(OverlayShape shape, const Overlay& overlay) = 0;
    virtual void SetCanvasTooltip(const std::string& text) = 0;
    // Background and the colour window's level buttons follow the current colour set.
    virtual void ColorSetChanged() = 0;
    virtual void ShowCurrentColors() = 0;

    // Command state, by the command's name ("UndoBttn", "CropBttn", "MoveMode", ...).
    virtual void EnableCommand(std::string_view name, bool enabled) = 0;
    virtual void CheckCommand(std::string_view name, bool checked) = 0;
    virtual bool IsCommandChecked(std::string_view name) const = 0;
    // The caption of item index of a command group ("QA" 0..8; single items use index 0).
    virtual void SetCommandCaption(std::string_view name, int index, const std::string& caption) = 0;

    // Window texts.
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void SetStatusText(const std::string& text) = 0;

    // Modal prompts and file dialogs; a cancelled dialog answers "".
    virtual MessageAnswer ShowMessage(const MessageRequest& request) = 0;
    virtual std::string ShowOpenDialog(const FileDialogRequest& request) = 0;
    virtual std::string ShowSaveDialog(const FileDialogRequest& request) = 0;

    // System clipboard. Text characters 0..255 stand for code points U+0000..U+00FF.
    virtual void SetClipboardText(const std::string& bytes) = 0;
    virtual std::string ClipboardText() = 0;
    virtual void CopyCanvasImageToClipboard() = 0;

    // Opens a document with the system's default application; false when that fails.
    virtual bool OpenDocument(const std::string& path) = 0;

    virtual ClockTime Now() = 0;
};

}  // namespace pixador
