#pragma once
// The rules of the waves dialog: what it shows on opening, and Apply, which refuses numbers the
// filter cannot move pixels by before anything changes.

#include <string>
#include <string_view>

namespace pixador {

struct EditorState;

inline constexpr const char* kWavesNumberMessage = "Max Value and Magnitude must be whole numbers from -32768 to 32767!";
inline constexpr const char* kWavesRangeMessage = "Magnitude too large: the waves would move pixels out of range!";

// The magnitude the dialog offers: an eighth of the sprite's height, rounded down.
std::string InitialMagnitude(const EditorState& state);
// axis and waveType are the indexes of the two lists. On success takes an undo step, applies
// the filter and answers true (the dialog closes); refused numbers show a message, change
// nothing and answer false.
bool WavesApplyBttn_Click(EditorState& state, int axis, int waveType, std::string_view maxValueText,
                          std::string_view magnitudeText);

}  // namespace pixador
