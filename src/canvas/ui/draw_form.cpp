#include "canvas/ui/draw_form.h"

#include <QFrame>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <vector>

#include "canvas/canvas_layout.h"
#include "canvas/drawing_tools.h"
#include "core/ui/twips.h"
#include "core/editor_state.h"
#include "core/whole_sprite.h"
#include "core/ui/screen_color.h"

namespace pixador {

namespace {

int ButtonsOf(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) + (buttons & Qt::RightButton ? 2 : 0) +
           (buttons & Qt::MiddleButton ? 4 : 0);
}

int ShiftOf(Qt::KeyboardModifiers mods)
{
    return (mods & Qt::ShiftModifier ? 1 : 0) + (mods & Qt::ControlModifier ? 2 : 0) +
           (mods & Qt::AltModifier ? 4 : 0);
}

}  // namespace

DrawArea::DrawArea(EditorState& state, QWidget* parent) : QWidget(parent), state_(state)
{
    setObjectName("DrawArea");
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void DrawArea::SetCanvasSize(int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (image_.width() != width || image_.height() != height) image_ = QImage(width, height, QImage::Format_RGB32);
    resize(width, height);
}

void DrawArea::FillSquare(int left, int top, int size, QRgb color, bool outline)
{
    const int x0 = std::max(left, 0);
    const int y0 = std::max(top, 0);
    const int x1 = std::min(left + size, image_.width());
    const int y1 = std::min(top + size, image_.height());
    if (x0 >= x1 || y0 >= y1) return;
    const QRgb black = qRgb(0, 0, 0);
    for (int y = y0; y < y1; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        const bool edgeRow = outline && (y == top || y == top + size - 1);
        if (edgeRow) {
            std::fill(line + x0, line + x1, black);
            continue;
        }
        std::fill(line + x0, line + x1, color);
        if (outline) {
            if (left >= 0) line[left] = black;
            if (left + size - 1 < image_.width()) line[left + size - 1] = black;
        }
    }
}

void DrawArea::PaintCell(int x, int y)
{
    const SpriteImage& s = state_.sprite;
    if (x < 0 || y < 0 || x >= s.width || y >= s.height || image_.isNull()) return;
    const std::optional<CanvasSquare> square = SquareOfPixel(state_, x, y);
    if (!square) return;
    const std::uint32_t color = PlanesToColor(state_, GetPlaneBit(s.cells, s.width, s.height, x, y, 0),
                                              GetPlaneBit(s.cells, s.width, s.height, x, y, 1));
    FillSquare(square->left, square->top, square->size, ToRgb(color), GridShown(state_));
    update(square->left, square->top, square->size, square->size);
}

void DrawArea::RedrawAll()
{
    if (image_.isNull()) {
        update();
        return;
    }
    // The background, then every visible cell as FillSquare paints it. All canvas rows through a
    // row of cells are alike but for the grid's top and bottom lines, so both kinds of line are
    // built once per row of cells and copied whole into the picture.
    const QRgb background = ToRgb(state_.colorSet[0]);
    const QRgb black = qRgb(0, 0, 0);
    const SpriteImage& s = state_.sprite;
    const bool grid = GridShown(state_);
    const ViewWindow& v = state_.viewWindow;
    const int zoom = state_.zoom;
    const int width = image_.width();
    const int height = image_.height();
    const int xEnd = std::min<int>(v.x1, s.width);
    const int yEnd = std::min<int>(v.y1, s.height);
    std::vector<QRgb> inner(width);
    std::vector<QRgb> edge(width);
    int filled = 0;  // canvas rows done
    for (int y = v.y0; y < yEnd && zoom > 0; ++y) {
        const int top = (y - v.y0) * zoom;
        if (top >= height) break;
        std::fill(inner.begin(), inner.end(), background);
        std::fill(edge.begin(), edge.end(), background);
        for (int x = v.x0; x < xEnd; ++x) {
            const int left = (x - v.x0) * zoom;
            if (left >= width) break;
            const int right = std::min(left + zoom, width);
            const std::uint32_t color = PlanesToColor(state_, GetPlaneBit(s.cells, s.width, s.height, x, y, 0),
                                                      GetPlaneBit(s.cells, s.width, s.height, x, y, 1));
            std::fill(&inner[left], &inner[0] + right, ToRgb(color));
            if (!grid) continue;
            std::fill(&edge[left], &edge[0] + right, black);
            inner[left] = black;
            if (left + zoom - 1 < width) inner[left + zoom - 1] = black;
        }
        const int bottom = std::min(top + zoom, height);
        for (int row = top; row < bottom; ++row) {
            const bool edgeRow = grid && (row == top || row == top + zoom - 1);
            std::copy_n((edgeRow ? edge : inner).data(), width, reinterpret_cast<QRgb*>(image_.scanLine(row)));
        }
        filled = bottom;
    }
    for (int row = filled; row < height; ++row) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(row));
        std::fill(line, line + width, background);
    }
    update();
}

