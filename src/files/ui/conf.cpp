#include "files/ui/conf.h"

#include <QMdiArea>

namespace pixador {

void OpenConfDialog(QMdiArea&, EditorState&) {}

}  // namespace pixador
