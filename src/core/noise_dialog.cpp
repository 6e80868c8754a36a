#include "core/noise_dialog.h"

#include <algorithm>

#include "core/history.h"
#include "core/noise_filter.h"
#include "core/numbers.h"

namespace pixador {

NoiseBoxChange NoiseBox_Change(std::string_view text)
{
    const double typed = LeadingNumber(text);
    if (typed <= 0) return {std::string("0"), 0};
    if (typed > 100) return {std::string("100"), 100};
    return {std::nullopt, std::clamp(static_cast<int>(RoundHalfEven(typed)), 0, 100)};
}

std::string NoisePercentage_Change(int value)
{
    return std::to_string(value);
}

void NoiseApplyBttn_Click(EditorState& state, int percentage)
{
    PushUndo(state);
    AddNoise(state, percentage);
}

}  // namespace pixador
