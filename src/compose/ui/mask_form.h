#pragma once
// "Pixador Mask Panel": the sprite combined with a mask sprite file, one logical operation per
// plane, previewed live and applied on Ok.

#include <QWidget>

#include <array>

#include "compose/mask.h"

class QLineEdit;
class QMdiArea;
class QRadioButton;

namespace pixador {

class PlanesPreview;

class MaskForm : public QWidget {
    Q_OBJECT
public:
    explicit MaskForm(EditorState& state, QWidget* parent = nullptr);

    const MaskPanel& panel() const { return panel_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Hands typed text to the panel; false when it was refused.
    bool CommitMaskFile();
    void OkBttn_Click();
    // Shows the panel's state without firing the controls' handlers.
    void ShowPanel();
    void CloseWindow();

    EditorState& state_;
    MaskPanel panel_;
    QLineEdit* maskFile_;
    // [plane][code]
    std::array<std::array<QRadioButton*, kMaskOpCount>, 2> options_{};
    PlanesPreview* preview_;
};

// Opens the panel as a modeless child of area, replacing one already open.
MaskForm* ShowMaskForm(QMdiArea& area, EditorState& state);

}  // namespace pixador
