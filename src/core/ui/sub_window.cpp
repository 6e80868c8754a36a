#include "core/ui/sub_window.h"

#include <QFontMetrics>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QStyleOptionTitleBar>

#include <algorithm>

namespace pixador {

namespace {

// Caption text plus room for the title bar's icon and buttons.
int CaptionWidth(const QMdiSubWindow& sub)
{
    const int bar = sub.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &sub);
    return QFontMetrics(sub.font()).horizontalAdvance(sub.windowTitle()) + 4 * bar;
}

}  // namespace

QMdiSubWindow* AddFixedSubWindow(QMdiArea& area, QWidget* content, const QString& title, bool toolWindow)
{
    Qt::WindowFlags flags = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (toolWindow)
        flags |= Qt::Tool;
    else
        flags |= Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    QMdiSubWindow* sub = area.addSubWindow(content, flags);
    if (!sub) return nullptr;
    sub->setWindowTitle(title);
    FitSubWindow(*content);
    return sub;
}

void FitSubWindow(QWidget& content)
{
    auto* sub = qobject_cast<QMdiSubWindow*>(content.parentWidget());
    if (!sub || sub->widget() != &content) return;
    const QSize inner = content.size().expandedTo(content.minimumSize());
    const QMargins frame = sub->contentsMargins();
    const int bar = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub);
    // Before the first show the frame margins may not include the title bar yet.
    const int top = std::max(frame.top(), bar);
    const int width = std::max(inner.width() + frame.left() + frame.right(), CaptionWidth(*sub));
    sub->setMinimumSize(0, 0);
    sub->resize(width, inner.height() + top + frame.bottom());
}

}  // namespace pixador
