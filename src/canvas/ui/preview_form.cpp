#include "canvas/ui/preview_form.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include "canvas/tool_windows.h"
#include "core/ui/qt_text.h"
#include "core/ui/screen_color.h"
#include "core/ui/sub_window.h"
#include "core/ui/twips.h"
#include "core/editor_state.h"
#include "core/whole_sprite.h"

namespace pixador {

namespace {

// Shows the preview image; repainted by the window system, not per pixel.
class PreviewPicture : public QLabel {
public:
    PreviewPicture(const QImage& image, QWidget* parent) : QLabel(parent), image_(image) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.drawImage(0, 0, image_);
    }

private:
    const QImage& image_;
};

}  // namespace

PreviewForm::PreviewForm(EditorState& state, int position, QWidget* parent)
    : QWidget(parent), state_(state), position_(position)
{
    setObjectName("PreviewForm");
    setProperty("tag", ToQString(PreviewTag(position)));
    setWindowTitle(ToQString(PreviewCaption(position)));
    zoomBox_ = new QComboBox(this);
    zoomBox_->setObjectName("ZoomB");
    for (const std::string& s : ZoomBItems()) zoomBox_->addItem(ToQString(s));
    zoomBox_->move(0, 0);
    picture_ = new PreviewPicture(image_, this);
    picture_->setObjectName("Preview");
    zoomBox_->setCurrentIndex(kZoomBInitialIndex);
    connect(zoomBox_, &QComboBox::activated, this, [this](int) { ZoomB_Click(); });
    ZoomB_Click();
}

int PreviewForm::zoom() const { return zoomBox_->currentIndex() + 1; }

void PreviewForm::ZoomB_Click()
{
    const Twips t = TwipsFor(this);
    PreviewMetrics m;
    m.tppX = t.perPixelX;
    m.tppY = t.perPixelY;
    m.zoomBoxHeight = t.FromPixelsY(zoomBox_->sizeHint().height());
    m.zoomBoxWidth = t.FromPixelsX(zoomBox_->width());
    m.windowWidth = t.FromPixelsX(width());
    const PreviewGeometry g = PreviewLayout(zoomBox_->currentIndex(), state_.sprite.width, state_.sprite.height, m);
    const int z = zoom();
    image_ = QImage(std::max(1, z * state_.sprite.width), std::max(1, z * state_.sprite.height), QImage::Format_RGB32);
    image_.fill(Qt::white);
    picture_->setGeometry(t.ToPixelsX(g.pictureLeft), t.ToPixelsY(g.pictureTop), image_.width(), image_.height());
    zoomBox_->resize(std::max(zoomBox_->sizeHint().width(), t.ToPixelsX(g.zoomBoxWidth)), zoomBox_->sizeHint().height());
    const int w = g.pictureAtLeft ? t.ToPixelsX(g.windowWidth) : std::max(width(), image_.width());
    setMinimumSize(std::max(w, zoomBox_->width()), picture_->y() + image_.height() + 4);
    resize(minimumSize());
    FitSubWindow(*this);
    RedrawCanvas(state_);
}

void PreviewForm::PaintPixel(int x, int y)
{
    const SpriteImage& s = state_.sprite;
    if (x < 0 || y < 0 || x >= s.width || y >= s.height) return;
    const std::uint32_t c = PlanesToColor(state_, GetPlaneBit(s.cells, s.width, s.height, x, y, 0),
                                          GetPlaneBit(s.cells, s.width, s.height, x, y, 1));
    const QRgb rgb = ToRgb(c);
    const int z = zoom();
    for (int j = 0; j < z; ++j) {
        if (y * z + j >= image_.height()) break;
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y * z + j));
        for (int i = 0; i < z && x * z + i < image_.width(); ++i) line[x * z + i] = rgb;
    }
    picture_->update(x * z, y * z, z, z);
}

void PreviewForm::Redraw()
{
    for (int x = 0; x < state_.sprite.width; ++x)
        for (int y = 0; y < state_.sprite.height; ++y) PaintPixel(x, y);
    picture_->update();
}

void PreviewForm::closeEvent(QCloseEvent* event)
{
    if (onClosed) {
        event->ignore();
        onClosed(this);
        return;
    }
    event->accept();
}

}  // namespace pixador
