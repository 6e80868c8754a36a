#pragma once
// MDI child windows that hold a fixed-size picture or panel: no maximise button, and a frame that
// always shows the whole content and the whole caption.

#include <QString>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace pixador {

// Adds content to area as a child window titled title, with minimise and close but no maximise
// (toolWindow: a caption only, no buttons), sized to show all of it.
QMdiSubWindow* AddFixedSubWindow(QMdiArea& area, QWidget* content, const QString& title, bool toolWindow = false);

// Resizes the child window around content (when it has one) so that content's current size
// and the caption both show in full. Call after content changes its own size.
void FitSubWindow(QWidget& content);

}  // namespace pixador
