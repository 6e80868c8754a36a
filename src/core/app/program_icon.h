#pragma once
// The program's own icon, in the four sizes it is drawn at.

#include <QIcon>

namespace pixador {

QIcon ProgramIcon();

}  // namespace pixador
