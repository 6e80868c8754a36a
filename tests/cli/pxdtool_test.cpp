// pxdtool run as a build script would run it, on files written by the model's own writers and
// pictures drawn by Pillow.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <random>
#include <memory>
#include <string_view>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#endif

#include "core/editor_state.h"
#include "core/sprite.h"
#include "core/version.h"
#include "core/whole_sprite.h"
#include "files/ascii_export.h"
#include "files/asm_export.h"
#include "files/code_generator.h"
#include "files/file_io.h"
#include "files/preferences.h"
#include "files/pxd_file.h"
#include "core/text_helpers.h"
#include "platform/folders.h"
#include "support/line_breaks.h"
#include "support/state_fixture.h"
#include "support/temp_dir.h"

namespace pixador {
namespace {

using testing::StateFixture;
using testing::TempDir;

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

#ifdef _WIN32
std::wstring Wide(const std::string& text)
{
    std::wstring out(text.size(), L'\0');
    out.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), static_cast<int>(out.size()))));
    return out;
}

// One argument quoted as the C runtime splits a command line: backslashes count only before a quote.
std::wstring Quoted(const std::wstring& arg)
{
    std::wstring out = L"\"";
    std::size_t slashes = 0;
    for (const wchar_t c : arg) {
        if (c == L'\\') {
            ++slashes;
            continue;
        }
        out.append(c == L'"' ? 2 * slashes + 1 : slashes, L'\\');
        slashes = 0;
        out += c;
    }
    out.append(2 * slashes, L'\\');
    return out + L"\"";
}

HANDLE Inheritable(const std::string& path)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileW(Wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
}

// Starts the program itself, not through cmd.exe, which Wine under load now and then fails to
// start. args are split at spaces; '' is an empty argument. -1 when it did not start.
int StartAndWait(const std::string& program, const std::string& args, const std::string& folder,
                 const std::string& out, const std::string& err)
{
    std::wstring line = Quoted(Wide(program));
    std::size_t at = 0;
    while ((at = args.find_first_not_of(' ', at)) != std::string::npos) {
        std::size_t end = args.find(' ', at);
        if (end == std::string::npos) end = args.size();
        const std::string word = args.substr(at, end - at);
        line += L" " + Quoted(Wide(word == "''" ? "" : word));
        at = end;
    }
    STARTUPINFOW start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    start.hStdOutput = Inheritable(out);
    start.hStdError = Inheritable(err);
    PROCESS_INFORMATION process{};
    DWORD status = static_cast<DWORD>(-1);
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, Wide(folder).c_str(), &start,
                       &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &status);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(start.hStdOutput);
    CloseHandle(start.hStdError);
    return static_cast<int>(status);
}

// Wine under load now and then fails to start even a program itself; pxdtool never exits
// with -1, so that start is tried again.
int RunDirectly(const std::string& program, const std::string& args, const std::string& folder,
                const std::string& out, const std::string& err)
{
    int status = -1;
    for (int attempt = 0; attempt < 3 && status == -1; ++attempt) status = StartAndWait(program, args, folder, out, err);
    return status;
}
#endif

// Levels of a sprite, row by row.
using Levels = std::vector<std::vector<int>>;

Levels LevelsOf(const PlaneBuffer& p)
{
    Levels rows(static_cast<std::size_t>(p.height()));
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) rows[y].push_back(2 * p.at(0, x, y) + p.at(1, x, y));
    return rows;
}

class Pxdtool : public ::testing::Test {
protected:
    // Where Pillow cannot be run from the test (under Wine), the pictures are made beforehand
    // into the folder PXDTOOL_TEST_PICTURES names.
    static void SetUpTestSuite()
    {
        if (const char* made = std::getenv("PXDTOOL_TEST_PICTURES"); made && *made) {
            picturesDir_ = made;
            return;
        }
        pictures_ = std::make_unique<TempDir>();
        picturesDir_ = pictures_->str();
        const std::string make = std::string(PIL_PYTHON) + " " + PICTURES_SCRIPT + " make " + picturesDir_;
        ASSERT_EQ(std::system(make.c_str()), 0) << make;
    }
    static void TearDownTestSuite() { pictures_.reset(); }

