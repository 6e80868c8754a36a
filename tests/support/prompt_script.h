#pragma once
// Scripted answers to message boxes and file dialogs, and the record of what was asked. Shared
// by the model tests' fake view and the window tests' prompter.

#include <deque>
#include <string>
#include <vector>

#include "core/editor_view.h"

namespace pixador::testing {

struct PromptScript {
    // Taken in order; an exhausted script answers No and "" (cancel).
    std::deque<MessageAnswer> answers;
    std::deque<std::string> openPaths;
    std::deque<std::string> savePaths;

    std::vector<MessageRequest> messages;
    std::vector<FileDialogRequest> openRequests;
    std::vector<FileDialogRequest> saveRequests;

    MessageAnswer Answer(const MessageRequest& request)
    {
        messages.push_back(request);
        if (request.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
        if (answers.empty()) return MessageAnswer::No;
        const MessageAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::string OpenPath(const FileDialogRequest& request)
    {
        openRequests.push_back(request);
        return Take(openPaths);
    }
    std::string SavePath(const FileDialogRequest& request)
    {
        saveRequests.push_back(request);
        return Take(savePaths);
    }
    // The text of the last message shown, or "".
    std::string LastMessage() const { return messages.empty() ? std::string() : messages.back().text; }

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
