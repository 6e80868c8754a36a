#pragma once
// File > Export > As Bitmap: the canvas picture saved as a bitmap file (or a PNG when the path
// ends in ".png"). The window encodes the picture; these are the dialog's rules.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace pixador {

struct EditorState;

enum class PictureFormat { Bmp, Png };

// "./screenshot.bmp" with the platform's separator.
std::string DefaultScreenshotPath();

// PNG for a path ending in ".png" (any case), otherwise a Windows bitmap; no extension is added.
PictureFormat ExportFormatFor(std::string_view path);

// The path box's rule: a text that is blank once trimmed becomes the default path.
std::optional<std::string> BMPExportFile_Change(std::string_view text);

// The save dialog's choice, "" when cancelled (which the box's rule turns into the default).
std::string BrowseBttn_Click(EditorState& state);

// The encoded canvas picture in a format; nothing when there is no picture to encode.
using PictureEncoder = std::function<std::optional<std::string>(PictureFormat format)>;

// Asks before replacing a file, then writes the picture without touching an existing file
// until the new one is complete. True when the dialog should close (written); a refused
// overwrite or a failed write keeps it open, the failure reported.
bool OkExport_Click(EditorState& state, const std::string& path, const PictureEncoder& encode);

}  // namespace pixador
