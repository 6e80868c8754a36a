#include "cli/sheet_command.h"

#include <iostream>

#include "cli/args.h"
#include "cli/image_input.h"
#include "cli/mask_bits_option.h"
#include "cli/session.h"
#include "cli/sprite_input.h"
#include "compose/sprite_sheet.h"

namespace pixador::cli {

const char* const kSheetHelp =
    "usage: pxdtool sheet IMAGE --tile WxH [--mask [--mask-bits opaque|transparent]]\n"
    "                     [--keep-empty] [--brightness B] [--ini PATH] -o OUT.c\n"
    "\n"
    "Cuts a sprite sheet (.png, or .bmp of 256 colours) into tiles of W x H pixels,\n"
    "left to right, top to bottom, and writes them as one C array of gray sprites\n"
    "one after the other, each its dark rows and then its light rows: the layout\n"
    "the editor's C import reads as \"The Array Contains: N Sprites\", so\n"
    "'pxdtool import-c OUT.c --sprites N -o tile.pxd' gives each tile back.\n"
    "Before the array come #define lines NAME_COUNT, NAME_WIDTH and NAME_HEIGHT,\n"
    "NAME being the preferences' array name in capitals. Notation, element type,\n"
    "indent, items per line and explicit size follow the preferences.\n"
    "\n"
    "Pixels map to levels as in convert (fully transparent ones are white).\n"
    "A .bmp has no transparency: its mask is all opaque.\n"
    "\n"
    "Options:\n"
    "  --tile WxH      the tile size: W 8, 16 or 32, H 1 to 256. The sheet must be a\n"
    "                  whole number of tiles.\n"
    "  --keep-empty    keep tiles that are entirely transparent or white (left out\n"
    "                  otherwise; with --mask only entirely transparent tiles are\n"
    "                  empty, an opaque white tile is kept)\n"
    "  --mask          also an array NAME_mask: each tile's rows, a 1 bit where the\n"
    "                  pixel is opaque. A picture without transparency gives an\n"
    "                  all-opaque mask and a note.\n"    "  --mask-bits B   opaque (the default): a 1 bit where the pixel is opaque;\n"
    "                  transparent: a 1 bit where the background shows, the AND\n"
    "                  mask the drawing routines take\n"
    "  --brightness B  -100 to 100, as the capture dialog's brightness bar\n"
    "  --ini PATH      the preferences file, as for export\n"
    "  -o OUT.c        the file to write; - for standard output\n";

namespace {

int Usage(const std::string& error)
{
    std::cerr << "pxdtool sheet: " << error << "\nTry 'pxdtool sheet --help'.\n";
    return kExitUsage;
}

// The C import counts items in 16 bits.
constexpr std::size_t kMaxImportItems = 32767;

}  // namespace

int RunSheet(const std::vector<std::string>& words)
{
    std::string error;
    const std::optional<ParsedArgs> args = ParseArgs(
        words,
        {{"-o", true}, {"--tile", true}, {"--mask", false}, {"--keep-empty", false}, {"--brightness", true},
         {"--ini", true}, {"--mask-bits", true}},
        error);
    if (!args) return Usage(error);
    if (args->Has("--help")) {
        std::cout << kSheetHelp;
        return kExitOk;
    }
    if (args->operands.size() != 1) return Usage("give one sprite sheet picture");
    const auto tileText = args->Value("--tile");
    if (!tileText) return Usage("--tile WxH is needed");
    const std::optional<std::pair<int, int>> tile = ParseSize(*tileText);
    if (!tile || (tile->first != 8 && tile->first != 16 && tile->first != 32) || tile->second < 1 ||
        tile->second > 256)
        return Usage("--tile is WxH with W 8, 16 or 32 and H 1 to 256");
    const auto out = args->Value("-o");
    if (!out) return Usage("-o OUT.c is needed");
    int brightness = 0;
    if (const auto text = args->Value("--brightness")) {
        const std::optional<int> n = ParseInt(*text);
        if (!n || *n < -100 || *n > 100) return Usage("--brightness is a whole number from -100 to 100");
        brightness = *n;
    }

    const std::optional<MaskBits> maskBits = MaskBitsOption(*args, MaskBits::Opaque, error);
    if (!maskBits) return Usage(error);
    if (args->Has("--mask-bits") && !args->Has("--mask")) return Usage("--mask-bits goes with --mask");

    Session session;
    if (!session.LoadPreferences(args->Value("--ini"), error)) return Usage(error);
    const std::string& file = args->operands[0];
    std::string reason;
    const std::optional<Picture> picture = ReadImageFile(file, reason);
    if (!picture) {
        session.Fail(file, reason);
        return session.Finish();
    }
    const GrayImage* image = &picture->image;
    const auto [w, h] = *tile;
    if (image->width % w != 0 || image->height % h != 0) {
        session.Fail(file, "the sheet is " + SizeText(image->width, image->height) + ", not a whole number of " +
                               SizeText(w, h) + " tiles");
        return session.Finish();
    }
    const std::vector<SheetTile> tiles = CutSheet(*image, w, h, brightness, args->Has("--keep-empty"), args->Has("--mask"));
    if (tiles.empty()) {
        session.Fail(file, "every tile is empty (--keep-empty keeps them)");
        return session.Finish();
    }
    if (args->Has("--mask") && !image->hasAlpha)
        session.Note(file, "no transparency in the picture: the mask is all opaque");
    if (session.state.preferences.SpriteEncodeMethod == 1)
        session.Note(file, "decimal items (SpriteEncodeMethod=1) are not read back by the C import");
    if (tiles.size() * 2 * static_cast<std::size_t>(h) > kMaxImportItems)
        session.Note(file, std::to_string(tiles.size() * 2 * h) + " items: the C import reads 32767 at most");
    session.Write(file, *out, SheetCText(session.state.preferences, tiles, w, h, args->Has("--mask"), *maskBits));
    return session.Finish();
}

}  // namespace pixador::cli
