#include "core/app/program_icon.h"

#include <QImage>
#include <QPixmap>
#include <QResource>

#ifndef _WIN32
#include <png.h>

#include <cstring>
#endif

// The icon's resource lives in a static library: the linker keeps it only when it is named.
static void InitProgramIcon() { Q_INIT_RESOURCE(program_icon); }

namespace pixador {

namespace {

// Decoded here with libpng (which Qt has loaded already) rather than through QImageReader, whose
// first use loads every image-format plug-in: that alone cost the editor's start-up a millisecond.
// Qt for Windows keeps its libpng inside, and the Windows folder ships no image-format plug-ins
// to load, so there Qt's own PNG reader serves.
QImage DecodePng(const QByteArray& bytes)
{
#ifdef _WIN32
    return QImage::fromData(bytes, "PNG");
#else
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.constData(), static_cast<png_size_t>(bytes.size())))
        return {};
    image.format = PNG_FORMAT_RGBA;
    QImage decoded(static_cast<int>(image.width), static_cast<int>(image.height), QImage::Format_RGBA8888);
    if (decoded.isNull() ||
        !png_image_finish_read(&image, nullptr, decoded.bits(), static_cast<png_int_32>(decoded.bytesPerLine()), nullptr)) {
        png_image_free(&image);
        return {};
    }
    return decoded;
#endif
}

}  // namespace

QIcon ProgramIcon()
{
    InitProgramIcon();
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        const QImage picture = DecodePng(QResource(QString(":/icons/pixador-%1.png").arg(size)).uncompressedData());
        if (!picture.isNull()) icon.addPixmap(QPixmap::fromImage(picture));
    }
    return icon;
}

}  // namespace pixador
