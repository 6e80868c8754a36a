#include "canvas/ui/zoom_form.h"

#include "canvas/tool_windows.h"
#include "canvas/ui/choice_list.h"
#include "core/editor_state.h"

namespace pixador {

ZoomForm::ZoomForm(EditorState& state, QWidget* parent) : QWidget(parent), state_(state)
{
    setObjectName("zoomform");
    list_ = ListOf(this, "ZoomFactor", ZoomFactorItems());
    list_->setCurrentIndex(kZoomFactorInitialIndex);
    state.zoom = kZoomFactorInitialIndex + 1;
    connect(list_, &QComboBox::activated, this, [&state](int index) { ZoomFactor_Click(state, index); });
}

void ZoomForm::Step(int steps)
{
    const int index = SteppedZoomIndex(list_->currentIndex(), steps);
    if (index == list_->currentIndex()) return;
    list_->setCurrentIndex(index);
    ZoomFactor_Click(state_, index);
}

}  // namespace pixador
