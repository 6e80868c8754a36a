#pragma once
// The custom shift dialog: X and Y amounts, checked against the sprite's size as they are typed.

class QWidget;

namespace pixador {

struct EditorState;

// A new ShiftForm; it closes its window (or itself) on Ok and Cancel.
QWidget* CreateShiftForm(EditorState& state);

}  // namespace pixador
