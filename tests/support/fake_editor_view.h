#pragma once
// A recording EditorView for model tests: remembers what the model asked of the window system
// and answers prompts and dialogs from scripts.

#include <array>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "core/editor_view.h"
#include "support/prompt_script.h"

namespace pixador::testing {

class FakeEditorView : public EditorView, public PromptScript {
public:

    // Records.
    std::map<std::string, bool, std::less<>> enabled;
    std::map<std::string, bool, std::less<>> checked;
    std::map<std::pair<std::string, int>, std::string> captions;  // (name, index) -> caption
    std::vector<std::pair<int, int>> paintedPixels;
    int redraws = 0;
    int relayouts = 0;
    int colorSetChanges = 0;
    bool selectionMarkerVisible = false;
    std::array<Overlay, 4> overlays{};
    std::string canvasTooltip;
    std::string caption;
    std::string status;
    std::string clipboardText;
    int canvasImagesCopied = 0;
    ClockTime clock{2004, 5, 1, 12, 34, 56};
    std::vector<std::string> openedDocuments;
    bool openDocumentSucceeds = true;

    void RedrawCanvas() override { ++redraws; }
    void PaintPixel(int x, int y) override { paintedPixels.emplace_back(x, y); }
    void RelayoutCanvas() override { ++relayouts; }
    void ShowOverlay(OverlayShape shape, const Overlay& overlay) override
    {
        overlays[static_cast<int>(shape)] = overlay;
        if (shape == OverlayShape::SelPattern) selectionMarkerVisible = overlay.visible;
    }
    void SetCanvasTooltip(const std::string& text) override { canvasTooltip = text; }
    void ColorSetChanged() override { ++colorSetChanges; }
    void ShowCurrentColors() override {}

    void EnableCommand(std::string_view name, bool on) override { enabled[std::string(name)] = on; }
    void CheckCommand(std::string_view name, bool on) override { checked[std::string(name)] = on; }
    bool IsCommandChecked(std::string_view name) const override
    {
        const auto it = checked.find(name);
        return it != checked.end() && it->second;
    }
    void SetCommandCaption(std::string_view name, int index, const std::string& text) override
    {
        captions[{std::string(name), index}] = text;
    }
    // Unknown commands count as enabled, as menu items start.
    bool IsEnabled(std::string_view name) const
    {
        const auto it = enabled.find(name);
        return it == enabled.end() || it->second;
    }

    void SetCaption(const std::string& text) override { caption = text; }
    void SetStatusText(const std::string& text) override { status = text; }

    MessageAnswer ShowMessage(const MessageRequest& request) override { return Answer(request); }
    std::string ShowOpenDialog(const FileDialogRequest& request) override { return OpenPath(request); }
    std::string ShowSaveDialog(const FileDialogRequest& request) override { return SavePath(request); }

    void SetClipboardText(const std::string& bytes) override { clipboardText = bytes; }
    std::string ClipboardText() override { return clipboardText; }
    void CopyCanvasImageToClipboard() override { ++canvasImagesCopied; }

    bool OpenDocument(const std::string& path) override
    {
        openedDocuments.push_back(path);
        return openDocumentSucceeds;
    }

    ClockTime Now() override { return clock; }

};

}  // namespace pixador::testing
