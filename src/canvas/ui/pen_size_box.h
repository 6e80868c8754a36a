#pragma once
// The tool window "Pen Size": the pencil's square size.

#include <QWidget>

class QComboBox;

namespace pixador {

struct EditorState;

class PenSizeBox : public QWidget {
public:
    PenSizeBox(EditorState& state, QWidget* parent = nullptr);

private:
    QComboBox* list_;
};

}  // namespace pixador
