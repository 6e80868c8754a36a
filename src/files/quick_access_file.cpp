#include "files/quick_access_file.h"

#include "core/editor_state.h"
#include "core/prompts.h"
#include "files/ini_text.h"

namespace pixador {

void ReadQuickAccess(EditorState& state, const std::string& path)
{
    state.quickAccess = QuickAccessList{};
    const std::optional<std::vector<std::string>> lines = ReadIniLines(path);
    if (!lines) {
        WriteQuickAccess(state, path);
        return;
    }
    for (const std::string& line : *lines) AddQuickAccess(state.quickAccess, line);
}

bool WriteQuickAccess(EditorState& state, const std::string& path)
{
    const QuickAccessList& q = state.quickAccess;
    if (WriteIniLines(path, std::vector<std::string>(q.entries.begin(), q.entries.begin() + q.count))) return true;
    ShowErrorMessage(state, "Error while trying to save QuickAccess list to " + path + "!");
    return false;
}

}  // namespace pixador
