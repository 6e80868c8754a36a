#include "core/app/main_mdi.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QLabel>
#include <QMimeData>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QUrl>

#include "canvas/ui/draw_form.h"
#include "canvas/ui/drawing_commands.h"
#include "compose/ui/compose_commands.h"
#include "compose/ui/bitmap_commands.h"
#include "compose/ui/plugin_commands.h"
#include "core/app/about_form.h"
#include "core/app/canvas_commands.h"
#include "core/app/menu_bar.h"
#include "core/app/program_icon.h"
#include "core/app/qt_editor_view.h"
#include "core/app/sprite_commands.h"
#include "core/ui/program_layout.h"
#include "core/ui/twips.h"
#include "core/document_commands.h"
#include "core/editor_state.h"
#include "core/history.h"
#include "core/prompts.h"
#include "files/recovery.h"
#include "files/ui/bmp_export_form.h"
#include "files/ui/code_commands.h"

namespace pixador {

namespace {

// Tool windows in the order start-up places them, with their stored positions.
struct ToolPlace {
    ToolWindow window;
    std::int16_t WindowLayout::*left;
    std::int16_t WindowLayout::*top;
};

constexpr ToolPlace kToolPlaces[] = {
    {ToolWindow::ColorTool, &WindowLayout::colorLeft, &WindowLayout::colorTop},
    {ToolWindow::ToolBox, &WindowLayout::toolBoxLeft, &WindowLayout::toolBoxTop},
    {ToolWindow::ZoomForm, &WindowLayout::zoomLeft, &WindowLayout::zoomTop},
    {ToolWindow::PenSizeBox, &WindowLayout::penSizeLeft, &WindowLayout::penSizeTop},
};

}  // namespace

MainMDI::MainMDI(EditorState& state, QtEditorView& view, const std::function<void()>& awaitFonts) : state_(state)
{
    setObjectName("MainMDI");
    // Every window of the program, the MDI children included, shows the program's own icon.
    const QIcon icon = ProgramIcon();
    QApplication::setWindowIcon(icon);
    setWindowIcon(icon);
    setWindowTitle(kBanner);
    setAcceptDrops(true);
    view.Attach(this);

    BuildMenuBar(*this);
    area_ = new QMdiArea(this);
    area_->setObjectName("MDIArea");
    area_->setBackground(QColor(0x80, 0x80, 0x80));
    setCentralWidget(area_);
    if (awaitFonts) awaitFonts();
    statusBar()->setObjectName("StatusBar");
    auto* status = new QLabel("Ready", statusBar());
    status->setObjectName("StatusText");
    statusBar()->addWidget(status, 1);

    canvas_ = std::make_unique<CanvasCommands>(*this, *area_, state_, view);
    drawing_ = std::make_unique<DrawingCommands>(*this, *area_, state_, view);
    ConnectDocumentCommands();
    canvas_->ConnectMenu();
    drawing_->ConnectMenu();
    canvas_->Form()->onZoomSteps = [this](int steps) { drawing_->StepZoom(steps); };
    ConnectCodeCommands(*this, state_);
    ConnectComposeCommands(*this, state_);
    ConnectSpriteCommands(*this, *area_, state_);
    ConnectBitmapCommands(*this, state_);
    ConnectBitmapExport(*this, state_, [&view] { return view.CanvasPicture(); });
    ConnectPlugInCommands(*this, state_);

    // Unsaved work reaches its copy about a second after the last change, off the drawing path.
    recoveryTimer_ = new QTimer(this);
    recoveryTimer_->setObjectName("RecoveryTimer");
    connect(recoveryTimer_, &QTimer::timeout, this, [this] {
        if (state_.recovery) state_.recovery->Keep(state_);
    });
}

MainMDI::~MainMDI() = default;

void MainMDI::changeEvent(QEvent* event)
{
    // QMdiArea appends " - [child]" while a child is maximised; the caption stays the model's.
    if (event->type() == QEvent::WindowTitleChange) {
        const QVariant caption = property("caption");
        const QString wanted = caption.isValid() ? caption.toString() : QString(kBanner);
        if (windowTitle() != wanted) setWindowTitle(wanted);
    }
    QMainWindow::changeEvent(event);
}

void MainMDI::ConnectDocumentCommands()
{
    const auto hook = [this](const char* name, auto handler) {
        QAction* a = findChild<QAction*>(name);
        if (!a) return;
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, handler);
    };
    hook("NewBttn", [this] { NewBttn_Click(state_, [this] { canvas_->OpenSizeDialog(SizeMode::NewSprite); }); });
    hook("LoadBttn", [this] { LoadBttn_Click(state_); });
    hook("SaveAsBttn", [this] { SaveAsBttn_Click(state_); });
    hook("SaveBttn", [this] { SaveBttn_Click(state_); });
    hook("RestoreBttn", [this] { RestoreBttn_Click(state_); });
    hook("QuitMenu", [this] { close(); });
    hook("UndoBttn", [this] { UndoBttn_Click(state_); });
    hook("RedoBttn", [this] { RedoBttn_Click(state_); });
    hook("ClearQABttn", [this] { ClearQABttn_Click(state_); });
    hook("HelpBttn", [this] {
        HelpBttn_Click(state_, ProgramLayout().manualDir);
    });
    hook("AboutBttn", [this] { ShowAbout(); });
    for (QAction* qa : findChildren<QAction*>("QA")) {
        qa->setEnabled(true);
        const int index = qa->property("index").toInt();
        connect(qa, &QAction::triggered, this, [this, index] { QA_Click(state_, index); });
    }
    // Nothing to undo or redo yet.
    for (const char* name : {"UndoBttn", "RedoBttn"})
        if (QAction* a = findChild<QAction*>(name)) a->setEnabled(false);
}

