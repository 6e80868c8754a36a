#include "canvas/ui/drawing_commands.h"

#include <QMainWindow>
#include <QMdiArea>

namespace pixador {

struct DrawingCommands::Impl {};

DrawingCommands::DrawingCommands(QMainWindow&, QMdiArea&, EditorState&, QtEditorView&)
    : impl_(std::make_unique<Impl>())
{
}

DrawingCommands::~DrawingCommands() = default;

QWidget* DrawingCommands::Window(ToolWindow) const { return nullptr; }

void DrawingCommands::ConnectMenu() {}

}  // namespace pixador
