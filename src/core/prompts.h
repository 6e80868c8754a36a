#pragma once
// Message boxes and the three confirmation questions.

#include <string>

namespace pixador {

struct EditorState;

inline constexpr const char* kBanner = ".:: Pixador Sprite Editor for TIGCC ::. ";
inline constexpr const char* kErrorTitle = "Error!!! Run for your lives!!";
inline constexpr const char* kWarningTitle = "Warning!!";
// Joins the two lines of a message.
inline constexpr const char* kMessageLineBreak = "\r\n";

// Critical icon, OK button, the error title.
void ShowErrorMessage(EditorState& state, const std::string& text);
// Yes and No, no icon; true on Yes.
bool AskQuestion(EditorState& state, const std::string& text, const std::string& title = kWarningTitle);

// Asks before a change that cannot be undone (unless the preference is off), offering to save.
bool ConfirmIrreversible(EditorState& state);
// Offers to save; either way the caller goes on. False when the user declined.
bool AskSaveChanges(EditorState& state);
// True when path does not exist or the user agrees to replace it. The old file stays on disk:
// writers replace it only once the new content is written in full.
bool ConfirmOverwrite(EditorState& state, const std::string& path);

}  // namespace pixador