void MainMDI::ShowAbout()
{
    OpenAboutForm(*area_);
}

void MainMDI::MDIForm_Load(const std::string& commandLine)
{
    const Twips t = TwipsFor(this);
    SystemMetrics metrics;
    metrics.twipsPerPixelX = t.perPixelX;
    metrics.twipsPerPixelY = t.perPixelY;
    metrics.frameWidth = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    metrics.frameHeight = metrics.frameWidth;
    metrics.captionHeight = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    pixador::MDIForm_Load(state_, metrics, commandLine, *this);
    recoveryTimer_->start(1000);
}

void MainMDI::HideCanvasWindow()
{
    if (QWidget* w = canvas_->CanvasWindow()) w->hide();
}

void MainMDI::ShowCanvasWindow()
{
    if (QWidget* w = canvas_->CanvasWindow()) w->show();
}

void MainMDI::PlaceWindows(const WindowLayout& l)
{
    const Twips t = TwipsFor(this);
    // The stored corner is the frame's, so the title bar of a window at 0, 0 stays on the screen.
    const QRect r = OnScreen(this, QRect(t.ToPixelsX(l.mainLeft), t.ToPixelsY(l.mainTop), t.ToPixelsX(l.mainWidth),
                                         t.ToPixelsY(l.mainHeight)));
    resize(r.size());
    move(r.topLeft());
    // Children stay inside the MDI area: a stored position past its edge is pulled back.
    // (The area is not laid out before the first show, so its room is taken from the frame.)
    const QSize room = QSize(width(), height() - 60).expandedTo(QSize(200, 200));
    const auto inside = [&](int left, int top) {
        return QPoint(std::clamp(t.ToPixelsX(left), 0, room.width() - 40), std::clamp(t.ToPixelsY(top), 0, room.height() - 40));
    };
    // The default positions were made for smaller tool windows: without a file, one that would
    // cover another moves below it, and the canvas moves right of any tool window it would cover.
    // The user's own arrangement is placed exactly as stored.
    std::vector<QRect> placed;
    const auto clear = [&placed, &l](QRect r, bool sideways) {
        for (bool moved = !l.stored; moved;) {
            moved = false;
            for (const QRect& other : placed) {
                if (!r.intersects(other)) continue;
                if (sideways) r.moveLeft(other.right() + 4);
                else r.moveTop(other.bottom() + 4);
                moved = true;
            }
        }
        return r;
    };
    for (const ToolPlace& p : kToolPlaces) {
        QWidget* w = drawing_->Window(p.window);
        if (!w) continue;
        const QRect r = clear(QRect(inside(l.*(p.left), l.*(p.top)), w->size()), false);
        w->move(r.topLeft());
        placed.push_back(r);
    }
    if (QWidget* w = canvas_->CanvasWindow())
        w->move(clear(QRect(inside(l.canvasLeft, l.canvasTop),
                            QSize(t.ToPixelsX(l.canvasWidth), t.ToPixelsY(l.canvasHeight))),
                      true)
                    .topLeft());
    if (l.maximised) setWindowState(windowState() | Qt::WindowMaximized);
}

void MainMDI::SizeCanvasWindow(const WindowLayout& l)
{
    const Twips t = TwipsFor(this);
    if (QWidget* w = canvas_->CanvasWindow()) w->resize(std::max(t.ToPixelsX(l.canvasWidth), 120), std::max(t.ToPixelsY(l.canvasHeight), 120));
}

void MainMDI::StoreLayout()
{
    WindowLayout& l = state_.windowLayout;
    const Twips t = TwipsFor(this);
    l.maximised = isMaximized();
    const QRect g = l.maximised ? normalGeometry() : geometry();
    const QPoint frameCorner = g.topLeft() - (geometry().topLeft() - frameGeometry().topLeft());
    l.mainLeft = t.FromPixelsX(frameCorner.x());
    l.mainTop = t.FromPixelsY(frameCorner.y());
    l.mainWidth = t.FromPixelsX(g.width());
    l.mainHeight = t.FromPixelsY(g.height());
    if (QWidget* w = canvas_->CanvasWindow()) {
        l.canvasLeft = t.FromPixelsX(w->x());
        l.canvasTop = t.FromPixelsY(w->y());
        l.canvasWidth = t.FromPixelsX(w->width());
        l.canvasHeight = t.FromPixelsY(w->height());
    }
    for (const ToolPlace& p : kToolPlaces) {
        if (QWidget* w = drawing_->Window(p.window)) {
            l.*(p.left) = t.FromPixelsX(w->x());
            l.*(p.top) = t.FromPixelsY(w->y());
        }
    }
}

void MainMDI::closeEvent(QCloseEvent* event)
{
    StoreLayout();
    if (MDIForm_QueryUnload(state_)) event->accept();
    else event->ignore();
}

void MainMDI::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainMDI::dropEvent(QDropEvent* event)
{
    event->acceptProposedAction();
    DropData(*event->mimeData());
}

void MainMDI::DropData(const QMimeData& data)
{
    std::vector<std::string> files;
    for (const QUrl& url : data.urls())
        if (url.isLocalFile()) files.push_back(QDir::toNativeSeparators(url.toLocalFile()).toStdString());
    MDIForm_OLEDragDrop(state_, files);
}

}  // namespace pixador
