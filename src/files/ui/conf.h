#pragma once
// The preferences dialog "Pixador Configuration panel".

class QMdiArea;

namespace pixador {

struct EditorState;

// Opens the dialog as a modeless child of area (a second call brings the open one forward).
void OpenConfDialog(QMdiArea& area, EditorState& state);

}  // namespace pixador
