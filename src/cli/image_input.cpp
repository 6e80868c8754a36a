#include "cli/image_input.h"

#include "cli/png_file.h"
#include "cli/session.h"
#include "compose/bmp_reader.h"
#include "files/file_io.h"

namespace pixador::cli {

namespace {

// Sheets may be larger than the capture dialog's 400 x 400, up to this many pixels a side.
constexpr int kMaxSheetSide = 8192;

std::optional<Picture> ReadBmp(const std::string& path, std::string& reason)
{
    const std::optional<std::string> bytes = ReadFileBytes(path, kMaxBitmapFileBytes + 1);
    if (!bytes || bytes->size() > kMaxBitmapFileBytes) {
        reason = !bytes ? UnreadableText(path) : "larger than 256 MiB";
        return std::nullopt;
    }
    const BitmapHeader header = ReadBitmapHeader(*bytes);
    if (header.outcome == BitmapOutcome::Read && (header.width > kMaxSheetSide || header.rows > kMaxSheetSide)) {
        reason = "the bitmap is " + std::to_string(header.width) + "x" + std::to_string(header.rows) +
                 ", larger than " + std::to_string(kMaxSheetSide) + " a side";
        return std::nullopt;
    }
    BitmapImage bitmap;
    switch (DecodeBitmap(*bytes, bitmap, kMaxSheetSide)) {
    case BitmapOutcome::Read: break;
    case BitmapOutcome::NotABitmap:
        reason = "not a 256-colour bitmap (a \"BM\" file of 8 bits per pixel)";
        return std::nullopt;
    case BitmapOutcome::TooNarrow: reason = "the bitmap is narrower than 8 pixels"; return std::nullopt;
    }
    if (bitmap.truncated) {
        reason = "truncated: the pixel data ends before the last row";
        return std::nullopt;
    }
    Picture picture;
    GrayImage& image = picture.image;
    image.width = bitmap.width;
    image.height = bitmap.height;
    image.gray.resize(bitmap.pixels.size());
    picture.colors.resize(bitmap.pixels.size());
    for (std::size_t i = 0; i < bitmap.pixels.size(); ++i) {
        image.gray[i] = bitmap.grayTable[bitmap.pixels[i]];
        picture.colors[i] = bitmap.palette[bitmap.pixels[i]];
    }
    image.opaque.assign(bitmap.pixels.size(), 1);
    return picture;
}

}  // namespace

std::optional<Picture> ReadImageFile(const std::string& path, std::string& reason)
{
    const std::string extension = ExtensionOf(path);
    if (extension == ".png") {
        const std::optional<RgbaImage> png = ReadPngFile(path, reason);
        if (!png) return std::nullopt;
        Picture picture{GrayImageFromRgba(png->width, png->height, png->rgba, png->hasAlpha), {}};
        picture.colors.resize(picture.image.gray.size());
        for (std::size_t i = 0; i < picture.colors.size() && 4 * i + 3 < png->rgba.size(); ++i) {
            const std::uint8_t* p = &png->rgba[4 * i];
            picture.colors[i] = p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(255 - p[3]) << 24;
        }
        return picture;
    }
    if (extension == ".bmp") return ReadBmp(path, reason);
    reason = "not a picture pxdtool reads (.png or .bmp)";
    return std::nullopt;
}

}  // namespace pixador::cli
