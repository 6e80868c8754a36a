#include "files/bmp_writer.h"

namespace pixador {

namespace {

constexpr std::uint32_t kHeaderBytes = 14 + 40 + 256 * 4;
constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 dots per inch

void Put16(std::string& out, std::uint32_t v)
{
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

}  // namespace

std::string EncodeBmp8(int width, int height, const std::vector<std::uint8_t>& indices,
                       const std::vector<std::uint32_t>& colors)
{
    if (width < 1 || height < 1 || width > 0x7FFF || height > 0x7FFF || colors.size() > 256 ||
        indices.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        return {};
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) + 3) & ~3u;
    const std::uint32_t imageBytes = stride * static_cast<std::uint32_t>(height);
    std::string out;
    out.reserve(kHeaderBytes + imageBytes);
    out += "BM";
    Put32(out, kHeaderBytes + imageBytes);
    Put32(out, 0);
    Put32(out, kHeaderBytes);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, 8);
    Put32(out, 0);  // uncompressed
    Put32(out, imageBytes);
    Put32(out, kPixelsPerMetre);
    Put32(out, kPixelsPerMetre);
    Put32(out, 256);
    Put32(out, 0);
    for (std::size_t i = 0; i < 256; ++i) {
        const std::uint32_t c = i < colors.size() ? colors[i] : 0;
        out += static_cast<char>((c >> 16) & 0xFF);  // blue
        out += static_cast<char>((c >> 8) & 0xFF);   // green
        out += static_cast<char>(c & 0xFF);          // red
        out += '\0';
    }
    for (int y = height - 1; y >= 0; --y) {
        const std::uint8_t* row = &indices[static_cast<std::size_t>(y) * static_cast<std::size_t>(width)];
        out.append(reinterpret_cast<const char*>(row), static_cast<std::size_t>(width));
        out.append(stride - static_cast<std::uint32_t>(width), '\0');
    }
    return out;
}

}  // namespace pixador
