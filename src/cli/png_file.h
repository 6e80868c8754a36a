#pragma once
// PNG files through libpng: any colour type read as 8-bit RGBA, and small palette images
// written.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pixador::cli {

struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;  // rows top to bottom, 4 bytes a pixel
    bool hasAlpha = false;           // an alpha channel or a transparent colour
};

// Empty with reason set when the file is not a PNG that decodes whole.
std::optional<RgbaImage> ReadPngFile(const std::string& path, std::string& reason);

// An 8-bit palette PNG: indices (width x height, rows top to bottom) into colors 0x00BBGGRR.
std::optional<std::string> EncodePalettePng(int width, int height, const std::vector<std::uint8_t>& indices,
                                            const std::vector<std::uint32_t>& colors);

}  // namespace pixador::cli
