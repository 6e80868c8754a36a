#include "cli/mask_bits_option.h"

namespace pixador::cli {

std::optional<MaskBits> MaskBitsOption(const ParsedArgs& args, MaskBits byDefault, std::string& error)
{
    const std::optional<std::string> word = args.Value("--mask-bits");
    if (!word) return byDefault;
    if (*word == "transparent") return MaskBits::Transparent;
    if (*word == "opaque") return MaskBits::Opaque;
    error = "--mask-bits is transparent (1 = the background shows) or opaque (1 = the sprite's pixel)";
    return std::nullopt;
}

}  // namespace pixador::cli
