#include "compose/ui/compose_commands.h"

#include <QAction>
#include <QMainWindow>
#include <QMdiArea>

#include "compose/merge.h"
#include "compose/ui/mask_form.h"
#include "compose/ui/merge_form.h"

namespace pixador {

namespace {

template <typename Handler>
void Hook(QMainWindow& main, const char* name, Handler handler)
{
    QAction* action = main.findChild<QAction*>(name);
    if (!action) return;
    QObject::connect(action, &QAction::triggered, &main, handler);
    action->setEnabled(true);
}

}  // namespace

void ConnectComposeCommands(QMainWindow& main, EditorState& state)
{
    QMainWindow* window = &main;
    EditorState* s = &state;
    // MaskMenu_Click only shows the panel.
    Hook(main, "MaskMenu", [window, s] {
        if (QMdiArea* area = window->findChild<QMdiArea*>()) ShowMaskForm(*area, *s);
    });
    Hook(main, "MergeSprite", [window, s] {
        QMdiArea* area = window->findChild<QMdiArea*>();
        if (!area) return;
        MergePanel panel;
        if (MergeSprite_Click(*s, panel)) ShowMergeForm(*area, *s, std::move(panel));
    });
}

}  // namespace pixador
