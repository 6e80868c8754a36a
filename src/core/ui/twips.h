#pragma once
// Window geometry is kept in twips (1440 per inch); this converts with the screen's DPI.

#include <QRect>

#include <cstdint>

class QWidget;

namespace pixador {

struct Twips {
    double perPixelX = 15;
    double perPixelY = 15;

    int ToPixelsX(int twips) const;
    int ToPixelsY(int twips) const;
    std::int16_t FromPixelsX(int pixels) const;
    std::int16_t FromPixelsY(int pixels) const;
};

// Twips per pixel of the screen the widget is on (or the primary screen).
Twips TwipsFor(const QWidget* widget);
// The rectangle moved (and shrunk if need be) so that it lies on the widget's screen.
QRect OnScreen(const QWidget* widget, QRect rect);

}  // namespace pixador
