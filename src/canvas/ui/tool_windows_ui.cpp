#include "canvas/ui/tool_windows_ui.h"

#include <QAction>
#include <QActionGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

#include "canvas/tool_windows.h"
#include "core/ui/qt_text.h"
#include "core/editor_state.h"

namespace pixador {

namespace {

QColor ToQColor(std::uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

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

void Swatch(QWidget* w, std::uint32_t bgr)
{
    w->setStyleSheet(QString("background-color: %1; border: 1px solid black;").arg(ToQColor(bgr).name()));
}

QComboBox* ListOf(QWidget* owner, const char* name, const std::vector<std::string>& items)
{
    auto* list = new QComboBox(owner);
    list->setObjectName(name);
    for (const std::string& s : items) list->addItem(ToQString(s));
    auto* layout = new QVBoxLayout(owner);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(list);
    return list;
}

}  // namespace

ToolBox::ToolBox(EditorState& state, QWidget* parent) : QWidget(parent), state_(state), group_(new QActionGroup(this))
{
    setObjectName("ToolBox");
    setWindowTitle("Tools");
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

ColorTool::ColorTool(EditorState& state, QWidget* parent) : QWidget(parent), state_(state)
{
    setObjectName("ColorTool");
    setWindowTitle("Color");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    auto* current = new QGroupBox(this);
    current->setObjectName("CColorsFrame");
    auto* cl = new QHBoxLayout(current);
    color1_ = new QWidget(current);
    color1_->setObjectName("Color1");
    color1_->setToolTip("Primary mouse button color");
    color2_ = new QWidget(current);
    color2_->setObjectName("Color2");
    color2_->setToolTip("Secondary mouse button color");
    for (QWidget* w : {color1_, color2_}) {
        w->setFixedSize(22, 22);
        cl->addWidget(w);
    }
    layout->addWidget(current);
    auto* levels = new QGroupBox("Color", this);
    levels->setObjectName("ColorFrame");
    auto* ll = new QHBoxLayout(levels);
    ll->setSpacing(1);
    for (int i = 0; i < 4; ++i) {
        levels_[i] = new QToolButton(levels);
        levels_[i]->setObjectName("ColorBttn");
        levels_[i]->setProperty("index", i);
        levels_[i]->setFixedSize(18, 18);
        levels_[i]->installEventFilter(this);
        ll->addWidget(levels_[i]);
    }
    layout->addWidget(levels);
    ShowCurrentColors();
}

void ColorTool::ShowCurrentColors()
{
    for (int i = 0; i < 4; ++i) Swatch(levels_[i], LevelToColor(state_, i));
    Swatch(color1_, LevelToColor(state_, state_.primaryColor));
    Swatch(color2_, LevelToColor(state_, state_.secondaryColor));
}

bool ColorTool::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* m = static_cast<QMouseEvent*>(event);
        const int button = (m->buttons() & Qt::LeftButton ? 1 : 0) | (m->buttons() & Qt::RightButton ? 2 : 0) |
                           (m->buttons() & Qt::MiddleButton ? 4 : 0);
        ColorBttn_MouseDown(state_, watched->property("index").toInt(), button);
        ShowCurrentColors();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

ZoomForm::ZoomForm(EditorState& state, QWidget* parent) : QWidget(parent)
{
    setObjectName("zoomform");
    setWindowTitle("Zoom");
    list_ = ListOf(this, "ZoomFactor", ZoomFactorItems());
    list_->setCurrentIndex(kZoomFactorInitialIndex);
    state.zoom = kZoomFactorInitialIndex + 1;
    connect(list_, &QComboBox::activated, this, [&state](int index) { ZoomFactor_Click(state, index); });
}

PenSizeBox::PenSizeBox(EditorState& state, QWidget* parent) : QWidget(parent)
{
    setObjectName("PenSizeBox");
    setWindowTitle("Pen Size");
    list_ = ListOf(this, "SizeList", SizeListItems());
    list_->setCurrentIndex(kSizeListInitialIndex);
    SizeList_Click(state, kSizeListInitialIndex);
    connect(list_, &QComboBox::activated, this, [&state](int index) { SizeList_Click(state, index); });
}

}  // namespace pixador
