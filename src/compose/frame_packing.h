#pragma once
// Animation frames of one size packed into one data array in the layouts the calculator's
// sprite libraries draw: each frame's planes one after the other (TIGCCLIB), every row light
// then dark (ExtGraph's L/D), or every row mask, light, dark (ExtGraph's M/L/D).

#include <cstdint>
#include <vector>

#include "compose/transparency.h"
#include "core/sprite.h"

namespace pixador {

enum class FrameLayout { Planes, Interlaced, InterlacedMask };

struct FrameSet {
    std::vector<PlaneBuffer> frames;  // two planes each, all of one size, at most 32 wide
    std::vector<MaskRows> masks;      // one per frame, or none
    int mirroredFrom = -1;            // the first mirrored frame, when there are any
};

// Each frame mirrored left to right, with its mask, after the frames as they are.
void AddMirroredFrames(FrameSet& set);

struct PackOptions {
    FrameLayout layout = FrameLayout::Planes;
    bool lightFirst = false;     // Planes: the light rows of a frame before its dark rows
    bool blackAndWhite = false;  // Planes: one plane a frame (the frames have no gray)
    MaskBits maskBits = MaskBits::Transparent;
};

struct PackedFrames {
    int width = 0;
    int height = 0;
    int elementBits = 0;
    int count = 0;
    int mirroredFrom = -1;
    int itemsPerFrame = 0;
    PackOptions options;
    std::vector<std::uint32_t> items;
    std::vector<std::uint32_t> mask;  // height items a frame; empty without masks or inside the rows
};

// The set packed; InterlacedMask needs masks. Rows wider than the frames are padded on the
// right, blank in the planes and transparent in the mask. Pixels a mask leaves transparent are
// written white.
PackedFrames PackFrames(const FrameSet& set, const PackOptions& options);

}  // namespace pixador
