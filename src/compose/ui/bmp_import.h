#pragma once
// ".:: Pixador ::. Bitmap Capture": the imported picture with a sprite-sized capture area, the
// brightness control, the four-level preview, and the C bitmap export tool.

#include <QImage>
#include <QWidget>

#include <functional>

#include "compose/capture_area.h"
#include "compose/map_region.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMdiArea;
class QScrollBar;

namespace pixador {

struct EditorState;

// A picture shown at one screen pixel per picture pixel, reporting the mouse.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(const char* name, QWidget* parent = nullptr);
    void SetImage(QImage image);
    const QImage& image() const { return image_; }

    std::function<void(int buttons, QPoint at)> onPress;
    std::function<void(int buttons, QPoint at)> onMove;
    std::function<void()> onRelease;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage image_;
};

class BMPImport : public QWidget {
    Q_OBJECT
public:
    BMPImport(EditorState& state, BitmapImage image, QWidget* parent = nullptr);

    const BitmapCapture& capture() const { return capture_; }
    const MapRegion& region() const { return region_; }

private:
    void PaintBitmapPreview();
    // Shows the capture's values and pictures in the controls without firing their handlers.
    void ShowCapture();
    void ShowRegion();
    void MapExport_Click();
    void CloseWindow();

    EditorState& state_;
    BitmapCapture capture_;
    MapRegion region_;
    PictureBox* bmpPreview_;
    QWidget* msRect_;
    QScrollBar* areaXStart_;
    QScrollBar* areaYStart_;
    QComboBox* wBox_;
    QLineEdit* hBox_;
    QScrollBar* brightnessBar_;
    QLineEdit* brightBox_;
    PictureBox* capturePreview_;
    QLabel* origin_;
    QLabel* endLbl_;
    QCheckBox* mapExport_;
    QGroupBox* mFrame_;
    QLabel* mapOrigin_;
    QLabel* mapWidth_;
    QLabel* mapHeight_;
    QLabel* mapPath_;
};

// Opens the dialog over image as a modeless child of area, replacing one already open.
BMPImport* ShowBMPImport(QMdiArea& area, EditorState& state, BitmapImage image);

}  // namespace pixador
