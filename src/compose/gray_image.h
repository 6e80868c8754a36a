#pragma once
// A picture reduced to gray values and opacity, whatever file it came from, and the capture of
// a sprite-sized area of it: the bitmap import's gray mapping and thresholds.

#include <cstdint>
#include <vector>

#include "core/sprite.h"

namespace pixador {

struct GrayImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> gray;    // 0..255, rows top to bottom
    std::vector<std::uint8_t> opaque;  // 0 where a pixel is fully transparent, else 1
    bool hasAlpha = false;             // the file could say a pixel is transparent

    std::uint8_t Gray(int x, int y) const { return gray[static_cast<std::size_t>(y) * width + x]; }
    bool Opaque(int x, int y) const { return opaque[static_cast<std::size_t>(y) * width + x] != 0; }
};

// rgba: width x height pixels of 4 bytes, rows top to bottom. Gray as the bitmap import takes
// a picture's: the palette rule 0.3 R + 0.59 G + 0.11 B laid over white by alpha.
GrayImage GrayImageFromRgba(int width, int height, const std::vector<std::uint8_t>& rgba, bool hasAlpha);

struct PixelArea {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

bool AreaInside(const GrayImage& image, const PixelArea& area);

// The area as a sprite: GrayToLevel (AdjustBrightness (gray)) per pixel. Fully transparent
// pixels stay white whatever the brightness, so a mask drawn under them shows the background.
// The area lies inside the image.
PlaneBuffer CaptureGrayImage(const GrayImage& image, const PixelArea& area, int brightness);

// One row per area row of area.width bits, the leftmost pixel most significant: 1 where a
// pixel is opaque.
std::vector<std::uint32_t> OpaqueRows(const GrayImage& image, const PixelArea& area);

}  // namespace pixador
