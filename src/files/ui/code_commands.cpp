#include "files/ui/code_commands.h"

#include <QMainWindow>

namespace pixador {

void ConnectCodeCommands(QMainWindow&, EditorState&) {}

}  // namespace pixador
