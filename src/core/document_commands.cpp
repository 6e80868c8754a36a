#include "core/document_commands.h"

#include "core/editor_state.h"
#include "core/editor_view.h"
#include "core/text_helpers.h"
#include "files/pxd_file.h"

namespace pixador {

namespace {

std::string RunFileDialog(EditorState& state, bool save, const std::string& description,
                          const std::string& pattern)
{
    FileDialogRequest request;
    request.title = save ? ".:Pixador :. Save File" : ".:Pixador :. Open File";
    request.description = description;
    request.pattern = pattern;
    request.initialFolder = state.lastDir.empty() ? state.programDir : state.lastDir;
    const std::string chosen = save ? state.view->ShowSaveDialog(request) : state.view->ShowOpenDialog(request);
    const std::string path = TrimBlanks(StripNulls(chosen));
    if (!path.empty()) state.lastDir = DirectoryOf(path);
    return path;
}

}  // namespace

std::string ShowOpenDialog(EditorState& state, const std::string& description, const std::string& pattern)
{
    return RunFileDialog(state, false, description, pattern);
}

std::string ShowSaveDialog(EditorState& state, const std::string& description, const std::string& pattern)
{
    return RunFileDialog(state, true, description, pattern);
}

void SaveBttn_Click(EditorState& state)
{
    if (state.fileName.empty()) {
        SaveAsBttn_Click(state);
        return;
    }
    SaveSprite(state, state.fileName);
}

void SaveAsBttn_Click(EditorState& state)
{
    SaveSprite(state, ShowSaveDialog(state, kPxdDescription, kPxdPattern));
}

}  // namespace pixador
