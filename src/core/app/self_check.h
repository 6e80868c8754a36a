#pragma once
// "Pixador --self-check", for install checks: the program starts as usual, opens the plug-in
// dialog, prints where it keeps its settings and the plug-ins the dialog lists, and quits the
// usual way with every question answered Yes. Exit status 0 when plug-ins were listed and the
// window closed.

#include <QStringList>

namespace pixador {

class MainMDI;
class QtEditorView;
struct EditorState;

bool IsSelfCheck(const QStringList& arguments);
int RunSelfCheck(MainMDI& window, QtEditorView& view, const EditorState& state);

}  // namespace pixador
