#pragma once
// The install layout of the running program, found from its executable's folder.

#include "compose/install_layout.h"

namespace pixador {

InstallLayout ProgramLayout();

}  // namespace pixador
