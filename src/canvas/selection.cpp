#include "canvas/selection.h"

#include "core/editor_state.h"
#include "core/editor_view.h"

namespace pixador {

void DisableSelArea(EditorState& state)
{
    state.selection.active = false;
    state.view->ShowSelectionMarker(false);
    state.view->EnableCommand("MoveMode", false);
    state.view->EnableCommand("CropBttn", false);
}

}  // namespace pixador
