#include "cli/info_command.h"

#include <iostream>

#include "cli/args.h"
#include "cli/session.h"
#include "cli/sprite_input.h"
#include "files/code_generator.h"

namespace pixador::cli {

const char* const kInfoHelp =
    "usage: pxdtool info FILE.pxd...\n"
    "\n"
    "Prints one line per sprite file: its name, its size and whether it uses gray\n"
    "(light or dark gray pixels) or only black and white:\n"
    "  ship.pxd: 16x12 gray\n";

int RunInfo(const std::vector<std::string>& words)
{
    std::string error;
    const std::optional<ParsedArgs> args = ParseArgs(words, {}, error);
    if (!args) {
        std::cerr << "pxdtool info: " << error << "\n" << kInfoHelp;
        return kExitUsage;
    }
    if (args->Has("--help")) {
        std::cout << kInfoHelp;
        return kExitOk;
    }
    if (args->operands.empty()) {
        std::cerr << "pxdtool info: no sprite file given\n" << kInfoHelp;
        return kExitUsage;
    }
    Session session;
    for (const std::string& file : args->operands) {
        std::string reason;
        if (!LoadSpriteFile(session.state, file, reason)) {
            session.Fail(file, reason);
            continue;
        }
        const SpriteImage& s = session.state.sprite;
        std::cout << file << ": " << SizeText(s.width, s.height) << ' '
                  << (UsesGray(session.state) ? "gray" : "black-and-white") << '\n';
    }
    return session.Finish();
}

}  // namespace pixador::cli
