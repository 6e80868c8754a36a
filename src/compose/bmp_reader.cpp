#include "compose/bmp_reader.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "compose/gray_mapping.h"
#include "core/editor_state.h"
#include "core/editor_view.h"
#include "core/prompts.h"
#include "files/file_io.h"

namespace pixador {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kSmallestInfoHeader = 40;

// Little-endian field at offset; bytes past the end count as 0, like a short read.
std::uint32_t Field(std::string_view bytes, std::uint64_t offset, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        const std::uint64_t at = offset + static_cast<std::uint64_t>(i);
        const std::uint8_t b = at < bytes.size() ? static_cast<std::uint8_t>(bytes[at]) : 0;
        value = (value << 8) | b;
    }
    return value;
}

// False when the bytes end before the last row's pixels.
bool ReadUncompressed(std::string_view bytes, const BitmapHeader& h, BitmapImage& image)
{
    // Rows are padded to 4 bytes; 64 bits hold any stride times any row number.
    const std::uint64_t stride = (static_cast<std::uint64_t>(h.width) + 3) / 4 * 4;
    const bool whole = bytes.size() >= h.dataOffset + stride * static_cast<std::uint64_t>(h.rows - 1) +
                                           static_cast<std::uint64_t>(h.width);
    for (int y = 0; y < image.height; ++y) {
        const std::uint64_t fileRow = h.topDown ? static_cast<std::uint64_t>(y) : static_cast<std::uint64_t>(h.rows - 1 - y);
        const std::uint64_t at = h.dataOffset + fileRow * stride;
        if (at >= bytes.size()) continue;
        const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(image.width, bytes.size() - at));
        std::memcpy(image.pixels.data() + static_cast<std::size_t>(y) * image.width, bytes.data() + at, n);
    }
    return whole;
}

// False when the bytes end before the end-of-bitmap code while rows are still to come.
bool ReadRle8(std::string_view bytes, const BitmapHeader& h, BitmapImage& image)
{
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    const std::size_t size = bytes.size();
    std::size_t pos = h.dataOffset;
    const long long step = h.topDown ? 1 : -1;
    long long x = 0;
    long long y = h.topDown ? 0 : h.rows - 1;
    const long long w = image.width;
    const long long hgt = image.height;
    // Writes to the cells of [from, from + count) that lie in the picture.
    const auto rowSpan = [&](long long from, long long count, long long& first, long long& last) {
        first = std::max(from, 0LL);
        last = (y >= 0 && y < hgt) ? std::min(from + count, w) : first;
    };
    while (pos + 1 < size) {
        // Rows move one way only: once past the picture nothing more can land.
        if (h.topDown ? y >= hgt : y < 0) return true;
        const std::uint8_t n = data[pos];
        const std::uint8_t code = data[pos + 1];
        pos += 2;
        if (n > 0) {
            long long first = 0, last = 0;
            rowSpan(x, n, first, last);
            if (first < last) std::fill(image.pixels.begin() + y * w + first, image.pixels.begin() + y * w + last, code);
            x += n;
            continue;
        }
        switch (code) {
        case 0:
            x = 0;
            y += step;
            break;
        case 1: return true;
        case 2:
            if (pos + 1 >= size) return false;
            x += data[pos];
            y += step * data[pos + 1];
            pos += 2;
            break;
        default: {
            const std::size_t available = std::min<std::size_t>(code, size - pos);
            long long first = 0, last = 0;
            rowSpan(x, static_cast<long long>(available), first, last);
            for (long long i = first; i < last; ++i) image.pixels[y * w + i] = data[pos + (i - x)];
            x += code;
            // An odd run is padded to a whole 16-bit word.
            pos += std::min<std::size_t>(code + (code & 1), size - pos);
            break;
        }
        }
    }
    return false;
}

}  // namespace

void BitmapImage::Reset(long long columns, long long rows, int maxSide)
{
    width = static_cast<int>(std::clamp<long long>(columns, 0, maxSide));
    height = static_cast<int>(std::clamp<long long>(rows, 0, maxSide));
    pixels.assign(static_cast<std::size_t>(width) * height, 0);
}

