#include "core/ui/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace pixador {

namespace {

QScreen* ScreenOf(const QWidget* widget)
{
    QScreen* s = widget ? widget->screen() : nullptr;
    return s ? s : QGuiApplication::primaryScreen();
}

std::int16_t Clamp16(double v)
{
    return static_cast<std::int16_t>(std::clamp(std::lround(v), -32768L, 32767L));
}

}  // namespace

int Twips::ToPixelsX(int twips) const { return static_cast<int>(std::lround(twips / perPixelX)); }
int Twips::ToPixelsY(int twips) const { return static_cast<int>(std::lround(twips / perPixelY)); }
std::int16_t Twips::FromPixelsX(int pixels) const { return Clamp16(pixels * perPixelX); }
std::int16_t Twips::FromPixelsY(int pixels) const { return Clamp16(pixels * perPixelY); }

Twips TwipsFor(const QWidget* widget)
{
    Twips t;
    if (QScreen* s = ScreenOf(widget)) {
        if (s->logicalDotsPerInchX() > 0) t.perPixelX = 1440.0 / s->logicalDotsPerInchX();
        if (s->logicalDotsPerInchY() > 0) t.perPixelY = 1440.0 / s->logicalDotsPerInchY();
    }
    return t;
}

QRect OnScreen(const QWidget* widget, QRect rect)
{
    QScreen* s = ScreenOf(widget);
    if (!s) return rect;
    const QRect avail = s->availableGeometry();
    rect.setWidth(std::clamp(rect.width(), 1, avail.width()));
    rect.setHeight(std::clamp(rect.height(), 1, avail.height()));
    rect.moveLeft(std::clamp(rect.left(), avail.left(), avail.right() - rect.width() + 1));
    rect.moveTop(std::clamp(rect.top(), avail.top(), avail.bottom() - rect.height() + 1));
    return rect;
}

}  // namespace pixador
