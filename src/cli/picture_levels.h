#pragma once
// What makes a picture written by convert read back unchanged: each pixel's exact colour when
// the picture is drawn in one of the editor's colour sets, and blocks of N x N picture pixels
// taken as one sprite pixel.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "compose/gray_image.h"
#include "core/sprite.h"

namespace pixador::cli {

// A picture as read: its grays for the bitmap import's mapping, and each pixel's colour as
// 0xTTBBGGRR, TT being 255 - alpha (so an opaque pixel is its plain 0x00BBGGRR).
struct Picture {
    GrayImage image;
    std::vector<std::uint32_t> colors;
};

// Each scale x scale block becomes one pixel. Empty with error set when the picture is not a
// whole number of blocks or a block holds more than one colour (the message names the block).
std::optional<Picture> ShrinkBlocks(const Picture& picture, int scale, std::string& error);

// The gray levels of the pixels in area when every pixel of the picture is one of the four
// colours of the normal or of the LCD colour set; empty otherwise.
std::optional<PlaneBuffer> CaptureExactColors(const Picture& picture, const PixelArea& area);

}  // namespace pixador::cli
