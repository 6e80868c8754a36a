#include "core/app/canvas_commands.h"

#include <QAction>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "canvas/color_sets.h"
#include "canvas/ui/draw_form.h"
#include "core/app/qt_editor_view.h"
#include "core/app/resize_dialog.h"
#include "core/editor_state.h"
#include "core/whole_sprite.h"
#include "files/ui/conf.h"

namespace pixador {

struct CanvasCommands::Impl {
    QMainWindow* main = nullptr;
    QMdiArea* area = nullptr;
    EditorState* state = nullptr;
    DrawForm* form = nullptr;
    QMdiSubWindow* window = nullptr;
};

CanvasCommands::CanvasCommands(QMainWindow& main, QMdiArea& area, EditorState& state, QtEditorView& view)
    : impl_(std::make_unique<Impl>())
{
    impl_->main = &main;
    impl_->area = &area;
    impl_->state = &state;
    impl_->form = new DrawForm(state);
    // The canvas lives for the whole run: its close control only hides it.
    impl_->window = area.addSubWindow(impl_->form, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                       Qt::WindowMinMaxButtonsHint);
    impl_->window->setWindowTitle("Sprite");
    impl_->window->resize(300, 300);
    view.AttachCanvas(impl_->form);
}

CanvasCommands::~CanvasCommands() = default;

QWidget* CanvasCommands::CanvasWindow() const { return impl_->window; }

DrawForm* CanvasCommands::Form() const { return impl_->form; }

void CanvasCommands::ConnectMenu()
{
    Impl& d = *impl_;
    const auto hook = [&d](const char* name, auto handler) {
        QAction* a = d.main->findChild<QAction*>(name);
        if (!a) return;
        a->setEnabled(true);
        QObject::connect(a, &QAction::triggered, a, handler);
    };
    EditorState& s = *d.state;
    // Both items are checkable: the trigger has already moved the check mark.
    hook("GridOn", [&s] { RedrawCanvas(s); });
    hook("LCDColors", [&s, &d] {
        s.lcdColors = d.main->findChild<QAction*>("LCDColors")->isChecked();
        ApplyColorSet(s);
    });
    hook("ResizeBttn", [this] { OpenSizeDialog(SizeMode::Scale); });
    hook("ResizeCanvasBttn", [this] { OpenSizeDialog(SizeMode::Canvas); });
    hook("ConfPanel", [&d] { OpenConfDialog(*d.area, *d.state); });
}

void CanvasCommands::OpenSizeDialog(SizeMode mode)
{
    OpenResizeDialog(*impl_->area, *impl_->state, mode);
}

}  // namespace pixador
