#include "core/pointer_helpers.h"

namespace pixador {

int ButtonSlot(int button)
{
    return button <= 1 ? 1 : 2;
}

bool NearPoint(int x, int y, int cx, int cy, int r)
{
    return cx - r < x && x < cx + r && cy - r < y && y < cy + r;
}

}  // namespace pixador
