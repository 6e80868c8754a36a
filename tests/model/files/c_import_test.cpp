#include "files/c_import.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "core/editor_state.h"
#include "core/history.h"
#include "core/sprite.h"
#include "core/whole_sprite.h"
#include "files/code_generator.h"
#include "support/state_fixture.h"
#include "support/temp_dir.h"

namespace pixador {
namespace {

using testing::StateFixture;
using testing::TempDir;

std::vector<FoundArray> Scan(const std::string& text, ScanOutcome expected = ScanOutcome::Found)
{
    std::vector<FoundArray> found;
    EXPECT_EQ(ScanCSourceText(text, found), expected) << text;
    return found;
}

FoundArray Array(int bits, int count, std::string data)
{
    FoundArray a;
    a.name = "array";
    a.itemBits = static_cast<std::int16_t>(bits);
    a.itemCount = static_cast<std::int16_t>(count);
    a.data = std::move(data);
    return a;
}

// Row y of one plane as a number, leftmost pixel most significant.
unsigned RowBits(const PlaneBuffer& b, int plane, int y)
{
    unsigned v = 0;
    for (int x = 0; x < b.width(); ++x) v = v * 2 + b.at(plane, x, y);
    return v;
}

TEST(CSourceScan, DeclarationsAreFoundByTheirWords)
{
    std::vector<FoundArray> found = Scan(
        "/* a comment */\n"
        "unsigned char sprite[16] = {\n"
        "\t0x01,0x02,\n"
        "   0x03  \n"
        "};\n"
        "static unsigned int wide[2] = {0x1234,0x5678};\n"
        "signed short s[] = { 0x01,0x02,0x03 };\n"
        "long   \n"
        "LONG big[] =\n"
        "\n"
        "  {0x1,\r\n0x2}\r"
        "static CHAR up[1] = {0b1};\n");
    ASSERT_EQ(found.size(), 5u);
    EXPECT_EQ(found[0].name, "sprite");
    EXPECT_EQ(found[0].itemBits, 8);
    EXPECT_EQ(found[0].itemCount, 16);
    EXPECT_EQ(found[0].data, "0x01,0x02,0x03");
    EXPECT_EQ(found[1].name, "wide");
    EXPECT_EQ(found[1].itemBits, 16);
    EXPECT_EQ(found[1].itemCount, 2);
    EXPECT_EQ(found[1].data, "0x1234,0x5678");
    EXPECT_EQ(found[2].name, "s");
    EXPECT_EQ(found[2].itemBits, 16);
    EXPECT_EQ(found[2].itemCount, 3);  // no size: commas plus one
    EXPECT_EQ(found[2].data, "0x01,0x02,0x03 ");
    EXPECT_EQ(found[3].name, "big");
    EXPECT_EQ(found[3].itemBits, 32);
    EXPECT_EQ(found[3].data, "0x1,0x2");
    EXPECT_EQ(found[4].name, "up");
    EXPECT_EQ(found[4].itemCount, 1);
    EXPECT_EQ(found[4].data, "0b1");
}

TEST(CSourceScan, TheNarrowGrammarSkipsWhatItDoesNotRead)
{
    // Two blanks hide the declarator, const is taken as the type word, other types and
    // declarators without brackets or names are skipped.
    Scan("unsigned char  sprite[16] = {0x00};\n"
         "static const unsigned char c[2] = {0x00,0x00};\n"
         "float f[2] = {1,2};\n"
         "int count = 3;\n"
         "char [4] = {0};\n"
         "char name[4 = {0};\n"
         "// shortcuts: see int main\n",
         ScanOutcome::NoArrays);

    // The brace is looked for after the declarator only: the scan reads on to the next one.
    std::vector<FoundArray> found = Scan("char a[2]={0x01,0x02};\nchar b[2] = {0x03,0x04};\n");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].name, "a");
    EXPECT_EQ(found[0].data, "0x03,0x04");
    Scan("char a[2]={0x01,0x02};\n", ScanOutcome::Failed);

