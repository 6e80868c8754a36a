#include "canvas/ui/tool_box.h"

#include <QAction>
#include <QActionGroup>
#include <QGridLayout>
#include <QPainter>
#include <QToolButton>

#include "canvas/tool_windows.h"
#include "core/editor_state.h"

namespace pixador {

namespace {

// Small pictures of the tools, drawn on a 20x20 grid.
QIcon ToolIcon(int code)
{
    QPixmap pm(20, 20);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 2));
    switch (code) {
    case kPencilTool:
        p.drawLine(4, 16, 15, 5);
        p.fillRect(3, 15, 3, 3, Qt::black);
        break;
    case kFloodTool:
        p.drawRect(4, 6, 10, 10);
        p.fillRect(5, 11, 9, 5, Qt::darkGray);
        p.drawLine(14, 8, 17, 14);
        break;
    case kReplaceTool:
        p.fillRect(2, 4, 7, 7, Qt::black);
        p.drawRect(11, 9, 7, 7);
        p.drawLine(8, 14, 11, 14);
        break;
    case kLineTool: p.drawLine(3, 17, 17, 3); break;
    case kRectTool: p.drawRect(3, 5, 14, 10); break;
    case kCircleTool: p.drawEllipse(3, 3, 14, 14); break;
    case kSelectTool:
        p.setPen(QPen(Qt::black, 1, Qt::DashLine));
        p.drawRect(3, 3, 14, 14);
        break;
    case kPasteTool:
        p.drawRect(4, 3, 12, 15);
        p.fillRect(7, 1, 6, 4, Qt::darkGray);
        break;
    default:
        p.drawLine(10, 2, 10, 18);
        p.drawLine(2, 10, 18, 10);
        p.drawLine(10, 2, 7, 5);
        p.drawLine(10, 2, 13, 5);
        p.drawLine(18, 10, 15, 7);
        p.drawLine(18, 10, 15, 13);
        break;
    }
    return QIcon(pm);
}

}  // namespace

ToolBox::ToolBox(EditorState& state, QWidget* parent) : QWidget(parent), state_(state), group_(new QActionGroup(this))
{
    setObjectName("ToolBox");
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(3, 3, 3, 3);
    grid->setSpacing(1);
    int i = 0;
    for (const ToolButtonInfo& info : ToolButtons()) {
        auto* action = new QAction(ToolIcon(info.code), info.tooltip, this);
        action->setObjectName(info.name);
        action->setCheckable(true);
        group_->addAction(action);
        auto* button = new QToolButton(this);
        button->setObjectName(info.name);
        button->setDefaultAction(action);
        button->setAutoRaise(true);
        button->setIconSize(QSize(20, 20));
        grid->addWidget(button, i / 3, i % 3);
        const int code = info.code;
        connect(action, &QAction::triggered, this, [this, code] { ToolMode_Click(state_, code); });
        if (code == kMoveTool || code == kPasteTool) action->setEnabled(false);
        ++i;
    }
    // Form_Load: the pencil is the first tool.
    group_->actions().front()->setChecked(true);
    state_.tool = kPencilTool;
}

}  // namespace pixador
