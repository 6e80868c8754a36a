#include "cli/image_input.h"

#include "cli/png_file.h"
#include "cli/session.h"

namespace pixador::cli {

std::optional<GrayImage> ReadImageFile(const std::string& path, std::string& reason)
{
    const std::string extension = ExtensionOf(path);
    if (extension == ".png") {
        const std::optional<RgbaImage> png = ReadPngFile(path, reason);
        if (!png) return std::nullopt;
        return GrayImageFromRgba(png->width, png->height, png->rgba, png->hasAlpha);
    }
    if (extension == ".bmp") {
        reason = "bitmap reading is not built yet";
        return std::nullopt;
    }
    reason = "not a picture pxdtool reads (.png or .bmp)";
    return std::nullopt;
}

}  // namespace pixador::cli
