#pragma once
// The plug-in dialog's rules: the plug-ins of filters/ beside the program, the parameters the
// selected one declares, and applying it to the sprite. The window shows these fields.

#include <string>
#include <vector>

#include "compose/plugin_host.h"

namespace pixador {

struct EditorState;

class PlugInFormLogic {
public:
    // plugrun and filters/ are looked for in programDir, the executable's folder.
    PlugInFormLogic(EditorState& state, PlugRunLibrary& plugrun, std::string programDir);

    // Lists every plug-in whose name entry answers and selects the first one.
    void Form_Load();
    // Resets the record and lets the plug-in declare its parameters.
    void PlugInList_Click(int row);
    void SParaList_Click(int entry);
    // Stores a non-empty text, line breaks dropped and cut to what a field holds.
    void SParaVal_Change(const std::string& text);
    void LParaList_Click(int entry);
    void LParaOptions_Click(int option);
    void PlugInMethodTab_Click(int tab);
    // Runs the plug-in; true when the dialog should close.
    bool ApplyFilter_Click();

    std::vector<std::string> PluginPaths;
    FilterParams CurrentParams{};

    // What the controls show; -1 selects nothing.
    std::vector<std::string> plugInList;
    int plugInRow = -1;
    std::vector<std::string> sParaList;
    int sParaRow = -1;
    std::string sParaVal;
    std::vector<std::string> lParaList;
    int lParaRow = -1;
    std::vector<std::string> lParaOptions;
    int lParaOption = -1;
    bool spFrameVisible = true;
    bool lpFrameVisible = true;
    int page = 0;
    std::vector<std::string> tabCaptions;

private:
    // Bound exports, or nullptr (after telling the user) when plugrun is missing.
    const PlugRunExports* Plugrun();

    EditorState& state_;
    PlugRunLibrary& plugrun_;
    std::string programDir_;
};

}  // namespace pixador