void DrawArea::SetOverlay(OverlayShape shape, const Overlay& overlay)
{
    overlays_[static_cast<int>(shape)] = overlay;
    update();
}

void DrawArea::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.drawImage(event->rect(), image_, event->rect());
    // Overlays: a dashed outline over a white one, visible on every gray level.
    for (int i = 0; i < 4; ++i) {
        const Overlay& o = overlays_[i];
        if (!o.visible) continue;
        const auto shape = static_cast<OverlayShape>(i);
        for (int pass = 0; pass < 2; ++pass) {
            QPen pen(pass == 0 ? Qt::white : Qt::black, 1, pass == 0 ? Qt::SolidLine : Qt::DashLine);
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            const QRectF box(o.left, o.top, o.width, o.height);
            if (shape == OverlayShape::Linepattern) p.drawLine(QPointF(o.x1, o.y1), QPointF(o.x2, o.y2));
            else if (shape == OverlayShape::Circlepattern) p.drawEllipse(box);
            else p.drawRect(box);
        }
    }
}

void DrawArea::mousePressEvent(QMouseEvent* event)
{
    setFocus();
    const int button = ButtonsOf(event->button());
    DrawArea_MouseDown(state_, button, ShiftOf(event->modifiers()), event->position().x(), event->position().y());
}

void DrawArea::mouseMoveEvent(QMouseEvent* event)
{
    DrawArea_MouseMove(state_, ButtonsOf(event->buttons()), ShiftOf(event->modifiers()), event->position().x(),
                       event->position().y());
}

void DrawArea::mouseReleaseEvent(QMouseEvent* event)
{
    DrawArea_MouseUp(state_, ButtonsOf(event->button()), ShiftOf(event->modifiers()), event->position().x(),
                     event->position().y());
}

DrawForm::DrawForm(EditorState& state, QWidget* parent) : QWidget(parent), state_(state)
{
    setObjectName("DrawForm");
    vScroll_ = new QScrollBar(Qt::Vertical, this);
    vScroll_->setObjectName("DAVScroll");
    hScroll_ = new QScrollBar(Qt::Horizontal, this);
    hScroll_->setObjectName("DAHScroll");
    frame_ = new QFrame(this);
    frame_->setObjectName("DAFrame");
    drawArea_ = new DrawArea(state, frame_);
    vScroll_->hide();
    hScroll_->hide();
    connect(hScroll_, &QScrollBar::valueChanged, this, &DrawForm::Scrolled);
    connect(vScroll_, &QScrollBar::valueChanged, this, &DrawForm::Scrolled);
    setMinimumSize(60, 60);
}

