#include "files/code_generator.h"

#include <gtest/gtest.h>

#include "core/editor_state.h"
#include "core/sprite.h"
#include "core/whole_sprite.h"
#include "files/file_io.h"
#include "support/line_breaks.h"
#include "support/state_fixture.h"
#include "support/temp_dir.h"

namespace pixador {
namespace {

using testing::AsLf;
using testing::StateFixture;
using testing::TempDir;

// 8 x 2: row 0 holds the levels 0 1 2 3 0 1 2 3, row 1 is black. Dark rows 0x33 0xFF, light
// rows 0x55 0xFF.
void DrawWorkedExample(StateFixture& f)
{
    ResizeSprite(f.state, 8, 2);
    for (int x = 0; x < 8; ++x) {
        SetPixel(f.state, x, 0, x % 4);
        SetPixel(f.state, x, 1, kBlack);
    }
}

// Only white and black: the planes are equal.
void DrawBlackAndWhite(StateFixture& f)
{
    ResizeSprite(f.state, 8, 2);
    for (int x = 0; x < 8; ++x) SetPixel(f.state, x, 0, x < 4 ? kWhite : kBlack);
}

const char* const kWorkedExampleCode =
    "  unsigned char sprite[4] = {\n"
    "    0x33,0xFF,0x55,0xFF\n"
    "  };\n"
    "  int x = 10;\n"
    "  int y = 10;\n"
    "\n"
    "  ClrScr();\n"
    "\n"
    "  if (!GrayOn ()) return;\n"
    "  Sprite8 (x,y,2,sprite,GrayGetPlane (DARK_PLANE),SPRT_XOR);\n"
    "  Sprite8 (x,y,2, &sprite[2],GrayGetPlane (LIGHT_PLANE),SPRT_XOR);";

TEST(CodeGenerator, WorkedExampleWithDefaultsGivesTheWholeProgramText)
{
    StateFixture f;
    DrawWorkedExample(f);
    EXPECT_TRUE(UsesGray(f.state));
    EXPECT_EQ(AsLf(GenerateSpriteCode(f.state, CodeLanguage::C, true)), kWorkedExampleCode);
    EXPECT_TRUE(f.view.messages.empty());
    // Without the sample the text stops at the closing brace, with no line break after it.
    EXPECT_EQ(AsLf(GenerateSpriteCode(f.state, CodeLanguage::C, false)),
              "  unsigned char sprite[4] = {\n    0x33,0xFF,0x55,0xFF\n  };");
    StateFixture g;
    SetPixel(g.state, 0, 0, kLightGray);
    EXPECT_TRUE(UsesGray(g.state)) << "the first pixel alone";
}

struct PreferenceCase {
    const char* what;
    void (*change)(Preferences&);
    const char* expected;  // C text without the sample call
};

TEST(CodeGenerator, EachPreferenceShapesTheArrayText)
{
    const PreferenceCase cases[] = {
        {"decimal", [](Preferences& p) { p.SpriteEncodeMethod = 1; },
         "  unsigned char sprite[4] = {\n    51,255,85,255\n  };"},
        {"base two", [](Preferences& p) { p.SpriteEncodeMethod = 2; },
         "  unsigned char sprite[4] = {\n    0b00110011,0b11111111,0b01010101,0b11111111\n  };"},
        {"no explicit size", [](Preferences& p) { p.ExplicitDimensions = false; },
         "  unsigned char sprite[] = {\n    0x33,0xFF,0x55,0xFF\n  };"},
        {"one item per line", [](Preferences& p) { p.ItemsPerLine = 1; },
         "  unsigned char sprite[4] = {\n    0x33,\n    0xFF,\n    0x55,\n    0xFF\n  };"},
        {"three per line", [](Preferences& p) { p.ItemsPerLine = 3; },
         "  unsigned char sprite[4] = {\n    0x33,0xFF,0x55,\n    0xFF\n  };"},
        {"exactly a line", [](Preferences& p) { p.ItemsPerLine = 2; },
         "  unsigned char sprite[4] = {\n    0x33,0xFF,\n    0x55,0xFF\n  };"},
        {"one tab", [](Preferences& p) { p.IndentType = false; p.IndentChars = 1; },
         "\tunsigned char sprite[4] = {\n\t\t0x33,0xFF,0x55,0xFF\n\t};"},
        {"no indent", [](Preferences& p) { p.IndentChars = 0; },
         "unsigned char sprite[4] = {\n0x33,0xFF,0x55,0xFF\n};"},
        {"three blanks", [](Preferences& p) { p.IndentChars = 3; },
         "   unsigned char sprite[4] = {\n      0x33,0xFF,0x55,0xFF\n   };"},
        {"name trimmed", [](Preferences& p) { p.SpriteName = "  ship "; },
         "  unsigned char ship[4] = {\n    0x33,0xFF,0x55,0xFF\n  };"},
        {"blank name", [](Preferences& p) { p.SpriteName = "   "; },
         "  unsigned char sprite[4] = {\n    0x33,0xFF,0x55,0xFF\n  };"},
        {"light then dark", [](Preferences& p) { p.LayersArrangement = 0; },
         "  unsigned char sprite[4] = {\n    0x55,0xFF,0x33,0xFF\n  };"},
        {"interlaced, light first", [](Preferences& p) { p.LayersArrangement = 2; },
         "  unsigned char sprite[4] = {\n    0x55,0x33,0xFF,0xFF\n  };"},
        {"interlaced, dark first", [](Preferences& p) { p.LayersArrangement = 3; },
         "  unsigned char sprite[4] = {\n    0x33,0x55,0xFF,0xFF\n  };"},
    };
    for (const PreferenceCase& c : cases) {
        StateFixture f;
        DrawWorkedExample(f);
        c.change(f.state.preferences);
        EXPECT_EQ(AsLf(GenerateSpriteCode(f.state, CodeLanguage::C, false)), c.expected) << c.what;
    }
}

TEST(CodeGenerator, ElementTypeAndDigitsFollowTheWidth)
{
    struct WidthCase {
        int width;
        int method;
        const char* expected;
    };
    // One row: the left half white, the right half black; a second, all-white row.
    const WidthCase cases[] = {
        {16, 0, "  unsigned short sprite[4] = {\n    0x00FF,0x0000,0x00FF,0x0000\n  };"},
        {32, 0, "  unsigned long sprite[4] = {\n    0x0000FFFF,0x00000000,0x0000FFFF,0x00000000\n  };"},
        {32, 1, "  unsigned long sprite[4] = {\n    65535,0,65535,0\n  };"},
        {16, 2, "  unsigned short sprite[4] = {\n    0b0000000011111111,0b0000000000000000,0b0000000011111111,"
                "0b0000000000000000\n  };"},
    };
    for (const WidthCase& c : cases) {
        StateFixture f(c.width, 2);
        for (int x = c.width / 2; x < c.width; ++x) SetPixel(f.state, x, 0, kBlack);
        f.state.preferences.MonochromeWarning = 2;
        f.state.preferences.SpriteEncodeMethod = static_cast<std::int16_t>(c.method);
        EXPECT_EQ(AsLf(GenerateSpriteCode(f.state, CodeLanguage::C, false)), c.expected) << c.width;
    }
    // The top bit of a 32-bit row and the largest decimal value.
    StateFixture f(32, 1);
    for (int x = 0; x < 32; ++x) SetPixel(f.state, x, 0, kBlack);
    f.state.preferences.MonochromeWarning = 1;
    f.state.preferences.SpriteEncodeMethod = 1;
    EXPECT_EQ(AsLf(GenerateSpriteCode(f.state, CodeLanguage::C, false)),
              "  unsigned long sprite[1] = {\n    4294967295\n  };");
}

TEST(CodeGenerator, MonochromePolicyDecidesBetweenOneAndTwoPlanes)
{
    const std::string bwCall = "  Sprite8 (x,y,2,sprite, LCD_MEM,SPRT_XOR);";
    {
        StateFixture f;
        DrawBlackAndWhite(f);
        EXPECT_FALSE(UsesGray(f.state));
        f.state.preferences.MonochromeWarning = 1;
        const std::string text = AsLf(GenerateSpriteCode(f.state, CodeLanguage::C, true));
        EXPECT_NE(text.find("unsigned char sprite[2] = {\n    0x0F,0x00\n  };"), std::string::npos) << text;
        EXPECT_EQ(text.substr(text.rfind('\n') + 1), bwCall);
        EXPECT_EQ(text.find("GrayOn"), std::string::npos);
        EXPECT_TRUE(f.view.messages.empty());
    }
    {
        StateFixture f;
        DrawBlackAndWhite(f);
        f.state.preferences.MonochromeWarning = 2;
        const std::string text = AsLf(GenerateSpriteCode(f.state, CodeLanguage::C, true));
        EXPECT_NE(text.find("sprite[4] = {\n    0x0F,0x00,0x0F,0x00\n"), std::string::npos) << text;
        EXPECT_NE(text.find("if (!GrayOn ()) return;"), std::string::npos);
        EXPECT_TRUE(f.view.messages.empty());
    }
    {
        // Asked on every generation: Yes gives one plane, No two.
        StateFixture f;
        DrawBlackAndWhite(f);
        f.view.answers = {MessageAnswer::Yes, MessageAnswer::No};
        const std::string yes = AsLf(GenerateSpriteCode(f.state, CodeLanguage::C, false));
        const std::string no = AsLf(GenerateSpriteCode(f.state, CodeLanguage::C, false));
        EXPECT_NE(yes.find("sprite[2]"), std::string::npos);
        EXPECT_NE(no.find("sprite[4]"), std::string::npos);
        ASSERT_EQ(f.view.messages.size(), 2u);
        const MessageRequest& q = f.view.messages[0];
        EXPECT_EQ(q.text, "your Sprite seems to use only only White & Black. Do you want the program to generate "
                          "no-grayscale code?");
        EXPECT_EQ(q.title, ".:: Pixador Sprite Editor for TIGCC ::. ");
        EXPECT_EQ(q.icon, MessageIcon::None);
        EXPECT_EQ(q.buttons, MessageButtons::YesNo);
    }
    {
        // A gray pixel means grayscale without asking, whatever the policy.
        StateFixture f;
        DrawWorkedExample(f);
        f.state.preferences.MonochromeWarning = 1;
        EXPECT_NE(AsLf(GenerateSpriteCode(f.state, CodeLanguage::C, false)).find("sprite[4]"), std::string::npos);
        EXPECT_TRUE(f.view.messages.empty());
    }
    {
        // Light and dark as one plane each: orders 0 and 1 give the same numbers.
        StateFixture f;
        DrawBlackAndWhite(f);
        f.state.preferences.MonochromeWarning = 1;
        f.state.preferences.LayersArrangement = 0;
        const std::string light = AsLf(GenerateSpriteCode(f.state, CodeLanguage::C, false));
        f.state.preferences.LayersArrangement = 1;
        EXPECT_EQ(light, AsLf(GenerateSpriteCode(f.state, CodeLanguage::C, false)));
    }
}

TEST(CodeGenerator, InterlacedBlackAndWhiteIsRefusedInBothLanguages)
{
    for (int arrangement : {2, 3}) {
        for (CodeLanguage language : {CodeLanguage::C, CodeLanguage::Assembler}) {
            StateFixture f;
            DrawBlackAndWhite(f);
            f.state.preferences.MonochromeWarning = 1;
            f.state.preferences.LayersArrangement = static_cast<std::int16_t>(arrangement);
            EXPECT_EQ(AsLf(GenerateSpriteCode(f.state, language, true)), "");
            ASSERT_EQ(f.view.messages.size(), 1u);
            EXPECT_EQ(f.view.messages[0].text, "Interlaced arrangement is not possible with B&W data!!");
            EXPECT_EQ(f.view.messages[0].title, "Error!!! Run for your lives!!");
            EXPECT_EQ(f.view.messages[0].icon, MessageIcon::Critical);
        }
    }
}

TEST(CodeGenerator, SelectionDoesNotLimitTheOutputAndOddWidthsArePadded)
{
    StateFixture f;
    DrawWorkedExample(f);
    f.state.selection = {true, 0, 0, 1, 1};
    EXPECT_EQ(AsLf(GenerateSpriteCode(f.state, CodeLanguage::C, true)), kWorkedExampleCode);

    // A width the calculator routines do not know is written as the next element width,
    // the missing pixels white.
    StateFixture odd(12, 1);
    for (int x = 0; x < 12; ++x) SetPixel(odd.state, x, 0, kBlack);
    odd.state.preferences.MonochromeWarning = 1;
    const std::string text = AsLf(GenerateSpriteCode(odd.state, CodeLanguage::C, true));
    EXPECT_NE(text.find("unsigned short sprite[1] = {\n    0xFFF0\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Sprite16 (x,y,1,sprite, LCD_MEM,SPRT_XOR);"), std::string::npos);

    StateFixture wide(64, 2);
    EXPECT_EQ(AsLf(GenerateSpriteCode(wide.state, CodeLanguage::C, true)), "");
    EXPECT_EQ(wide.view.messages.size(), 1u);
}

TEST(CodeGenerator, GenerateCopiesExactlyTheShownTextOnlyWhenAsked)
{
    StateFixture f;
    DrawWorkedExample(f);
    EXPECT_EQ(AsLf(Generate_Click(f.state)), kWorkedExampleCode);
    EXPECT_EQ(f.view.clipboardText, "");

    f.state.preferences.CopytoClipboard = true;
    f.state.preferences.SampleCall = false;
    const std::string shown = Generate_Click(f.state);
    EXPECT_EQ(AsLf(shown), "  unsigned char sprite[4] = {\n    0x33,0xFF,0x55,0xFF\n  };");
    EXPECT_EQ(f.view.clipboardText, shown);
}

TEST(CodeGenerator, LightFirstArraysSwapThePlaneNamesOfTheSampleCalls)
{
    const std::string lightFirst =
        "  Sprite8 (x,y,2,sprite,GrayGetPlane (LIGHT_PLANE),SPRT_XOR);\n"
        "  Sprite8 (x,y,2, &sprite[2],GrayGetPlane (DARK_PLANE),SPRT_XOR);";
    TempDir dir;
    StateFixture f;
    DrawWorkedExample(f);
    f.state.preferences.LayersArrangement = 0;
    f.state.preferences.CopytoClipboard = true;
    const std::string shown = Generate_Click(f.state);
    EXPECT_TRUE(AsLf(shown).ends_with(lightFirst)) << shown;
    EXPECT_EQ(f.view.clipboardText, shown);
    WriteCSourceFile(f.state, dir.File("light.c"));
    EXPECT_NE(AsLf(TempDir::Read(dir.File("light.c"))).find(lightFirst + "\n\n  ngetchx();"), std::string::npos);

    // The interlaced orders keep the dark plane first.
    for (std::int16_t arrangement : {2, 3}) {
        f.state.preferences.LayersArrangement = arrangement;
        EXPECT_NE(Generate_Click(f.state).find("sprite,GrayGetPlane (DARK_PLANE)"), std::string::npos);
    }
}

// Written by hand: the worked example with the default preferences, on 8 December 2026 at
// 9:05.
const char* const kWorkedExampleFile =
    "/* C Source File Generated By Pixador :: Sprite Editor              */\n"
    "/* -----------------------------------------------------------------*/\n"
    "/* For the use under the TIGCC compiler                             */\n"
    "/* http://tigcc.ticalc.org                                          */\n"
    "/*                                                                  */\n"
    "/* Generated On 12-08-2026 At 09:05                                 */\n"
    "\n"
    "#define USE_TI89\n"
    "#define USE_TI92PLUS\n"
    "#define USE_V200\n"
    "#define OPTIMIZE_ROM_CALLS\n"
    "#define MIN_AMS 100\n"
    "#define SAVE_SCREEN\n"
    "\n"
    "#include <tigcclib.h>\n"
    "\n"
    "void _main(void){\n"
    "  unsigned char sprite[4] = {\n"
    "    0x33,0xFF,0x55,0xFF\n"
    "  };\n"
    "  int x = 10;\n"
    "  int y = 10;\n"
    "\n"
    "  ClrScr();\n"
    "\n"
    "  if (!GrayOn ()) return;\n"
    "  Sprite8 (x,y,2,sprite,GrayGetPlane (DARK_PLANE),SPRT_XOR);\n"
    "  Sprite8 (x,y,2, &sprite[2],GrayGetPlane (LIGHT_PLANE),SPRT_XOR);\n"
    "\n"
    "  ngetchx();\n"
    "  GrayOff();\n"
    "}\n";

TEST(CSourceFile, WorkedExampleFileIsWrittenLineForLine)
{
    TempDir dir;
    StateFixture f;
    DrawWorkedExample(f);
    f.view.clock = {2026, 12, 8, 9, 5, 59};
    // The sample call is written whatever the preference says.
    f.state.preferences.SampleCall = false;
    WriteCSourceFile(f.state, dir.File("demo"));
    const std::string written = AsLf(TempDir::Read(dir.File("demo.c")));
    EXPECT_EQ(written, kWorkedExampleFile);
    const std::vector<std::string> lines = SplitLines(written);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(lines[i].size(), 70u) << i;
    EXPECT_TRUE(f.view.messages.empty());
}

TEST(CSourceFile, NamesDefinesAndTheGrayOffLineFollowThePreferences)
{
    TempDir dir;
    {
        StateFixture f;
        DrawBlackAndWhite(f);
        f.state.preferences.MonochromeWarning = 1;
        f.state.preferences.IncludeDefines = false;
        WriteCSourceFile(f.state, dir.File("bw.C"));
        const std::string text = AsLf(TempDir::Read(dir.File("bw.C")));
        EXPECT_FALSE(FileExists(dir.File("bw.C.c")));
        EXPECT_EQ(text.find("#define"), std::string::npos);
        EXPECT_EQ(text.find("GrayOff"), std::string::npos);
        EXPECT_NE(text.find("*/\n\n#include <tigcclib.h>\n\nvoid _main(void){\n"), std::string::npos);
        EXPECT_NE(text.find("LCD_MEM,SPRT_XOR);\n\n  ngetchx();\n}\n"), std::string::npos);
    }
    {
        StateFixture f;
        DrawBlackAndWhite(f);
        f.state.preferences.MonochromeWarning = 2;
        WriteCSourceFile(f.state, dir.File("gray.c"));
        EXPECT_NE(AsLf(TempDir::Read(dir.File("gray.c"))).find("  ngetchx();\n  GrayOff();\n}\n"), std::string::npos);
    }
    {
        // A refused array still gets its frame.
        StateFixture f;
        DrawBlackAndWhite(f);
        f.state.preferences.MonochromeWarning = 1;
        f.state.preferences.LayersArrangement = 2;
        WriteCSourceFile(f.state, dir.File("refused.c"));
        EXPECT_NE(AsLf(TempDir::Read(dir.File("refused.c"))).find("void _main(void){\n\n\n  ngetchx();\n}\n"),
                  std::string::npos);
        EXPECT_EQ(f.view.LastMessage(), "Interlaced arrangement is not possible with B&W data!!");
    }
    {
        // A width no element type holds (a sprite file may say 40) is refused.
        StateFixture f(40, 2);
        EXPECT_TRUE(GenerateCode(f.state, CodeLanguage::C, false).refused);
        EXPECT_EQ(f.view.LastMessage(), "Only sprites 8, 16 or 32 pixels wide can be written as code!");
    }
}

TEST(CSourceFile, OverwriteIsAskedAndAFailedWriteKeepsTheOldFile)
{
    TempDir dir;
    StateFixture f;
    DrawWorkedExample(f);
    const std::string path = dir.File("old.c");
    TempDir::Write(path, "keep me");

    WriteCSourceFile(f.state, path);  // the fake answers No
    EXPECT_EQ(AsLf(TempDir::Read(path)), "keep me");
    ASSERT_EQ(f.view.messages.size(), 1u);
    EXPECT_EQ(f.view.messages[0].text, "File " + path + " already Exists. Overwrite?");

    f.view.answers = {MessageAnswer::Yes};
    WriteCSourceFile(f.state, path);
    EXPECT_EQ(AsLf(TempDir::Read(path)).substr(0, 2), "/*");

    const std::string missing = dir.File("no/such/folder/x.c");
    WriteCSourceFile(f.state, missing);
    EXPECT_EQ(f.view.LastMessage(), "Error writting " + missing + "!!");
    EXPECT_EQ(f.view.messages.back().icon, MessageIcon::Critical);

    // Cancelling the dialog writes nothing and asks nothing.
    const std::size_t asked = f.view.messages.size();
    ExportCode_Click(f.state);
    EXPECT_EQ(f.view.messages.size(), asked);
    ASSERT_EQ(f.view.saveRequests.size(), 1u);
    EXPECT_EQ(f.view.saveRequests[0].description, "C Source Files (*.c)");
    EXPECT_EQ(f.view.saveRequests[0].pattern, "*.c");
    EXPECT_EQ(f.view.saveRequests[0].title, ".:Pixador :. Save File");

    f.view.savePaths = {dir.File("chosen")};
    ExportCode_Click(f.state);
    EXPECT_TRUE(FileExists(dir.File("chosen.c")));
    EXPECT_EQ(f.state.lastDir, dir.str());
}

}  // namespace
}  // namespace pixador
