// pxdtool: the editor's model from a shell, for build scripts.

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "cli/convert_command.h"
#include "cli/export_command.h"
#include "cli/import_c_command.h"
#include "cli/info_command.h"
#include "cli/pack_command.h"
#include "cli/session.h"
#include "cli/sheet_command.h"
#include "cli/shell_view.h"
#include "cli/standard_output.h"
#include "core/version.h"
#include "platform/output_mode.h"

namespace {

using namespace pixador::cli;

struct Command {
    const char* name;
    int (*run)(const std::vector<std::string>&);
    const char* const* help;
};

const Command kCommands[] = {
    {"info", RunInfo, &kInfoHelp},
    {"export", RunExport, &kExportHelp},
    {"convert", RunConvert, &kConvertHelp},
    {"import-c", RunImportC, &kImportCHelp},
    {"sheet", RunSheet, &kSheetHelp},
    {"pack", RunPack, &kPackHelp},
};

const char* const kProgramHelp =
    "usage: pxdtool COMMAND [ARGS...]\n"
    "\n"
    "The Pixador sprite editor's model from a shell: the same sprite files,\n"
    "generators, preferences and C import, without a window system.\n"
    "\n"
    "Commands:\n"
    "  info FILE.pxd...                         size, gray or black-and-white\n"
    "  export c|asm|ascii FILE.pxd... [-o OUT]  the editor's code and text exports\n"
    "  convert IN OUT                           .pxd <-> .bmp/.png, and to .c\n"
    "  import-c FILE.c [--array NAME] -o OUT    sprites back from C arrays\n"
    "  sheet IMAGE --tile WxH -o OUT.c          a tile set in one C array\n"
    "  pack FRAME.pxd... -o OUT.c|OUT.asm       game-ready frames, masks, layouts\n"
    "  --version                                the program's version\n"
    "\n"
    "'pxdtool COMMAND --help' tells more. Errors go to standard error as\n"
    "'FILE: reason'. Exit status: 0 done, 1 some file failed (the others are\n"
    "still written), 2 usage error.\n";

int Run(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << kProgramHelp;
        return kExitUsage;
    }
    const std::string first = argv[1];
    if (first == "--help" || first == "-h" || first == "help") {
        if (first == "help" && argc > 2) {
            for (const Command& c : kCommands)
                if (std::strcmp(argv[2], c.name) == 0) {
                    std::cout << *c.help;
                    return kExitOk;
                }
        }
        std::cout << kProgramHelp;
        return kExitOk;
    }
    if (first == "--version") {
        std::cout << "pxdtool " << pixador::kVersion << '\n';
        return kExitOk;
    }
    // Reproducible builds ask that a malformed date stop the build rather than be ignored.
    if (std::string error; !SourceDateEpochValid(error)) {
        std::cerr << "pxdtool: " << error << '\n';
        return kExitUsage;
    }
    for (const Command& c : kCommands) {
        if (first == c.name) return c.run(std::vector<std::string>(argv + 2, argv + argc));
    }
    std::cerr << "pxdtool: unknown command '" << first << "'\n\n" << kProgramHelp;
    return kExitUsage;
}

}  // namespace

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    pixador::PassStandardOutputUnchanged();
    StandardOutput out;
    return out.Finish(Run(argc, argv));
}
