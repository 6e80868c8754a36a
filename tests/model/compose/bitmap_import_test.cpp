#include "compose/bitmap_import.h"

#include <gtest/gtest.h>

#include "support/state_fixture.h"
#include "support/temp_dir.h"

namespace pixador {
namespace {

using testing::StateFixture;
using testing::TempDir;

TEST(BitmapImport, DecodedPicturesBecomeGrayOverWhiteCutTo400)
{
    int asked = 0;
    DecodedPicture picture;
    picture.width = 500;
    picture.height = 450;
    picture.pixelAt = [&asked](int x, int y) {
        ++asked;
        const std::uint8_t alpha[] = {255, 0, 128, 255};
        return RgbaPixel{static_cast<std::uint8_t>(x % 256), 0, static_cast<std::uint8_t>(y % 256), alpha[x % 4]};
    };
    BitmapImage image;
    ASSERT_EQ(BitmapFromPicture(picture, image), BitmapOutcome::Read);
    EXPECT_EQ(image.width, 400);
    EXPECT_EQ(image.height, 400);
    EXPECT_EQ(asked, 400 * 400) << "only the pixels inside the cut are asked for";
    EXPECT_EQ(image.Gray(0, 0), 0);
    EXPECT_EQ(image.Gray(4, 100), 12) << "opaque: round(0.3 x 4 + 0.11 x 100)";
    EXPECT_EQ(image.Gray(1, 7), 255) << "transparent reads white";
    // Half covered: round((0.3 x 2 + 0.11 x 10) x 128 / 255 + 255 x 127 / 255) = 128.
    EXPECT_EQ(image.Gray(2, 10), 128);

    struct Size {
        long long w, h;
        BitmapOutcome outcome;
    };
    for (const Size s : {Size{7, 10, BitmapOutcome::TooNarrow}, {0, 10, BitmapOutcome::NotABitmap},
                         {8, 0, BitmapOutcome::NotABitmap}, {8, 1, BitmapOutcome::Read}}) {
        picture.width = s.w;
        picture.height = s.h;
        EXPECT_EQ(BitmapFromPicture(picture, image), s.outcome) << s.w << "x" << s.h;
    }
}

TEST(BitmapImport, PngFilesGoToTheDecoderOthersToTheBitmapReader)
{
    TempDir dir;
    StateFixture f;
    const std::string png = dir.File("art.bmp");
    TempDir::Write(png, std::string("\x89PNG\r\n\x1A\n", 8) + "rest");
    const std::string other = dir.File("art.png");
    TempDir::Write(other, "not a picture");

    std::vector<std::string> decoded;
    bool decodes = true;
    const PictureDecoder decoder = [&](const std::string& path, DecodedPicture& picture) {
        decoded.push_back(path);
        picture.width = 16;
        picture.height = 2;
        picture.pixelAt = [](int, int) { return RgbaPixel{}; };
        return decodes;
    };
    BitmapImage image;
    EXPECT_TRUE(ReadPictureFile(f.state, png, image, decoder)) << "the signature decides, not the extension";
    EXPECT_EQ(image.width, 16);
    EXPECT_FALSE(ReadPictureFile(f.state, other, image, decoder));
    decodes = false;
    EXPECT_FALSE(ReadPictureFile(f.state, png, image, decoder));
    EXPECT_EQ(decoded, (std::vector<std::string>{png, png}));
    EXPECT_EQ(f.view.messages.size(), 2u) << "each refusal is reported";

    // A cancelled or missing choice does nothing.
    f.state.preferences.PromptForErasure = false;
    f.view.openPaths = {"", dir.File("missing.bmp")};
    EXPECT_FALSE(ImportBMP_Click(f.state, image, decoder));
    EXPECT_FALSE(ImportBMP_Click(f.state, image, decoder));
    EXPECT_EQ(f.view.openRequests.back().description, "Bitmap Files (*.bmp *.png)");
    EXPECT_EQ(f.view.messages.size(), 2u);
}

}  // namespace
}  // namespace pixador
