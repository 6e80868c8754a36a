#pragma once
// A prompter for window tests: answers message boxes and file dialogs from scripts and records
// what was asked.

#include <deque>
#include <string>
#include <vector>

#include "core/app/qt_editor_view.h"

namespace pixador::testing {

class ScriptedPrompter : public Prompter {
public:
    std::deque<MessageAnswer> answers;  // exhausted: No
    std::deque<std::string> openPaths;  // exhausted: "" (cancel)
    std::deque<std::string> savePaths;
    std::vector<MessageRequest> messages;
    std::vector<FileDialogRequest> openRequests;
    std::vector<FileDialogRequest> saveRequests;

    MessageAnswer ShowMessage(QWidget*, const MessageRequest& request) override
    {
        messages.push_back(request);
        if (request.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
        if (answers.empty()) return MessageAnswer::No;
        const MessageAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::string ShowOpenDialog(QWidget*, const FileDialogRequest& request) override
    {
        openRequests.push_back(request);
        return Take(openPaths);
    }
    std::string ShowSaveDialog(QWidget*, const FileDialogRequest& request) override
    {
        saveRequests.push_back(request);
        return Take(savePaths);
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> t;
        for (const MessageRequest& m : messages) t.push_back(m.text);
        return t;
    }

private:
    static std::string Take(std::deque<std::string>& script)
    {
        if (script.empty()) return {};
        std::string s = script.front();
        script.pop_front();
        return s;
    }
};

}  // namespace pixador::testing
