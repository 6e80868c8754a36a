#pragma once
// The canvas window "Sprite": the magnified sprite with its grid, the overlay shapes the tools
// move, and the scroll bars of the view window.

#include <QImage>
#include <QWidget>

#include <array>
#include <functional>

#include "core/ui/surfaces.h"

class QFrame;
class QScrollBar;

namespace pixador {

struct EditorState;

// `DrawArea`: a persistent picture of the view window, with the overlays drawn over it.
class DrawArea : public QWidget {
    Q_OBJECT
public:
    DrawArea(EditorState& state, QWidget* parent);

    void SetCanvasSize(int width, int height);
    void PaintCell(int x, int y);
    void RedrawAll();
    void SetOverlay(OverlayShape shape, const Overlay& overlay);
    const QImage& Picture() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void FillSquare(int left, int top, int size, QRgb color, bool outline);

    EditorState& state_;
    QImage image_;
    std::array<Overlay, 4> overlays_{};
};

class DrawForm : public QWidget, public CanvasSurface {
    Q_OBJECT
public:
    explicit DrawForm(EditorState& state, QWidget* parent = nullptr);

    // Lays out the window for its current size and repaints (the canvas window's resize).
    void Form_Resize();

    DrawArea* Area() const { return drawArea_; }
    // Ctrl+wheel asks for this many zoom steps (positive: larger).
    std::function<void(int)> onZoomSteps;

    void PaintPixel(int x, int y) override;
    void Redraw() override;
    void SpriteResized() override { Form_Resize(); }
    void ShowOverlay(OverlayShape shape, const Overlay& overlay) override;
    void SetTooltip(const QString& text) override;
    void BackgroundChanged() override;
    QImage Picture() const override { return drawArea_->Picture(); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void Scrolled();

    EditorState& state_;
    QFrame* frame_;
    DrawArea* drawArea_;
    QScrollBar* hScroll_;
    QScrollBar* vScroll_;
    bool layingOut_ = false;
    int wheelRest_ = 0;
};

}  // namespace pixador
