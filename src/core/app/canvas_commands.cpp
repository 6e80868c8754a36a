#include "core/app/canvas_commands.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

namespace pixador {

struct CanvasCommands::Impl {
    QMdiSubWindow* window = nullptr;
};

CanvasCommands::CanvasCommands(QMainWindow&, QMdiArea& area, EditorState&, QtEditorView&)
    : impl_(std::make_unique<Impl>())
{
    auto* placeholder = new QWidget;
    placeholder->setObjectName("DrawForm");
    impl_->window = area.addSubWindow(placeholder);
    impl_->window->setWindowTitle("Sprite");
}

CanvasCommands::~CanvasCommands() = default;

QWidget* CanvasCommands::CanvasWindow() const { return impl_->window; }

void CanvasCommands::ConnectMenu() {}

void CanvasCommands::OpenSizeDialog(SizeDialogMode) {}

}  // namespace pixador
