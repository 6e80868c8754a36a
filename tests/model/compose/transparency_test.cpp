#include "compose/transparency.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pixador {
namespace {

// Rows of '.' white, '-' light, '+' dark, '#' black; 8 wide.
PlaneBuffer Picture(const std::vector<std::string>& rows)
{
    PlaneBuffer p(2, 8, static_cast<int>(rows.size()));
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < 8; ++x) {
            const int level = std::string(".-+#").find(rows[y][x]);
            p.at(0, x, y) = static_cast<std::uint8_t>(level >> 1);
            p.at(1, x, y) = static_cast<std::uint8_t>(level & 1);
        }
    return p;
}

// 'o' opaque, ' ' transparent.
std::vector<std::string> Shown(const MaskRows& mask)
{
    std::vector<std::string> rows;
    for (const std::uint32_t row : mask) {
        std::string text;
        for (int x = 7; x >= 0; --x) text += (row >> x) & 1 ? 'o' : ' ';
        rows.push_back(text);
    }
    return rows;
}

TEST(Transparency, MasksFollowTheirRules)
{
    struct Row {
        const char* what;
        MaskRows (*make)(const PlaneBuffer&);
        std::vector<std::string> picture;
        std::vector<std::string> mask;
    };
    const Row rows[] = {
        {"outline: an enclosed hole stays opaque", OutlineMask,
         {"........", ".####...", ".#..#...", ".####..."}, {"        ", " oooo   ", " oooo   ", " oooo   "}},
        {"outline: a hole open to the edge is transparent", OutlineMask,
         {"........", ".####...", ".#......", ".####..."}, {"        ", " oooo   ", " o      ", " oooo   "}},
        {"outline: a winding way out, up and down", OutlineMask,
         {"#.######", "#.#....#", "#.#.##.#", "#...#..#", "######.#"},
         {"o oooooo", "o o    o", "o o oo o", "o   o  o", "oooooo o"}},
        {"outline: gray counts as drawn", OutlineMask, {"-+-.....", "-.-.....", "---....."},
         {"ooo     ", "ooo     ", "ooo     "}},
        {"outline: all white", OutlineMask, {"........", "........"}, {"        ", "        "}},
        {"outline: all black", OutlineMask, {"########", "########"}, {"oooooooo", "oooooooo"}},
        {"outline: a white edge round a block", OutlineMask, {"........", ".######.", ".#....#.", ".######.", "........"},
         {"        ", " oooooo ", " oooooo ", " oooooo ", "        "}},
        {"white: every white pixel", WhiteMask, {".####...", ".#..#...", ".####.-+"},
         {" oooo   ", " o  o   ", " oooo oo"}},
        {"drawn: black only", DrawnMask, {"#-+.#...", "########"}, {"o   o   ", "oooooooo"}},
    };
    for (const Row& row : rows) EXPECT_EQ(Shown(row.make(Picture(row.picture))), row.mask) << row.what;
}

TEST(Transparency, MaskItemsInEitherPolarityPadTransparent)
{
    struct Row {
        std::uint32_t opaque;
        int width, bits;
        MaskBits polarity;
        std::uint32_t item;
    };
    const Row rows[] = {
        {0x81, 8, 8, MaskBits::Transparent, 0x7E},
        {0x81, 8, 8, MaskBits::Opaque, 0x81},
        {0x800001, 24, 32, MaskBits::Opaque, 0x80000100},
        {0x800001, 24, 32, MaskBits::Transparent, 0x7FFFFEFF},
        {0x00000001, 32, 32, MaskBits::Transparent, 0xFFFFFFFE},
    };
    for (const Row& r : rows)
        EXPECT_EQ(MaskItem(r.opaque, r.width, r.bits, r.polarity), r.item) << std::hex << r.opaque << " " << r.width;
}

}  // namespace
}  // namespace pixador
