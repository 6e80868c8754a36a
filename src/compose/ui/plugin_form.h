#pragma once
// The plug-in dialog: the plug-ins of filters/ on one page, the chosen one's parameters on the
// other, and "Use it!" to apply it to the sprite.

#include <QWidget>

#include <string>

#include "compose/plugin_form_logic.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QMdiArea;
class QTabBar;

namespace pixador {

struct EditorState;

class PlugInForm : public QWidget {
    Q_OBJECT
public:
    PlugInForm(EditorState& state, PlugRunLibrary& plugrun, const std::string& programDir, QWidget* parent = nullptr);

    const PlugInFormLogic& logic() const { return logic_; }

private:
    // Shows the logic's fields in the controls without firing their handlers.
    void ShowLogic();
    void CloseWindow();

    // The current row changed under a mouse press; the click that ends it is no reselection.
    bool rowChangedByPress_ = false;

    PlugInFormLogic logic_;
    QTabBar* tab_;
    QWidget* pages_[2];
    QListWidget* plugInList_;
    QGroupBox* spFrame_;
    QComboBox* sParaList_;
    QLineEdit* sParaVal_;
    QGroupBox* lpFrame_;
    QComboBox* lParaList_;
    QComboBox* lParaOptions_;
};

// Opens the dialog as a modeless child of area and lists the plug-ins (an open one is replaced).
PlugInForm* OpenPlugInForm(QMdiArea& area, EditorState& state, PlugRunLibrary& plugrun, const std::string& programDir);

}  // namespace pixador
