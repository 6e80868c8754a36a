#pragma once
// The single drop-down list that fills the zoom and pen size windows.

#include <QComboBox>
#include <QVBoxLayout>

#include <string>
#include <vector>

#include "core/ui/qt_text.h"

namespace pixador {

inline QComboBox* ListOf(QWidget* owner, const char* name, const std::vector<std::string>& items)
{
    auto* list = new QComboBox(owner);
    list->setObjectName(name);
    for (const std::string& s : items) list->addItem(ToQString(s));
    auto* layout = new QVBoxLayout(owner);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(list);
    return list;
}

}  // namespace pixador
