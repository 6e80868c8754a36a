#pragma once
// The main window's menu bar: every menu, submenu, separator and item, each QAction and QMenu
// named after its command. Items start disabled; whoever handles an item enables it.

class QMainWindow;

namespace pixador {

// The quick-access items are nine actions all named "QA", with their position 0..8 in the
// "index" property.
void BuildMenuBar(QMainWindow& main);

}  // namespace pixador
