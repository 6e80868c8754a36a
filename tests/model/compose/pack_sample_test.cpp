// The sample program compiled by the host compiler against a stand-in for the calculator's
// library that keeps the screen's memory and prints it whenever the program waits between
// frames: each screen must be the background with the frame laid over it through its mask.
#include "compose/pack_sample.h"

#include <gtest/gtest.h>

#include <random>

#include "files/preferences.h"
#include "model/files/host_c_compiler.h"
#include "support/fake_editor_view.h"
#include "support/temp_dir.h"

namespace pixador {
namespace {

using testing::TempDir;

// Planes 0 dark, 1 light, 2 the black-and-white screen; 30 bytes a row, 128 rows. Sprite
// routines change bits as the library's modes do and report a pixel off the screen.
const char* const kStandIn = R"(#include <stdio.h>
#include <string.h>
#define DARK_PLANE 0
#define LIGHT_PLANE 1
#define SPRT_XOR 0
#define SPRT_OR 1
#define SPRT_AND 2
#define LCD_SIZE 3840
#define USER_TIMER 6
static unsigned char stub_screen[3][3840];
#define LCD_MEM ((void *) stub_screen[2])
static int stub_gray;
static int stub_shown;
static int GrayOn(void) { stub_gray = 1; return 1; }
static void GrayOff(void) { stub_gray = 0; puts("off"); }
static void *GrayGetPlane(int plane) { return stub_screen[plane]; }
static int kbhit(void) { return stub_shown >= STUB_FRAMES; }
static int ngetchx(void) { return 13; }
static void OSFreeTimer(int t) { (void) t; }
static int OSTimerExpired(int t) { (void) t; return 1; }
static int stub_bit(int plane, int x, int y) { return (stub_screen[plane][y * 30 + x / 8] >> (7 - x % 8)) & 1; }
static void OSRegisterTimer(int t, unsigned long ticks) {
  int x, y;
  (void) t; (void) ticks;
  for (y = 0; y < 128; ++y) {
    for (x = 0; x < 240; ++x)
      putchar('0' + (stub_gray ? 2 * stub_bit(0, x, y) + stub_bit(1, x, y) : 3 * stub_bit(2, x, y)));
    putchar('\n');
  }
  ++stub_shown;
}
static void stub_pixel(unsigned char *plane, int x, int y, int bit, int mode) {
  unsigned char *byte = plane + y * 30 + x / 8, m = (unsigned char) (0x80 >> (x % 8));
  if (x < 0 || x >= 240 || y < 0 || y >= 128) { puts("off the screen"); return; }
  if (mode == SPRT_AND) { if (!bit) *byte &= (unsigned char) ~m; }
  else if (mode == SPRT_OR) { if (bit) *byte |= m; }
  else if (bit) *byte ^= m;
}
#define STUB_SPRITE(name, type, bits) \
  static void name(int x, int y, int h, type *rows, void *plane, int mode) { int i, c; \
    for (i = 0; i < h; ++i) for (c = 0; c < bits; ++c) \
      stub_pixel((unsigned char *) plane, x + c, y + i, (int) ((rows[i] >> (bits - 1 - c)) & 1), mode); }
STUB_SPRITE(Sprite8, unsigned char, 8)
STUB_SPRITE(Sprite16, unsigned short, 16)
STUB_SPRITE(Sprite32, unsigned long, 32)
void _main(void);
int main(void) { _main(); return 0; }
)";

// The screen the program should show with frame f: stripes of the two planes' patterns, the
// frame at (10, top) wherever its mask is opaque.
std::string ExpectedScreen(const FrameSet& set, int f, bool gray, int top)
{
    std::string screen;
    const PlaneBuffer& frame = set.frames[f];
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 240; ++x) {
            const int bit = 7 - x % 8;
            int level = gray ? 2 * ((0xCC >> bit) & 1) + ((0xAA >> bit) & 1) : 3 * ((0xAA >> bit) & 1);
            const int fx = x - 10;
            const int fy = y - top;
            if (fx >= 0 && fx < frame.width() && fy >= 0 && fy < frame.height() &&
                ((set.masks[f][fy] >> (frame.width() - 1 - fx)) & 1))
                level = 2 * frame.at(0, fx, fy) + frame.at(1, fx, fy);
            screen += static_cast<char>('0' + level);
        }
        screen += '\n';
    }
    return screen;
}

TEST(PackSample, ShowsEveryFrameOverTheBackgroundThroughItsMask)
{
    if (!testing::HostCCompilerAvailable()) GTEST_SKIP() << "no host C compiler";
    struct Row {
        int width, height;
        FrameLayout layout;
        MaskBits bits;
        bool blackAndWhite, mirror, lightFirst;
    };
    const Row rows[] = {
        {8, 5, FrameLayout::Planes, MaskBits::Transparent, false, false, false},
        {16, 7, FrameLayout::Interlaced, MaskBits::Opaque, false, true, false},
        {32, 4, FrameLayout::InterlacedMask, MaskBits::Transparent, false, false, false},
        {24, 3, FrameLayout::Planes, MaskBits::Opaque, true, true, false},
        {16, 120, FrameLayout::Planes, MaskBits::Transparent, false, false, true},
    };
    std::mt19937 random(89);
    for (const Row& row : rows) {
        FrameSet set;
        for (int f = 0; f < 3; ++f) {
            PlaneBuffer frame(2, row.width, row.height);
            MaskRows mask(static_cast<std::size_t>(row.height));
            for (int y = 0; y < row.height; ++y) {
                for (int x = 0; x < row.width; ++x) {
                    const unsigned level = row.blackAndWhite ? 3 * (random() % 2) : random() % 4;
                    frame.at(0, x, y) = static_cast<std::uint8_t>(level >> 1);
                    frame.at(1, x, y) = static_cast<std::uint8_t>(level & 1);
                }
                mask[y] = static_cast<std::uint32_t>(random()) >> (32 - row.width);
            }
            set.frames.push_back(frame);
            set.masks.push_back(mask);
        }
        if (row.mirror) AddMirroredFrames(set);
        PackOptions options{row.layout, row.lightFirst, row.blackAndWhite, row.bits};
        const PackedFrames packed = PackFrames(set, options);
        Preferences prefs;
        prefs.IndentType = row.width != 16;

        TempDir dir;
        TempDir::Write(dir.File("tigcclib.h"),
                       "#define STUB_FRAMES " + std::to_string(set.frames.size()) + "\n" + kStandIn);
        const std::optional<std::string> out = testing::CompileAndRun(
            dir, PackSampleProgram(prefs, packed, "hero", testing::FakeEditorView().clock));
        ASSERT_TRUE(out) << TempDir::Read(dir.File("cc.log"));
        std::string expected;
        const int top = row.height + 10 <= 128 ? 10 : 0;
        for (std::size_t f = 0; f < set.frames.size(); ++f)
            expected += ExpectedScreen(set, static_cast<int>(f), !row.blackAndWhite, top);
        if (!row.blackAndWhite) expected += "off\n";
        EXPECT_TRUE(*out == expected) << row.width << "x" << row.height << " layout "
                                      << static_cast<int>(row.layout) << ": the screens differ from character "
                                      << std::mismatch(out->begin(), out->end(), expected.begin(), expected.end()).first -
                                             out->begin();
    }
}

}  // namespace
}  // namespace pixador
