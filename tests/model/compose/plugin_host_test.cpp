#include "compose/plugin_host.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "filterlib.h"
#include "model/compose/plugin_fixture.h"
#include "support/state_fixture.h"

namespace pixador {
namespace {

using testing::BinDir;
using testing::ProgramFolder;
using testing::TempDir;
using testing::TestPlugin;

struct Plugrun {
    PlugRunLibrary library{BinDir()};
    const PlugRunExports& x = *library.Exports();
};

// The probe's record after its configuration, as the dialog gets it.
FilterParams Configured(const PlugRunExports& x, FilterArea area = {8, 8, 0, 0, 7, 7})
{
    FilterParams p{};
    x.cstructrst(&p);
    EXPECT_EQ(x.filter_conf(TestPlugin("probe.so").c_str(), &area, &p), 1);
    return p;
}

TEST(PlugRun, ApplyAnswersThePluginsResultAndKeepsTheCallersRecord)
{
    Plugrun r;
    for (const char* result : {"1", "0", "2", "-1", "32767"}) {
        FilterParams p = Configured(r.x);
        r.x.set_string(&p, 0, result);
        const FilterParams before = p;
        std::array<unsigned char, PXD_CELL_COUNT> cells{};
        FilterArea area{8, 4, 1, 1, 6, 2};
        EXPECT_EQ(r.x.filter_apply(TestPlugin("probe.so").c_str(), cells.data(), &area, &p), std::atoi(result));
        // The probe scribbled on its copy only; it marked both corners black.
        EXPECT_EQ(std::memcmp(&p, &before, sizeof p), 0) << result;
        EXPECT_EQ(cells[getxy(8, 4, 0, 1, 1)] + cells[getxy(8, 4, 1, 1, 1)] + cells[getxy(8, 4, 0, 6, 2)] +
                      cells[getxy(8, 4, 1, 6, 2)],
                  4);
    }
}

TEST(PlugRun, FilesThatDoNotLoadOrLackTheEntryAnswerZeroAndChangeNothing)
{
    Plugrun r;
    TempDir dir;
    TempDir::Write(dir.File("text.so"), "not a library");
    struct Row {
        std::string path;
        int name, conf, apply;
    };
    for (const Row& row : {Row{TestPlugin("probe.so"), 1, 1, 1}, Row{TestPlugin("probe_bare.so"), 1, 0, 0},
                           Row{TestPlugin("probe_nameless.so"), 0, 1, 1}, Row{dir.File("text.so"), 0, 0, 0},
                           Row{dir.File("missing.so"), 0, 0, 0}}) {
        std::array<char, 255> name{};
        EXPECT_EQ(r.x.filter_getname(row.path.c_str(), name.data()), row.name) << row.path;
        FilterParams p{};
        FilterArea area{8, 1, 0, 0, 7, 0};
        EXPECT_EQ(r.x.filter_conf(row.path.c_str(), &area, &p), row.conf) << row.path;
        std::array<unsigned char, PXD_CELL_COUNT> cells{};
        p = Configured(r.x);
        EXPECT_EQ(r.x.filter_apply(row.path.c_str(), cells.data(), &area, &p), row.apply) << row.path;
        EXPECT_EQ(cells[0], row.apply) << row.path;
    }
}

TEST(PlugRun, ResetKeepsTextsAndSelectionsButEmptiesCountsAndListLabels)
{
    Plugrun r;
    FilterParams p = Configured(r.x);
    ASSERT_EQ(r.x.get_totals(&p), 2);
    ASSERT_EQ(r.x.get_totall(&p), 1);
    r.x.cstructrst(&p);
    std::array<char, 16> text{};
    EXPECT_EQ(r.x.get_totals(&p), 0);
    EXPECT_EQ(r.x.get_totall(&p), 0);
    EXPECT_EQ(r.x.get_totalops(&p, 0), 0);
    r.x.get_llabel(&p, 0, text.data());
    EXPECT_STREQ(text.data(), "");
    r.x.get_string(&p, 1, text.data());
    EXPECT_STREQ(text.data(), "3");
    r.x.get_slabel(&p, 0, text.data());
    EXPECT_STREQ(text.data(), "Result");
    r.x.get_option(&p, 0, 2, text.data());
    EXPECT_STREQ(text.data(), "Three");
    EXPECT_EQ(r.x.get_selected(&p, 0), 1);
}

TEST(PlugRun, AccessorsNeverReachPastTheRecordOrTheBuffer)
{
    Plugrun r;
    FilterParams p = Configured(r.x);
    std::memset(p.slabel[1], 'x', 16);  // a plug-in left a label without its NUL
    const FilterParams before = p;
    // A 16-byte buffer with guard bytes behind it.
    std::array<char, 20> buffer;
    const auto read = [&](auto fn, auto... args) {
        buffer.fill('#');
        fn(&p, args..., buffer.data());
        EXPECT_EQ(std::string(buffer.data() + 16, 4), "####");
        return std::string(buffer.data());
    };
    EXPECT_EQ(read(r.x.get_slabel, 1), "xxxxxxxxxxxxxxx");
    for (int bad : {-1, 8, 1000})  {
        EXPECT_EQ(read(r.x.get_slabel, bad), "");
        EXPECT_EQ(read(r.x.get_string, bad), "");
        EXPECT_EQ(read(r.x.get_llabel, bad), "");
        EXPECT_EQ(read(r.x.get_option, 0, bad), "");
        EXPECT_EQ(read(r.x.get_option, bad, 0), "");
        EXPECT_EQ(r.x.get_totalops(&p, bad), 0);
        EXPECT_EQ(r.x.get_selected(&p, bad), 0);
        r.x.set_string(&p, bad, "new");
        r.x.set_selected(&p, bad, 5);
    }
    EXPECT_EQ(std::memcmp(&p, &before, sizeof p), 0);
    // Only the low 16 bits of an index count; a long text is cut to the field.
    r.x.set_string(&p, 0x10001, "a text that does not fit");
    EXPECT_EQ(read(r.x.get_string, 1), "a text that doe");
    r.x.set_selected(&p, 0, 0x10002);
    EXPECT_EQ(r.x.get_selected(&p, 0), 2);
}

TEST(PlugInFiles, OnlyLibraryFilesInNameOrder)
{
    ProgramFolder folder;
    for (const char* name : {"b.so", "a.so", "notes.txt", "c.so.txt"}) TempDir::Write(folder.Filter(name), "x");
    std::filesystem::create_directory(folder.Filter("d.so"));
    EXPECT_EQ(ListPluginFiles(folder.dir.File("filters")),
              (std::vector<std::string>{testing::Lib("a.so"), testing::Lib("b.so")}));
    EXPECT_TRUE(ListPluginFiles(folder.dir.File("none")).empty());
}

TEST(PlugInFiles, WorkingRectangleIsTheActiveAreaInsideTheSprite)
{
    testing::StateFixture f(16, 8);
    struct Row {
        SelectionArea selection;
        FilterArea expected;
    };
    for (const Row& r : {Row{{false, 2, 2, 3, 3}, {16, 8, 0, 0, 15, 7}}, Row{{true, 2, 3, 4, 2}, {16, 8, 2, 3, 5, 4}},
                         Row{{true, 12, 6, 8, 8}, {16, 8, 12, 6, 15, 7}}}) {
        f.state.selection = r.selection;
        const FilterArea a = PluginArea(f.state);
        EXPECT_EQ(std::memcmp(&a, &r.expected, sizeof a), 0) << a.x1 << "," << a.y1 << "," << a.x2 << "," << a.y2;
    }
}

}  // namespace
}  // namespace pixador
