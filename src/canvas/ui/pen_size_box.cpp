#include "canvas/ui/pen_size_box.h"

#include "canvas/tool_windows.h"
#include "canvas/ui/choice_list.h"
#include "core/editor_state.h"

namespace pixador {

PenSizeBox::PenSizeBox(EditorState& state, QWidget* parent) : QWidget(parent)
{
    setObjectName("PenSizeBox");
    list_ = ListOf(this, "SizeList", SizeListItems());
    list_->setCurrentIndex(kSizeListInitialIndex);
    SizeList_Click(state, kSizeListInitialIndex);
    connect(list_, &QComboBox::activated, this, [&state](int index) { SizeList_Click(state, index); });
}

}  // namespace pixador