    // The rest of the line after the closing brace is not looked at.
    found = Scan("char a[1] = {0x01}; char b[1] = {0x02};\nchar c[1] = {0x03};");
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[1].name, "c");

    // A skipped declaration is told by its line, CR LF counting as one break from the first;
    // one of another type is not a sprite's.
    std::vector<SkippedDeclaration> skipped;
    ScanCSourceText("float sport[2] = {1,2};\r\n\r\nstatic const unsigned char c[2] = {0x00,0x00};", found, &skipped);
    ASSERT_EQ(skipped.size(), 1u);
    EXPECT_EQ(skipped[0].line, 3);
    EXPECT_EQ(skipped[0].text, "static const unsigned char c[2] = {0x00,0x00};") << "the last line ends with the text";
}

TEST(CSourceScan, BadTextFailsWithoutReadingPastIt)
{
    Scan("unsigned char s[2] = {0x01,\n0x02", ScanOutcome::Failed);  // ends inside the data
    Scan("unsigned char s[2] =\n\n", ScanOutcome::Failed);             // never opens
    Scan("unsigned char s[40000] = {0x01};", ScanOutcome::Failed);      // size beyond 16 bits
    // A negative size leaves out that array only, its data read past.
    Scan("unsigned char s[-2] = {0x01};", ScanOutcome::NoArrays);
    std::vector<FoundArray> kept = Scan("char a[1] = {0x01};\nchar bad[-2] = {\nint c[1] = {0x7}};\nchar b[] = {0x02};");
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0].name, "a");
    EXPECT_EQ(kept[1].name, "b");
    Scan("unsigned char s[] = {" + std::string(40000, ',') + "};", ScanOutcome::Failed);
    Scan("", ScanOutcome::NoArrays);
    // A size that is not a number reads as none.
    std::vector<FoundArray> found = Scan("char s[SIZE] = {0x01,0x02};");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].itemCount, 2);

    // A million-character line, and bytes of every value.
    std::string longLine = "char s[] = {" + std::string(1000000, '7') + "};";
    found = Scan(longLine);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].data.size(), 1000000u);
    std::mt19937 random(7);
    std::string noise(1 << 20, '\0');
    for (char& c : noise) c = static_cast<char>(random());
    std::vector<FoundArray> any;
    ScanCSourceText(noise, any);
    ScanCSourceText(noise + "\nint x[3] = {", any);
    EXPECT_TRUE(any.empty());
}

TEST(CSourceScan, FileScanReportsWithTheStatusBarAndMessages)
{
    TempDir dir;
    StateFixture f;
    std::vector<FoundArray> found;

    TempDir::Write(dir.File("ok.c"), "unsigned char s[1] = {0x01};\n");
    EXPECT_TRUE(ScanCSourceFile(f.state, dir.File("ok.c"), found));
    EXPECT_EQ(found.size(), 1u);
    EXPECT_EQ(f.view.status, "Ready");
    EXPECT_TRUE(f.view.messages.empty());

    TempDir::Write(dir.File("none.c"), "int main(void) { return 0; }\n");
    EXPECT_FALSE(ScanCSourceFile(f.state, dir.File("none.c"), found));
    EXPECT_TRUE(found.empty());
    ASSERT_EQ(f.view.messages.size(), 1u);
    EXPECT_EQ(f.view.messages[0].text, "No arrays were found!");
    EXPECT_EQ(f.view.messages[0].title, "Warning!!");
    EXPECT_EQ(f.view.messages[0].icon, MessageIcon::None);

    const std::string failure = "!\r\nCheck if file is a valid C source file and contains one or more arrays.";
    TempDir::Write(dir.File("open.c"), "char s[2] = {0x01,");
    EXPECT_FALSE(ScanCSourceFile(f.state, dir.File("open.c"), found));
    EXPECT_EQ(f.view.LastMessage(), "Error while reading " + dir.File("open.c") + failure);
    EXPECT_EQ(f.view.messages.back().title, "Error!!! Run for your lives!!");
    EXPECT_EQ(f.view.messages.back().icon, MessageIcon::Critical);
    EXPECT_EQ(f.view.status, "Ready");

    EXPECT_FALSE(ScanCSourceFile(f.state, dir.str(), found));  // a folder cannot be read
    EXPECT_EQ(f.view.LastMessage(), "Error while reading " + dir.str() + failure);
}

