#pragma once
// The noise dialog: an amount from 0 to 100 in a box and a scroll bar kept in step.

class QWidget;

namespace pixador {

struct EditorState;

// A new NoiseForm; it closes its window (or itself) on Apply and Cancel.
QWidget* CreateNoiseForm(EditorState& state);

}  // namespace pixador
