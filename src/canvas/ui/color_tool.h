#pragma once
// The tool window "Color": the two mouse colours and the four level buttons.

#include <QWidget>

#include <array>

#include "core/ui/surfaces.h"

namespace pixador {

class ColorSwatch;

struct EditorState;

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
    ColorSwatch* color1_;
    ColorSwatch* color2_;
    std::array<ColorSwatch*, 4> levels_{};
};

}  // namespace pixador
