#include "core/shift_dialog.h"

#include <cmath>

#include "core/editor_state.h"
#include "core/numbers.h"
#include "core/prompts.h"
#include "core/shift_sprite.h"

namespace pixador {

namespace {

std::optional<std::string> CheckAmount(EditorState& state, std::string_view text, int side, const char* message)
{
    if (std::fabs(LeadingNumber(text)) <= side) return std::nullopt;
    ShowErrorMessage(state, message);
    return std::string("0");
}

}  // namespace

std::optional<std::string> XShift_Change(EditorState& state, std::string_view text)
{
    return CheckAmount(state, text, state.sprite.width, kShiftWidthMessage);
}

std::optional<std::string> YShift_Change(EditorState& state, std::string_view text)
{
    return CheckAmount(state, text, state.sprite.height, kShiftHeightMessage);
}

void OkShift_Click(EditorState& state, std::string_view xText, std::string_view yText)
{
    ShiftSprite(state, ReadTypedInt(xText), ReadTypedInt(yText));
}

}  // namespace pixador