TEST(CSourceImportCommand, AsksFirstAndScansOnlyAnExistingFile)
{
    TempDir dir;
    TempDir::Write(dir.File("s.c"), "char s[1] = {0x01};");
    std::vector<FoundArray> found;
    {
        StateFixture f;  // the erasure question is answered No
        EXPECT_FALSE(ImportFromC_Click(f.state, found));
        EXPECT_TRUE(f.view.openRequests.empty());
    }
    {
        StateFixture f;
        f.state.preferences.PromptForErasure = false;
        f.view.openPaths = {"", dir.File("missing.c"), dir.File("s.c")};
        EXPECT_FALSE(ImportFromC_Click(f.state, found));
        EXPECT_FALSE(ImportFromC_Click(f.state, found));
        EXPECT_TRUE(f.view.messages.empty());
        EXPECT_TRUE(ImportFromC_Click(f.state, found));
        EXPECT_EQ(found.size(), 1u);
        ASSERT_EQ(f.view.openRequests.size(), 3u);
        EXPECT_EQ(f.view.openRequests[0].description, "C Source files (*.c, *.h)");
        EXPECT_EQ(f.view.openRequests[0].pattern, "*.c;*.h");
        EXPECT_EQ(f.view.openRequests[0].title, ".:Pixador :. Open File");
    }
}

TEST(CArrayDecode, ItemRules)
{
    DecodeChoice bw;
    // Short hexadecimal items are padded in front, long ones cut after the row's digits;
    // only "0x" and "0b" items carry pixels, and leading blanks spoil an item.
    PlaneBuffer b = DecodeArray(Array(8, 7, "0xF,0X3c5,0b101,0b1111111111, 0xFF,77,0xzz"), bw);
    ASSERT_EQ(b.height(), 7);
    EXPECT_EQ(b.width(), 8);
    const unsigned expected[] = {0x0F, 0x3C, 0xA0, 0xFF, 0, 0, 0};
    for (int y = 0; y < 7; ++y) {
        EXPECT_EQ(RowBits(b, 0, y), expected[y]) << y;
        EXPECT_EQ(RowBits(b, 1, y), expected[y]) << y;  // one plane: light equals dark
    }

    // Items after ", " decode only the first of each source line.
    b = DecodeArray(Array(8, 4, "0x01, 0x02,0x03, 0x04"), bw);
    EXPECT_EQ(RowBits(b, 0, 0), 1u);
    EXPECT_EQ(RowBits(b, 0, 1), 0u);
    EXPECT_EQ(RowBits(b, 0, 2), 3u);
    EXPECT_EQ(RowBits(b, 0, 3), 0u);

    // Wider items; missing items are white rows; extra ones are ignored.
    b = DecodeArray(Array(16, 3, "0xF00F,0b1000000000000001"), bw);
    EXPECT_EQ(RowBits(b, 0, 0), 0xF00Fu);
    EXPECT_EQ(RowBits(b, 0, 1), 0x8001u);
    EXPECT_EQ(RowBits(b, 0, 2), 0u);
    b = DecodeArray(Array(32, 1, "0x80000001,0xFFFFFFFF"), bw);
    EXPECT_EQ(b.height(), 1);
    EXPECT_EQ(RowBits(b, 0, 0), 0x80000001u);

    // Any non-zero digit of a "0b" item sets its pixel.
    b = DecodeArray(Array(8, 1, "0b19200"), bw);
    EXPECT_EQ(RowBits(b, 0, 0), 0xE0u);
    EXPECT_EQ(BlankReadItems(Array(8, 3, "0x,77,0b")), 1) << "a bare 0x or 0b is still a pixel row";

    // An item far longer than any row.
    b = DecodeArray(Array(8, 2, "0x" + std::string(100000, 'f') + ",0b" + std::string(100000, '1')), bw);
    EXPECT_EQ(RowBits(b, 0, 0), 0xFFu);
    EXPECT_EQ(RowBits(b, 0, 1), 0xFFu);
}

