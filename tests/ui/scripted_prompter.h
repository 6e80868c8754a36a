#pragma once
// A prompter for window tests: answers message boxes and file dialogs from scripts and records
// what was asked.

#include <QApplication>

#include <deque>
#include <string>
#include <vector>

#include "core/app/qt_editor_view.h"
#include "ui/activation.h"
#include "support/prompt_script.h"

namespace pixador::testing {

class ScriptedPrompter : public Prompter, public PromptScript {
public:
    MessageAnswer ShowMessage(QWidget* owner, const MessageRequest& request) override
    {
        ownerShownAtLastMessage = owner && owner->isVisible();
        // Like a real modal box: the owner is no longer the active window when it closes.
        if (takesActivation) LeaveNoWindowActive();
        return Answer(request);
    }
    bool takesActivation = false;
    std::string ShowOpenDialog(QWidget*, const FileDialogRequest& request) override { return OpenPath(request); }
    std::string ShowSaveDialog(QWidget*, const FileDialogRequest& request) override { return SavePath(request); }
    bool ownerShownAtLastMessage = false;
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> t;
        for (const MessageRequest& m : messages) t.push_back(m.text);
        return t;
    }
};

}  // namespace pixador::testing
