#pragma once
// The "C Import Panel": lists the arrays of a scanned C source, previews the chosen one as it
// is decoded and makes it the sprite on Import.

#include <QWidget>

#include <vector>

#include "files/c_import.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QMdiArea;
class QPushButton;
class QRadioButton;

namespace pixador {

struct EditorState;
class PlanesPreview;

class ImportC : public QWidget {
    Q_OBJECT
public:
    ImportC(EditorState& state, std::vector<FoundArray> arrays, QWidget* parent = nullptr);

    const ImportCPanel& panel() const { return panel_; }

private:
    void ArrayList_Click();
    void ParseGrayscale_Click();
    void OkBttn_Click();
    void CancelBttn_Click();
    // Shows the panel's state in the controls without firing their handlers.
    void ShowPanel();
    void CloseWindow();

    EditorState& state_;
    ImportCPanel panel_;
    QCheckBox* parseGrayscale_;
    QGroupBox* gaoFrame_;
    QGroupBox* saFrame_;
    QGroupBox* gacFrame_;
    QRadioButton* dlMode_;
    QRadioButton* ldMode_;
    QComboBox* nSprites_;
    QLabel* sLbl_;
    QListWidget* arrayList_;
    PlanesPreview* preview_;
};

// Opens the panel over arrays as a modeless child of area, replacing one already open.
ImportC* ShowImportC(QMdiArea& area, EditorState& state, std::vector<FoundArray> arrays);

}  // namespace pixador