TEST(CArrayDecode, PlanesSpritesAndOddCounts)
{
    // Two planes: the first block is dark with Dark->Light, light with Light->Dark.
    DecodeChoice gray{true, true, 1};
    PlaneBuffer b = DecodeArray(Array(8, 4, "0x33,0xFF,0x55,0xFF"), gray);
    ASSERT_EQ(b.height(), 2);
    EXPECT_EQ(RowBits(b, 0, 0), 0x33u);
    EXPECT_EQ(RowBits(b, 0, 1), 0xFFu);
    EXPECT_EQ(RowBits(b, 1, 0), 0x55u);
    gray.darkFirst = false;
    b = DecodeArray(Array(8, 4, "0x33,0xFF,0x55,0xFF"), gray);
    EXPECT_EQ(RowBits(b, 1, 0), 0x33u);
    EXPECT_EQ(RowBits(b, 0, 0), 0x55u);

    // Six items hold 1 or 3 sprites; three sprites of one row each are stacked.
    EXPECT_EQ(SpriteCountChoices(6), (std::vector<int>{1, 3}));
    EXPECT_EQ(SpriteCountChoices(24), (std::vector<int>{1, 2, 3, 4, 6, 12}));
    EXPECT_EQ(SpriteCountChoices(5), (std::vector<int>{1, 2}));  // 2.5 rounds to 2
    EXPECT_TRUE(SpriteCountChoices(1).empty());
    DecodeChoice three{true, true, 3};
    b = DecodeArray(Array(8, 6, "0x01,0x02,0x03,0x04,0x05,0x06"), three);
    ASSERT_EQ(b.height(), 3);
    EXPECT_EQ(RowBits(b, 0, 0), 1u);
    EXPECT_EQ(RowBits(b, 1, 0), 2u);
    EXPECT_EQ(RowBits(b, 0, 1), 3u);
    EXPECT_EQ(RowBits(b, 1, 1), 4u);
    EXPECT_EQ(RowBits(b, 0, 2), 5u);
    EXPECT_EQ(RowBits(b, 1, 2), 6u);
    // Split into files, each sprite is a buffer of its own; a count that does not divide is refused.
    const std::vector<PlaneBuffer> parts = DecodeSprites(Array(8, 6, "0x01,0x02,0x03,0x04,0x05,0x06"), 3, true);
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(RowBits(parts[2], 0, 0) * 16 + RowBits(parts[2], 1, 0), 0x56u);
    EXPECT_EQ(DecodeSprites(Array(8, 2, "0x01,0x02"), 1, true).size(), 1u);
    EXPECT_TRUE(DecodeSprites(Array(8, 6, "0x01,0x02,0x03,0x04,0x05,0x06"), 2, true).empty());
    // A sprite count that does not divide the rows is not trusted.
    DecodeChoice wrong{true, true, 4};
    b = DecodeArray(Array(8, 6, "0x01,0x02,0x03,0x04,0x05,0x06"), wrong);
    EXPECT_EQ(RowBits(b, 1, 0), 4u);

    // An odd count cannot hold two planes.
    DecodeChoice odd{true, true, 1};
    b = DecodeArray(Array(8, 5, "0x01,0x02,0x03,0x04,0x05"), odd);
    EXPECT_FALSE(odd.grayscale);
    EXPECT_EQ(b.height(), 5);
    EXPECT_EQ(RowBits(b, 1, 4), 5u);
    odd.darkFirst = false;
    const PlaneBuffer c = DecodeArray(Array(8, 5, "0x01,0x02,0x03,0x04,0x05"), odd);
    for (int p = 0; p < 2; ++p) EXPECT_EQ(RowBits(c, p, 4), RowBits(b, p, 4)) << "one plane has no order";
}

TEST(CArrayDecode, TallArraysAreClippedToWhatTheSpriteHolds)
{
    std::string items;
    for (int i = 0; i < 300; ++i) items += (i ? ",0x" : "0x") + std::string("FF");
    DecodeChoice bw;
    PlaneBuffer b = DecodeArray(Array(32, 300, items), bw);
    EXPECT_EQ(b.height(), 256);
    EXPECT_TRUE(SizeFitsCells(b.width(), b.height()));
    EXPECT_EQ(RowBits(b, 0, 0), 0xFFu);
    EXPECT_EQ(RowBits(b, 0, 254), 0xFFu);
    EXPECT_EQ(RowBits(b, 0, 255), 0u);  // only 255 rows are filled

    // A declared size far beyond the items gives white rows, within bounds.
    DecodeChoice gray{true, true, 1};
    b = DecodeArray(Array(8, 32766, "0x01"), gray);
    EXPECT_EQ(b.height(), 256);
    EXPECT_EQ(RowBits(b, 0, 0), 1u);
    b = DecodeArray(Array(8, 0, ""), bw);
    EXPECT_EQ(b.height(), 1);
}

