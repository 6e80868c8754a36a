#include "cli/pack_command.h"

#include <iostream>

#include "cli/args.h"
#include "cli/mask_bits_option.h"
#include "cli/session.h"
#include "cli/sprite_input.h"
#include "compose/frame_packing.h"
#include "compose/pack_sample.h"
#include "compose/packed_source.h"
#include "compose/transparency.h"
#include "files/code_generator.h"
#include "files/file_io.h"

namespace pixador::cli {

const char* const kPackHelp =
    "usage: pxdtool pack FRAME.pxd... -o OUT.c|OUT.asm [--name NAME]\n"
    "                    [--layout planes|interlaced|interlaced-mask]\n"
    "                    [--mask outline|white|file:SUFFIX]\n"
    "                    [--mask-bits transparent|opaque]\n"
    "                    [--mirror] [--bw] [--ini PATH] [--sample PROG.c]\n"
    "\n"
    "Packs sprite files of one size, in the order given, as the frames of one array\n"
    "for a game. Before it come #define lines NAME_COUNT, NAME_WIDTH, NAME_HEIGHT\n"
    "and NAME_FRAME(i), a pointer to frame i; with a mask, NAME_MASK(i) points at\n"
    "its rows in the array NAME_mask. Notation, element type, indent and items\n"
    "per line follow the preferences.\n"
    "\n"
    "Options:\n"
    "  -o OUT           .c or .h for C; .asm or .s for assembler data in the syntax\n"
    "                   of the editor's ASM export, with the C names as labels and\n"
    "                   equates; - for standard output (C)\n"
    "  --name NAME      the array's name; by default the preferences' (sprite).\n"
    "                   NAME in capitals starts the #define lines.\n"
    "  --layout L       planes (the default): each frame's dark rows, then its light\n"
    "                   rows (light first when the preferences' LayersArrangement\n"
    "                   is 0), NAME_DARK(i) and NAME_LIGHT(i) pointing at them: what\n"
    "                   TIGCCLIB's Sprite8, Sprite16 and Sprite32 draw.\n"
    "                   interlaced: every row light, then dark (ExtGraph's L/D).\n"
    "                   interlaced-mask: every row mask, light, dark (ExtGraph's\n"
    "                   M/L/D); needs --mask.\n"
    "  --mask M         a mask for every frame, a row per sprite row:\n"
    "                   outline: white pixels joined to the edge through white\n"
    "                   pixels are transparent, enclosed white (eyes) is opaque;\n"
    "                   white: every white pixel is transparent;\n"
    "                   file:SUFFIX: the sprite file beside each frame named with\n"
    "                   SUFFIX (hero.pxd gives hero_mask.pxd for file:_mask), of the\n"
    "                   frame's size, its black pixels opaque.\n"
    "  --mask-bits B    transparent (the default): a 1 bit where the background\n"
    "                   shows, the AND mask the drawing routines take; opaque: a 1\n"
    "                   bit where the sprite's pixel is.\n"
    "  --mirror         after the frames, each frame mirrored left to right, with its\n"
    "                   mask; NAME_COUNT counts both, NAME_MIRRORED is the first\n"
    "                   mirrored frame.\n"
    "  --bw             black-and-white data, one plane a frame (planes layout only;\n"
    "                   a frame with gray pixels is refused)\n"
    "  --ini PATH       the preferences file, as for export\n"
    "  --sample PROG.c  also a complete TIGCC program that turns grayscale on, fills\n"
    "                   the screen with a pattern and draws the frames over it one\n"
    "                   after another through the mask until a key is pressed;\n"
    "                   needs --mask and frames at most 128 rows high.\n"
    "\n"
    "A frame of another size than the first, a missing or mis-sized mask file\n"
    "stops the run with status 1 and nothing is written.\n";

namespace {

int Usage(const std::string& error)
{
    std::cerr << "pxdtool pack: " << error << "\nTry 'pxdtool pack --help'.\n";
    return kExitUsage;
}

enum class MaskSource { None, Outline, White, File };

struct Request {
    FrameLayout layout = FrameLayout::Planes;
    MaskSource mask = MaskSource::None;
    std::string maskSuffix;
    MaskBits maskBits = MaskBits::Transparent;
    bool assembler = false;
};

bool IsCName(const std::string& name)
{
    if (name.empty() || (name[0] >= '0' && name[0] <= '9')) return false;
    for (const char c : name)
        if (!(c == '_' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
    return true;
}

// The words of the command line checked against one another; error says what is wrong.
std::optional<Request> ReadRequest(const ParsedArgs& args, std::string& error)
{
    Request r;
    if (const auto layout = args.Value("--layout")) {
        if (*layout == "interlaced") r.layout = FrameLayout::Interlaced;
        else if (*layout == "interlaced-mask") r.layout = FrameLayout::InterlacedMask;
        else if (*layout != "planes") error = "--layout is planes, interlaced or interlaced-mask";
    }
    if (const auto mask = args.Value("--mask"); mask && error.empty()) {
        if (*mask == "outline") r.mask = MaskSource::Outline;
        else if (*mask == "white") r.mask = MaskSource::White;
        else if (mask->rfind("file:", 0) == 0 && mask->size() > 5) {
            r.mask = MaskSource::File;
            r.maskSuffix = mask->substr(5);
        } else error = "--mask is outline, white or file:SUFFIX";
    }
    if (!error.empty()) return std::nullopt;
    const std::optional<MaskBits> bits = MaskBitsOption(args, MaskBits::Transparent, error);
    if (!bits) return std::nullopt;
    r.maskBits = *bits;
    const std::string out = *args.Value("-o");
    const std::string extension = ExtensionOf(out);
    r.assembler = extension == ".asm" || extension == ".s";
    if (!r.assembler && extension != ".c" && extension != ".h" && out != "-" && !IsStreamTarget(out))
        error = "the output is a .c, .h, .asm or .s file, or -";
    else if (args.Has("--bw") && r.layout != FrameLayout::Planes)
        error = "black-and-white data (--bw) has one plane, so no interlaced layout";
    else if (r.layout == FrameLayout::InterlacedMask && r.mask == MaskSource::None)
        error = "--layout interlaced-mask needs --mask";
    else if (args.Has("--mask-bits") && r.mask == MaskSource::None)
        error = "--mask-bits goes with --mask";
    else if (args.Has("--sample") && r.mask == MaskSource::None)
        error = "--sample draws through the mask: give --mask";
    else if (const auto name = args.Value("--name"); name && !IsCName(*name))
        error = "--name is a C name: letters, digits and _, not starting with a digit";
    if (!error.empty()) return std::nullopt;
    return r;
}

bool UsesGray(const PlaneBuffer& frame)
{
    for (int x = 0; x < frame.width(); ++x)
        for (int y = 0; y < frame.height(); ++y)
            if (frame.at(0, x, y) != frame.at(1, x, y)) return true;
    return false;
}

// Every frame read, of one size, at most 32 wide; false when one was refused.
bool ReadFrames(Session& session, const std::vector<std::string>& files, bool blackAndWhite,
                std::vector<PlaneBuffer>& frames)
{
    bool read = true;
    for (const std::string& file : files) {
        std::string reason;
        std::optional<PlaneBuffer> frame = ReadSpriteFrame(file, reason);
        if (!frame) {
            session.Fail(file, reason);
            read = false;
            continue;
        }
        frames.push_back(std::move(*frame));
    }
    if (!read) return false;
    const PlaneBuffer& first = frames[0];
    for (std::size_t i = 0; i < frames.size(); ++i) {
        if (frames[i].width() != first.width() || frames[i].height() != first.height()) {
            session.Fail(files[i], "the frame is " + SizeText(frames[i].width(), frames[i].height()) + ", not " +
                                       SizeText(first.width(), first.height()) + " as " + files[0]);
            return false;
        }
        if (blackAndWhite && UsesGray(frames[i])) {
            session.Fail(files[i], "has gray pixels; --bw writes one plane of black and white");
            return false;
        }
    }
    if (ElementBits(first.width()) == 0) {
        session.Fail(files[0], "the frames are " + SizeText(first.width(), first.height()) +
                                   "; code holds rows of 8 to 32 pixels");
        return false;
    }
    return true;
}

// Each frame's mask; false when a mask file was refused.
bool MakeMasks(Session& session, const std::vector<std::string>& files, const Request& request, FrameSet& set)
{
    for (std::size_t i = 0; i < set.frames.size(); ++i) {
        const PlaneBuffer& frame = set.frames[i];
        switch (request.mask) {
        case MaskSource::None: return true;
        case MaskSource::Outline: set.masks.push_back(OutlineMask(frame)); break;
        case MaskSource::White: set.masks.push_back(WhiteMask(frame)); break;
        case MaskSource::File: {
            const std::string path = PathBeside(files[i], StemOf(files[i]) + request.maskSuffix + ".pxd");
            std::string reason;
            const std::optional<PlaneBuffer> mask = ReadSpriteFrame(path, reason);
            if (!mask) {
                session.Fail(path, reason + " (the mask of " + files[i] + ")");
                return false;
            }
            if (mask->width() != frame.width() || mask->height() != frame.height()) {
                session.Fail(path, "the mask is " + SizeText(mask->width(), mask->height()) + ", its frame " +
                                       files[i] + " is " + SizeText(frame.width(), frame.height()));
                return false;
            }
            set.masks.push_back(DrawnMask(*mask));
            break;
        }
        }
    }
    return true;
}

}  // namespace

int RunPack(const std::vector<std::string>& words)
{
    std::string error;
    const std::optional<ParsedArgs> args = ParseArgs(
        words,
        {{"-o", true}, {"--name", true}, {"--layout", true}, {"--mask", true}, {"--mask-bits", true},
         {"--mirror", false}, {"--bw", false}, {"--ini", true}, {"--sample", true}},
        error);
    if (!args) return Usage(error);
    if (args->Has("--help")) {
        std::cout << kPackHelp;
        return kExitOk;
    }
    if (args->operands.empty()) return Usage("no frame given");
    if (!args->Has("-o")) return Usage("-o OUT.c or -o OUT.asm is needed");
    const std::optional<Request> request = ReadRequest(*args, error);
    if (!request) return Usage(error);

    Session session;
    if (!session.LoadPreferences(args->Value("--ini"), error)) return Usage(error);
    const Preferences& prefs = session.state.preferences;
    const std::vector<std::string>& files = args->operands;
    FrameSet set;
    if (!ReadFrames(session, files, args->Has("--bw"), set.frames) || !MakeMasks(session, files, *request, set))
        return session.Finish();
    const auto sample = args->Value("--sample");
    if (sample && set.frames[0].height() > kSampleMaxHeight) {
        session.Fail(files[0], "the frames are " + std::to_string(set.frames[0].height()) +
                                   " rows high; the sample program draws at most 128, the screen's height");
        return session.Finish();
    }
    if (args->Has("--mirror")) AddMirroredFrames(set);

    PackOptions options;
    options.layout = request->layout;
    options.lightFirst = prefs.LayersArrangement == 0;
    options.blackAndWhite = args->Has("--bw");
    options.maskBits = request->maskBits;
    const PackedFrames packed = PackFrames(set, options);
    const std::string name = args->Value("--name").value_or(SpriteArrayName(prefs));
    const ClockTime now = session.view.Now();
    const std::string text =
        request->assembler ? PackedAsmText(prefs, packed, name, now) : PackedCText(prefs, packed, name);
    session.Write(files[0], *args->Value("-o"), text);
    if (sample) session.Write(files[0], *sample, PackSampleProgram(prefs, packed, name, now));
    return session.Finish();
}

}  // namespace pixador::cli