    // Runs pxdtool in the test's folder; {p} in args stands for the pictures' folder. A
    // redirection in args overrides the capture of standard output.
    RunResult Run(std::string args, const std::string& env = "SOURCE_DATE_EPOCH=1083414896")
    {
        for (std::size_t at; (at = args.find("{p}")) != std::string::npos;) args.replace(at, 3, picturesDir_);
        RunResult r;
#ifdef _WIN32
        // An empty value unsets, as it does for the program.
        const std::size_t equals = env.find('=');
        const std::string value = env.substr(equals + 1);
        SetEnvironmentVariableA(env.substr(0, equals).c_str(), value.empty() ? nullptr : value.c_str());
        r.status = RunDirectly(JoinPath(ExecutableDir(), "pxdtool.exe"), args, dir.str(), dir.File(".out"),
                               dir.File(".err"));
        r.err = testing::AsLf(TempDir::Read(dir.File(".err")));
#else
        const std::string command = "cd " + dir.str() + " && >" + dir.File(".out") + " 2>" + dir.File(".err") + " " +
                                    env + " " + PXDTOOL_PATH + " " + args;
        const int raw = std::system(command.c_str());
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.err = TempDir::Read(dir.File(".err"));
#endif
        r.out = TempDir::Read(dir.File(".out"));
        return r;
    }

    Levels SpriteLevels(const std::string& name)
    {
        const std::optional<PlaneBuffer> planes = ReadSpriteFile(dir.File(name));
        return planes ? LevelsOf(*planes) : Levels{};
    }

    static std::string Picture(const std::string& name) { return pictures_->File(name); }

    TempDir dir;

private:
    static inline std::unique_ptr<TempDir> pictures_;
    static inline std::string picturesDir_;
};

// The worked 8 x 2 sprite: row 0 levels 0 1 2 3 0 1 2 3, row 1 black.
constexpr char kWorkedSprite[] = "\x01\x02\x33\x55\xFF\xFF";

