#pragma once
// Which pixels of a sprite let the background show: masks made from a sprite drawn on white, or
// drawn as a sprite file of their own. A mask is kept as rows of opaque bits and written in
// either polarity only at the end.

#include <cstdint>
#include <vector>

#include "core/sprite.h"

namespace pixador {

// One item per sprite row of width bits, the leftmost pixel most significant: 1 where opaque.
using MaskRows = std::vector<std::uint32_t>;

// White pixels joined to the sprite's edge through white pixels (4 neighbours) are transparent;
// everything else, enclosed white included, is opaque: what a sprite drawn on white means.
MaskRows OutlineMask(const PlaneBuffer& sprite);
// Every white pixel is transparent.
MaskRows WhiteMask(const PlaneBuffer& sprite);
// A mask drawn as a sprite: its black pixels are opaque.
MaskRows DrawnMask(const PlaneBuffer& maskSprite);

// The drawing routines AND the background with the mask (1 = the background shows); some
// tools want 1 = opaque.
enum class MaskBits { Transparent, Opaque };

// An opaque row of width bits as an item of elementBits bits in the given polarity; the padding
// right of the sprite is transparent.
std::uint32_t MaskItem(std::uint32_t opaqueRow, int width, int elementBits, MaskBits bits);

}  // namespace pixador
