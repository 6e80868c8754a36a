#pragma once
// Pictures read for convert and sheet: PNG of any colour type, and 8-bit Windows bitmaps.

#include <optional>
#include <string>

#include "cli/picture_levels.h"

namespace pixador::cli {

// By the file's extension (.png or .bmp). Empty with reason set when it does not read, or
// when a bitmap's pixel data ends before its last row.
std::optional<Picture> ReadImageFile(const std::string& path, std::string& reason);

}  // namespace pixador::cli