TEST_F(Pxdtool, ExitStatusesAndMessages)
{
    TempDir::Write(dir.File("good.pxd"), std::string(kWorkedSprite, 6));
    TempDir::Write(dir.File("trunc.pxd"), std::string(kWorkedSprite, 5));
    TempDir::Write(dir.File("empty.pxd"), "");
    TempDir::Write(dir.File("huge.pxd"), std::string("\x08\xFF", 2) + std::string(4080, '\0'));
    TempDir::Write(dir.File("none.c"), "int main(void) { return 0; }\n");
    TempDir::Write(dir.File("two.c"), "unsigned char a[2] = {0x01,0x02};\nunsigned short b[] = {0x0F0F};\n");
    TempDir::Write(dir.File("bad.ini"), "ItemsPerLine=40000\r\n");
    std::filesystem::create_directory(dir.File("dir.pxd"));
    TempDir::Write(dir.File("wide.pxd"), std::string("\x02\x02", 2) + std::string(8, '\x0F'));
    TempDir::Write(dir.File("wide_m.pxd"), std::string(kWorkedSprite, 6));
    TempDir::Write(dir.File("skip.c"), "static const unsigned char a[2] = {0x01,0x02};\n"
                                       "unsigned char b[4] = {0x01, 0x02,\n0x03,5};\n");
    // A full device of our own (the numbers of /dev/full), never the system's entry.
#ifndef _WIN32
    const bool fullDevice = ::mknod(dir.File("full").c_str(), S_IFCHR | 0666, makedev(1, 7)) == 0;
#else
    const bool fullDevice = false;
#endif

    struct Row {
        const char* args;
        int status;
        const char* out;  // expected within standard output
        const char* err;  // expected within standard error
        const char* absent = nullptr;  // a file that must not be written
    };
    const Row rows[] = {
        {"--help", 0, "usage: pxdtool COMMAND", ""},
        {"export --help", 0, "usage: pxdtool export c|asm|ascii", ""},
        {"", 2, "", "usage: pxdtool COMMAND"},
        {"paint good.pxd", 2, "", "unknown command 'paint'"},
        {"info good.pxd trunc.pxd empty.pxd missing.pxd huge.pxd", 1, "good.pxd: 8x2 gray\n",
         "trunc.pxd: truncated: its header announces 8x2 in 6 bytes, the file has 5\n"
         "empty.pxd: not a sprite file: shorter than its 2-byte header\n"
         "missing.pxd: no such file\n"
         "huge.pxd: not a sprite file: its header gives the size 64x255, which the editor cannot hold\n"},
        {"export pdf good.pxd", 2, "", "unknown format 'pdf'"},
        {"export asm --array-only good.pxd", 2, "", "--array-only is for export c"},
        {"export c good.pxd --ini nowhere.ini", 2, "", "nowhere.ini: cannot read the preferences file (no such file)"},
        {"export c good.pxd -o ''", 2, "", "-o needs a value"},
        {"info good.pxd >full", 1, "", "standard output: No space left on device"},
        {"--help >full", 1, "", "standard output: No space left on device"},
        {"export c good.pxd -o - >full", 1, "", "standard output: No space left on device"},
        {"export c good.pxd -o /dev/stdout", 0, "0x33,0xFF,0x55,0xFF", ""},
        {"info dir.pxd", 1, "", "dir.pxd: is a folder"},
        {"export c good.pxd -o nodir/sub/x.c", 1, "", "nodir/sub/x.c: cannot write: No such file or directory"},
        {"export c good.pxd --ini bad.ini -o -", 0, "0x33,0xFF,0x55,0xFF", "bad.ini: not valid preferences"},
        {"export c trunc.pxd good.pxd -o outs", 1, "", "trunc.pxd: truncated", "outs/trunc.c"},
        {"export c good.pxd outs/../good.pxd -o outs", 1, "", "good.c was already written in this run"},
        {"convert {p}/wide.png w.pxd", 1, "", "the picture is 20x8, a sprite is 8, 16 or 32 wide and 1 to 256 high",
         "w.pxd"},
        {"convert {p}/tall.png t.pxd", 1, "", "the sprite is 8x256, a sprite file holds 255 rows at most", "t.pxd"},
        {"convert {p}/tall.png t.c", 0, "", ""},
        {"convert {p}/wide.png w.pxd --area 0,0,40,8", 1, "", "the area is 40x8", "w.pxd"},
        {"convert {p}/wide.png w.pxd --area 8,0,16,8", 1, "", "does not lie inside the 20x8 picture", "w.pxd"},
        {"convert {p}/wide.png w.pxd --area 0,0,16,8", 0, "", ""},
        {"convert good.pxd x.jpg", 2, "", "the output is a .pxd, .png, .bmp"},
        {"convert good.pxd x.c --mask", 2, "", "--mask is for a picture converted to .c"},
        {"convert {p}/black16.png b.c --mask", 0, "", "no transparency in the picture: the mask is all opaque"},
        {"convert trunc.pxd t.png", 1, "", "trunc.pxd: truncated", "t.png"},
        {"import-c none.c -o x.pxd", 1, "", "none.c: no arrays found", "x.pxd"},
        {"import-c two.c", 0, "a: 2 items of 8 bits\nb: 1 items of 16 bits\n", ""},
        {"import-c two.c -o x.pxd", 1, "", "two.c: 2 arrays; choose one with --array NAME:\na: 2 items", "x.pxd"},
        {"import-c two.c --array c -o x.pxd", 1, "", "no array named c", "x.pxd"},
        {"import-c two.c --array a --sprites 2 -o x.pxd", 1, "", "two.c: a: 2 items cannot hold 2 gray sprites",
         "x.pxd"},
        {"import-c two.c --array b --gray -o x.pxd", 0, "", "an odd number of items holds no two planes"},
        {"import-c two.c --stacked -o x.pxd", 2, "", "--stacked goes with --sprites"},
        {"import-c skip.c", 0, "b: 4 items", "skip.c: line 1 skipped: 'static const unsigned char a[2]"},
        {"import-c skip.c -o x.pxd", 0, "", "skip.c: b: 2 of 4 items are neither 0x nor 0b"},
        {"sheet {p}/odd.png --tile 16x16 -o s.c", 1, "", "the sheet is 20x16, not a whole number of 16x16 tiles",
         "s.c"},
        {"sheet {p}/sheet.png --tile 12x8 -o s.c", 2, "", "--tile is WxH with W 8, 16 or 32"},
        {"sheet {p}/sheet.png --tile 16x8", 2, "", "-o OUT.c is needed"},
        {"sheet missing.png --tile 16x8 -o s.c", 1, "", "missing.png: no such file", "s.c"},
        {"convert {p}/rgb24.bmp s.pxd", 1, "", "rgb24.bmp: not a 256-colour bitmap (a \"BM\" file of 8 bits per pixel)",
         "s.pxd"},
        {"sheet {p}/rgb24.bmp --tile 8x1 -o s.c", 1, "", "not a 256-colour bitmap", "s.c"},
        {"sheet {p}/sheet.bmp --tile 16x8 --mask -o b.c", 0, "", "no transparency in the picture"},
        {"sheet {p}/sheet.png --tile 16x8 --mask-bits opaque -o s.c", 2, "", "--mask-bits goes with --mask", "s.c"},
        {"pack --help", 0, "usage: pxdtool pack FRAME.pxd...", ""},
        {"pack good.pxd wide.pxd -o p.c", 1, "", "wide.pxd: the frame is 16x2, not 8x2 as good.pxd\n", "p.c"},
        {"pack good.pxd -o p.c --mask file:_mask", 1, "", "good_mask.pxd: no such file (the mask of good.pxd)\n",
         "p.c"},
        {"pack wide.pxd -o p.c --mask file:_m", 1, "", "wide_m.pxd: the mask is 8x2, its frame wide.pxd is 16x2\n",
         "p.c"},
        {"pack good.pxd --bw --layout interlaced -o p.c", 2, "",
         "black-and-white data (--bw) has one plane, so no interlaced layout", "p.c"},
        {"pack good.pxd --bw -o p.c", 1, "", "good.pxd: has gray pixels; --bw writes one plane", "p.c"},
        {"pack good.pxd --layout interlaced-mask -o p.c", 2, "", "--layout interlaced-mask needs --mask", "p.c"},
        {"pack good.pxd --sample s.c -o p.c", 2, "", "--sample draws through the mask: give --mask", "p.c"},
        {"pack good.pxd --name 2nd -o p.c", 2, "", "--name is a C name", "p.c"},
        {"pack good.pxd -o p.txt", 2, "", "the output is a .c, .h, .asm or .s file, or -", "p.txt"},
        {"pack good.pxd --mask outline -o /dev/stdout", 0, "#define SPRITE_COUNT 1\n", ""},
    };
    for (const Row& row : rows) {
        if (!fullDevice && std::string_view(row.args).find(">full") != std::string_view::npos) {
            std::cout << "skipped without the right to make a device: " << row.args << '\n';
            continue;
        }
#ifdef _WIN32
        if (std::string_view(row.args).find("/dev/") != std::string_view::npos) {
            std::cout << "skipped on Windows, which has no /dev: " << row.args << '\n';
            continue;
        }
#endif
        const RunResult r = Run(row.args);
        EXPECT_EQ(r.status, row.status) << row.args << "\n" << r.err;
        EXPECT_NE(r.out.find(row.out), std::string::npos) << row.args << "\n" << r.out;
        EXPECT_NE(r.err.find(row.err), std::string::npos) << row.args << "\n" << r.err;
        if (row.absent) {
            EXPECT_FALSE(FileExists(dir.File(row.absent))) << row.args;
        }
    }
    // The good file of a failing run is still written.
    EXPECT_TRUE(FileExists(dir.File("outs/good.c")));

    EXPECT_EQ(Run("--version").out, std::string("pxdtool ") + kVersion + "\n");
    const RunResult badEpoch = Run("info good.pxd", "SOURCE_DATE_EPOCH=1.5");
    EXPECT_EQ(badEpoch.status, 2);
    EXPECT_NE(badEpoch.err.find("SOURCE_DATE_EPOCH is not a whole number of seconds"), std::string::npos);
    EXPECT_EQ(Run("info good.pxd", "SOURCE_DATE_EPOCH=").status, 0) << "empty is unset";
}

