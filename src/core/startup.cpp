#include "core/startup.h"

#include <algorithm>

#include "canvas/color_sets.h"
#include "core/document_commands.h"
#include "core/editor_view.h"
#include "core/numbers.h"
#include "core/prompts.h"
#include "core/text_helpers.h"
#include "core/trig_tables.h"
#include "core/whole_sprite.h"
#include "files/preferences.h"
#include "files/pxd_file.h"
#include "files/quick_access_file.h"
#include "files/recovery.h"
#include "files/window_arrangement.h"

namespace pixador {

namespace {

std::int16_t To16(double v)
{
    return static_cast<std::int16_t>(std::clamp(RoundHalfEven(v), -32768.0, 32767.0));
}

}  // namespace

FrameMetrics ComputeFrameMetrics(const SystemMetrics& m)
{
    return {To16(m.twipsPerPixelX * m.frameWidth), To16(m.twipsPerPixelY * m.frameHeight),
            To16(m.twipsPerPixelY * m.captionHeight)};
}

std::string CommandLinePath(std::string_view commandLine)
{
    // A lone quote is both first and last character; it is used whole like any other text.
    if (commandLine.size() >= 2 && commandLine.front() == '"' && commandLine.back() == '"')
        return std::string(commandLine.substr(1, commandLine.size() - 2));
    return std::string(commandLine);
}

void MDIForm_Load(EditorState& state, const SystemMetrics& metrics, const std::string& commandLine,
                  StartupWindows& windows)
{
    state.frameMetrics = ComputeFrameMetrics(metrics);
    BuildTrigTables(state);
    state.view->SetCaption(kBanner);
    state.primaryColor = kBlack;
    state.secondaryColor = kWhite;
    state.saved = true;
    state.view->SetStatusText("Ready");
    state.zoom = 24;
    windows.HideCanvasWindow();
    ReadWindowArrangement(state, JoinPath(state.programDir, "PxdWinPos.ini"));
    windows.PlaceWindows(state.windowLayout);
    windows.ShowCanvasWindow();
    ReadPreferences(state, JoinPath(state.programDir, "Pixador.ini"));
    state.lcdColors = state.preferences.LCDColorSet;
    ResizeSprite(state, state.preferences.DefaultWidth, state.preferences.DefaultHeight);
    if (state.recovery) state.recovery->Offer(state);
    if (!commandLine.empty()) {
        // Work just recovered is offered for saving first, as Open offers it.
        if (!state.saved) AskSaveChanges(state);
        LoadSprite(state, CommandLinePath(commandLine));
    }
    windows.SizeCanvasWindow(state.windowLayout);
    ApplyColorSet(state);
    ReadQuickAccess(state, JoinPath(state.programDir, "QAccess.ini"));
    RefreshQuickAccessMenu(state);
}

}  // namespace pixador
