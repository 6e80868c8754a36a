#include "core/ui/sub_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QFontMetrics>
#include <QLayout>
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
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (toolWindow)
        flags |= Qt::Tool;
    else
        flags |= Qt::SubWindow | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    QMdiSubWindow* sub = area.addSubWindow(content, flags);
    if (!sub) return nullptr;
    sub->setWindowTitle(title);
    FitSubWindow(*content);
    return sub;
}

QMdiSubWindow* ShowDialogWindow(QMdiArea& area, QWidget* dialog, const QString& title)
{
    QMdiSubWindow* sub = area.addSubWindow(dialog, Qt::Dialog);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(title);
    FitSubWindow(*dialog);
    // An explicit position also keeps the area's placer from looking for free room.
    sub->move(0, 0);
    sub->show();
    area.setActiveSubWindow(sub);
    if (QWidget* first = dialog->focusProxy()) {
        dialog->setFocus();
        // Typing replaces the value shown, as when the box is reached with Tab.
        if (auto* box = qobject_cast<QLineEdit*>(first)) box->selectAll();
    }
    return sub;
}

void ShowWithoutFocus(QMdiArea& area, QMdiSubWindow& window)
{
    QMdiSubWindow* active = area.activeSubWindow();
    QWidget* focus = QApplication::focusWidget();
    window.setAttribute(Qt::WA_ShowWithoutActivating);
    window.show();
    if (area.activeSubWindow() != active) area.setActiveSubWindow(active);
    window.raise();
    if (focus && QApplication::focusWidget() != focus) focus->setFocus();
}

void CloseDialogWindow(QWidget& dialog)
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(dialog.parentWidget())) sub->close();
    else dialog.close();
}

void FitSubWindow(QWidget& content)
{
    auto* sub = qobject_cast<QMdiSubWindow*>(content.parentWidget());
    if (!sub || sub->widget() != &content) return;
    // A panel with a layout asks for its size hint; a picture without one sizes itself.
    const QSize own = content.layout() ? content.sizeHint() : content.size();
    const QSize inner = own.expandedTo(content.minimumSize()).expandedTo(content.minimumSizeHint());
    const QMargins frame = sub->contentsMargins();
    const int bar = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub);
    // Before the first show the frame margins may not include the title bar yet.
    const int top = std::max(frame.top(), bar);
    const int width = std::max(inner.width() + frame.left() + frame.right(), CaptionWidth(*sub));
    sub->setMinimumSize(0, 0);
    sub->resize(width, inner.height() + top + frame.bottom());
}

}  // namespace pixador
