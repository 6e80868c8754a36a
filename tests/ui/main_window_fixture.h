#pragma once
// The real main window over a temporary program folder, with scripted answers to its questions.

#include <QAction>
#include <QCoreApplication>

#include <memory>
#include <string>

#include "core/app/main_mdi.h"
#include "core/app/qt_editor_view.h"
#include "core/editor_state.h"
#include "support/temp_dir.h"
#include "ui/scripted_prompter.h"

namespace pixador::testing {

// Lets queued events run and windows closed with deleteLater go.
inline void Settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct MainWindowFixture {
    explicit MainWindowFixture(const std::string& commandLine = "", bool load = true) : state(view)
    {
        state.programDir = dir.str();
        view.SetPrompter(&prompter);
        window = std::make_unique<MainMDI>(state, view);
        if (load) Load(commandLine);
    }
    ~MainWindowFixture()
    {
        // Leave without questions: the process must not wait on a prompt.
        window->hide();
        window.reset();
    }
    void Load(const std::string& commandLine)
    {
        window->MDIForm_Load(commandLine);
        window->show();
    }
    QAction* Action(const char* name) const { return window->findChild<QAction*>(name); }
    void Trigger(const char* name)
    {
        QAction* a = Action(name);
        ASSERT_NE(a, nullptr) << name;
        ASSERT_TRUE(a->isEnabled()) << name;
        a->trigger();
    }
    QString Title() const { return window->windowTitle(); }

    TempDir dir;
    ScriptedPrompter prompter;
    QtEditorView view;
    EditorState state;
    std::unique_ptr<MainMDI> window;
};

}  // namespace pixador::testing
