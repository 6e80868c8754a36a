#pragma once
// A complete TIGCC program that shows packed frames on the calculator: grayscale on, the screen
// filled with a pattern, the frames drawn one after another through their mask with the
// library's sprite routines, until a key is pressed.

#include <string>

#include "compose/frame_packing.h"

namespace pixador {

struct ClockTime;
struct Preferences;

// The screen's memory holds this many rows on every model: taller frames have no sample.
inline constexpr int kSampleMaxHeight = 128;

// The program around PackedCText; packed has a mask and frames at most kSampleMaxHeight high.
std::string PackSampleProgram(const Preferences& prefs, const PackedFrames& packed, const std::string& name,
                              const ClockTime& now);

}  // namespace pixador