// A reader that goes away ends a long run at once and quietly, as pipelines expect.
TEST_F(Pxdtool, ClosedPipeEndsQuietly)
{
    std::string many;
    for (int i = 0; i < 200; ++i) {
        TempDir::Write(dir.File("s" + std::to_string(i) + ".pxd"), std::string(kWorkedSprite, 6));
        many += " s" + std::to_string(i) + ".pxd";
    }
    for (const char* out : {"-", "/dev/stdout"}) {
        const std::string command = "cd " + dir.str() + " && (" + PXDTOOL_PATH + " export c" + many + " -o " + out +
                                    " 2>.err; echo $? >.status) | head -c 1 >/dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0);
        EXPECT_EQ(TempDir::Read(dir.File(".status")), "141\n") << out;
        EXPECT_EQ(TempDir::Read(dir.File(".err")), "") << out;
    }
}

// The fake view's clock as seconds since 1970 (UTC): the tool then stamps the same date.
TEST_F(Pxdtool, OutputEqualsTheEditorsWriters)
{
    const ClockTime clock = testing::FakeEditorView().clock;
    std::tm parts{};
    parts.tm_year = clock.year - 1900;
    parts.tm_mon = clock.month - 1;
    parts.tm_mday = clock.day;
    parts.tm_hour = clock.hour;
    parts.tm_min = clock.minute;
    parts.tm_sec = clock.second;
#ifdef _WIN32
    const std::string epoch = "SOURCE_DATE_EPOCH=" + std::to_string(_mkgmtime(&parts));
#else
    const std::string epoch = "SOURCE_DATE_EPOCH=" + std::to_string(timegm(&parts));
#endif

    struct SpriteCase {
        const char* name;
        int width, height;
        void (*draw)(StateFixture&);
    };
    const SpriteCase sprites[] = {
        {"worked", 8, 2, [](StateFixture& f) { for (int x = 0; x < 8; ++x) { SetPixel(f.state, x, 0, x % 4); SetPixel(f.state, x, 1, kBlack); } }},
        {"bw", 16, 3, [](StateFixture& f) { for (int x = 0; x < 16; x += 3) SetPixel(f.state, x, x % 3, kBlack); }},
        {"gray32", 32, 5, [](StateFixture& f) { f.Scribble(5); }},
    };
    struct PrefsCase {
        const char* name;
        void (*change)(Preferences&);
        const char* flag = "";  // pxdtool's answer to the monochrome question
        bool answerYes = false;
    };
    const PrefsCase prefs[] = {
        {"defaults", [](Preferences&) {}},
        {"defaults-bw", [](Preferences&) {}, "--bw", true},
        {"custom",
         [](Preferences& p) {
             p.SpriteEncodeMethod = 1;
             p.IndentType = false;
             p.IndentChars = 1;
             p.ItemsPerLine = 3;
             p.ExplicitDimensions = false;
             p.LayersArrangement = 0;
             p.SpriteName = "ship";
             p.IncludeDefines = false;
             p.GraphLib = true;
             p.ASCIIWidthx2 = true;
             p.ASCIIcolors = {'a', 'b', 'c', 'd'};
             p.MonochromeWarning = 1;
         }},
        {"binary", [](Preferences& p) { p.SpriteEncodeMethod = 2; p.LayersArrangement = 3; p.MonochromeWarning = 2; p.SampleCall = false; }},
        {"refused", [](Preferences& p) { p.LayersArrangement = 2; p.MonochromeWarning = 1; }},
    };
    for (const SpriteCase& sc : sprites) {
        for (const PrefsCase& pc : prefs) {
            const std::string tag = std::string(sc.name) + "-" + pc.name;
            StateFixture f(sc.width, sc.height);
            sc.draw(f);
            pc.change(f.state.preferences);
            SaveSprite(f.state, dir.File(tag + ".pxd"));
            ASSERT_TRUE(WritePreferences(f.state, dir.File(tag + ".ini")));

            struct Kind {
                const char* args;
                std::string expected;
                bool refused;
            };
            auto answer = [&] {
                if (pc.answerYes) f.view.answers.push_back(MessageAnswer::Yes);
            };
            answer();
            WriteCSourceFile(f.state, dir.File(tag + ".e.c"));
            answer();
            const GeneratedCode array = GenerateCode(f.state, CodeLanguage::C, f.state.preferences.SampleCall);
            answer();
            WriteAsmFile(f.state, dir.File(tag + ".e.asm"));
            WriteAsciiFile(f.state, dir.File(tag + ".e.txt"));
            const Kind kinds[] = {
                {"c", TempDir::Read(dir.File(tag + ".e.c")), array.refused},
                {"c --array-only", array.text + kLineBreak, array.refused},
                {"asm", TempDir::Read(dir.File(tag + ".e.asm")), array.refused},
                {"ascii", TempDir::Read(dir.File(tag + ".e.txt")), false},
            };
            for (const Kind& k : kinds) {
                const std::string out = tag + ".out";
                std::remove(dir.File(out).c_str());
                const RunResult r = Run(std::string("export ") + k.args + " " + tag + ".pxd --ini " + tag + ".ini " +
                                            pc.flag + " -o " + out,
                                        epoch);
                if (k.refused) {
                    EXPECT_EQ(r.status, 1) << tag << " " << k.args;
                    EXPECT_EQ(r.err, tag + ".pxd: Interlaced arrangement is not possible with B&W data!!\n");
                    EXPECT_FALSE(FileExists(dir.File(out)));
                } else {
                    EXPECT_EQ(r.status, 0) << tag << " " << k.args << "\n" << r.err;
                    EXPECT_EQ(TempDir::Read(dir.File(out)), k.expected) << tag << " " << k.args;
                }
            }
        }
    }
}

