#pragma once
// The model's screen colours (0x00BBGGRR) as Qt colours.

#include <QColor>
#include <QRgb>

#include <cstdint>

namespace pixador {

inline QRgb ToRgb(std::uint32_t bgr)
{
    return qRgb(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF), static_cast<int>((bgr >> 16) & 0xFF));
}

inline QColor ToQColor(std::uint32_t bgr) { return QColor(ToRgb(bgr)); }

}  // namespace pixador
