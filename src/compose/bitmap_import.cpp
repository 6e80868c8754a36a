#include "compose/bitmap_import.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "compose/gray_mapping.h"
#include "core/document_commands.h"
#include "core/numbers.h"
#include "core/prompts.h"
#include "files/file_io.h"

namespace pixador {

BitmapOutcome BitmapFromPicture(const DecodedPicture& picture, BitmapImage& image)
{
    if (picture.width < 1 || picture.height < 1 || !picture.pixelAt) return BitmapOutcome::NotABitmap;
    if (picture.width < 8) return BitmapOutcome::TooNarrow;
    BitmapImage read;
    read.Reset(picture.width, picture.height);
    for (int g = 0; g < 256; ++g) read.grayTable[g] = static_cast<std::uint8_t>(g);
    for (int y = 0; y < read.height; ++y) {
        for (int x = 0; x < read.width; ++x) {
            const RgbaPixel p = picture.pixelAt(x, y);
            read.pixels[static_cast<std::size_t>(y) * read.width + x] = GrayOverWhite(p.red, p.green, p.blue, p.alpha);
        }
    }
    image = std::move(read);
    return BitmapOutcome::Read;
}

bool IsPngFile(const std::string& path)
{
    static constexpr std::string_view kSignature("\x89PNG\r\n\x1A\n", 8);
    const std::optional<std::string> head = ReadFileBytes(path, kSignature.size());
    return head && *head == kSignature;
}

bool ReadPictureFile(EditorState& state, const std::string& path, BitmapImage& image, const PictureDecoder& decodePng)
{
    if (!IsPngFile(path) || !decodePng) return ReadBitmapFile(state, path, image);
    DecodedPicture picture;
    const BitmapOutcome outcome = decodePng(path, picture) ? BitmapFromPicture(picture, image) : BitmapOutcome::NotABitmap;
    if (outcome == BitmapOutcome::NotABitmap) ReportUnreadableBitmap(state, path);
    if (outcome == BitmapOutcome::TooNarrow) ReportNarrowBitmap(state);
    return outcome == BitmapOutcome::Read;
}

bool ImportBMP_Click(EditorState& state, BitmapImage& image, const PictureDecoder& decodePng)
{
    if (!ConfirmIrreversible(state)) return false;
    const std::string path = ShowOpenDialog(state, kBitmapFilesDescription, kBitmapFilesPattern);
    if (!FileExists(path)) return false;
    return ReadPictureFile(state, path, image, decodePng);
}

}  // namespace pixador
