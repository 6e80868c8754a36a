#pragma once
// The rules of the custom shift dialog: typed amounts are checked against the sprite's size as
// they change, and Ok shifts by the rounded amounts.

#include <optional>
#include <string>
#include <string_view>

namespace pixador {

struct EditorState;

inline constexpr const char* kShiftWidthMessage = "Value cannot exceed Sprite Width!!";
inline constexpr const char* kShiftHeightMessage = "Value cannot exceed Sprite Height!!";

// An amount larger than the sprite's side shows the message and answers the text the box takes
// instead ("0"); an acceptable amount (the side itself included) answers nothing.
std::optional<std::string> XShift_Change(EditorState& state, std::string_view text);
std::optional<std::string> YShift_Change(EditorState& state, std::string_view text);
// Shifts by both amounts, each rounded halves to even.
void OkShift_Click(EditorState& state, std::string_view xText, std::string_view yText);

}  // namespace pixador
