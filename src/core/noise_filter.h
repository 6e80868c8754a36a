#pragma once
// Random noise: a share of the sprite's pixel count is drawn at random positions (with
// replacement) and given random levels, within the active area.

#include <cstdint>

namespace pixador {

struct EditorState;
struct ClockTime;

// The generator's seed for a time of day; the filter re-seeds from the view's clock each time.
std::uint32_t NoiseSeed(const ClockTime& time);
// percent is limited to 0..100. No undo step of its own.
void AddNoise(EditorState& state, int percent);

}  // namespace pixador
