#pragma once
// MDI child windows that hold a fixed-size picture or panel: no maximise button, and a frame that
// always shows the whole content and the whole caption.

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QString>

class QWidget;

namespace pixador {

// Adds content to area as a child window titled title, with minimise and close but no maximise
// (toolWindow: a caption only, no buttons), sized to show all of it.
QMdiSubWindow* AddFixedSubWindow(QMdiArea& area, QWidget* content, const QString& title, bool toolWindow = false);

// Shows dialog as a child window of area titled title, sized to show it whole, at the top-left
// of the area (one place for every dialog, whatever the tool windows' arrangement), active with the keyboard focus in its first input (its focus proxy when it names one,
// else its first control), and deleted when closed.
QMdiSubWindow* ShowDialogWindow(QMdiArea& area, QWidget* dialog, const QString& title);
// Shows window on top of the other child windows of area without taking the keyboard focus, so
// the menu's shortcuts keep acting where the user was.
void ShowWithoutFocus(QMdiArea& area, QMdiSubWindow& window);
// Closes the child window around dialog, or dialog itself when it stands alone.
void CloseDialogWindow(QWidget& dialog);
// One dialog of a kind at a time: closes every child window of area that holds a W.
template <typename W>
void CloseDialogsOf(QMdiArea& area)
{
    for (QMdiSubWindow* sub : area.subWindowList())
        if (qobject_cast<W*>(sub->widget())) sub->close();
}

// Resizes the child window around content (when it has one) so that content's current size
// and the caption both show in full. Call after content changes its own size.
void FitSubWindow(QWidget& content);

}  // namespace pixador
