#include "canvas/drawing_tools.h"

#include "core/editor_state.h"

namespace pixador {

void DrawArea_MouseDown(EditorState&, int, int, double, double) {}
void DrawArea_MouseMove(EditorState&, int, int, double, double) {}
void DrawArea_MouseUp(EditorState&, int, int, double, double) {}

}  // namespace pixador
