#include "cli/import_c_command.h"

#include <filesystem>
#include <iostream>

#include "cli/args.h"
#include "cli/session.h"
#include "core/editor_state.h"
#include "core/text_helpers.h"
#include "core/whole_sprite.h"
#include "files/c_import.h"
#include "files/file_io.h"
#include "files/pxd_file.h"

namespace pixador::cli {

const char* const kImportCHelp =
    "usage: pxdtool import-c FILE.c [--array NAME] [--gray] [--sprites N]\n"
    "                        [--light-first] [--stacked] -o OUT.pxd\n"
    "\n"
    "Reads a sprite back from an array in a C source, with the editor's C import\n"
    "(File > Import > From C Source): arrays of char, short, int or long, of which\n"
    "only 0x and 0b items carry pixels. Without -o the arrays found are listed.\n"
    "\n"
    "Options:\n"
    "  --array NAME   the array to read; by default the only one (a file with\n"
    "                 several needs --array, and they are listed).\n"
    "  --gray         the array holds a dark and a light plane (the panel's\n"
    "                 Grayscale box). An odd item count reads as black and white.\n"
    "  --sprites N    the array holds N gray sprites one after the other (\"The\n"
    "                 Array Contains: N Sprites\"); implies --gray. Each sprite is\n"
    "                 written to its own file, numbered from 0 (zero-padded):\n"
    "                 OUT-0.pxd ... OUT-<N-1>.pxd, or NAME-0.pxd ... when -o\n"
    "                 names a folder.\n"
    "  --stacked      with --sprites: one sprite holding the N sprites stacked,\n"
    "                 as the panel imports them.\n"
    "  --light-first  each sprite's light plane comes first (Light->Dark).\n"
    "  -o OUT.pxd     the sprite file to write; - for standard output.\n"
    "\n"
    "A result the sprite file cannot hold (more than 255 rows) is refused.\n";

namespace {

int Usage(const std::string& error)
{
    std::cerr << "pxdtool import-c: " << error << "\nTry 'pxdtool import-c --help'.\n";
    return kExitUsage;
}

void ListArrays(std::ostream& out, const std::vector<FoundArray>& arrays)
{
    for (const FoundArray& a : arrays)
        out << a.name << ": " << a.itemCount << " items of " << a.itemBits << " bits\n";
}

std::string Joined(const std::vector<int>& numbers)
{
    std::string text;
    for (const int n : numbers) {
        if (!text.empty()) text += ' ';
        text += std::to_string(n);
    }
    return text;
}

// The bytes of a sprite file for planes, or "" when the format cannot hold them.
std::string SpriteBytes(Session& session, const PlaneBuffer& planes)
{
    ResizeSprite(session.state, planes.width(), planes.height());
    SetSpriteFromPlanes(session.state, planes);
    return EncodeSprite(session.state);
}

constexpr int kMaxFileRows = 255;

}  // namespace

int RunImportC(const std::vector<std::string>& words)
{
    std::string error;
    const std::optional<ParsedArgs> args =
        ParseArgs(words,
                  {{"-o", true}, {"--array", true}, {"--gray", false}, {"--sprites", true}, {"--light-first", false},
                   {"--stacked", false}},
                  error);
    if (!args) return Usage(error);
    if (args->Has("--help")) {
        std::cout << kImportCHelp;
        return kExitOk;
    }
    if (args->operands.size() != 1) return Usage("give one C source file");
    int sprites = 0;
    if (const auto text = args->Value("--sprites")) {
        const std::optional<int> n = ParseInt(*text);
        if (!n || *n < 1) return Usage("--sprites needs a positive whole number");
        sprites = *n;
    }
    if (args->Has("--stacked") && sprites == 0) return Usage("--stacked goes with --sprites");
    const std::optional<std::string> out = args->Value("-o");
    const bool split = sprites > 1 && !args->Has("--stacked");
    if (split && out == "-") return Usage("--sprites writes one file per sprite: -o cannot be -");

    const std::string& file = args->operands[0];
    Session session;
    const std::optional<std::string> bytes = ReadFileBytes(file, kMaxCSourceBytes + 1);
    if (!bytes || bytes->size() > kMaxCSourceBytes) {
        session.Fail(file, bytes ? "larger than 256 MiB" : UnreadableText(file));
        return session.Finish();
    }
    std::vector<FoundArray> arrays;
    std::vector<SkippedDeclaration> skipped;
    const ScanOutcome scanned = ScanCSourceText(*bytes, arrays, &skipped);
    for (const SkippedDeclaration& d : skipped)
        session.Note(file, "line " + std::to_string(d.line) + " skipped: '" + d.text +
                               "': an array is read from [static] [signed|unsigned] char|short|int|long NAME[SIZE], "
                               "one blank apart (no const)");
    switch (scanned) {
    case ScanOutcome::Found: break;
    case ScanOutcome::NoArrays: session.Fail(file, "no arrays found"); return session.Finish();
    case ScanOutcome::Failed:
        session.Fail(file, "not a C source the import can read: it ends inside an array, or an array size is "
                           "beyond 32767");
        return session.Finish();
    }

    if (!out) {
        ListArrays(std::cout, arrays);
        return kExitOk;
    }
    const FoundArray* array = nullptr;
    if (const auto name = args->Value("--array")) {
        for (const FoundArray& a : arrays)
            if (a.name == *name && !array) array = &a;
        if (!array) {
            session.Fail(file, "no array named " + *name + "; the arrays are:");
            ListArrays(std::cerr, arrays);
            return session.Finish();
        }
    } else if (arrays.size() == 1) {
        array = &arrays[0];
    } else {
        session.Fail(file, std::to_string(arrays.size()) + " arrays; choose one with --array NAME:");
        ListArrays(std::cerr, arrays);
        return session.Finish();
    }

    const bool gray = args->Has("--gray") || sprites > 0;
    const bool darkFirst = !args->Has("--light-first");
    const std::string what = file + ": " + array->name;
    if (const int blank = BlankReadItems(*array); blank > 0)
        session.Note(what, std::to_string(blank) + " of " + std::to_string(array->itemCount) +
                               " items are neither 0x nor 0b (a decimal number, or an item after \", \" that starts "
                               "with the blank) and became blank rows");
    if (sprites > 0) {
        const std::vector<int> choices = SpriteCountChoices(array->itemCount);
        bool offered = array->itemCount % 2 == 0;
        bool listed = false;
        for (const int c : choices) listed = listed || c == sprites;
        if (!offered || !listed) {
            session.Fail(what, std::to_string(array->itemCount) + " items cannot hold " + std::to_string(sprites) +
                                   " gray sprites" + (offered ? " (choices: " + Joined(choices) + ")" : ""));
            return session.Finish();
        }
    }

    std::error_code ec;
    const bool folder =
        *out != "-" && (IsPathSeparator(out->back()) || std::filesystem::is_directory(std::filesystem::path(*out), ec));
    if (split) {
        const std::vector<PlaneBuffer> parts = DecodeSprites(*array, sprites, darkFirst);
        if (parts.front().height() > kMaxFileRows) {
            session.Fail(what, "each sprite has " + std::to_string(parts.front().height()) +
                                   " rows; a sprite file holds 255 at most");
            return session.Finish();
        }
        std::string base = folder ? JoinPath(*out, array->name) : *out;
        if (!folder && EndsWithNoCase(base, ".pxd")) base.resize(base.size() - 4);
        const std::size_t digits = std::to_string(sprites - 1).size();
        for (int s = 0; s < sprites; ++s) {
            std::string index = std::to_string(s);
            index.insert(0, digits - index.size(), '0');
            session.Write(file, base + "-" + index + ".pxd", SpriteBytes(session, parts[s]));
        }
        return session.Finish();
    }

    DecodeChoice choice;
    choice.grayscale = gray;
    choice.darkFirst = darkFirst;
    choice.sprites = sprites > 0 ? sprites : 1;
    const PlaneBuffer planes = DecodeArray(*array, choice);
    if (gray && !choice.grayscale)
        session.Note(what, "an odd number of items holds no two planes; read as black and white");
    const int rows = array->itemCount / (choice.grayscale ? 2 : 1);
    if (rows > kMaxFileRows) {
        session.Fail(what, "decodes to " + std::to_string(rows) + " rows; a sprite file holds 255 at most");
        return session.Finish();
    }
    session.Write(file, folder ? JoinPath(*out, array->name + ".pxd") : *out, SpriteBytes(session, planes));
    return session.Finish();
}

}  // namespace pixador::cli
