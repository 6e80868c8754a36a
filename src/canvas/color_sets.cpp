#include "canvas/color_sets.h"

#include "core/editor_view.h"
#include "core/whole_sprite.h"

namespace pixador {

void ApplyColorSet(EditorState& state)
{
    state.colorSet = state.lcdColors ? kLcdColors : kNormalColors;
    state.colorSet[3] = 0x000000;
    state.view->CheckCommand("LCDColors", state.lcdColors);
    state.view->ColorSetChanged();
    ShowCurrentColors(state);
    RedrawCanvas(state);
}

void ShowCurrentColors(EditorState& state)
{
    state.view->ShowCurrentColors();
}

}  // namespace pixador
