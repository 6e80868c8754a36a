#include "compose/ui/plugin_commands.h"

#include <QAction>
#include <QMainWindow>
#include <QMdiArea>

#include "compose/plugin_host.h"
#include "compose/ui/plugin_form.h"
#include "core/ui/program_layout.h"

namespace pixador {

namespace {

// Lives as long as the main window, and with it the bound plugrun.
class PlugInCommandsHost : public QObject {
public:
    PlugInCommandsHost(QMainWindow& main, EditorState& state)
        : QObject(&main),
          main_(main),
          state_(state),
          programDir_(ProgramLayout().pluginDir),
          plugrun_(programDir_)
    {
        setObjectName("PlugInCommands");
        if (QAction* action = main_.findChild<QAction*>("PlugInsMenu")) {
            connect(action, &QAction::triggered, this, [this] { PlugInsMenu_Click(); });
            action->setEnabled(true);
        }
    }

private:
    void PlugInsMenu_Click()
    {
        if (QMdiArea* area = main_.findChild<QMdiArea*>()) OpenPlugInForm(*area, state_, plugrun_, programDir_);
    }

    QMainWindow& main_;
    EditorState& state_;
    std::string programDir_;
    PlugRunLibrary plugrun_;
};

}  // namespace

void ConnectPlugInCommands(QMainWindow& main, EditorState& state)
{
    new PlugInCommandsHost(main, state);
}

}  // namespace pixador
