#include "compose/bmp_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "support/outside_pictures.h"
#include "support/state_fixture.h"
#include "support/temp_dir.h"

namespace pixador {
namespace {

using testing::MakeOutsidePicture;
using testing::StateFixture;
using testing::TempDir;

TEST(BmpReader, OutsideBitmapsReadAsAnotherReaderSeesThem)
{
    struct Row {
        const char* kind;
        int width;
        int height;
    };
    const Row rows[] = {
        {"pil", 13, 5},   {"pil", 9, 3},       {"pil", 420, 3},     {"topdown", 13, 5}, {"topdown", 30, 450},
        {"rle", 13, 5},   {"rle", 31, 7},      {"rle", 300, 500},   {"rle", 420, 20},   {"v5", 13, 5},
        {"v5rle", 17, 4},
    };
    TempDir dir;
    for (const Row& r : rows) {
        const std::string name = std::string(r.kind) + "_" + std::to_string(r.width) + "x" + std::to_string(r.height);
        const std::string path = dir.File(name + ".bmp");
        const auto truth = MakeOutsidePicture(r.kind, r.width, r.height, path);
        ASSERT_TRUE(truth) << name;
        BitmapImage image;
        ASSERT_EQ(DecodeBitmap(TempDir::Read(path), image), BitmapOutcome::Read) << name;
        ASSERT_EQ(image.width, std::min(r.width, 400)) << name;
        ASSERT_EQ(image.height, std::min(r.height, 400)) << name;
        int wrong = 0;
        for (int y = 0; y < image.height; ++y)
            for (int x = 0; x < image.width; ++x) wrong += image.Gray(x, y) != truth->At(x, y);
        EXPECT_EQ(wrong, 0) << name;
    }
}

struct Fields {
    std::string type = "BM";
    std::uint32_t offset = 14 + 40 + 1024;
    std::uint32_t info = 40;
    std::int32_t width = 8;
    std::int32_t height = 2;
    std::uint16_t bits = 8;
    std::uint32_t compression = 0;
    std::uint32_t used = 0;  // palette entries; 0 means all 256
};

void Put(std::string& out, std::uint32_t value, int bytes)
{
    // Bytes past the value's four are zero.
    for (int i = 0; i < bytes; ++i, value >>= 8) out += static_cast<char>(value & 0xFF);
}

// A file header, a 40-byte info header, a gray palette (entry i is gray i) and data.
std::string Bmp(const Fields& f, std::string_view data)
{
    std::string out = f.type;
    Put(out, 0, 4);
    Put(out, 0, 4);
    Put(out, f.offset, 4);
    Put(out, f.info, 4);
    Put(out, static_cast<std::uint32_t>(f.width), 4);
    Put(out, static_cast<std::uint32_t>(f.height), 4);
    Put(out, 1, 2);
    Put(out, f.bits, 2);
    Put(out, f.compression, 4);
    Put(out, 0, 12);
    Put(out, f.used, 4);
    Put(out, 0, 4);
    for (int i = 0; i < 256; ++i) Put(out, static_cast<std::uint32_t>(i * 0x010101), 4);
    out += data;
    return out;
}

using Pixels = std::vector<int>;

TEST(BmpReader, HostileAndOddFilesStayInsideAndReadWhatIsThere)
{
    constexpr std::int32_t kHuge = INT_MAX;
    const Pixels zeros(8, 0);
    const Pixels lowRow{1, 2, 3, 4, 5, 6, 7, 8};
    const Pixels highRow{17, 18, 19, 20, 21, 22, 23, 24};
    const std::string twoRows = "\x01\x02\x03\x04\x05\x06\x07\x08\x11\x12\x13\x14\x15\x16\x17\x18";
    struct Row {
        const char* name;
        Fields fields;
        std::string data;
        BitmapOutcome outcome;
        int width;
        int height;
        Pixels top;     // row 0
        Pixels second;  // row 1
    };
    auto rle = [](std::int32_t height = 2) {
        Fields f;
        f.compression = 1;
        f.height = height;
        return f;
    };
    auto with = [](auto change) {
        Fields f;
        change(f);
        return f;
    };
    const Row rows[] = {
        {"bottom-up rows", Fields{}, twoRows, BitmapOutcome::Read, 8, 2, highRow, lowRow},
        {"top-down rows", with([](Fields& f) { f.height = -2; }), twoRows, BitmapOutcome::Read, 8, 2, lowRow, highRow},
        {"file ends inside a row", Fields{}, twoRows.substr(0, 11), BitmapOutcome::Read, 8, 2, {17, 18, 19, 0, 0, 0, 0, 0}, lowRow},
        {"data offset past the file", with([](Fields& f) { f.offset = 0xFFFFFFF0; }), twoRows, BitmapOutcome::Read, 8, 2, zeros, zeros},
        {"data offset's fourth byte counts", with([](Fields& f) { f.offset += 1u << 24; }), twoRows, BitmapOutcome::Read, 8, 2, zeros, zeros},
        {"height -2^31", with([](Fields& f) { f.height = INT_MIN; }), twoRows, BitmapOutcome::Read, 8, 400, lowRow, highRow},
        {"height 2^31-1", with([](Fields& f) { f.height = kHuge; }), twoRows, BitmapOutcome::Read, 8, 400, zeros, zeros},
        {"width 2^31-1", with([](Fields& f) { f.width = kHuge; }), twoRows, BitmapOutcome::Read, 400, 2, {}, {}},
        {"width 7", with([](Fields& f) { f.width = 7; }), twoRows, BitmapOutcome::TooNarrow, 0, 0, {}, {}},
        {"negative width", with([](Fields& f) { f.width = -64; }), twoRows, BitmapOutcome::TooNarrow, 0, 0, {}, {}},
        {"height 0", with([](Fields& f) { f.height = 0; }), twoRows, BitmapOutcome::NotABitmap, 0, 0, {}, {}},
        {"24 bits", with([](Fields& f) { f.bits = 24; }), twoRows, BitmapOutcome::NotABitmap, 0, 0, {}, {}},
        {"type MB", with([](Fields& f) { f.type = "MB"; }), twoRows, BitmapOutcome::NotABitmap, 0, 0, {}, {}},
        {"12-byte core header", with([](Fields& f) { f.info = 12; }), twoRows, BitmapOutcome::NotABitmap, 0, 0, {}, {}},
        // RLE8: the file's first row is row 1 (bottom-up).
        {"runs stop at the row end, no wrap", rle(), std::string("\x03\x05\x0A\x07\x00\x00\x02\x09\x00\x01", 10),
         BitmapOutcome::Read, 8, 2, {9, 9, 0, 0, 0, 0, 0, 0}, {5, 5, 5, 7, 7, 7, 7, 7}},
        {"odd absolute run drops its pad byte", rle(), std::string("\x00\x03\x01\x02\x03\xEE\x01\x04", 8),
         BitmapOutcome::Read, 8, 2, zeros, {1, 2, 3, 4, 0, 0, 0, 0}},
        {"absolute run writes its pixels only", rle(), std::string("\x00\x03\x01\x02\x03\xEE\x00\x00", 8),
         BitmapOutcome::Read, 8, 2, zeros, {1, 2, 3, 0, 0, 0, 0, 0}},
        {"delta past the image", rle(), std::string("\x00\x02\x05\x00\x02\x06\x00\x02\x00\x09\x03\x07", 12),
         BitmapOutcome::Read, 8, 2, zeros, {0, 0, 0, 0, 0, 6, 6, 0}},
        {"absolute run past the end of the file", rle(), std::string("\x00\x08\x01\x02\x03", 5),
         BitmapOutcome::Read, 8, 2, zeros, {1, 2, 3, 0, 0, 0, 0, 0}},
        {"end of bitmap stops", rle(), std::string("\x02\x01\x00\x01\x02\x02", 6), BitmapOutcome::Read, 8, 2,
         zeros, {1, 1, 0, 0, 0, 0, 0, 0}},
        {"file ends after an escape", rle(), std::string("\x02\x01\x00", 3), BitmapOutcome::Read, 8, 2, zeros,
         {1, 1, 0, 0, 0, 0, 0, 0}},
        {"top-down runs", rle(-2), std::string("\x02\x01\x00\x00\x02\x03", 6), BitmapOutcome::Read, 8, 2,
         {1, 1, 0, 0, 0, 0, 0, 0}, {3, 3, 0, 0, 0, 0, 0, 0}},
        {"runs far below the picture land nowhere", rle(kHuge), std::string("\x08\x01\x00\x00\x08\x02", 6),
         BitmapOutcome::Read, 8, 400, zeros, zeros},
    };
    for (const Row& r : rows) {
        BitmapImage image;
        EXPECT_EQ(DecodeBitmap(Bmp(r.fields, r.data), image), r.outcome) << r.name;
        EXPECT_EQ(image.width, r.width) << r.name;
        EXPECT_EQ(image.height, r.height) << r.name;
        if (image.height < 2) continue;
        for (int x = 0; x < static_cast<int>(r.top.size()); ++x) {
            EXPECT_EQ(image.Index(x, 0), r.top[x]) << r.name << " x " << x;
            EXPECT_EQ(image.Index(x, 1), r.second[x]) << r.name << " x " << x;
        }
        // Past the rows given, nothing was written.
        for (int y = 2; y < image.height; ++y)
            for (int x = 0; x < image.width; ++x) ASSERT_EQ(image.Index(x, y), 0) << r.name;
    }
    // Runs that move past the last row end the read whole, though no end code follows.
    BitmapImage past;
    DecodeBitmap(Bmp(rle(-1), std::string("\x02\x01\x00\x00\x02\x03", 6)), past);
    EXPECT_FALSE(past.truncated);
    DecodeBitmap(Bmp(rle(), std::string("\x00\x02", 2)), past);
    EXPECT_TRUE(past.truncated) << "a delta cut off";

    // Files cut anywhere never read outside their bytes.
    const std::string whole = Bmp(rle(), std::string("\x00\x05\x01\x02\x03\x04\x05\x00\x03\x02\x00\x00\x04\x08", 14));
    for (std::size_t n = 0; n <= whole.size(); ++n) {
        BitmapImage image;
        DecodeBitmap(std::string_view(whole).substr(0, n), image);
    }
}

TEST(BmpReader, ReadingAFileReportsAsTheDialogExpects)
{
    TempDir dir;
    StateFixture f;
    BitmapImage image;
    image.width = 99;

    const std::string text = dir.File("notes.bmp");
    TempDir::Write(text, "hello");
    EXPECT_FALSE(ReadBitmapFile(f.state, text, image));
    ASSERT_EQ(f.view.messages.size(), 1u);
    EXPECT_EQ(f.view.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(f.view.messages[0].text, "Error while reading " + text +
                                           "\r\n!! Make sure the file exists and it's a valid 256 colors Bitmap File!.");

    const std::string narrow = dir.File("narrow.bmp");
    Fields seven;
    seven.width = 7;
    TempDir::Write(narrow, Bmp(seven, "1234567812345678"));
    EXPECT_FALSE(ReadBitmapFile(f.state, narrow, image));
    ASSERT_EQ(f.view.messages.size(), 2u);
    EXPECT_EQ(f.view.messages[1].title, "Warning!!");
    EXPECT_EQ(f.view.messages[1].text,
              "The Bitmap is smaller than 8x1!! Sorry, it must have a width of 8 pixels and above.");
    EXPECT_EQ(image.width, 99) << "a refused file leaves the picture as it was";

    const std::string good = dir.File("good.bmp");
    TempDir::Write(good, Bmp({}, "1234567812345678"));
    f.view.status.clear();
    EXPECT_TRUE(ReadBitmapFile(f.state, good, image));
    EXPECT_EQ(image.Gray(0, 1), '1') << "the palette maps index i to gray i";
    Fields one;
    one.used = 1;
    TempDir::Write(good, Bmp(one, "1234567812345678"));
    EXPECT_TRUE(ReadBitmapFile(f.state, good, image));
    EXPECT_EQ(image.Gray(0, 1), 0) << "only the one colour used is read";
    one.used = 0x01000001;
    TempDir::Write(good, Bmp(one, "1234567812345678"));
    EXPECT_TRUE(ReadBitmapFile(f.state, good, image));
    EXPECT_EQ(image.Gray(0, 1), '1') << "more than 256 colours used reads all 256";
    EXPECT_EQ(f.view.status, "Ready");
}

}  // namespace
}  // namespace pixador
