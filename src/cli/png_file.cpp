#include "cli/png_file.h"

#include <png.h>

#include <cstring>

#include "cli/session.h"
#include "files/file_io.h"

namespace pixador::cli {

namespace {

// Larger pictures than this are refused before memory is taken for them.
constexpr std::uint64_t kMaxPixels = std::uint64_t{1} << 26;

}  // namespace

std::optional<RgbaImage> ReadPngFile(const std::string& path, std::string& reason)
{
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) {
        reason = UnreadableText(path);
        return std::nullopt;
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes->data(), bytes->size())) {
        reason = std::string("not a readable PNG file (") + image.message + ")";
        png_image_free(&image);
        return std::nullopt;
    }
    if (static_cast<std::uint64_t>(image.width) * image.height > kMaxPixels) {
        reason = "the picture is too large (" + std::to_string(image.width) + "x" + std::to_string(image.height) + ")";
        png_image_free(&image);
        return std::nullopt;
    }
    RgbaImage result;
    result.hasAlpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    result.width = static_cast<int>(image.width);
    result.height = static_cast<int>(image.height);
    image.format = PNG_FORMAT_RGBA;
    result.rgba.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, result.rgba.data(), 0, nullptr)) {
        reason = std::string("damaged PNG file (") + image.message + ")";
        png_image_free(&image);
        return std::nullopt;
    }
    return result;
}

std::optional<std::string> EncodePalettePng(int width, int height, const std::vector<std::uint8_t>& indices,
                                            const std::vector<std::uint32_t>& colors)
{
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB_COLORMAP;
    image.colormap_entries = static_cast<png_uint_32>(colors.size());
    std::vector<std::uint8_t> colormap;
    for (const std::uint32_t c : colors) {
        colormap.push_back(static_cast<std::uint8_t>(c & 0xFF));
        colormap.push_back(static_cast<std::uint8_t>((c >> 8) & 0xFF));
        colormap.push_back(static_cast<std::uint8_t>((c >> 16) & 0xFF));
    }
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, indices.data(), 0, colormap.data())) return std::nullopt;
    std::string out(size, '\0');
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, indices.data(), 0, colormap.data()))
        return std::nullopt;
    out.resize(size);
    return out;
}

}  // namespace pixador::cli
