#include "files/ascii_export.h"

#include <gtest/gtest.h>

#include "core/editor_state.h"
#include "core/sprite.h"
#include "core/whole_sprite.h"
#include "files/file_io.h"
#include "support/state_fixture.h"
#include "support/temp_dir.h"

namespace pixador {
namespace {

using testing::StateFixture;
using testing::TempDir;

TEST(AsciiExport, EveryPixelBecomesItsCharacterRowsEndWithCrLf)
{
    StateFixture f(8, 2);
    for (int x = 0; x < 8; ++x) {
        SetPixel(f.state, x, 0, x % 4);
        SetPixel(f.state, x, 1, kBlack);
    }
    EXPECT_EQ(AsciiPicture(f.state), " .%# .%#\r\n########\r\n");
    f.state.preferences.ASCIIWidthx2 = true;
    EXPECT_EQ(AsciiPicture(f.state), "  ..%%##  ..%%##\r\n################\r\n");

    // Any byte may stand for a level, blanks included at the end of a row.
    f.state.preferences.ASCIIWidthx2 = false;
    f.state.preferences.ASCIIcolors = {'\xB0', 'a', ' ', ' '};
    EXPECT_EQ(AsciiPicture(f.state), "\xB0" "a  \xB0" "a  \r\n        \r\n");

    // Outside an active selection everything reads as white.
    f.state.preferences.ASCIIcolors = {'-', '.', '%', '#'};
    f.state.selection = {true, 1, 0, 2, 1};
    EXPECT_EQ(AsciiPicture(f.state), "-.%-----\r\n--------\r\n");
}

TEST(AsciiExport, FileHoldsExactlyThePictureUnderTheChosenName)
{
    TempDir dir;
    StateFixture f(8, 1);
    WriteAsciiFile(f.state, dir.File("pic"));
    EXPECT_EQ(TempDir::Read(dir.File("pic")).size(), 10u);
    f.state.preferences.ASCIIWidthx2 = true;
    f.view.answers = {MessageAnswer::Yes};
    WriteAsciiFile(f.state, dir.File("pic"));
    EXPECT_EQ(TempDir::Read(dir.File("pic")), std::string(16, ' ') + "\r\n");

    TempDir::Write(dir.File("keep.txt"), "keep");
    WriteAsciiFile(f.state, dir.File("keep.txt"));  // answered No
    EXPECT_EQ(TempDir::Read(dir.File("keep.txt")), "keep");

    const std::string bad = dir.File("none/pic.txt");
    WriteAsciiFile(f.state, bad);
    EXPECT_EQ(f.view.LastMessage(), "Error writing " + bad + "!!");

    const std::size_t shown = f.view.messages.size();
    ExportASCII_Click(f.state);  // cancelled
    EXPECT_EQ(f.view.messages.size(), shown);
    ASSERT_EQ(f.view.saveRequests.size(), 1u);
    EXPECT_EQ(f.view.saveRequests[0].description, "Plain ASCII file (*.txt)");
    EXPECT_EQ(f.view.saveRequests[0].pattern, "*.txt");
}

}  // namespace
}  // namespace pixador
