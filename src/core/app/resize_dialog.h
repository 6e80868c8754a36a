#pragma once
// The size dialog window: new sprite, canvas size, or scaling.

#include "core/app/canvas_commands.h"

class QMdiArea;

namespace pixador {

struct EditorState;

// Opens the dialog as a modeless child of area (a second call brings the open one forward).
void OpenResizeDialog(QMdiArea& area, EditorState& state, SizeMode mode);

}  // namespace pixador
