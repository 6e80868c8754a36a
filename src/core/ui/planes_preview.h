#pragma once
// A picture box showing a whole sprite's planes, one screen pixel per sprite pixel, in the
// canvas colours.

#include <QImage>
#include <QWidget>

namespace pixador {

struct EditorState;
class PlaneBuffer;

class PlanesPreview : public QWidget {
    Q_OBJECT

public:
    explicit PlanesPreview(QWidget* parent = nullptr);
    // Takes the buffer's size and paints every pixel.
    void Show(const EditorState& state, const PlaneBuffer& planes);
    const QImage& image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};

}  // namespace pixador
