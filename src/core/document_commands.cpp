#include "core/document_commands.h"

#include "core/editor_state.h"
#include "core/editor_view.h"
#include "core/text_helpers.h"
#include "core/prompts.h"
#include "files/file_io.h"
#include "files/pxd_file.h"
#include "files/quick_access_file.h"
#include "files/recovery.h"
#include "files/window_arrangement.h"
#include "core/whole_sprite.h"

namespace pixador {

namespace {

std::string QuickAccessPath(const EditorState& state)
{
    return JoinPath(state.programDir, "QAccess.ini");
}

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

void NewBttn_Click(EditorState& state, const std::function<void()>& openNewSpriteDialog)
{
    if (ConfirmIrreversible(state) && openNewSpriteDialog) openNewSpriteDialog();
}

void LoadBttn_Click(EditorState& state)
{
    if (!state.saved) AskSaveChanges(state);
    LoadSprite(state, ShowOpenDialog(state, kPxdDescription, kPxdPattern));
    RefreshQuickAccessMenu(state);
    WriteQuickAccess(state, QuickAccessPath(state));
}

void RestoreBttn_Click(EditorState& state)
{
    if (state.fileName.empty()) {
        ShowErrorMessage(state, "The file hasn't been saved before!");
        return;
    }
    if (!ConfirmIrreversible(state)) return;
    // A copy: a successful load assigns fileName while reading from it.
    const std::string path = state.fileName;
    LoadSprite(state, path);
    RefreshQuickAccessMenu(state);
}

void QA_Click(EditorState& state, int index)
{
    if (index < 0 || index >= kQuickAccessSize) return;
    const std::string path = state.quickAccess.entries[index];
    if (path.empty() || !ConfirmIrreversible(state)) return;
    if (!state.saved) AskSaveChanges(state);
    LoadSprite(state, path);
    // The load may have moved the entries; the captions must name what each item opens.
    RefreshQuickAccessMenu(state);
}

void ClearQABttn_Click(EditorState& state)
{
    state.quickAccess = QuickAccessList{};
    RefreshQuickAccessMenu(state);
    WriteQuickAccess(state, QuickAccessPath(state));
}

std::string QuickAccessCaption(const EditorState& state, int index)
{
    return "&" + std::to_string(index + 1) + " " + FileNameOf(state.quickAccess.entries[index]);
}

void RefreshQuickAccessMenu(EditorState& state)
{
    for (int i = 0; i < kQuickAccessSize; ++i) state.view->SetCommandCaption("QA", i, QuickAccessCaption(state, i));
}

bool IsSpriteFileDrop(const std::vector<std::string>& files)
{
    if (files.empty()) return false;
    return EndsWithNoCase(files.back(), ".pxd");
}

void MDIForm_OLEDragDrop(EditorState& state, const std::vector<std::string>& files)
{
    if (!IsSpriteFileDrop(files) || !ConfirmIrreversible(state)) return;
    LoadSprite(state, files.back());
    RedrawCanvas(state);
    RefreshQuickAccessMenu(state);
}

bool MDIForm_QueryUnload(EditorState& state)
{
    // Declining to save gives the changes up, and their copy with them.
    if (!state.saved && !AskSaveChanges(state) && state.recovery) state.recovery->Remove();
    const bool quit = AskQuestion(state, "Are you sure you want to quit?", kBanner);
    WriteWindowArrangement(state, JoinPath(state.programDir, "PxdWinPos.ini"));
    if (quit && state.recovery) state.recovery->Remove();
    return quit;
}

void HelpBttn_Click(EditorState& state, const std::string& manualDir)
{
    std::vector<std::string> candidates{JoinPath(state.programDir, kHelpFile)};
    if (!manualDir.empty() && manualDir != state.programDir) candidates.push_back(JoinPath(manualDir, kHelpFile));
    // Where no compiled help is installed, the manual page that ships with the program.
    candidates.push_back(JoinPath(manualDir.empty() ? state.programDir : manualDir, kManualFile));
    for (const std::string& path : candidates) {
        if (FileExists(path) && state.view->OpenDocument(path)) return;
    }
    ShowErrorMessage(state, "Error while trying to load help file!");
}

}  // namespace pixador
