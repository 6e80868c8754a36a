#include "core/app/sprite_commands.h"

#include <QAction>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "core/app/noise_form.h"
#include "core/app/shift_form.h"
#include "core/app/waves_form.h"
#include "core/crop_sprite.h"
#include "core/sprite_menu.h"
#include "core/ui/sub_window.h"

namespace pixador {

namespace {

// Each dialog is a modeless child with one instance: asking again brings the open one forward.
void ShowDialog(QMdiArea& area, EditorState& state, const char* name, QWidget* (*create)(EditorState&))
{
    for (QMdiSubWindow* sub : area.subWindowList()) {
        if (sub->widget() && sub->widget()->objectName() == name) {
            area.setActiveSubWindow(sub);
            return;
        }
    }
    QWidget* dialog = create(state);
    ShowDialogWindow(area, dialog, dialog->windowTitle());
}

}  // namespace

void ConnectSpriteCommands(QMainWindow& main, QMdiArea& area, EditorState& state)
{
    const auto hook = [&main](const char* name, auto handler, bool enable = true) {
        QAction* a = main.findChild<QAction*>(name);
        if (!a) return;
        QObject::connect(a, &QAction::triggered, a, handler);
        if (enable) a->setEnabled(true);
    };
    EditorState& s = state;
    hook("ClearBttn", [&s] { ClearBttn_Click(s); });
    hook("FillAll", [&s] { FillAll_Click(s); });
    hook("HorizFlip", [&s] { HorizFlip_Click(s); });
    hook("VertFlip", [&s] { VertFlip_Click(s); });
    hook("RotateRightBttn", [&s] { RotateRightBttn_Click(s); });
    hook("RotateLeftBttn", [&s] { RotateLeftBttn_Click(s); });
    hook("ShiftUp", [&s] { ShiftUp_Click(s); });
    hook("ShiftDown", [&s] { ShiftDown_Click(s); });
    hook("ShiftRight", [&s] { ShiftRight_Click(s); });
    hook("ShiftLeft", [&s] { ShiftLeft_Click(s); });
    hook("CustomShift", [&area, &s] { ShowDialog(area, s, "ShiftForm", CreateShiftForm); });
    hook("CropBttn", [&s] { CropBttn_Click(s); }, false);
    hook("BrightnesPlusBttn", [&s] { BrightnesPlusBttn_Click(s); });
    hook("BrightnesMinusBttn", [&s] { BrightnesMinusBttn_Click(s); });
    hook("ForceBWBttn", [&s] { ForceBWBttn_Click(s); });
    hook("NoiseFilterBttn", [&area, &s] { ShowDialog(area, s, "NoiseForm", CreateNoiseForm); });
    hook("WavesBttn", [&area, &s] { ShowDialog(area, s, "WavesForm", CreateWavesForm); });
    hook("BlurBttn", [&s] { BlurBttn_Click(s); });
}

}  // namespace pixador
