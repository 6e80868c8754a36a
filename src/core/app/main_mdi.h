#pragma once
// The multiple-document main window.

#include <QMainWindow>

#include <string>

namespace pixador {

struct EditorState;

class MainMDI : public QMainWindow {
    Q_OBJECT
public:
    explicit MainMDI(EditorState& state, QWidget* parent = nullptr);

    // Start-up: reads the INI files, creates the first sprite, loads the command-line file.
    void MDIForm_Load(const std::string& commandLine);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void PlaceFromLayout();
    void StoreLayout();

    EditorState& state_;
};

}  // namespace pixador
