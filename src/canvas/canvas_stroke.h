#pragma once
// What the canvas remembers between the mouse events of one stroke.

#include <array>
#include <cstdint>

#include "core/editor_view.h"

namespace pixador {

struct CanvasStroke {
    bool pressActive = false;     // an accepted press whose button is still down
    bool snapshotOnPress = true;  // false while a drag simulates presses
    std::int16_t anchorX = 0;
    std::int16_t anchorY = 0;
    // Geometry of the overlay shapes, indexed by OverlayShape.
    std::array<Overlay, 4> overlays{};
};

}  // namespace pixador
