#include "compose/ui/bitmap_commands.h"

#include <QAction>
#include <QImage>
#include <QImageReader>
#include <QMainWindow>
#include <QMdiArea>

#include "compose/bitmap_import.h"
#include "compose/ui/bmp_import.h"
#include "core/ui/qt_text.h"

namespace pixador {

bool DecodePictureWithQt(const std::string& path, DecodedPicture& picture)
{
    QImageReader reader(ToQString(path));
    // Qt refuses pictures past its allocation limit instead of exhausting memory.
    const QImage read = reader.read();
    if (read.isNull()) return false;
    const QImage argb = read.convertToFormat(QImage::Format_ARGB32);
    if (argb.isNull()) return false;
    picture.width = argb.width();
    picture.height = argb.height();
    picture.pixelAt = [argb](int x, int y) {
        const QRgb p = reinterpret_cast<const QRgb*>(argb.constScanLine(y))[x];
        return RgbaPixel{static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)),
                         static_cast<std::uint8_t>(qBlue(p)), static_cast<std::uint8_t>(qAlpha(p))};
    };
    return true;
}

void ConnectBitmapCommands(QMainWindow& main, EditorState& state)
{
    QAction* action = main.findChild<QAction*>("ImportBMP");
    if (!action) return;
    QObject::connect(action, &QAction::triggered, &main, [&main, &state] {
        BitmapImage image;
        if (!ImportBMP_Click(state, image, DecodePictureWithQt)) return;
        if (QMdiArea* area = main.findChild<QMdiArea*>()) ShowBMPImport(*area, state, std::move(image));
    });
    action->setEnabled(true);
}

}  // namespace pixador
