#pragma once
// The program's style: the platform's own, except that its standard icons are read only when
// first drawn or measured. Every sub-window builds a system menu holding four of them, and
// reading their pictures loads all of Qt's image-format plug-ins before the first window shows.

#include <QProxyStyle>

namespace pixador {

class DeferredIconStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace pixador