TEST_F(Pxdtool, PicturesMapGraysAsTheBitmapImport)
{
    struct Row {
        const char* args;
        Levels expected;
    };
    const Row rows[] = {
        // Half-transparent black lies over white as gray 127; fully transparent pixels stay white.
        {"convert {p}/levels.png s.pxd", {{3, 3, 2, 2, 1, 1, 0, 0}, {2, 1, 3, 0, 2, 0, 3, 0}}},
        {"convert {p}/levels.png s.pxd --brightness 100", {{0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0}}},
        // -25 subtracts 63.75: 128 becomes 64.25, rounded 64, dark gray; 255 becomes 191.
        {"convert {p}/levels.png s.pxd --brightness -25", {{3, 3, 3, 3, 2, 2, 1, 1}, {3, 2, 3, 0, 3, 0, 3, 1}}},
        {"convert {p}/levels.png s.pxd --brightness -100", {{3, 3, 3, 3, 3, 3, 3, 3}, {3, 3, 3, 0, 3, 0, 3, 3}}},
        {"convert {p}/levels8.bmp s.pxd", {{3, 3, 2, 2, 1, 1, 0, 0}}},
    };
    for (const Row& row : rows) {
        const RunResult r = Run(row.args);
        ASSERT_EQ(r.status, 0) << row.args << "\n" << r.err;
        EXPECT_EQ(SpriteLevels("s.pxd"), row.expected) << row.args;
    }

    // The mask: a 1 where the pixel is opaque (alpha above 0), beside the sprite's array.
    ASSERT_EQ(Run("convert {p}/levels.png m.c --mask --array-only").status, 0);
    const std::string text = testing::AsLf(TempDir::Read(dir.File("m.c")));
    EXPECT_NE(text.find("  };\n  unsigned char sprite_mask[2] = {\n    0xFF,0xEB\n  };\n  int x = 10;"),
              std::string::npos)
        << text;
}

