#pragma once
// Mouse-related helpers shared by the tools.

namespace pixador {

// Mouse button number to colour slot: the first button picks slot 1, the others slot 2.
int ButtonSlot(int button);
// True when (x, y) lies strictly inside the square of half-size r around (cx, cy).
bool NearPoint(int x, int y, int cx, int cy, int r);

}  // namespace pixador