TEST(CArrayDecode, DefaultExportImportsBackToTheSamePixels)
{
    TempDir dir;
    for (int width : {8, 16, 32}) {
        for (int height : {1, 7, 255}) {
            StateFixture f(width, height);
            f.Scribble(width + height);
            const CellBuffer before = f.state.sprite.cells;
            std::remove(dir.File("round.c").c_str());
            WriteCSourceFile(f.state, dir.File("round.c"));

            std::vector<FoundArray> found;
            ASSERT_TRUE(ScanCSourceFile(f.state, dir.File("round.c"), found));
            ASSERT_EQ(found.size(), 1u);
            EXPECT_EQ(found[0].itemCount, 2 * height);
            DecodeChoice choice{true, true, 1};
            const PlaneBuffer b = DecodeArray(found[0], choice);
            ResizeSprite(f.state, 8, 8);
            SetSpriteFromPlanes(f.state, b);
            EXPECT_EQ(f.state.sprite.width, width);
            EXPECT_EQ(f.state.sprite.height, height);
            EXPECT_EQ(f.state.sprite.cells, before) << width << "x" << height;
        }
    }
}

TEST(ImportPanel, ControlsFollowTheSelectedArrayAndImportReplacesTheSprite)
{
    ImportCPanel panel(Scan("char odd[5] = {0x01,0x02,0x03,0x04,0x05};\n"
                            "char six[] = {0x01,0x02,0x03,0x04,0x05,0x06};\n"));
    EXPECT_FALSE(panel.grayOptionsEnabled);
    EXPECT_EQ(panel.selected, -1);
    StateFixture f(16, 16);
    EXPECT_FALSE(panel.OkBttn_Click(f.state));  // nothing selected
    EXPECT_EQ(f.state.sprite.width, 16);

    panel.ParseGrayscale_Click(true);  // no entry yet: nothing decoded
    EXPECT_FALSE(panel.grayOptionsEnabled);
    panel.ArrayList_Click(1);
    EXPECT_TRUE(panel.grayOptionsEnabled);
    EXPECT_EQ(panel.spriteCounts, (std::vector<int>{1, 3}));
    EXPECT_EQ(panel.spriteEntry, 0);
    EXPECT_EQ(panel.buffer.height(), 3);
    panel.NSprites_Click(1);
    EXPECT_EQ(RowBits(panel.buffer, 1, 0), 2u);
    panel.LDMode_Click();
    EXPECT_EQ(RowBits(panel.buffer, 0, 0), 2u);
    panel.DLMode_Click();

    // The odd array clears the grayscale box and its options.
    panel.ArrayList_Click(0);
    EXPECT_FALSE(panel.parseGrayscale);
    EXPECT_FALSE(panel.grayOptionsEnabled);
    EXPECT_EQ(panel.buffer.height(), 5);
    panel.ParseGrayscale_Click(false);
    panel.ArrayList_Click(1);
    EXPECT_EQ(panel.buffer.height(), 6);

    // Import: the size changes and the histories go; the saved flag stays.
    f.state.saved = false;
    EXPECT_TRUE(panel.OkBttn_Click(f.state));
    EXPECT_EQ(f.state.sprite.width, 8);
    EXPECT_EQ(f.state.sprite.height, 6);
    EXPECT_EQ(f.Row(5), (std::vector<int>{0, 0, 0, 0, 0, 3, 3, 0}));
    EXPECT_FALSE(f.state.saved);

    // The first array follows the arrangement buttons too.
    ImportCPanel first(Scan("char two[] = {0x01,0x02};\n"));
    first.ArrayList_Click(0);
    first.ParseGrayscale_Click(true);
    first.LDMode_Click();
    EXPECT_EQ(RowBits(first.buffer, 1, 0), 1u);
    first.DLMode_Click();
    EXPECT_EQ(RowBits(first.buffer, 0, 0), 1u);
}

TEST(ImportPanel, SameSizeImportKeepsTheUndoHistory)
{
    StateFixture f(8, 2);
    PushUndo(f.state);
    ImportCPanel panel(Scan("char s[2] = {0xFF,0x0F};"));
    panel.ArrayList_Click(0);
    EXPECT_TRUE(panel.OkBttn_Click(f.state));
    EXPECT_EQ(f.state.undoCount, 1);
    EXPECT_EQ(f.Row(0), std::vector<int>(8, 3));
    UndoStep(f.state);
    EXPECT_EQ(f.Row(0), std::vector<int>(8, 0));
}

}  // namespace
}  // namespace pixador