TEST_F(Pxdtool, SpritePicturesShowTheFourLevels)
{
    TempDir::Write(dir.File("s.pxd"), std::string(kWorkedSprite, 6));
    const std::string gray = "FFFFFF CCCCCC AAAAAA 000000 FFFFFF CCCCCC AAAAAA 000000";
    const std::string black = "000000 000000 000000 000000 000000 000000 000000 000000";
    struct Row {
        const char* args;
        const char* file;
        std::string dump;
    };
    const Row rows[] = {
        {"convert s.pxd s.png", "s.png", "8 2\n" + gray + "\n" + black + "\n"},
        {"convert s.pxd s.bmp", "s.bmp", "8 2\n" + gray + "\n" + black + "\n"},
        {"convert s.pxd l.png --lcd", "l.png",
         "8 2\nA0B48C 879877 68755A 000000 A0B48C 879877 68755A 000000\n" + black + "\n"},
        {"convert s.pxd z.bmp --scale 2", "z.bmp", ""},
    };
    for (const Row& row : rows) {
        ASSERT_EQ(Run(row.args).status, 0) << row.args;
        const std::string dump = dir.File("dump.txt");
        ASSERT_EQ(std::system((std::string(PIL_PYTHON) + " " + PICTURES_SCRIPT + " dump " + dir.File(row.file) + " >" + dump).c_str()), 0);
        const std::string text = TempDir::Read(dump);
        if (!row.dump.empty()) {
            EXPECT_EQ(text, row.dump) << row.args;
        } else {
            // Every sprite pixel as 2 x 2: the first rows repeat, and so does each colour.
            EXPECT_EQ(text.substr(0, text.find('\n')), "16 4");
            EXPECT_NE(text.find("FFFFFF FFFFFF CCCCCC CCCCCC AAAAAA AAAAAA 000000 000000"), std::string::npos);
        }
    }
}

