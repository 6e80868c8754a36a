#include "core/app/resize_dialog.h"

#include <QMdiArea>

namespace pixador {

void OpenResizeDialog(QMdiArea&, EditorState&, SizeDialogMode) {}

}  // namespace pixador
