#pragma once
// Packed frames as source text for a game: C (#define lines, then the arrays) or assembler
// (equates, then labelled data), in the preferences' notation and indent.

#include <string>

#include "compose/frame_packing.h"

namespace pixador {

struct ClockTime;
struct Preferences;

// NAME_COUNT (every frame, mirrored ones included), NAME_MIRRORED (where they start),
// NAME_WIDTH, NAME_HEIGHT, the macros NAME_FRAME(i) (and NAME_DARK(i), NAME_LIGHT(i) for two
// planes one after the other) and NAME_MASK(i) pointing into the arrays NAME and NAME_mask.
// NAME is name upper-cased.
std::string PackedCText(const Preferences& prefs, const PackedFrames& packed, const std::string& name);

// The assembler export's two comment lines stamped with now, the same numbers as equates
// (with NAME_FRAME_BYTES and NAME_MASK_BYTES, the bytes of one frame in each array), and the
// labels name and name_mask.
std::string PackedAsmText(const Preferences& prefs, const PackedFrames& packed, const std::string& name,
                          const ClockTime& now);

}  // namespace pixador
