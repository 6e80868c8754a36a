#include "cli/export_command.h"

#include <iostream>

#include "cli/args.h"
#include "cli/session.h"
#include "cli/sprite_input.h"
#include "files/ascii_export.h"
#include "files/asm_export.h"
#include "files/code_generator.h"

namespace pixador::cli {

const char* const kExportHelp =
    "usage: pxdtool export c|asm|ascii FILE.pxd... [-o OUT] [--ini PATH]\n"
    "                      [--array-only] [--bw | --gray]\n"
    "\n"
    "Writes each sprite file with the editor's own generator and preferences:\n"
    "  c      the file File > Export > As C source writes: the sample program\n"
    "         around the sprite array\n"
    "  asm    the assembler data array file of File > Export > As ASM Data Array\n"
    "  ascii  the plain text picture of File > Export > As Plain ASCII\n"
    "\n"
    "Options:\n"
    "  -o OUT        the output file; a folder when several files are given (made\n"
    "                when missing); - for standard output. Without -o each output\n"
    "                goes beside its sprite file, named after it with .c, .asm or\n"
    "                .txt.\n"
    "  --ini PATH    the preferences file. Without it, the Pixador.ini the editor\n"
    "                beside pxdtool reads; the defaults when there is none.\n"
    "  --array-only  (c) just the text File > Generate shows: the array, and the\n"
    "                sample call when the preferences ask for it.\n"
    "  --bw, --gray  the answer for a sprite without gray pixels when the preferences\n"
    "                say to ask (MonochromeWarning=0): black-and-white data, or\n"
    "                grayscale data (the default).\n"
    "\n"
    "The date in a header comment is the local time, or SOURCE_DATE_EPOCH (UTC)\n"
    "when that is set, for reproducible builds.\n";

std::string ExportText(Session& session, CodeKind kind, const std::string& file, const std::string& afterArray)
{
    EditorState& state = session.state;
    session.view.TakeMessage();
    switch (kind) {
    case CodeKind::Ascii: return AsciiPicture(state);
    case CodeKind::Asm: {
        const GeneratedCode code = AsmFileText(state);
        if (!code.refused) return code.text;
        break;
    }
    case CodeKind::CArrayOnly: {
        GeneratedCode code = GenerateCode(state, CodeLanguage::C, state.preferences.SampleCall);
        if (!code.refused) {
            if (!afterArray.empty()) code.text.insert(code.arrayEnd, kCodeLineBreak + afterArray);
            // A text file ends with a line break; the code window's text has none.
            return code.text + kCodeLineBreak;
        }
        break;
    }
    case CodeKind::C: {
        const CSourceText source = CSourceFileText(state, afterArray);
        if (!source.refused) return source.text;
        break;
    }
    }
    session.Fail(file, session.view.TakeMessage());
    return {};
}

namespace {

struct KindName {
    const char* name;
    CodeKind kind;
    const char* extension;
};

constexpr KindName kKinds[] = {
    {"c", CodeKind::C, ".c"},
    {"asm", CodeKind::Asm, ".asm"},
    {"ascii", CodeKind::Ascii, ".txt"},
};

int Usage(const std::string& error)
{
    std::cerr << "pxdtool export: " << error << "\nTry 'pxdtool export --help'.\n";
    return kExitUsage;
}

}  // namespace

int RunExport(const std::vector<std::string>& words)
{
    std::string error;
    const std::optional<ParsedArgs> args = ParseArgs(
        words, {{"-o", true}, {"--ini", true}, {"--array-only", false}, {"--bw", false}, {"--gray", false}}, error);
    if (!args) return Usage(error);
    if (args->Has("--help")) {
        std::cout << kExportHelp;
        return kExitOk;
    }
    if (args->operands.empty()) return Usage("say c, asm or ascii, then the sprite files");
    const KindName* kind = nullptr;
    for (const KindName& k : kKinds)
        if (args->operands[0] == k.name) kind = &k;
    if (!kind) return Usage("unknown format '" + args->operands[0] + "' (c, asm or ascii)");
    const std::vector<std::string> files(args->operands.begin() + 1, args->operands.end());
    if (files.empty()) return Usage("no sprite file given");
    if (args->Has("--array-only") && kind->kind != CodeKind::C) return Usage("--array-only is for export c");
    if (args->Has("--bw") && args->Has("--gray")) return Usage("--bw and --gray exclude each other");

    Session session;
    session.view.answerBlackAndWhite = args->Has("--bw");
    if (!session.LoadPreferences(args->Value("--ini"), error)) return Usage(error);
    if (!session.SetOutput(args->Value("-o"), files.size(), error)) return Usage(error);
    const CodeKind codeKind = args->Has("--array-only") ? CodeKind::CArrayOnly : kind->kind;

    for (const std::string& file : files) {
        std::string reason;
        if (!LoadSpriteFile(session.state, file, reason)) {
            session.Fail(file, reason);
            continue;
        }
        const std::string text = ExportText(session, codeKind, file);
        if (!text.empty()) session.Write(file, session.OutputFor(file, kind->extension), text);
    }
    return session.Finish();
}

}  // namespace pixador::cli
