#include "filterlib.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

namespace pixador {
namespace {

TEST(Filterlib, CellIndexFollowsPlaneRowColumnOrder)
{
    EXPECT_EQ(getxy(8, 4, 1, 3, 2), 51);
    EXPECT_EQ(getxy(32, 256, 1, 31, 255), 16383);
}

TEST(Filterlib, WritesStayInTheRectangleWhileReadsSeeTheWholeSprite)
{
    // Sprite 8 x 4, working rectangle (2, 1)..(5, 2).
    const FilterArea area{8, 4, 2, 1, 5, 2};
    std::array<unsigned char, PXD_CELL_COUNT> cells{};
    cells[getxy(8, 4, 0, 7, 3)] = 1;  // outside the rectangle, inside the sprite
    cells[getxy(8, 4, 1, 0, 0)] = 1;
    struct Row {
        int plane, x, y;
        bool writes;
    };
    for (const Row& r : {Row{0, 5, 2, true}, Row{1, 2, 1, true}, Row{0, 6, 2, false}, Row{0, 5, 3, false},
                         Row{0, 1, 1, false}, Row{0, 2, 0, false}, Row{2, 3, 1, false}, Row{0, -1, 1, false}}) {
        auto before = cells;
        plotpx(cells.data(), &area, r.plane, r.x, r.y, 7);
        EXPECT_EQ(cells != before, r.writes) << r.plane << "," << r.x << "," << r.y;
        if (r.writes) {
            EXPECT_EQ(getpx(cells.data(), &area, r.plane, r.x, r.y), 1);
            EXPECT_EQ(cells[getxy(8, 4, r.plane, r.x, r.y)], 1);  // stored as 1, not 7
            plotpx(cells.data(), &area, r.plane, r.x, r.y, 0);
            EXPECT_EQ(cells, before);
        }
    }
    EXPECT_EQ(getpx(cells.data(), &area, 0, 7, 3), 1);
    EXPECT_EQ(getpx(cells.data(), &area, 1, 0, 0), 1);
    // Clipped to the sprite: the next row's first cell and the cell before the buffer read 0.
    cells[getxy(8, 4, 0, 0, 1)] = 1;
    cells[getxy(8, 4, 0, 0, 3)] = 1;
    EXPECT_EQ(getpx(cells.data(), &area, 0, 8, 0), 0);
    EXPECT_EQ(getpx(cells.data(), &area, 1, 0, -1), 0);
    EXPECT_EQ(getpx(cells.data(), &area, 0, 0, 4), 0);
}

TEST(Filterlib, AppendersRefuseFullTablesAndLongTextsLeavingTheRecord)
{
    FilterParams p{};
    const char* fifteen = "123456789012345";
    const char* sixteen = "1234567890123456";
    EXPECT_EQ(add_spara(&p, sixteen, "v"), FILTERLIB_TOO_LONG);
    EXPECT_EQ(add_spara(&p, "l", sixteen), FILTERLIB_TOO_LONG);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(add_spara(&p, fifteen, fifteen), FILTERLIB_OK);
    FilterParams full = p;
    EXPECT_EQ(add_spara(&p, "ninth", "v"), FILTERLIB_FULL);
    EXPECT_EQ(add_spara(&p, sixteen, "v"), FILTERLIB_FULL);  // the count is checked first
    EXPECT_EQ(std::memcmp(&p, &full, sizeof p), 0);
    EXPECT_EQ(p.totals, 8);
    EXPECT_STREQ(p.slabel[7], fifteen);

    ListPara list{};
    list_init(&list, "A label far too long", 2);
    EXPECT_STREQ(list.llabel, "A label far too");
    EXPECT_EQ(list.selected, 2);
    EXPECT_EQ(add_listop(&list, sixteen), FILTERLIB_TOO_LONG);
    for (int j = 0; j < 8; ++j) EXPECT_EQ(add_listop(&list, "opt"), FILTERLIB_OK);
    EXPECT_EQ(add_listop(&list, "opt"), FILTERLIB_FULL);
    EXPECT_EQ(list.totalops, 8);

    FilterParams q{};
    ListPara unterminated = list;
    std::memcpy(unterminated.llabel, sixteen, 16);
    EXPECT_EQ(add_lpara(&q, unterminated), FILTERLIB_TOO_LONG);
    EXPECT_EQ(q.totall, 0);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(add_lpara(&q, list), FILTERLIB_OK);
    EXPECT_EQ(add_lpara(&q, list), FILTERLIB_FULL);
    EXPECT_EQ(std::memcmp(&q.lpara[7], &list, sizeof list), 0);
}

}  // namespace
}  // namespace pixador