// What convert writes it reads back unchanged: random sprites of every width, in both colour
// sets, a pixel as one or as 8 x 8 picture pixels, through PNG and BMP.
TEST_F(Pxdtool, PicturesConvertBackToTheSameSprite)
{
    std::mt19937 random(1083414896);
    for (const int width : {8, 16, 32}) {
        for (const char* options : {"", "--lcd", "--scale 8", "--scale 8 --lcd"}) {
            for (const char* picture : {"p.png", "p.bmp"}) {
                StateFixture f;
                ResizeSprite(f.state, width, 1 + static_cast<int>(random() % 255));
                for (int x = 0; x < width; ++x)
                    for (int y = 0; y < f.state.sprite.height; ++y) SetPixel(f.state, x, y, static_cast<int>(random() % 4));
                const std::string bytes = EncodeSprite(f.state);
                TempDir::Write(dir.File("in.pxd"), bytes);
                const std::string there = std::string("convert in.pxd ") + picture + " " + options;
                ASSERT_EQ(Run(there).status, 0) << there;
                const std::string back = std::string("convert ") + picture + " out.pxd" +
                                         (std::string(options).find("--scale") != std::string::npos ? " --scale 8" : "");
                const RunResult r = Run(back);
                ASSERT_EQ(r.status, 0) << back << "\n" << r.err;
                EXPECT_EQ(TempDir::Read(dir.File("out.pxd")), bytes) << there << " then " << back;
            }
        }
    }
    // Blocks of more than one colour, and a bitmap cut short, are refused.
    ASSERT_EQ(Run("convert in.pxd p.bmp --scale 2").status, 0);
    const std::string bmp = TempDir::Read(dir.File("p.bmp"));
    TempDir::Write(dir.File("cut.bmp"), bmp.substr(0, bmp.size() - 1));
    struct Row {
        const char* args;
        const char* err;
    };
    const Row rows[] = {
        {"convert p.bmp x.pxd --scale 3", "p.bmp: the picture is 64x"},
        {"convert {p}/levels.png x.pxd --scale 2", "the block at 0,0 (sprite pixel 0,0) holds more than one colour"},
        {"convert cut.bmp x.pxd", "cut.bmp: truncated"},
        {"sheet cut.bmp --tile 8x8 -o x.c", "cut.bmp: truncated"},
    };
    for (const Row& row : rows) {
        const RunResult r = Run(row.args);
        EXPECT_EQ(r.status, 1) << row.args;
        EXPECT_NE(r.err.find(row.err), std::string::npos) << row.args << "\n" << r.err;
    }
}

TEST_F(Pxdtool, SheetToCToImportGivesTheTilesBack)
{
    // Tile 1 (transparent) is left out; with a mask, the opaque white tile 4 is a sprite.
    ASSERT_EQ(Run("sheet {p}/sheet.png --tile 16x8 --mask -o tiles.c").status, 0);
    const std::string text = testing::AsLf(TempDir::Read(dir.File("tiles.c")));
    EXPECT_EQ(text.substr(0, text.find("\n\n")),
              "#define SPRITE_COUNT 5\n#define SPRITE_WIDTH 16\n#define SPRITE_HEIGHT 8");
    EXPECT_NE(text.find("unsigned short sprite[80] = {"), std::string::npos);
    EXPECT_NE(text.find("unsigned short sprite_mask[40] = {\n  0x7FFF,0xFFFF,"), std::string::npos);
    ASSERT_EQ(Run("sheet {p}/sheet.png --tile 16x8 --mask --mask-bits transparent -o and.c").status, 0);
    EXPECT_NE(testing::AsLf(TempDir::Read(dir.File("and.c"))).find("sprite_mask[40] = {\n  0x8000,0x0000,"),
              std::string::npos);
    ASSERT_EQ(Run("sheet {p}/sheet.png --tile 16x8 -o plain.c").status, 0);
    EXPECT_EQ(testing::AsLf(TempDir::Read(dir.File("plain.c"))).rfind("#define SPRITE_COUNT 4\n", 0), 0u) << "white left out";

    const RunResult r = Run("import-c tiles.c --array sprite --sprites 5 -o tile.pxd");
    ASSERT_EQ(r.status, 0) << r.err;
    const int kept[] = {0, 2, 3, 4, 5};
    for (int i = 0; i < 5; ++i) {
        Levels expected(8, std::vector<int>(16));
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 16; ++x) expected[y][x] = kept[i] == 4 ? 0 : (x + 2 * y + kept[i]) % 4;
        if (kept[i] == 0) expected[0][0] = 0;  // the transparent pixel
        EXPECT_EQ(SpriteLevels("tile-" + std::to_string(i) + ".pxd"), expected) << "tile " << i;
    }

    ASSERT_EQ(Run("sheet {p}/sheet.png --tile 16x8 --keep-empty -o all.c").status, 0);
    EXPECT_EQ(testing::AsLf(TempDir::Read(dir.File("all.c"))).rfind("#define SPRITE_COUNT 6\n", 0), 0u);
    ASSERT_EQ(Run("import-c all.c --sprites 6 --stacked -o stacked.pxd").status, 0);
    // Each of many sprites comes back, the last one too.
    ASSERT_EQ(Run("sheet {p}/column.png --tile 16x8 -o column.c").status, 0);
    ASSERT_EQ(Run("import-c column.c --sprites 256 -o c.pxd").status, 0);
    EXPECT_EQ(SpriteLevels("c-255.pxd"), Levels(8, std::vector<int>(16, 1 + 255 % 3)));

    // The bitmap has no transparency: only the white tile is left out.
    ASSERT_EQ(Run("sheet {p}/sheet.bmp --tile 16x8 -o bmp.c").status, 0);
    EXPECT_EQ(testing::AsLf(TempDir::Read(dir.File("bmp.c"))).rfind("#define SPRITE_COUNT 5\n", 0), 0u);
    EXPECT_EQ(SpriteLevels("stacked.pxd").size(), 48u);
}

