#include "core/trig_tables.h"

#include <cmath>

#include "core/editor_state.h"
#include "core/numbers.h"

namespace pixador {

void BuildTrigTables(EditorState& state)
{
    for (int d = 0; d <= 90; ++d) {
        const double angle = d * 3.141619 / 180;
        state.sineTable[d] = static_cast<std::uint8_t>(RoundHalfEven(std::sin(angle) * 255));
        state.cosineTable[d] = static_cast<std::uint8_t>(RoundHalfEven(std::cos(angle) * 255));
    }
}

}  // namespace pixador
