#pragma once
// Pictures written by other programs (Pillow, ImageMagick) and read back by Pillow, through
// outside_pictures.py beside this header.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace pixador::testing {

// Debian's interpreter, which carries Pillow (python3-pil).
inline constexpr const char* kPython = "/usr/bin/python3";

// A binary PGM (one byte a pixel) or PPM (three).
struct OutsidePixels {
    int width = 0;
    int height = 0;
    int channels = 1;
    std::vector<std::uint8_t> bytes;

    std::uint8_t At(int x, int y, int channel = 0) const
    {
        return bytes[(static_cast<std::size_t>(y) * width + x) * channels + channel];
    }
};

inline std::optional<OutsidePixels> ReadNetpbm(const std::string& path)
{
    const std::string data = TempDir::Read(path);
    OutsidePixels p;
    std::size_t pos = 0;
    auto field = [&]() {
        while (pos < data.size() && std::isspace(static_cast<unsigned char>(data[pos]))) ++pos;
        std::size_t end = pos;
        while (end < data.size() && !std::isspace(static_cast<unsigned char>(data[end]))) ++end;
        std::string f = data.substr(pos, end - pos);
        pos = end;
        return f;
    };
    const std::string magic = field();
    if (magic != "P5" && magic != "P6") return std::nullopt;
    p.channels = magic == "P5" ? 1 : 3;
    p.width = std::atoi(field().c_str());
    p.height = std::atoi(field().c_str());
    field();
    ++pos;
    const std::size_t size = static_cast<std::size_t>(p.width) * p.height * p.channels;
    if (data.size() < pos + size) return std::nullopt;
    p.bytes.assign(data.begin() + static_cast<std::ptrdiff_t>(pos), data.begin() + static_cast<std::ptrdiff_t>(pos + size));
    return p;
}

inline std::string Quoted(const std::string& s)
{
    return "'" + s + "'";
}

// Writes a picture of kind (see outside_pictures.py) to out; answers the gray values Pillow
// reads from it. Where Pillow cannot be started (a Windows build under Wine), the pictures are
// made beforehand into the folder PIXADOR_OUTSIDE_PICTURES names, as KIND-WxH and KIND-WxH.pgm.
inline std::optional<OutsidePixels> MakeOutsidePicture(const std::string& kind, int width, int height,
                                                       const std::string& out)
{
    const std::string gray = out + ".pgm";
    if (const char* made = std::getenv("PIXADOR_OUTSIDE_PICTURES"); made && *made) {
        const std::string name = std::string(made) + "/" + kind + "-" + std::to_string(width) + "x" + std::to_string(height);
        if (!std::filesystem::exists(name)) return std::nullopt;
        std::filesystem::copy_file(name, out, std::filesystem::copy_options::overwrite_existing);
        return ReadNetpbm(name + ".pgm");
    }
    const std::string command = std::string(kPython) + " " + Quoted(PIXADOR_TESTS_DIR "/support/outside_pictures.py") +
                                " make " + kind + " " + std::to_string(width) + " " + std::to_string(height) + " " +
                                Quoted(out) + " " + Quoted(gray);
    if (std::system(command.c_str()) != 0) return std::nullopt;
    return ReadNetpbm(gray);
}

// The RGB pixels Pillow reads from a picture file; nothing when Pillow cannot open it.
inline std::optional<OutsidePixels> ReadWithPillow(const std::string& path)
{
    const std::string rgb = path + ".ppm";
    const std::string command = std::string(kPython) + " " + Quoted(PIXADOR_TESTS_DIR "/support/outside_pictures.py") +
                                " read " + Quoted(path) + " " + Quoted(rgb) + " 2>/dev/null";
    if (std::system(command.c_str()) != 0) return std::nullopt;
    return ReadNetpbm(rgb);
}

}  // namespace pixador::testing
