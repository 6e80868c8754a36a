#include "canvas/selection.h"

#include "core/editor_state.h"
#include "core/editor_view.h"

namespace pixador {

void DisableSelArea(EditorState& state)
{
    state.selection.active = false;
    Overlay& marker = state.stroke.overlays[static_cast<int>(OverlayShape::SelPattern)];
    marker.visible = false;
    state.view->ShowOverlay(OverlayShape::SelPattern, marker);
    state.view->EnableCommand("MoveMode", false);
    state.view->EnableCommand("CropBttn", false);
}

}  // namespace pixador