BitmapHeader ReadBitmapHeader(std::string_view bytes)
{
    BitmapHeader h;
    const bool typeBM = bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
    h.dataOffset = Field(bytes, 10, 4);
    h.infoSize = Field(bytes, 14, 4);
    h.width = static_cast<std::int32_t>(Field(bytes, 18, 4));
    const long long height = static_cast<std::int32_t>(Field(bytes, 22, 4));
    const std::uint32_t bits = Field(bytes, 28, 2);
    h.rle8 = Field(bytes, 30, 4) == 1;
    const std::uint32_t used = Field(bytes, 46, 4);
    h.paletteEntries = (used >= 1 && used <= 256) ? static_cast<int>(used) : 256;
    h.topDown = height < 0;
    h.rows = height < 0 ? -height : height;
    // The 12-byte core header lays its fields out differently; an empty picture has nothing
    // to capture.
    if (!typeBM || bits != 8 || h.infoSize < kSmallestInfoHeader || h.rows == 0) return h;
    h.outcome = h.width < 8 ? BitmapOutcome::TooNarrow : BitmapOutcome::Read;
    return h;
}

void ReadBitmapPalette(std::string_view bytes, const BitmapHeader& header, BitmapImage& image)
{
    image.grayTable.fill(0);
    image.palette.fill(0);
    const std::uint64_t start = kFileHeaderSize + static_cast<std::uint64_t>(header.infoSize);
    for (int i = 0; i < header.paletteEntries; ++i) {
        const std::uint64_t at = start + 4 * static_cast<std::uint64_t>(i);
        if (at + 3 > bytes.size()) break;
        const auto byte = [&](std::uint64_t k) { return static_cast<std::uint8_t>(bytes[at + k]); };
        image.grayTable[i] = GrayOfColor(byte(2), byte(1), byte(0));
        image.palette[i] = static_cast<std::uint32_t>(byte(2)) | byte(1) << 8 | static_cast<std::uint32_t>(byte(0)) << 16;
    }
}

void ReadBitmapPixels(std::string_view bytes, const BitmapHeader& header, BitmapImage& image)
{
    image.truncated = !(header.rle8 ? ReadRle8(bytes, header, image) : ReadUncompressed(bytes, header, image));
}

BitmapOutcome DecodeBitmap(std::string_view bytes, BitmapImage& image, int maxSide)
{
    const BitmapHeader header = ReadBitmapHeader(bytes);
    if (header.outcome != BitmapOutcome::Read) return header.outcome;
    BitmapImage read;
    read.Reset(header.width, header.rows, maxSide);
    ReadBitmapPalette(bytes, header, read);
    ReadBitmapPixels(bytes, header, read);
    image = std::move(read);
    return BitmapOutcome::Read;
}

void ReportUnreadableBitmap(EditorState& state, const std::string& path)
{
    state.view->SetStatusText("Ready");
    ShowErrorMessage(state, "Error while reading " + path + kMessageLineBreak +
                                "!! Make sure the file exists and it's a valid 256 colors Bitmap File!.");
}

void ReportNarrowBitmap(EditorState& state)
{
    state.view->ShowMessage({kWarningTitle,
                             "The Bitmap is smaller than 8x1!! Sorry, it must have a width of 8 pixels and above.",
                             MessageIcon::None, MessageButtons::Ok});
}

bool ReadBitmapFile(EditorState& state, const std::string& path, BitmapImage& image)
{
    const std::optional<std::string> bytes = ReadFileBytes(path, kMaxBitmapFileBytes + 1);
    const std::string_view data = bytes && bytes->size() <= kMaxBitmapFileBytes ? std::string_view(*bytes) : std::string_view();
    const BitmapHeader header = ReadBitmapHeader(data);
    if (header.outcome == BitmapOutcome::NotABitmap) {
        ReportUnreadableBitmap(state, path);
        return false;
    }
    if (header.outcome == BitmapOutcome::TooNarrow) {
        ReportNarrowBitmap(state);
        return false;
    }
    BitmapImage read;
    read.Reset(header.width, header.rows);
    state.view->SetStatusText("Converting palette to grayscale ...");
    ReadBitmapPalette(data, header, read);
    state.view->SetStatusText("Reading Bitmap data...");
    ReadBitmapPixels(data, header, read);
    image = std::move(read);
    state.view->SetStatusText("Ready");
    return true;
}

}  // namespace pixador
