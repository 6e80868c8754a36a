#pragma once
// The waves dialog: axis, function, max value and magnitude of the waves filter.

class QWidget;

namespace pixador {

struct EditorState;

// A new WavesForm; it closes its window (or itself) on an accepted Apply and on Cancel.
QWidget* CreateWavesForm(EditorState& state);

}  // namespace pixador
