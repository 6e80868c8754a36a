#include "core/ui/planes_preview.h"

#include <QPainter>

#include "core/sprite.h"
#include "core/ui/screen_color.h"

namespace pixador {

PlanesPreview::PlanesPreview(QWidget* parent) : QWidget(parent)
{
    setFixedSize(0, 0);
}

void PlanesPreview::Show(const EditorState& state, const PlaneBuffer& planes)
{
    setFixedSize(planes.width(), planes.height());
    image_ = QImage(planes.width(), planes.height(), QImage::Format_RGB32);
    const QRgb levels[4] = {ToRgb(PlanesToColor(state, 0, 0)), ToRgb(PlanesToColor(state, 0, 1)),
                            ToRgb(PlanesToColor(state, 1, 0)), ToRgb(PlanesToColor(state, 1, 1))};
    for (int y = 0; y < planes.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        for (int x = 0; x < planes.width(); ++x) line[x] = levels[(planes.at(0, x, y) ? 2 : 0) + (planes.at(1, x, y) ? 1 : 0)];
    }
    update();
}

void PlanesPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

}  // namespace pixador
