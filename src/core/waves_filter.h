#pragma once
// Waves: each column (axis X) or row (axis Y) of the active area slides along itself by a sine
// or cosine of its position, white entering behind it.

namespace pixador {

struct EditorState;

inline constexpr const char* kInvalidWaveAxisMessage = "Invalid Wave filter specifier";

// The displacement of column or row index (0-based) out of count: magnitude times the sine
// (waveType 0) or cosine (any other type) of ((index + 1) / count) * maxValue degrees, rounded
// halves to even. Not limited: callers check it fits before moving pixels by it.
double WaveOffset(int index, int count, int waveType, int maxValue, int magnitude);
// True when no pixel coordinate the filter reads leaves the 16-bit range (an unknown axis fits:
// the filter refuses it itself).
bool WavesFit(const EditorState& state, int axis, int waveType, int maxValue, int magnitude);
// Axis 0 moves columns up (positive offsets) or down; axis 1 moves rows right (positive) or
// left; any other axis shows its message and changes nothing. No undo step of its own.
void ApplyWaves(EditorState& state, int axis, int waveType, int maxValue, int magnitude);

}  // namespace pixador
