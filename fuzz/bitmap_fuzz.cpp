// File > Import > From Bitmap: a 256-colour bitmap (or a picture another decoder read) into the
// capture dialog, then every capture the dialog can make of it.
#include <algorithm>

#include "compose/bitmap_import.h"
#include "compose/capture_area.h"
#include "compose/map_export.h"
#include "fuzz_support.h"
#include "support/state_fixture.h"

using namespace pixador;

namespace {

// Stands in for the window system's PNG decoder: the size from the header's width and height
// fields (any values), the pixels from the bytes after them, repeated.
bool DecodeFromBytes(std::string_view bytes, DecodedPicture& picture)
{
    if (bytes.size() < 24) return false;
    const auto field = [&](std::size_t at) {
        std::uint32_t v = 0;
        for (std::size_t k = 0; k < 4; ++k) v = v << 8 | static_cast<std::uint8_t>(bytes[at + k]);
        return static_cast<std::int32_t>(v);
    };
    picture.width = field(16);
    picture.height = field(20);
    const std::string_view rest = bytes.substr(24);
    picture.pixelAt = [rest](int x, int y) {
        if (rest.empty()) return RgbaPixel{};
        const std::size_t at = (static_cast<std::size_t>(y) * kMaxBitmapSide + static_cast<std::size_t>(x)) * 4;
        const auto b = [&](std::size_t k) { return static_cast<std::uint8_t>(rest[(at + k) % rest.size()]); };
        return RgbaPixel{b(0), b(1), b(2), b(3)};
    };
    return true;
}

void Capture(EditorState& state, const BitmapImage& image, std::string_view bytes)
{
    BitmapCapture capture(state, image);
    const std::uint8_t seed = bytes.empty() ? 0 : static_cast<std::uint8_t>(bytes.back());
    capture.WBox_Click(seed % 3);
    capture.HBox_Change(std::to_string(seed * 3 - 100));
    capture.AreaXStart_Change(capture.XStartMax());
    capture.AreaYStart_Change(capture.YStartMax());
    capture.BrightBox_Change(bytes.substr(0, std::min<std::size_t>(bytes.size(), 8)));
    capture.OkBMPBttn_Click(state);
    // A small rectangle anywhere, also reaching past the picture.
    MapExportText(image, image.width - seed % 50, seed % 30 - 10, seed % 40, seed % 20, seed % 201 - 100);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes = fuzz::Bytes(data, size);
    const std::string path = fuzz::AsFile(bytes, "picture.bmp");
    testing::StateFixture f;
    BitmapImage image;
    const bool read = ReadPictureFile(f.state, path, image, [&](const std::string&, DecodedPicture& picture) {
        return DecodeFromBytes(bytes, picture);
    });
    if (!IsPngFile(path)) {
        // The file reader and the in-memory decoder agree.
        BitmapImage decoded;
        FUZZ_CHECK((DecodeBitmap(bytes, decoded) == BitmapOutcome::Read) == read);
        FUZZ_CHECK(!read || (decoded.pixels == image.pixels && decoded.grayTable == image.grayTable));
    }
    if (!read) return 0;
    FUZZ_CHECK(image.width >= 8 && image.width <= kMaxBitmapSide && image.height >= 1 && image.height <= kMaxBitmapSide);
    FUZZ_CHECK(image.pixels.size() == static_cast<std::size_t>(image.width) * image.height);
    Capture(f.state, image, bytes);
    return 0;
}
