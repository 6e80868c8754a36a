// Writes the seed corpora of the fuzz targets with Pixador's own writers: write_seeds FOLDER
// (fuzz/corpus). The bitmap seeds come from Pillow and ImageMagick (bitmap_seeds.py).
#include <filesystem>
#include <vector>

#include "canvas/clipboard.h"
#include "compose/map_export.h"
#include "core/editor_state.h"
#include "core/whole_sprite.h"
#include "files/code_generator.h"
#include "files/file_io.h"
#include "files/ini_text.h"
#include "files/preferences.h"
#include "files/pxd_file.h"
#include "files/quick_access_file.h"
#include "files/window_arrangement.h"
#include "plugin_script.h"
#include "support/state_fixture.h"

using namespace pixador;
namespace fs = std::filesystem;

namespace {

// The parameters the sample plug-ins declare, one filterlib call a line.
const std::vector<std::pair<const char*, const char*>> kConfigScripts = {
    {"outline", "SWidth|1\nLTouching|0\nOSides only\nOSides, corners\nP\n"},
    {"checker", "SCell width|1\nSCell height|1\n"},
    {"gradient", "LDirection|0\nOLeft to right\nOTop to bottom\nODiagonal\nP\n"},
    {"bw_dither", "LPattern|1\nOBayer 2x2\nOBayer 4x4\nOBayer 8x8\nP\nSDarker by (%)|0\n"},
    {"pixels", "G0 7 0 0 7 6 0 3 3 1\nG2 255 0 0 31 254 1 31 254 1\nG1 0 4 4 2 2 0 3 3 0\n"},
};

void Scribble(EditorState& state, int seed)
{
    for (int x = 0; x < state.sprite.width; ++x)
        for (int y = 0; y < state.sprite.height; ++y) SetPixel(state, x, y, (x * 7 + y * 3 + seed + x * y) % 4);
}

std::string Folder(const fs::path& root, const char* target)
{
    fs::create_directories(root / target);
    return (root / target).string();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) return 2;
    const fs::path root = argv[1];
    testing::StateFixture f;
    EditorState& state = f.state;

    const std::string pxd = Folder(root, "pxd_file");
    const std::string clip = Folder(root, "pxd_clipboard");
    const std::string c = Folder(root, "c_import");
    for (const auto& [w, h] : std::vector<std::pair<int, int>>{{8, 1}, {8, 8}, {16, 16}, {32, 32}, {8, 255}, {32, 255}}) {
        ResizeSprite(state, w, h);
        Scribble(state, w + h);
        const std::string name = std::to_string(w) + "x" + std::to_string(h);
        WriteFileAtomically(pxd + "/" + name + ".pxd", EncodeSprite(state));
        state.selection = {true, 0, 0, static_cast<std::int16_t>(w), static_cast<std::int16_t>(h)};
        WriteFileAtomically(clip + "/" + name + ".txt", BuildPxdText(state));
        state.selection = {};
    }

    // C sources in each notation, element size and layer order, grayscale and black and white.
    Preferences& p = state.preferences;
    for (int variant = 0; variant < 6; ++variant) {
        ResizeSprite(state, 8 << (variant % 3), 4 + variant);
        Scribble(state, variant);
        if (variant == 5) FillSprite(state, 1);
        p.SpriteEncodeMethod = static_cast<std::int16_t>(variant % 3);
        p.LayersArrangement = static_cast<std::int16_t>(variant % 4);
        p.MonochromeWarning = variant == 5 ? 1 : 2;
        p.SpriteName = "sprite" + std::to_string(variant);
        WriteCSourceFile(state, c + "/sample" + std::to_string(variant) + ".c");
    }
    BitmapImage picture;
    picture.Reset(20, 6);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) picture.pixels[i] = static_cast<std::uint8_t>(i * 37);
    for (int g = 0; g < 256; ++g) picture.grayTable[g] = static_cast<std::uint8_t>(g);
    WriteFileAtomically(c + "/bitmap_map.c", MapExportText(picture, 2, 1, 13, 5, 10));

    // The three INI files as the editor leaves them.
    const std::string prefs = Folder(root, "preferences_ini");
    state.preferences = Preferences{};
    WritePreferences(state, prefs + "/defaults.ini");
    p.LCDColorSet = false;
    p.SpriteName = "hero_walk";
    p.ASCIIcolors = {'.', 'o', 'O', '@'};
    p.DefaultWidth = 32;
    p.DefaultHeight = 256;
    p.ItemsPerLine = 99;
    p.IndentType = false;
    WritePreferences(state, prefs + "/changed.ini");

    const std::string layout = Folder(root, "window_arrangement_ini");
    WriteWindowArrangement(state, layout + "/defaults.ini");
    state.windowLayout = {-32768, 32767, 0, 1, -1, 15000, 200, 300, 0, 0, 1250, 1000, 200, 2000, 200, 1300, true, true};
    WriteWindowArrangement(state, layout + "/maximised.ini");

    const std::string quick = Folder(root, "quick_access_ini");
    WriteQuickAccess(state, quick + "/empty.ini");
    for (int i = 0; i < 3; ++i) AddQuickAccess(state.quickAccess, "/home/user/sprites/walk" + std::to_string(i) + ".pxd");
    WriteQuickAccess(state, quick + "/three.ini");
    for (int i = 0; i < 9; ++i) AddQuickAccess(state.quickAccess, "C:\\Sprites\\tile " + std::to_string(i) + ".pxd");
    WriteQuickAccess(state, quick + "/full.ini");

    // Numbers as the INI writer and the number boxes give them.
    const std::string numbers = Folder(root, "numbers");
    int n = 0;
    for (const std::string& text : {FormatIniNumber(8), FormatIniNumber(-32768), std::string("2.5"), std::string("-0.5e1px"),
                                    std::string("10110"), std::string("  +3.75 ")})
        WriteFileAtomically(numbers + "/number" + std::to_string(n++) + ".txt", text);

    // The records the sample plug-ins' config entry points leave, and the same declarations as
    // filterlib calls.
    const std::string records = Folder(root, "plugin_records");
    const std::string filterlib = Folder(root, "filterlib");
    for (const auto& [name, script] : kConfigScripts) {
        WriteFileAtomically(filterlib + "/" + name + ".txt", script);
        FilterParams params{};
        fuzz::RunScript(script, params);
        WriteFileAtomically(records + "/" + name + ".rec", std::string_view(reinterpret_cast<const char*>(&params), sizeof params));
    }

    // pxdtool command lines as a build script gives them, over the files its target provides.
    const std::string commands = Folder(root, "pxdtool_args");
    n = 0;
    for (const char* line : {"info\nsprite.pxd\n", "export\nc\nsprite.pxd\n-o\nsprite.c\n",
                             "export\nasm\n--ini\nPixador.ini\nsprite.pxd\n--bw\n-o\nsprite.asm\n",
                             "convert\npicture.png\nship.pxd\n--area\n1,0,8,4\n", "convert\nsprite.pxd\nbig.png\n--scale\n4\n--lcd\n",
                             "convert\npicture.bmp\nship.c\n--area=0,0,16,5\n--brightness\n-20\n--array-only\n",
                             "import-c\nsource.c\n--array\nsprite2\n--gray\n-o\nback.pxd\n",
                             "sheet\npicture.bmp\n--tile\n8x5\n--keep-empty\n-o\ntiles.c\n"})
        WriteFileAtomically(commands + "/command" + std::to_string(n++) + ".txt", line);
    return 0;
}
