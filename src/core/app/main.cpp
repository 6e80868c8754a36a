#include <QApplication>

#include <cstdio>
#include <cstring>

#include "core/app/font_warm_up.h"
#include "core/app/main_mdi.h"
#include "core/app/program_dir.h"
#include "core/app/qt_editor_view.h"
#include "core/app/self_check.h"
#include "core/editor_state.h"
#include "core/text_helpers.h"
#include "core/ui/deferred_icon_style.h"
#include "core/version.h"
#include "files/recovery.h"
#include "platform/output_mode.h"

int main(int argc, char** argv)
{
    const bool version = argc == 2 && std::strcmp(argv[1], "--version") == 0;
    // Both answer on standard output, from the Windows desktop build too.
    if (version || (argc == 2 && std::strcmp(argv[1], "--self-check") == 0)) pixador::WriteToParentConsole();
    // Answered before any window system is reached, so it works without a display.
    if (version) {
        std::printf("Pixador %s\n", pixador::kVersion);
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Pixador");
    // In front of the style Qt chose (the platform's, or one named by -style or QT_STYLE_OVERRIDE).
    QApplication::setStyle(new pixador::DeferredIconStyle(QApplication::style()->name()));
    pixador::FontWarmUp fonts;

    pixador::QtEditorView view;
    pixador::EditorState state(view);
    state.programDir = pixador::ChooseProgramDir();

    pixador::MainMDI window(state, view, [&fonts] { fonts.Wait(); });

    // The command line is one path, possibly with blanks and surrounding quotes.
    QStringList args = QApplication::arguments();
    args.removeFirst();
    if (pixador::IsSelfCheck(args)) return pixador::RunSelfCheck(window, view, state);

    // Not for the self-check, which answers every question Yes and would take a copy back.
    const std::string recoveryFolder = pixador::JoinPath(state.programDir, pixador::kRecoveryFolder);
    pixador::SlotLocks locks(recoveryFolder);
    pixador::RecoveryCopy recovery(recoveryFolder, locks);
    state.recovery = &recovery;
    window.MDIForm_Load(args.join(' ').toStdString());
    window.show();
    return QApplication::exec();
}
