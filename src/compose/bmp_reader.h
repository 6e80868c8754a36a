#pragma once
// 256-colour Windows bitmaps read into a gray picture for the capture dialog: the palette
// becomes a gray table, the pixels stay palette indices. Safe for any bytes.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pixador {

struct EditorState;

// Pictures are cut to this many columns and rows (the leftmost and topmost ones stay).
constexpr int kMaxBitmapSide = 400;
// Larger files are refused rather than read into memory.
inline constexpr std::size_t kMaxBitmapFileBytes = std::size_t{256} << 20;

// BmpWidth, BmpHeight, BmpPixels and GrayTable: the picture a capture works on.
struct BitmapImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;  // width x height palette indices, row by row, top row first
    std::array<std::uint8_t, 256> grayTable{};
    std::array<std::uint32_t, 256> palette{};  // the colours behind grayTable, 0x00BBGGRR
    bool truncated = false;                    // the pixel data ended before the last row

    std::uint8_t Index(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    std::uint8_t Gray(int x, int y) const { return grayTable[Index(x, y)]; }
    // Sizes the picture (cut to maxSide x maxSide) with every pixel index 0.
    void Reset(long long columns, long long rows, int maxSide = kMaxBitmapSide);
};

enum class BitmapOutcome { Read, NotABitmap, TooNarrow };

// The header fields the reader uses.
struct BitmapHeader {
    BitmapOutcome outcome = BitmapOutcome::NotABitmap;
    std::uint32_t dataOffset = 0;
    std::uint32_t infoSize = 0;
    long long width = 0;
    long long rows = 0;     // the height's magnitude
    bool topDown = false;   // a negative height stores the top row first
    bool rle8 = false;
    int paletteEntries = 256;
};

// Checks type "BM", 8 bits per pixel, a known info header, a height other than 0 and a
// width of at least 8. Fields past the end of the bytes read as 0.
BitmapHeader ReadBitmapHeader(std::string_view bytes);
// GrayTable from the palette after the info header; entries past the file or past the
// colours the header declares are gray 0.
void ReadBitmapPalette(std::string_view bytes, const BitmapHeader& header, BitmapImage& image);
// The pixel rows, uncompressed or RLE8, into an image already Reset to the header's size.
// Whatever the bytes do not reach stays index 0.
void ReadBitmapPixels(std::string_view bytes, const BitmapHeader& header, BitmapImage& image);
// The three steps; image is replaced only when the outcome is Read. The capture dialog keeps
// the first 400 x 400 pixels; pxdtool's sprite sheets may be larger.
BitmapOutcome DecodeBitmap(std::string_view bytes, BitmapImage& image, int maxSide = kMaxBitmapSide);

// Reads the file with the reader's status texts and messages; true on success, and only then
// is image replaced.
bool ReadBitmapFile(EditorState& state, const std::string& path, BitmapImage& image);

// The reader's two messages, for other picture readers that refuse a file the same way.
void ReportUnreadableBitmap(EditorState& state, const std::string& path);
void ReportNarrowBitmap(EditorState& state);

}  // namespace pixador
