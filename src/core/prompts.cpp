#include "core/prompts.h"

#include "core/document_commands.h"
#include "core/editor_state.h"
#include "core/editor_view.h"
#include "files/file_io.h"

namespace pixador {

void ShowErrorMessage(EditorState& state, const std::string& text)
{
    state.view->ShowMessage({kErrorTitle, text, MessageIcon::Critical, MessageButtons::Ok});
}

bool AskQuestion(EditorState& state, const std::string& text, const std::string& title)
{
    return state.view->ShowMessage({title, text, MessageIcon::None, MessageButtons::YesNo}) ==
           MessageAnswer::Yes;
}

bool ConfirmIrreversible(EditorState& state)
{
    if (!state.preferences.PromptForErasure) return true;
    if (!AskQuestion(state, std::string("The Following operation will make irreversible changes in your current drawing.") +
                                kMessageLineBreak + "Do you want to continue?"))
        return false;
    if (!state.saved) AskSaveChanges(state);
    return true;
}

bool AskSaveChanges(EditorState& state)
{
    if (!AskQuestion(state, std::string("your Sprite have changed since the last time you saved it.") +
                                kMessageLineBreak + "Do you want to save it now?"))
        return false;
    SaveBttn_Click(state);
    return true;
}

bool ConfirmOverwrite(EditorState& state, const std::string& path)
{
    if (!FileExists(path)) return true;
    return AskQuestion(state, "File " + path + " already Exists. Overwrite?");
}

}  // namespace pixador
