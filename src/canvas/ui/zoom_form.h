#pragma once
// The tool window "Zoom": the canvas zoom factor, also stepped by Ctrl+wheel and Ctrl++ / Ctrl+-.

#include <QWidget>

class QComboBox;

namespace pixador {

struct EditorState;

class ZoomForm : public QWidget {
public:
    ZoomForm(EditorState& state, QWidget* parent = nullptr);
    // Moves the list steps entries (negative: smaller) and applies it as choosing it would.
    void Step(int steps);

private:
    EditorState& state_;
    QComboBox* list_;
};

}  // namespace pixador
