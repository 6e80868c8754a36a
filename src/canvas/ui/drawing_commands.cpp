#include "canvas/ui/drawing_commands.h"

#include <QAction>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <vector>

#include "canvas/clipboard.h"
#include "canvas/selection.h"
#include "canvas/tool_windows.h"
#include "canvas/ui/preview_form.h"
#include "canvas/ui/color_tool.h"
#include "canvas/ui/pen_size_box.h"
#include "canvas/ui/tool_box.h"
#include "canvas/ui/zoom_form.h"
#include "core/ui/sub_window.h"
#include "core/ui/surfaces.h"
#include "core/editor_state.h"
#include "core/prompts.h"
#include "core/whole_sprite.h"

namespace pixador {

struct DrawingCommands::Impl {
    Impl(QMainWindow& m, QMdiArea& a, EditorState& s, SurfaceHost& v) : main(m), area(a), state(s), view(v) {}
    QMainWindow& main;
    QMdiArea& area;
    EditorState& state;
    SurfaceHost& view;
    ToolBox* toolBox = nullptr;
    ColorTool* colorTool = nullptr;
    ZoomForm* zoomForm = nullptr;
    PenSizeBox* penSizeBox = nullptr;
    std::array<QMdiSubWindow*, 4> windows{};
    // The open previews in order of creation (position n at index n - 1).
    std::vector<QMdiSubWindow*> previews;

    QMdiSubWindow* Add(QWidget* w, const char* title)
    {
        QMdiSubWindow* sub = AddFixedSubWindow(area, w, title, true);
        sub->setAttribute(Qt::WA_DeleteOnClose, false);
        return sub;
    }

    bool CanvasActive() const
    {
        const QMdiSubWindow* active = area.activeSubWindow();
        return active && active->windowTitle() == "Sprite";
    }

    void NewPreview()
    {
        const int n = static_cast<int>(previews.size()) + 1;
        auto* form = new PreviewForm(state, n);
        QMdiSubWindow* sub = AddFixedSubWindow(area, form, form->windowTitle());
        if (!sub) {
            delete form;
            ShowErrorMessage(state, "Couldn't create preview!!");
            return;
        }
        previews.push_back(sub);
        view.AddSurface(form);
        form->onClosed = [this, sub](PreviewForm* f) {
            if (OnPreviewClosed(f->position(), static_cast<int>(previews.size())) == PreviewCloseAction::Remove)
                RemoveLast();
            else
                sub->hide();
        };
        sub->show();
        RedrawCanvas(state);
    }

    void RemoveLast()
    {
        if (previews.empty()) return;
        QMdiSubWindow* sub = previews.back();
        previews.pop_back();
        view.RemoveSurface(static_cast<PreviewForm*>(sub->widget()));
        area.removeSubWindow(sub);
        sub->deleteLater();
    }
};

DrawingCommands::DrawingCommands(QMainWindow& main, QMdiArea& area, EditorState& state, SurfaceHost& view)
    : impl_(std::make_unique<Impl>(main, area, state, view))
{
    Impl& d = *impl_;
    d.zoomForm = new ZoomForm(state);
    d.toolBox = new ToolBox(state);
    d.colorTool = new ColorTool(state);
    d.penSizeBox = new PenSizeBox(state);
    d.windows = {d.Add(d.zoomForm, "Zoom"), d.Add(d.toolBox, "Tools"), d.Add(d.colorTool, "Color"),
                 d.Add(d.penSizeBox, "Pen Size")};
    // The colour window recolours itself on every redraw (colour set changes end in one).
    view.AddSurface(d.colorTool);
}

DrawingCommands::~DrawingCommands()
{
    for (QMdiSubWindow* sub : impl_->previews) impl_->view.RemoveSurface(static_cast<PreviewForm*>(sub->widget()));
    impl_->view.RemoveSurface(impl_->colorTool);
}

void DrawingCommands::StepZoom(int steps) { impl_->zoomForm->Step(steps); }

QWidget* DrawingCommands::Window(ToolWindow which) const { return impl_->windows[static_cast<int>(which)]; }

void DrawingCommands::ConnectMenu()
{
    Impl& d = *impl_;
    auto wire = [&d](const char* name, auto handler) {
        if (QAction* a = d.main.findChild<QAction*>(name)) {
            QObject::connect(a, &QAction::triggered, a, handler);
            a->setEnabled(true);
        }
    };
    EditorState& s = d.state;
    wire("SelectAll", [&s] { SelectAll_Click(s); });
    wire("CopyBttn", [&d] { CopyBttn_Click(d.state, d.CanvasActive()); });
    wire("CutBttn", [&d] { CutBttn_Click(d.state, d.CanvasActive()); });
    wire("PasteBttn", [&d] { PasteBttn_Click(d.state, d.CanvasActive()); });
    wire("ClipDABttn", [&s] { ClipDABttn_Click(s); });
    wire("PXDCopyBttn", [&s] { PXDCopyBttn_Click(s); });
    wire("PXDPasteBttn", [&s] { PXDPasteBttn_Click(s); });
    wire("NewPreviewBttn", [&d] { d.NewPreview(); });
    // Zoom keys beside the menus: Ctrl++ (also Ctrl+= where + needs Shift) and Ctrl+-.
    const auto zoomKey = [&d](const char* name, QList<QKeySequence> keys, int steps) {
        auto* a = new QAction(&d.main);
        a->setObjectName(name);
        a->setShortcuts(keys);
        a->setShortcutContext(Qt::ApplicationShortcut);
        d.main.addAction(a);
        QObject::connect(a, &QAction::triggered, a, [&d, steps] { d.zoomForm->Step(steps); });
    };
    zoomKey("ZoomInKey", {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)}, 1);
    zoomKey("ZoomOutKey", {QKeySequence::ZoomOut}, -1);
    wire("DelLastPreviewBttn", [&d] { d.RemoveLast(); });
    const std::array<const char*, 4> switches{"ShowZoom", "ShowToolbox", "ShowColors", "ViewPSizeB"};
    for (int i = 0; i < 4; ++i) {
        QMdiSubWindow* sub = d.windows[i];
        const char* name = switches[i];
        if (QAction* a = d.main.findChild<QAction*>(name)) {
            a->setEnabled(true);
            // The model inverts the check mark itself.
            QObject::connect(a, &QAction::triggered, a, [&d, a, sub, name] {
                a->setChecked(!a->isChecked());
                sub->setVisible(ToggleToolWindow(d.state, name));
            });
        }
    }
}

}  // namespace pixador
