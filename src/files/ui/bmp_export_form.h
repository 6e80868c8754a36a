#pragma once
// ".:: Pixador ::. Bitmap Export": saves the canvas picture, as shown, to a bitmap file.

#include <QImage>
#include <QWidget>

#include <functional>

class QLineEdit;
class QMainWindow;
class QMdiArea;

namespace pixador {

struct EditorState;

// The picture to save, asked for when Export is pressed.
using CanvasPictureSource = std::function<QImage()>;

class BMPExport : public QWidget {
    Q_OBJECT
public:
    BMPExport(EditorState& state, CanvasPictureSource picture, QWidget* parent = nullptr);

private:
    void OkExport_Click();
    void CloseWindow();

    EditorState& state_;
    CanvasPictureSource picture_;
    QLineEdit* path_;
};

// Opens the dialog as a modeless child of area (a second call replaces the open one).
BMPExport* ShowBMPExport(QMdiArea& area, EditorState& state, CanvasPictureSource picture);

// Connects and enables ExportBMP, found by objectName in main's menu bar; the dialog saves the
// picture the source gives (the canvas's).
void ConnectBitmapExport(QMainWindow& main, EditorState& state, CanvasPictureSource picture);

}  // namespace pixador
