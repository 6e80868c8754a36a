#include "canvas/pen_tools.h"

#include "canvas/stroke_cell.h"
#include "core/editor_state.h"

namespace pixador {

void PenPlot(EditorState& state, int x, int y, int level)
{
    const int h = state.penSize / 2;
    for (int i = -h; i <= h; ++i)
        for (int j = -h; j <= h; ++j) WritePixel(state, x + i, y + j, level);
}

}  // namespace pixador
