#include "core/ui/program_layout.h"

#include <QCoreApplication>
#include <QDir>

namespace pixador {

InstallLayout ProgramLayout()
{
    return FindInstallLayout(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString());
}

}  // namespace pixador
