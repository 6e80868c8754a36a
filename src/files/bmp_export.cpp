#include "files/bmp_export.h"

#include "core/document_commands.h"
#include "core/prompts.h"
#include "core/text_helpers.h"
#include "files/file_io.h"

namespace pixador {

std::string DefaultScreenshotPath()
{
    return JoinPath(".", "screenshot.bmp");
}

PictureFormat ExportFormatFor(std::string_view path)
{
    return EndsWithNoCase(path, ".png") ? PictureFormat::Png : PictureFormat::Bmp;
}

std::optional<std::string> BMPExportFile_Change(std::string_view text)
{
    if (TrimBlanks(text).empty()) return DefaultScreenshotPath();
    return std::nullopt;
}

std::string BrowseBttn_Click(EditorState& state)
{
    return ShowSaveDialog(state, "Bitmap Files (*.bmp *.png)", "*.bmp;*.png");
}

bool OkExport_Click(EditorState& state, const std::string& path, const PictureEncoder& encode)
{
    if (!ConfirmOverwrite(state, path)) return false;
    const std::optional<std::string> bytes = encode ? encode(ExportFormatFor(path)) : std::nullopt;
    if (bytes && !bytes->empty() && WriteFileAtomically(path, *bytes)) return true;
    ShowErrorMessage(state, "Error writing " + path + "!!");
    return false;
}

}  // namespace pixador
