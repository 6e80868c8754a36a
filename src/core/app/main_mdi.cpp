#include "core/app/main_mdi.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QStatusBar>

#include "core/app/twips.h"
#include "core/editor_state.h"
#include "core/editor_view.h"
#include "core/prompts.h"
#include "core/text_helpers.h"
#include "core/whole_sprite.h"
#include "files/pxd_file.h"
#include "files/quick_access_file.h"

namespace pixador {

MainMDI::MainMDI(EditorState& state, QWidget* parent) : QMainWindow(parent), state_(state)
{
    setObjectName("MainMDI");
    setWindowTitle(kBanner);
    auto* area = new QMdiArea(this);
    area->setObjectName("MDIArea");
    setCentralWidget(area);
    statusBar()->setObjectName("StatusBar");
    statusBar()->showMessage("Ready");
}

void MainMDI::MDIForm_Load(const std::string& commandLine)
{
    state_.primaryColor = kBlack;
    state_.secondaryColor = kWhite;
    state_.saved = true;
    state_.zoom = 24;
    ReadWindowArrangement(state_, JoinPath(state_.programDir, "PxdWinPos.ini"));
    PlaceFromLayout();
    ReadPreferences(state_, JoinPath(state_.programDir, "Pixador.ini"));
    state_.lcdColors = state_.preferences.LCDColorSet;
    ResizeSprite(state_, state_.preferences.DefaultWidth, state_.preferences.DefaultHeight);
    if (commandLine.size() >= 2 && commandLine.front() == '"' && commandLine.back() == '"')
        LoadSprite(state_, commandLine.substr(1, commandLine.size() - 2));
    else
        LoadSprite(state_, commandLine);
    ReadQuickAccess(state_, JoinPath(state_.programDir, "QAccess.ini"));
}

void MainMDI::PlaceFromLayout()
{
    const WindowLayout& l = state_.windowLayout;
    const Twips t = TwipsFor(this);
    setGeometry(OnScreen(this, QRect(t.ToPixelsX(l.mainLeft), t.ToPixelsY(l.mainTop),
                                     t.ToPixelsX(l.mainWidth), t.ToPixelsY(l.mainHeight))));
    if (l.maximised) setWindowState(windowState() | Qt::WindowMaximized);
}

void MainMDI::StoreLayout()
{
    WindowLayout& l = state_.windowLayout;
    const Twips t = TwipsFor(this);
    l.maximised = isMaximized();
    const QRect g = l.maximised ? normalGeometry() : geometry();
    l.mainLeft = t.FromPixelsX(g.x());
    l.mainTop = t.FromPixelsY(g.y());
    l.mainWidth = t.FromPixelsX(g.width());
    l.mainHeight = t.FromPixelsY(g.height());
}

void MainMDI::closeEvent(QCloseEvent* event)
{
    StoreLayout();
    WriteWindowArrangement(state_, JoinPath(state_.programDir, "PxdWinPos.ini"));
    event->accept();
}

}  // namespace pixador
