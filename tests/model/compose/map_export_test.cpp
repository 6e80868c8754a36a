#include "compose/map_export.h"

#include <gtest/gtest.h>

#include "compose/gray_mapping.h"
#include "support/line_breaks.h"
#include "support/state_fixture.h"
#include "support/temp_dir.h"

namespace pixador {
namespace {

using testing::AsLf;
using testing::StateFixture;
using testing::TempDir;

// Every pixel's gray from the rows given, one character a pixel: '#' black, '+' dark gray,
// '-' light gray, '.' white.
BitmapImage Picture(const std::vector<std::string>& rows)
{
    BitmapImage image;
    image.Reset(static_cast<long long>(rows[0].size()), static_cast<long long>(rows.size()));
    image.grayTable['#'] = 0;
    image.grayTable['+'] = 100;
    image.grayTable['-'] = 150;
    image.grayTable['.'] = 255;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) image.pixels[y * image.width + x] = static_cast<std::uint8_t>(rows[y][x]);
    return image;
}

TEST(MapExport, TextPacksEachPlaneEightPixelsAByte)
{
    EXPECT_EQ(AsLf(MapExportText(Picture({"########"}), 0, 0, 8, 1, 0)),
              "unsigned short h = 1;\nunsigned short w = 8;\nunsigned short bw = 8;\n"
              "unsigned char CBitMap_layer0[]={\n\t0xFF\n\t};\n\n"
              "unsigned char CBitMap_layer1[]={\n\t0xFF\n\t};\n\n");

    // A 10-wide rectangle covers 16 pixels: one more inside the picture, the rest beyond its
    // right edge give 0 bits. Dark gray sets only the dark plane, light gray only the light one.
    const BitmapImage image = Picture({"..........##",
                                       ".+-#+-#+-#+-",
                                       "#........#.."});
    EXPECT_EQ(AsLf(MapExportText(image, 1, 1, 10, 2, 0)),
              "unsigned short h = 2;\nunsigned short w = 10;\nunsigned short bw = 16;\n"
              "unsigned char CBitMap_layer0[]={\n\t0xB6, 0xC0, \n\t0x00, 0x80\n\t};\n\n"
              "unsigned char CBitMap_layer1[]={\n\t0x6D, 0xA0, \n\t0x00, 0x80\n\t};\n\n");
    // Brightness moves every pixel before its level is taken.
    EXPECT_EQ(MapExportText(Picture({"########"}), 0, 0, 8, 1, 100).find("0xFF"), std::string::npos);
}

TEST(MapExport, BrowseAddsTheExtensionAndExportReportsFailure)
{
    StateFixture f;
    EXPECT_EQ(DefaultMapPath(), std::string(".") + kPathSeparator + "CBitMap.c");
    struct Row {
        const char* chosen;
        const char* path;
    };
    for (const Row r : {Row{"/t/a", "/t/a.c"}, {"/t/a.c", "/t/a.c"}, {"/t/a.h", "/t/a.h"}, {"/t/a.C", "/t/a.C.c"}}) {
        f.view.savePaths = {r.chosen};
        EXPECT_EQ(MBrowseFile_Click(f.state), std::optional<std::string>(r.path)) << r.chosen;
    }
    EXPECT_EQ(f.view.saveRequests.back().description, "C Source files (*.c, *.h)");
    EXPECT_EQ(f.view.saveRequests.back().pattern, "*.c;*.h");
    f.view.savePaths.clear();
    EXPECT_EQ(MBrowseFile_Click(f.state), std::nullopt) << "cancel keeps the path";

    TempDir dir;
    EXPECT_TRUE(MExportBttn_Click(f.state, dir.File("map.c"), "text"));
    EXPECT_EQ(AsLf(TempDir::Read(dir.File("map.c"))), "text");
    EXPECT_TRUE(f.view.messages.empty());
    const std::string bad = dir.File("no/such/folder/map.c");
    EXPECT_FALSE(MExportBttn_Click(f.state, bad, "text"));
    EXPECT_EQ(f.view.LastMessage(), "Error writing " + bad + "!!");
}

}  // namespace
}  // namespace pixador
