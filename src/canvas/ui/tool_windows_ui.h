#pragma once
// The four floating tool windows: tools, colours, zoom and pen size.

#include <QComboBox>
#include <QWidget>

#include <array>

#include <QMainWindow>

#include "core/ui/surfaces.h"

class QActionGroup;
class QToolButton;

namespace pixador {

struct EditorState;

// Nine tool buttons in one exclusive group; each button's action carries the button's name, so
// the model enables and checks them by name through the port.
class ToolBox : public QWidget {
public:
    ToolBox(EditorState& state, QWidget* parent = nullptr);
    QActionGroup* group() const { return group_; }

private:
    EditorState& state_;
    QActionGroup* group_;
};

class ColorTool : public QWidget, public PixelSurface {
public:
    ColorTool(EditorState& state, QWidget* parent = nullptr);
    void ShowCurrentColors();
    void PaintPixel(int, int) override {}
    void Redraw() override { ShowCurrentColors(); }
    void SpriteResized() override {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    EditorState& state_;
    QWidget* color1_;
    QWidget* color2_;
    std::array<QToolButton*, 4> levels_{};
};

class ZoomForm : public QWidget {
public:
    ZoomForm(EditorState& state, QWidget* parent = nullptr);

private:
    QComboBox* list_;
};

class PenSizeBox : public QWidget {
public:
    PenSizeBox(EditorState& state, QWidget* parent = nullptr);

private:
    QComboBox* list_;
};

}  // namespace pixador
