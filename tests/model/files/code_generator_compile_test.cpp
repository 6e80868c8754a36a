// The generated C is compiled by the host compiler and its values compared with the planes.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "core/editor_state.h"
#include "core/sprite.h"
#include "core/whole_sprite.h"
#include "files/code_generator.h"
#include "host_c_compiler.h"
#include "support/state_fixture.h"
#include "support/temp_dir.h"

namespace pixador {
namespace {

using testing::StateFixture;
using testing::TempDir;

// A row's value straight from the planes, leftmost pixel most significant.
unsigned long long PlaneRowValue(const SpriteImage& s, int plane, int y)
{
    unsigned long long v = 0;
    for (int x = 0; x < s.width; ++x) v = v * 2 + GetPlaneBit(s.cells, s.width, s.height, x, y, plane);
    return v;
}

// The expected sequence of array values, written from the arrangement captions.
std::vector<unsigned long long> ExpectedValues(const SpriteImage& s, bool gray, int arrangement)
{
    std::vector<unsigned long long> v;
    const int dark = 0;
    const int light = 1;
    if (!gray) {
        for (int y = 0; y < s.height; ++y) v.push_back(PlaneRowValue(s, arrangement == 0 ? light : dark, y));
        return v;
    }
    if (arrangement <= 1) {
        const int first = arrangement == 0 ? light : dark;
        for (int y = 0; y < s.height; ++y) v.push_back(PlaneRowValue(s, first, y));
        for (int y = 0; y < s.height; ++y) v.push_back(PlaneRowValue(s, 1 - first, y));
        return v;
    }
    const int first = arrangement == 2 ? light : dark;
    for (int y = 0; y < s.height; ++y) {
        v.push_back(PlaneRowValue(s, first, y));
        v.push_back(PlaneRowValue(s, 1 - first, y));
    }
    return v;
}

std::vector<unsigned long long> ParseValues(const std::string& line)
{
    std::istringstream in(line);
    std::vector<unsigned long long> v;
    unsigned long long x;
    while (in >> x) v.push_back(x);
    return v;
}

TEST(GeneratedCCompiles, EveryTypeNotationAndArrangementHoldsThePlanes)
{
    if (!testing::HostCCompilerAvailable()) GTEST_SKIP() << "no host C compiler";

    struct Variant {
        std::string name;
        std::vector<unsigned long long> expected;
        bool explicitSize;
    };
    std::vector<Variant> variants;
    std::string program = "#include <stdio.h>\n";
    int index = 0;
    for (int width : {8, 16, 32}) {
        for (int method = 0; method <= 2; ++method) {
            for (int arrangement = 0; arrangement <= 3; ++arrangement) {
                for (bool gray : {true, false}) {
                    if (!gray && arrangement >= 2) continue;
                    StateFixture f(width, 5);
                    if (gray) {
                        f.Scribble(index);
                    } else {
                        for (int x = 0; x < width; ++x)
                            for (int y = 0; y < 5; ++y) SetPixel(f.state, x, y, (x * y + x + index) % 3 ? kBlack : kWhite);
                    }
                    // The left column black, so the top bit of every row is exercised.
                    for (int y = 0; y < 5; ++y) SetPixel(f.state, 0, y, y % 2 ? kBlack : kDarkGray * gray);
                    Preferences& p = f.state.preferences;
                    p.MonochromeWarning = gray ? 2 : 1;
                    p.SpriteEncodeMethod = static_cast<std::int16_t>(method);
                    p.LayersArrangement = static_cast<std::int16_t>(arrangement);
                    p.ItemsPerLine = static_cast<std::int16_t>(1 + index % 5);
                    p.IndentType = index % 2 == 0;
                    p.ExplicitDimensions = index % 3 != 0;
                    p.SpriteName = std::string("v").append(std::to_string(index));
                    program += GenerateSpriteCode(f.state, CodeLanguage::C, false) + "\n";
                    variants.push_back({p.SpriteName, ExpectedValues(f.state.sprite, UsesGray(f.state) || gray, arrangement),
                                        p.ExplicitDimensions});
                    ++index;
                }
            }
        }
    }
    program += "int main(void){\n  unsigned j;\n";
    for (const Variant& v : variants) {
        program += "  for (j = 0; j < sizeof " + v.name + " / sizeof " + v.name + "[0]; ++j) printf(\"%llu \", "
                   "(unsigned long long)" + v.name + "[j]);\n  printf(\"\\n\");\n";
    }
    program += "  return 0;\n}\n";

    TempDir dir;
    const std::optional<std::string> out = testing::CompileAndRun(dir, program);
    ASSERT_TRUE(out) << TempDir::Read(dir.File("cc.log")) << program;
    std::istringstream lines(*out);
    std::string line;
    for (const Variant& v : variants) {
        ASSERT_TRUE(std::getline(lines, line)) << v.name;
        EXPECT_EQ(ParseValues(line), v.expected) << v.name;
    }
}

// A stand-in for the calculator library with just what the sample program calls: every
// sprite drawing prints its plane and its rows.
const char* const kStubLibrary = R"(#include <stdio.h>
#define DARK_PLANE 0
#define LIGHT_PLANE 1
#define SPRT_XOR 2
static char stub_planes[3];
#define LCD_MEM ((void *)&stub_planes[2])
static void *GrayGetPlane(int plane) { return &stub_planes[plane]; }
static int GrayOn(void) { puts("on"); return 1; }
static void GrayOff(void) { puts("off"); }
static void ClrScr(void) {}
static int ngetchx(void) { return 0; }
static const char *PlaneName(void *p) { return p == LCD_MEM ? "lcd" : p == &stub_planes[0] ? "dark" : "light"; }
#define STUB_SPRITE(name, type) \
  static void name(int x, int y, int h, const type *rows, void *plane, int mode) { \
    int i; printf("%s %d %d %d", PlaneName(plane), x, y, mode); \
    for (i = 0; i < h; ++i) printf(" %llu", (unsigned long long)rows[i]); printf("\n"); }
STUB_SPRITE(Sprite8, unsigned char)
STUB_SPRITE(Sprite16, unsigned short)
STUB_SPRITE(Sprite32, unsigned long)
void _main(void);
int main(void) { _main(); return 0; }
)";

std::string RowsText(const SpriteImage& s, int plane)
{
    std::string t;
    for (int y = 0; y < s.height; ++y) {
        t += ' ';
        t += std::to_string(PlaneRowValue(s, plane, y));
    }
    return t;
}

TEST(GeneratedCCompiles, SampleProgramDrawsBothPlanesOfTheSprite)
{
    if (!testing::HostCCompilerAvailable()) GTEST_SKIP() << "no host C compiler";
    TempDir dir;
    TempDir::Write(dir.File("tigcclib.h"), kStubLibrary);
    for (int width : {8, 16, 32}) {
        for (int arrangement : {0, 1}) {
            for (bool gray : {true, false}) {
                StateFixture f(width, 7);
                f.Scribble(width);
                f.state.preferences.LayersArrangement = static_cast<std::int16_t>(arrangement);
                if (!gray) {
                    for (int x = 0; x < width; ++x)
                        for (int y = 0; y < 7; ++y) SetPixel(f.state, x, y, (x + y) % 3 ? kBlack : kWhite);
                    f.state.preferences.MonochromeWarning = 1;
                }
                std::remove(dir.File("sample.c").c_str());
                WriteCSourceFile(f.state, dir.File("sample.c"));
                const std::optional<std::string> out =
                    testing::CompileAndRun(dir, TempDir::Read(dir.File("sample.c")));
                ASSERT_TRUE(out) << TempDir::Read(dir.File("cc.log"));
                // Each plane receives its own rows, whichever comes first in the array.
                const SpriteImage& s = f.state.sprite;
                const std::string dark = "dark 10 10 2" + RowsText(s, 0) + "\n";
                const std::string light = "light 10 10 2" + RowsText(s, 1) + "\n";
                const std::string expected = !gray             ? "lcd 10 10 2" + RowsText(s, 0) + "\n"
                                             : arrangement == 0 ? "on\n" + light + dark + "off\n"
                                                                : "on\n" + dark + light + "off\n";
                EXPECT_EQ(*out, expected) << width << gray << arrangement;
            }
        }
    }
}

}  // namespace
}  // namespace pixador
