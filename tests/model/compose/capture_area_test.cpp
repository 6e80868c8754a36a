#include "compose/capture_area.h"

#include <gtest/gtest.h>

#include "support/state_fixture.h"

namespace pixador {
namespace {

using testing::StateFixture;

// Gray values (the gray table maps each to itself) varying along both axes.
BitmapImage Picture(int width, int height)
{
    BitmapImage image;
    image.Reset(width, height);
    for (int g = 0; g < 256; ++g) image.grayTable[g] = static_cast<std::uint8_t>(g);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.pixels[y * width + x] = static_cast<std::uint8_t>((x * 29 + y * 13) % 256);
    return image;
}

TEST(CaptureArea, LoadFitsTheWidthListAndHeightToThePicture)
{
    StateFixture f;
    struct Row {
        int width, height;
        int widthEntry;
        const char* heightText;
        int xMax, yMax;
    };
    for (const Row r : {Row{10, 5, 0, "5", 2, 0}, {20, 300, 1, "256", 4, 44}, {400, 400, 2, "256", 368, 144}}) {
        const BitmapCapture c(f.state, Picture(r.width, r.height));
        EXPECT_EQ(c.widthEntry, r.widthEntry) << r.width;
        EXPECT_EQ(c.heightText, r.heightText) << r.width;
        EXPECT_EQ(c.XStartMax(), r.xMax) << r.width;
        EXPECT_EQ(c.YStartMax(), r.yMax) << r.width;
    }
    // A 10-wide picture steps any width choice down to "8".
    BitmapCapture narrow(f.state, Picture(10, 5));
    for (int entry : {2, 1}) {
        narrow.WBox_Click(entry);
        EXPECT_EQ(narrow.widthEntry, 0) << entry;
    }
    BitmapCapture exact(f.state, Picture(8, 5));
    exact.AreaXStart_Change(3);
    EXPECT_EQ(exact.xStart, 0) << "an area as wide as the picture cannot move";
}

TEST(CaptureArea, HeightAndBrightnessBoxesCorrectThemselves)
{
    StateFixture f;
    BitmapCapture c(f.state, Picture(32, 300));
    struct HeightRow {
        const char* typed;
        const char* shown;
        int height;
    };
    for (const HeightRow r : {HeightRow{"0", "1", 1}, {"-5", "1", 1}, {"abc", "1", 1}, {"300", "256", 256},
                              {"12abc", "12abc", 12}, {"0.4", "0.4", 1}, {"2.5", "2.5", 2}, {"1e300", "256", 256}}) {
        c.HBox_Change(r.typed);
        EXPECT_EQ(c.heightText, r.shown) << r.typed;
        EXPECT_EQ(c.Height(), r.height) << r.typed;
    }
    BitmapCapture shortOne(f.state, Picture(32, 40));
    for (const char* typed : {"50", "300"}) {
        shortOne.HBox_Change(typed);
        EXPECT_EQ(shortOne.heightText, "40") << typed;
        EXPECT_EQ(shortOne.Height(), 40) << typed;
    }

    struct BrightRow {
        const char* typed;
        const char* shown;
        int bar;
    };
    for (const BrightRow r : {BrightRow{"150", "100", 100}, {"-250", "-100", -100}, {"+7", "7", 7}, {"x", "0", 0}}) {
        c.BrightBox_Change(r.typed);
        EXPECT_EQ(c.brightText, r.shown) << r.typed;
        EXPECT_EQ(c.brightness, r.bar) << r.typed;
    }
    c.BrightnessBar_Change(-40);
    EXPECT_EQ(c.brightText, "-40");
}

TEST(CaptureArea, CaptureFollowsAreaBrightnessAndStaysOnThePicture)
{
    StateFixture f;
    BitmapCapture c(f.state, Picture(40, 30));
    c.HBox_Change("20");
    c.AreaXStart_Change(5);
    c.AreaYStart_Change(7);
    c.BrightnessBar_Change(12);
    EXPECT_EQ(c.OriginText(), "5,7");
    EXPECT_EQ(c.EndText(), "37,27");
    const BitmapImage& image = c.image();
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 32; ++x) {
            const GrayLevel level = GrayToLevel(AdjustBrightness(image.Gray(5 + x, 7 + y), 12));
            const DarkLight bits = GrayToPlanes(level);
            ASSERT_EQ(c.planes().at(0, x, y), bits.dark) << x << "," << y;
            ASSERT_EQ(c.planes().at(1, x, y), bits.light) << x << "," << y;
            ASSERT_EQ(c.preview()[y * 32 + x], f.state.colorSet[level]);
        }
    }
    // The bars' maxima follow the area: a taller area pulls the top back onto the picture.
    c.HBox_Change("30");
    EXPECT_EQ(c.yStart, 0);
    c.AreaXStart_Change(99);
    EXPECT_EQ(c.xStart, 8);
    c.AreaXStart_Change(0);
    EXPECT_EQ(c.xStart, 0);
    c.AreaXStart_Change(8);
    c.WBox_Click(0);
    EXPECT_EQ(c.XStartMax(), 32);

    c.BrightnessBar_Change(100);
    c.OkBMPBttn_Click(f.state);
    EXPECT_EQ(f.state.sprite.width, 8);
    EXPECT_EQ(f.state.sprite.height, 30);
    EXPECT_EQ(f.Row(0), std::vector<int>(8, kWhite));
}

}  // namespace
}  // namespace pixador
