#include "cli/convert_command.h"

#include <iostream>

#include "canvas/color_sets.h"
#include "cli/args.h"
#include "cli/export_command.h"
#include "cli/image_input.h"
#include "cli/png_file.h"
#include "cli/session.h"
#include "cli/sprite_input.h"
#include "core/whole_sprite.h"
#include "files/bmp_writer.h"
#include "files/code_generator.h"
#include "files/pxd_file.h"

namespace pixador::cli {

const char* const kConvertHelp =
    "usage: pxdtool convert IN OUT [--area X,Y,W,H] [--brightness B] [--scale N]\n"
    "                       [--lcd] [--mask] [--ini PATH] [--array-only]\n"
    "                       [--bw | --gray]\n"
    "\n"
    "Converts one file into another, each known by its extension:\n"
    "  IN   .pxd (a sprite file), .png, or .bmp (256 colours)\n"
    "  OUT  .pxd, .png, .bmp (256 colours), or .c, .asm, .txt as export writes them\n"
    "\n"
    "From a picture drawn only in the four colours of the editor's gray or LCD\n"
    "colour set (as convert writes it), each pixel's level is its colour's, so a\n"
    "sprite converted to a picture and back is unchanged. From any other picture\n"
    "(or with --brightness), each pixel's gray (0.3 R + 0.59 G + 0.11 B, plus the\n"
    "brightness) gives its level as the editor's bitmap import does: 192 and above\n"
    "white, 128 light gray, 64 dark gray, below that black. Partly transparent\n"
    "pixels lie over white; fully transparent ones stay white whatever the\n"
    "brightness. The whole picture is taken when it is 8, 16 or 32 pixels\n"
    "wide and at most 256 high; otherwise --area names the part to take.\n"
    "\n"
    "To a picture, each sprite pixel becomes one pixel (N x N with --scale N) in\n"
    "the editor's gray colours, or its LCD colours with --lcd.\n"
    "\n"
    "Options:\n"
    "  --area X,Y,W,H  the part of the picture: W 8, 16 or 32, H 1 to 256\n"
    "  --brightness B  -100 to 100, as the capture dialog's brightness bar\n"
    "  --scale N       1 to 64: each sprite pixel is N x N picture pixels, when\n"
    "                  writing a picture and when reading one (each block must be\n"
    "                  of one colour; --area then counts in blocks)\n"
    "  --lcd           the LCD colour set\n"
    "  --mask          (picture to .c) also an array NAME_mask after the sprite's:\n"
    "                  one item per row, a 1 bit where the pixel is opaque, in the\n"
    "                  same notation and element type. A picture without\n"
    "                  transparency gives an all-opaque mask and a note.\n"
    "  --ini PATH, --array-only, --bw, --gray   as for export c\n"
    "\n"
    "A sprite file holds at most 255 rows; a larger result is refused, and so is\n"
    "any that the sprite cannot hold (wider than 32, taller than 256).\n";

namespace {

enum class OutKind { Sprite, Png, Bmp, C, Asm, Ascii };

struct Extension {
    const char* text;
    OutKind kind;
};

constexpr Extension kOutputs[] = {
    {".pxd", OutKind::Sprite}, {".png", OutKind::Png}, {".bmp", OutKind::Bmp},  {".c", OutKind::C},
    {".asm", OutKind::Asm},    {".s", OutKind::Asm},   {".txt", OutKind::Ascii},
};

int Usage(const std::string& error)
{
    std::cerr << "pxdtool convert: " << error << "\nTry 'pxdtool convert --help'.\n";
    return kExitUsage;
}

bool IsSpriteWidth(int w)
{
    return w == 8 || w == 16 || w == 32;
}

// The sprite as picture indices 0..3 (its levels), each pixel scale x scale.
std::vector<std::uint8_t> SpritePicture(const EditorState& state, int scale)
{
    const SpriteImage& s = state.sprite;
    const std::size_t width = static_cast<std::size_t>(s.width) * scale;
    std::vector<std::uint8_t> picture(width * static_cast<std::size_t>(s.height) * scale);
    for (int y = 0; y < s.height; ++y) {
        for (int x = 0; x < s.width; ++x) {
            const auto level = static_cast<std::uint8_t>(2 * GetPlaneBit(s.cells, s.width, s.height, x, y, 0) +
                                                         GetPlaneBit(s.cells, s.width, s.height, x, y, 1));
            for (int dy = 0; dy < scale; ++dy) {
                std::uint8_t* row = &picture[(static_cast<std::size_t>(y) * scale + dy) * width];
                std::fill_n(row + static_cast<std::size_t>(x) * scale, scale, level);
            }
        }
    }
    return picture;
}

}  // namespace

int RunConvert(const std::vector<std::string>& words)
{
    std::string error;
    const std::optional<ParsedArgs> args =
        ParseArgs(words,
                  {{"--area", true}, {"--brightness", true}, {"--scale", true}, {"--lcd", false}, {"--mask", false},
                   {"--ini", true}, {"--array-only", false}, {"--bw", false}, {"--gray", false}},
                  error);
    if (!args) return Usage(error);
    if (args->Has("--help")) {
        std::cout << kConvertHelp;
        return kExitOk;
    }
    if (args->operands.size() != 2) return Usage("give one input and one output file");
    const std::string& in = args->operands[0];
    const std::string& out = args->operands[1];
    const std::string inExt = ExtensionOf(in);
    const bool fromPicture = inExt == ".png" || inExt == ".bmp";
    if (!fromPicture && inExt != ".pxd") return Usage(in + ": the input is a .pxd, .png or .bmp file");
    const Extension* target = nullptr;
    for (const Extension& e : kOutputs)
        if (ExtensionOf(out) == e.text) target = &e;
    if (!target) return Usage(out + ": the output is a .pxd, .png, .bmp, .c, .asm, .s or .txt file");

    int scale = 1;
    if (const auto text = args->Value("--scale")) {
        const std::optional<int> n = ParseInt(*text);
        if (!n || *n < 1 || *n > 64) return Usage("--scale is a whole number from 1 to 64");
        scale = *n;
    }
    int brightness = 0;
    if (const auto text = args->Value("--brightness")) {
        const std::optional<int> n = ParseInt(*text);
        if (!n || *n < -100 || *n > 100) return Usage("--brightness is a whole number from -100 to 100");
        brightness = *n;
    }
    std::optional<PixelArea> area;
    if (const auto text = args->Value("--area")) {
        const std::optional<std::vector<int>> n = ParseIntList(*text, 4);
        if (!n) return Usage("--area is X,Y,W,H in whole numbers");
        area = PixelArea{(*n)[0], (*n)[1], (*n)[2], (*n)[3]};
    }
    const bool picturesOut = target->kind == OutKind::Png || target->kind == OutKind::Bmp;
    const bool codeOut = target->kind == OutKind::C;
    if (args->Has("--scale") && !picturesOut && !fromPicture) return Usage("--scale is for .png and .bmp files");
    if (args->Has("--lcd") && !picturesOut) return Usage("--lcd is for .png and .bmp output");
    if ((area || args->Has("--brightness")) && !fromPicture) return Usage("--area and --brightness are for picture input");
    if (args->Has("--mask") && !(fromPicture && codeOut)) return Usage("--mask is for a picture converted to .c");
    if (args->Has("--array-only") && !codeOut) return Usage("--array-only is for .c output");
    if (args->Has("--bw") && args->Has("--gray")) return Usage("--bw and --gray exclude each other");

    Session session;
    session.view.answerBlackAndWhite = args->Has("--bw");
    if (!session.LoadPreferences(args->Value("--ini"), error)) return Usage(error);

    std::string maskText;
    std::string reason;
    if (fromPicture) {
        std::optional<Picture> picture = ReadImageFile(in, reason);
        if (picture && scale > 1) picture = ShrinkBlocks(*picture, scale, reason);
        if (!picture) {
            session.Fail(in, reason);
            return session.Finish();
        }
        const GrayImage* image = &picture->image;
        if (!area) {
            if (!IsSpriteWidth(image->width) || image->height > 256) {
                session.Fail(in, "the picture is " + SizeText(image->width, image->height) +
                                     ", a sprite is 8, 16 or 32 wide and 1 to 256 high: choose a part with "
                                     "--area X,Y,W,H");
                return session.Finish();
            }
            area = PixelArea{0, 0, image->width, image->height};
        }
        if (!IsSpriteWidth(area->width) || area->height < 1 || area->height > 256) {
            session.Fail(in, "the area is " + SizeText(area->width, area->height) +
                                 ", a sprite is 8, 16 or 32 wide and 1 to 256 high");
            return session.Finish();
        }
        if (!AreaInside(*image, *area)) {
            session.Fail(in, "the area does not lie inside the " + SizeText(image->width, image->height) + " picture");
            return session.Finish();
        }
        // A picture in one colour set's four colours reads back exactly what was written.
        std::optional<PlaneBuffer> exact;
        if (!args->Has("--brightness")) exact = CaptureExactColors(*picture, *area);
        const PlaneBuffer planes = exact ? *exact : CaptureGrayImage(*image, *area, brightness);
        ResizeSprite(session.state, planes.width(), planes.height());
        SetSpriteFromPlanes(session.state, planes);
        if (args->Has("--mask")) {
            if (!image->hasAlpha) session.Note(in, "no transparency in the picture: the mask is all opaque");
            maskText = CArrayText(session.state.preferences, SpriteArrayName(session.state.preferences) + "_mask",
                                  area->width, OpaqueRows(*image, *area));
        }
    } else if (!LoadSpriteFile(session.state, in, reason)) {
        session.Fail(in, reason);
        return session.Finish();
    }

    const SpriteImage& s = session.state.sprite;
    std::string bytes;
    switch (target->kind) {
    case OutKind::Sprite:
        bytes = EncodeSprite(session.state);
        if (bytes.empty()) {
            session.Fail(in, "the sprite is " + SizeText(s.width, s.height) + ", a sprite file holds 255 rows at most");
            return session.Finish();
        }
        break;
    case OutKind::Png:
    case OutKind::Bmp: {
        const LcdColorSet& set = args->Has("--lcd") ? kLcdColors : kNormalColors;
        const std::vector<std::uint32_t> colors(set.begin(), set.end());
        const std::vector<std::uint8_t> picture = SpritePicture(session.state, scale);
        const int w = s.width * scale;
        const int h = s.height * scale;
        if (target->kind == OutKind::Bmp) {
            bytes = EncodeBmp8(w, h, picture, colors);
        } else if (const std::optional<std::string> png = EncodePalettePng(w, h, picture, colors)) {
            bytes = *png;
        }
        if (bytes.empty()) {
            session.Fail(in, "cannot encode a " + SizeText(w, h) + " picture");
            return session.Finish();
        }
        break;
    }
    case OutKind::C:
        bytes = ExportText(session, args->Has("--array-only") ? CodeKind::CArrayOnly : CodeKind::C, in, maskText);
        break;
    case OutKind::Asm: bytes = ExportText(session, CodeKind::Asm, in); break;
    case OutKind::Ascii: bytes = ExportText(session, CodeKind::Ascii, in); break;
    }
    if (!bytes.empty()) session.Write(in, out, bytes);
    return session.Finish();
}

}  // namespace pixador::cli
