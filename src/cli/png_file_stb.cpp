// PNG files through the header-only stb reader and stb's deflate, for builds without libpng.
#include "cli/png_file.h"

#include <climits>
#include <cstdlib>
#include <memory>

#include "files/file_io.h"

#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#endif
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#include <stb_image.h>
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace pixador::cli {

namespace {

// Larger pictures than this are refused before memory is taken for them.
constexpr std::uint64_t kMaxPixels = std::uint64_t{1} << 26;

struct StbFree {
    void operator()(unsigned char* p) const { STBIW_FREE(p); }
};

std::uint32_t Crc32(const std::string& bytes, std::size_t from)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = from; i < bytes.size(); ++i) {
        crc ^= static_cast<std::uint8_t>(bytes[i]);
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutBigEndian(std::string& out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

void PutChunk(std::string& out, const char* type, const std::string& data)
{
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.append(type, 4);
    out += data;
    PutBigEndian(out, Crc32(out, start));
}

}  // namespace

std::optional<RgbaImage> ReadPngFile(const std::string& path, std::string& reason)
{
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) {
        reason = FileExists(path) ? "cannot read the file" : "no such file";
        return std::nullopt;
    }
    if (bytes->size() > INT_MAX) {
        reason = "the file is too large";
        return std::nullopt;
    }
    const auto* data = reinterpret_cast<const stbi_uc*>(bytes->data());
    const int size = static_cast<int>(bytes->size());
    int width = 0, height = 0, channels = 0;
    if (!stbi_info_from_memory(data, size, &width, &height, &channels)) {
        reason = std::string("not a readable PNG file (") + stbi_failure_reason() + ")";
        return std::nullopt;
    }
    if (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) > kMaxPixels) {
        reason = "the picture is too large (" + std::to_string(width) + "x" + std::to_string(height) + ")";
        return std::nullopt;
    }
    const std::unique_ptr<stbi_uc, StbFree> pixels(stbi_load_from_memory(data, size, &width, &height, &channels, 4));
    if (!pixels) {
        reason = std::string("damaged PNG file (") + stbi_failure_reason() + ")";
        return std::nullopt;
    }
    RgbaImage result;
    result.width = width;
    result.height = height;
    // Gray+alpha, RGBA, or a transparent colour (tRNS) counted as alpha, as libpng reports them.
    result.hasAlpha = channels == 2 || channels == 4;
    result.rgba.assign(pixels.get(), pixels.get() + static_cast<std::size_t>(width) * height * 4);
    return result;
}

std::optional<std::string> EncodePalettePng(int width, int height, const std::vector<std::uint8_t>& indices,
                                            const std::vector<std::uint32_t>& colors)
{
    if (width <= 0 || height <= 0 || colors.empty() || colors.size() > 256 ||
        indices.size() != static_cast<std::size_t>(width) * height)
        return std::nullopt;
    std::string header;
    PutBigEndian(header, static_cast<std::uint32_t>(width));
    PutBigEndian(header, static_cast<std::uint32_t>(height));
    header += std::string("\x08\x03\x00\x00\x00", 5);  // 8-bit indices, palette, deflate, no interlace
    std::string palette;
    for (const std::uint32_t c : colors) {
        palette.push_back(static_cast<char>(c & 0xFF));
        palette.push_back(static_cast<char>((c >> 8) & 0xFF));
        palette.push_back(static_cast<char>((c >> 16) & 0xFF));
    }
    // Every row with filter 0: palette indices gain nothing from prediction.
    std::string rows;
    for (int y = 0; y < height; ++y) {
        rows.push_back('\0');
        rows.append(reinterpret_cast<const char*>(indices.data()) + static_cast<std::size_t>(y) * width,
                    static_cast<std::size_t>(width));
    }
    if (rows.size() > INT_MAX) return std::nullopt;
    int packedSize = 0;
    const std::unique_ptr<unsigned char, StbFree> packed(stbi_zlib_compress(
        reinterpret_cast<unsigned char*>(rows.data()), static_cast<int>(rows.size()), &packedSize, 8));
    if (!packed) return std::nullopt;
    std::string out("\x89PNG\r\n\x1A\n", 8);
    PutChunk(out, "IHDR", header);
    PutChunk(out, "PLTE", palette);
    PutChunk(out, "IDAT",
             std::string(reinterpret_cast<const char*>(packed.get()), static_cast<std::size_t>(packedSize)));
    PutChunk(out, "IEND", "");
    return out;
}

}  // namespace pixador::cli
