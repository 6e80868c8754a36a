#include "core/waves_dialog.h"

#include "core/editor_state.h"
#include "core/history.h"
#include "core/numbers.h"
#include "core/prompts.h"
#include "core/waves_filter.h"

namespace pixador {

std::string InitialMagnitude(const EditorState& state)
{
    return std::to_string(state.sprite.height / 8);
}

bool WavesApplyBttn_Click(EditorState& state, int axis, int waveType, std::string_view maxValueText,
                          std::string_view magnitudeText)
{
    const std::optional<int> maxValue = ReadInt16(maxValueText);
    const std::optional<int> magnitude = ReadInt16(magnitudeText);
    if (!maxValue || !magnitude) {
        ShowErrorMessage(state, kWavesNumberMessage);
        return false;
    }
    if (!WavesFit(state, axis, waveType, *maxValue, *magnitude)) {
        ShowErrorMessage(state, kWavesRangeMessage);
        return false;
    }
    PushUndo(state);
    ApplyWaves(state, axis, waveType, *maxValue, *magnitude);
    return true;
}

}  // namespace pixador
