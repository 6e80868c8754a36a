#include "core/app/program_dir.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "core/ui/program_layout.h"
#include "platform/folders.h"

namespace pixador {

namespace {

bool CanWriteIn(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath("pixador-probe-XXXXXX"));
    return probe.open();
}

}  // namespace

std::string ChooseProgramDir()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    if (!ProgramLayout().installed && CanWriteIn(exeDir)) return QDir::toNativeSeparators(exeDir).toStdString();
    // The same folder pxdtool looks in; Qt's answer only where the system names no base.
    QString config = QString::fromStdString(UserSettingsDir());
    if (config.isEmpty()) config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return QDir::toNativeSeparators(config).toStdString();
}

}  // namespace pixador
