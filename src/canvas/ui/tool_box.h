#pragma once
// The tool window "Tools": nine tool buttons in one exclusive group; each button's action
// carries the button's name, so the model enables and checks them by name through the port.

#include <QWidget>

class QActionGroup;

namespace pixador {

struct EditorState;

class ToolBox : public QWidget {
public:
    ToolBox(EditorState& state, QWidget* parent = nullptr);
    QActionGroup* group() const { return group_; }

private:
    EditorState& state_;
    QActionGroup* group_;
};

}  // namespace pixador
