#pragma once
// A preview window: the whole sprite at its own zoom, following every paint.

#include <QImage>
#include <QWidget>

#include <functional>

#include <QMainWindow>

#include "core/ui/surfaces.h"

class QComboBox;
class QLabel;

namespace pixador {

struct EditorState;

class PreviewForm : public QWidget, public PixelSurface {
    Q_OBJECT
public:
    // position: 1-based place in the collection of previews.
    PreviewForm(EditorState& state, int position, QWidget* parent = nullptr);

    int position() const { return position_; }
    int zoom() const;
    const QImage& image() const { return image_; }
    // Called when the user closes the window with its own control.
    std::function<void(PreviewForm*)> onClosed;

    void ZoomB_Click();
    void PaintPixel(int x, int y) override;
    void Redraw() override;
    void SpriteResized() override { ZoomB_Click(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    EditorState& state_;
    int position_;
    QComboBox* zoomBox_;
    QLabel* picture_;
    QImage image_;
};

}  // namespace pixador