// Packed planes read back by the C import give every frame back, whichever plane comes first;
// the mirrored half and the assembler data hold the same frames.
TEST_F(Pxdtool, PackedPlanesImportBackFrameByFrame)
{
    TempDir::Write(dir.File("light-first.ini"), "LayersArrangement=0\r\n");
    for (const int width : {8, 16, 32}) {
        for (const bool lightFirst : {false, true}) {
            for (const int count : {1, 3}) {
                const std::string tag = std::to_string(width) + (lightFirst ? "l" : "d") + std::to_string(count);
                std::string frames;
                std::vector<Levels> drawn;
                for (int i = 0; i < count; ++i) {
                    StateFixture f(width, 5);
                    f.Scribble(width + 7 * i + lightFirst);
                    drawn.push_back(f.Levels());
                    const std::string name = tag + "-f" + std::to_string(i) + ".pxd";
                    TempDir::Write(dir.File(name), EncodeSprite(f.state));
                    frames += " " + name;
                }
                const std::string ini = lightFirst ? " --ini light-first.ini" : " --ini none.ini";
                TempDir::Write(dir.File("none.ini"), "");
                RunResult r = Run("pack" + frames + " --mirror --mask outline" + ini + " -o " + tag + ".c");
                ASSERT_EQ(r.status, 0) << tag << r.err;
                const std::string text = testing::AsLf(TempDir::Read(dir.File(tag + ".c")));
                EXPECT_NE(text.find("#define SPRITE_COUNT " + std::to_string(2 * count) + "\n#define SPRITE_MIRRORED " +
                                    std::to_string(count) + "\n"),
                          std::string::npos)
                    << tag;
                r = Run("import-c " + tag + ".c --array sprite --sprites " + std::to_string(2 * count) +
                        (lightFirst ? " --light-first" : "") + " -o " + tag + "-back.pxd");
                ASSERT_EQ(r.status, 0) << tag << r.err;
                for (int i = 0; i < 2 * count; ++i) {
                    Levels expected = drawn[i % count];
                    if (i >= count)
                        for (std::vector<int>& row : expected) std::reverse(row.begin(), row.end());
                    EXPECT_EQ(SpriteLevels(tag + "-back-" + std::to_string(i) + ".pxd"), expected) << tag << " " << i;
                }
                // The same items as assembler data, one directive each.
                ASSERT_EQ(Run("pack" + frames + " --mirror --mask outline" + ini + " -o " + tag + ".asm").status, 0);
                const std::string asmText = testing::AsLf(TempDir::Read(dir.File(tag + ".asm")));
                EXPECT_NE(asmText.find("\nSPRITE_COUNT equ " + std::to_string(2 * count) + "\n"), std::string::npos);
                const std::size_t data = asmText.find("\nsprite:\n");
                const std::size_t mask = asmText.find("\nsprite_mask:\n");
                ASSERT_NE(mask, std::string::npos) << tag;
                const std::string items = asmText.substr(data, mask - data);
                const std::string type = width == 8 ? "dc.b $" : width == 16 ? "dc.w $" : "dc.l $";
                std::size_t directives = 0;
                for (std::size_t at = 0; (at = items.find(type, at)) != std::string::npos; ++at) ++directives;
                EXPECT_EQ(directives, static_cast<std::size_t>(2 * count * 2 * 5)) << tag;
            }
        }
    }
}

}  // namespace
}  // namespace pixador
