#include "core/app/self_check.h"

#include <QAction>
#include <QCoreApplication>
#include <QListWidget>

#include <iostream>

#include "core/app/main_mdi.h"
#include "core/app/qt_editor_view.h"
#include "core/editor_state.h"

namespace pixador {

namespace {

// No one is there to answer: messages go to standard error, questions get Yes, dialogs nothing.
class AnsweringPrompter : public Prompter {
public:
    MessageAnswer ShowMessage(QWidget*, const MessageRequest& request) override
    {
        std::cerr << request.title << ": " << request.text << '\n';
        return request.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
    std::string ShowOpenDialog(QWidget*, const FileDialogRequest&) override { return {}; }
    std::string ShowSaveDialog(QWidget*, const FileDialogRequest&) override { return {}; }
};

}  // namespace

bool IsSelfCheck(const QStringList& arguments)
{
    return arguments == QStringList{QStringLiteral("--self-check")};
}

int RunSelfCheck(MainMDI& window, QtEditorView& view, const EditorState& state)
{
    AnsweringPrompter prompter;
    view.SetPrompter(&prompter);
    window.MDIForm_Load("");
    window.show();
    QCoreApplication::processEvents();
    std::cout << "settings: " << state.programDir << '\n';

    int listed = 0;
    if (QAction* plugIns = window.findChild<QAction*>("PlugInsMenu")) plugIns->trigger();
    if (auto* list = window.findChild<QListWidget*>("PlugInList")) {
        for (int i = 0; i < list->count(); ++i) std::cout << "plug-in: " << list->item(i)->text().toStdString() << '\n';
        listed = list->count();
    }
    const bool closed = window.close();
    view.SetPrompter(nullptr);
    return listed > 0 && closed ? 0 : 1;
}

}  // namespace pixador
