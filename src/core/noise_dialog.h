#pragma once
// The rules of the noise dialog: the amount box corrects itself to 0..100 and keeps the scroll
// bar in step; Apply adds the noise as one undo step.

#include <optional>
#include <string>
#include <string_view>

namespace pixador {

struct EditorState;

inline constexpr int kNoiseInitial = 25;

struct NoiseBoxChange {
    std::optional<std::string> text;  // the corrected text, when the typed one does not stand
    int percentage = 0;               // the value the scroll bar takes
};

NoiseBoxChange NoiseBox_Change(std::string_view text);
// The text the box shows for a scroll bar value.
std::string NoisePercentage_Change(int value);
void NoiseApplyBttn_Click(EditorState& state, int percentage);

}  // namespace pixador
