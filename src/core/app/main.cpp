#include <QApplication>

#include "core/app/main_mdi.h"
#include "core/app/program_dir.h"
#include "core/app/qt_editor_view.h"
#include "core/app/self_check.h"
#include "core/editor_state.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Pixador");

    pixador::QtEditorView view;
    pixador::EditorState state(view);
    state.programDir = pixador::ChooseProgramDir();

    pixador::MainMDI window(state, view);

    // The command line is one path, possibly with blanks and surrounding quotes.
    QStringList args = QApplication::arguments();
    args.removeFirst();
    if (pixador::IsSelfCheck(args)) return pixador::RunSelfCheck(window, view, state);
    window.MDIForm_Load(args.join(' ').toStdString());
    window.show();
    return QApplication::exec();
}
