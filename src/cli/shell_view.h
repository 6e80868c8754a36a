#pragma once
// The port without a window system: painting and commands do nothing, the one question the
// generators ask is answered from the command line, and error boxes are kept for the report.

#include <string>

#include "core/editor_view.h"

namespace pixador::cli {

class ShellView : public EditorView {
public:
    // The answer to "generate no-grayscale code?".
    bool answerBlackAndWhite = false;

    // The last error box since TakeMessage, its lines joined by a blank.
    std::string TakeMessage();

    void RedrawCanvas() override {}
    void PaintPixel(int, int) override {}
    void RelayoutCanvas() override {}
    void ShowOverlay(OverlayShape, const Overlay&) override {}
    void SetCanvasTooltip(const std::string&) override {}
    void ColorSetChanged() override {}
    void ShowCurrentColors() override {}
    void EnableCommand(std::string_view, bool) override {}
    void CheckCommand(std::string_view, bool) override {}
    bool IsCommandChecked(std::string_view) const override { return false; }
    void SetCommandCaption(std::string_view, int, const std::string&) override {}
    void SetCaption(const std::string&) override {}
    void SetStatusText(const std::string&) override {}

    MessageAnswer ShowMessage(const MessageRequest& request) override;
    std::string ShowOpenDialog(const FileDialogRequest&) override { return {}; }
    std::string ShowSaveDialog(const FileDialogRequest&) override { return {}; }

    void SetClipboardText(const std::string&) override {}
    std::string ClipboardText() override { return {}; }
    void CopyCanvasImageToClipboard() override {}
    bool OpenDocument(const std::string&) override { return false; }

    // SOURCE_DATE_EPOCH (in UTC) when set, so builds can reproduce a file; else local time.
    ClockTime Now() override;

private:
    std::string message_;
};

// False with error set when SOURCE_DATE_EPOCH is set but is not a whole number of seconds.
bool SourceDateEpochValid(std::string& error);

}  // namespace pixador::cli
