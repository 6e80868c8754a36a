#pragma once
// "Merge": the sprite and a second sprite file stacked into one taller sprite, previewed in the
// chosen arrangement and applied on Ok.

#include <QWidget>

#include <array>

#include "compose/merge.h"

class QMdiArea;
class QRadioButton;

namespace pixador {

class PlanesPreview;

class MergeForm : public QWidget {
    Q_OBJECT
public:
    // Shows a panel whose file is already loaded.
    MergeForm(EditorState& state, MergePanel panel, QWidget* parent = nullptr);

    const MergePanel& panel() const { return panel_; }

private:
    // Shows the panel's state without firing the controls' handlers.
    void ShowPanel();
    void CloseWindow();

    EditorState& state_;
    MergePanel panel_;
    std::array<QRadioButton*, kMergeModeCount> modes_{};
    PlanesPreview* preview_;
};

// Opens the dialog over a loaded panel as a modeless child of area, replacing one already open.
MergeForm* ShowMergeForm(QMdiArea& area, EditorState& state, MergePanel panel);

}  // namespace pixador
