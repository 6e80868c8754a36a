#include "canvas/ui/color_tool.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "canvas/tool_windows.h"
#include "core/editor_state.h"
#include "core/ui/screen_color.h"

namespace pixador {

// Painted rather than styled: a style sheet on six small widgets cost the editor's start-up
// several milliseconds of style-sheet machinery.
class ColorSwatch : public QWidget {
public:
    using QWidget::QWidget;

    void SetColor(std::uint32_t bgr)
    {
        const QColor color = ToQColor(bgr);
        if (color == color_) return;
        color_ = color;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        painter.fillRect(rect().adjusted(1, 1, -1, -1), color_);
    }

private:
    QColor color_ = Qt::white;
};

ColorTool::ColorTool(EditorState& state, QWidget* parent) : QWidget(parent), state_(state)
{
    setObjectName("ColorTool");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    auto* current = new QGroupBox(this);
    current->setObjectName("CColorsFrame");
    auto* cl = new QHBoxLayout(current);
    color1_ = new ColorSwatch(current);
    color1_->setObjectName("Color1");
    color1_->setToolTip("Primary mouse button color");
    color2_ = new ColorSwatch(current);
    color2_->setObjectName("Color2");
    color2_->setToolTip("Secondary mouse button color");
    for (ColorSwatch* w : {color1_, color2_}) {
        w->setFixedSize(22, 22);
        cl->addWidget(w);
    }
    layout->addWidget(current);
    auto* levels = new QGroupBox("Color", this);
    levels->setObjectName("ColorFrame");
    auto* ll = new QHBoxLayout(levels);
    ll->setSpacing(1);
    for (int i = 0; i < 4; ++i) {
        levels_[i] = new ColorSwatch(levels);
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
    for (int i = 0; i < 4; ++i) levels_[i]->SetColor(LevelToColor(state_, i));
    color1_->SetColor(LevelToColor(state_, state_.primaryColor));
    color2_->SetColor(LevelToColor(state_, state_.secondaryColor));
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