void DrawForm::Form_Resize()
{
    if (layingOut_) return;
    layingOut_ = true;
    const Twips t = TwipsFor(this);
    // The layout works on the window's outer size, frame and caption included.
    const QWidget* outer = parentWidget() ? parentWidget() : this;
    CanvasWindowInput in;
    in.tppX = t.perPixelX;
    in.tppY = t.perPixelY;
    in.outerWidth = static_cast<int>(outer->width() * t.perPixelX);
    in.outerHeight = static_cast<int>(outer->height() * t.perPixelY);
    in.vScrollWidth = static_cast<int>(vScroll_->sizeHint().width() * t.perPixelX);
    in.hScrollHeight = static_cast<int>(hScroll_->sizeHint().height() * t.perPixelY);
    in.hScrollVisible = hScroll_->isVisible();
    in.vScrollVisible = vScroll_->isVisible();
    in.hScrollValue = hScroll_->value();
    in.vScrollValue = vScroll_->value();
    const CanvasWindowLayout l = pixador::Form_Resize(state_, in);

    const int barW = vScroll_->sizeHint().width();
    const int barH = hScroll_->sizeHint().height();
    const int frameW = std::max(0, width() - (l.vScrollVisible ? barW : 0));
    const int frameH = std::max(0, height() - (l.hScrollVisible ? barH : 0));
    frame_->setGeometry(0, 0, frameW, frameH);
    hScroll_->blockSignals(true);
    vScroll_->blockSignals(true);
    hScroll_->setGeometry(0, frameH, frameW, barH);
    vScroll_->setGeometry(frameW, 0, barW, frameH);
    hScroll_->setRange(0, std::max(0, l.hScrollMax));
    vScroll_->setRange(0, std::max(0, l.vScrollMax));
    hScroll_->setValue(state_.viewWindow.x0);
    vScroll_->setValue(state_.viewWindow.y0);
    hScroll_->setPageStep(std::max(1, state_.viewWindow.x1 - state_.viewWindow.x0));
    vScroll_->setPageStep(std::max(1, state_.viewWindow.y1 - state_.viewWindow.y0));
    hScroll_->setVisible(l.hScrollVisible);
    vScroll_->setVisible(l.vScrollVisible);
    hScroll_->blockSignals(false);
    vScroll_->blockSignals(false);

    drawArea_->SetCanvasSize(l.canvasPixelsWide, l.canvasPixelsHigh);
    drawArea_->move(std::max(0, (frameW - l.canvasPixelsWide) / 2), std::max(0, (frameH - l.canvasPixelsHigh) / 2));
    layingOut_ = false;
    drawArea_->RedrawAll();
}

void DrawForm::Scrolled()
{
    ScrollCanvas(state_, hScroll_->value(), vScroll_->value());
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (sub && sub->mdiArea() && sub->mdiArea()->activeSubWindow() == sub) drawArea_->setFocus();
    RedrawCanvas(state_);
}

void DrawForm::PaintPixel(int x, int y)
{
    drawArea_->PaintCell(x, y);
}

void DrawForm::Redraw()
{
    drawArea_->RedrawAll();
}

void DrawForm::ShowOverlay(OverlayShape shape, const Overlay& overlay)
{
    drawArea_->SetOverlay(shape, overlay);
}

void DrawForm::SetTooltip(const QString& text)
{
    drawArea_->setToolTip(text);
}

void DrawForm::BackgroundChanged()
{
    QPalette pal = frame_->palette();
    const std::uint32_t c = state_.colorSet[0];
    pal.setColor(QPalette::Window, ToQColor(c));
    frame_->setAutoFillBackground(true);
    frame_->setPalette(pal);
}

void DrawForm::wheelEvent(QWheelEvent* event)
{
    // Whole notches only; touchpads send many small deltas, which add up.
    const QPoint delta = event->angleDelta();
    wheelRest_ += delta.y() != 0 ? delta.y() : delta.x();
    const int notches = wheelRest_ / QWheelEvent::DefaultDeltasPerStep;
    wheelRest_ -= notches * QWheelEvent::DefaultDeltasPerStep;
    event->accept();
    if (notches == 0) return;
    if (event->modifiers() & Qt::ControlModifier) {
        if (onZoomSteps) onZoomSteps(notches);
        return;
    }
    const bool sideways = (event->modifiers() & Qt::ShiftModifier) || (delta.y() == 0 && delta.x() != 0);
    QScrollBar* bar = sideways ? hScroll_ : vScroll_;
    if (bar->isVisible()) bar->setValue(bar->value() - notches * 3 * bar->singleStep());
}

void DrawForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

}  // namespace pixador
