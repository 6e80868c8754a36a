#include "canvas/ui/color_tool.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include "canvas/tool_windows.h"
#include "core/editor_state.h"
#include "core/ui/screen_color.h"

namespace pixador {

namespace {

void Swatch(QWidget* w, std::uint32_t bgr)
{
    w->setStyleSheet(QString("background-color: %1; border: 1px solid black;").arg(ToQColor(bgr).name()));
}

}  // namespace

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

}  // namespace pixador
