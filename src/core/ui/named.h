#pragma once
// Widgets carry the name the model and the tests know them by.

namespace pixador {

template <typename W>
W* Named(W* widget, const char* name, const char* tooltip = nullptr)
{
    widget->setObjectName(name);
    if (tooltip) widget->setToolTip(tooltip);
    return widget;
}

}  // namespace pixador
