#pragma once
// From screen colours to the sprite's four gray levels: the gray value of a colour, the
// brightness correction of the capture dialog, and the level thresholds.

#include <array>
#include <cstdint>

#include "core/sprite.h"

namespace pixador {

// round(0.3 R + 0.59 G + 0.11 B), halves to even.
std::uint8_t GrayOfColor(int red, int green, int blue);

// The palette rule's gray laid over white by alpha (0..255): a transparent pixel is white.
std::uint8_t GrayOverWhite(int red, int green, int blue, int alpha);

// 0 white from 192, 1 light gray from 128, 2 dark gray from 64, else 3 black.
GrayLevel GrayToLevel(int gray);

// round(gray + 2.55 x brightness) (halves to even) clamped to 0..255; brightness -100..100.
std::uint8_t AdjustBrightness(int gray, int brightness);

// GrayToLevel(AdjustBrightness(g, brightness)) for every gray g, for loops over many pixels.
using LevelTable = std::array<std::uint8_t, 256>;
LevelTable LevelsForBrightness(int brightness);

}  // namespace pixador
