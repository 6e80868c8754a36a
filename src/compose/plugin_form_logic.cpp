#include "compose/plugin_form_logic.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "core/editor_state.h"
#include "core/editor_view.h"
#include "core/history.h"
#include "core/prompts.h"
#include "core/text_helpers.h"

namespace pixador {

namespace {

// The editor's name buffer holds 255 bytes; the slack behind it soaks up a plug-in that
// writes a little past the end.
constexpr std::size_t kNameSize = 255;
constexpr std::size_t kNameRoom = 1024;

// Labels and options come back through 18-byte buffers, value texts through 16.
constexpr std::size_t kLabelSize = 18;

// A count from the record, held to what the record can hold.
int Entries(int count)
{
    return std::clamp(count, 0, PXD_MAX_ENTRIES);
}

}  // namespace

PlugInFormLogic::PlugInFormLogic(EditorState& state, PlugRunLibrary& plugrun, std::string programDir)
    : state_(state), plugrun_(plugrun), programDir_(std::move(programDir))
{
}

const PlugRunExports* PlugInFormLogic::Plugrun()
{
    const PlugRunExports* x = plugrun_.Exports();
    if (!x) ShowErrorMessage(state_, plugrun_.Problem());
    return x;
}

void PlugInFormLogic::Form_Load()
{
    plugInList.clear();
    PluginPaths.clear();
    plugInRow = -1;
    if (const PlugRunExports* x = Plugrun()) {
        const std::string folder = JoinPath(programDir_, "filters");
        for (const std::string& file : ListPluginFiles(folder)) {
            const std::string path = JoinPath(folder, file);
            std::array<char, kNameRoom> name{};
            if (x->filter_getname(path.c_str(), name.data()) != 1) continue;
            PluginPaths.push_back(path);
            plugInList.emplace_back(name.data(), strnlen(name.data(), kNameSize));
        }
        if (!plugInList.empty()) PlugInList_Click(0);
    }
    tabCaptions = {"Plugin", "Configuration"};
}

void PlugInFormLogic::PlugInList_Click(int row)
{
    const PlugRunExports* x = plugrun_.Exports();
    CurrentParams = FilterParams{};
    sParaList.clear();
    lParaList.clear();
    lParaOptions.clear();
    sParaRow = lParaRow = lParaOption = -1;
    sParaVal.clear();
    FilterArea area = PluginArea(state_);
    plugInRow = row >= 0 && row < static_cast<int>(PluginPaths.size()) ? row : -1;
    if (!x || plugInRow < 0) return;
    x->cstructrst(&CurrentParams);
    if (x->filter_conf(PluginPaths[plugInRow].c_str(), &area, &CurrentParams) != 1) return;

    std::array<char, kLabelSize> text{};
    for (int i = 0; i < Entries(x->get_totals(&CurrentParams)); ++i) {
        x->get_slabel(&CurrentParams, i, text.data());
        sParaList.push_back(FieldText(text.data()));
    }
    spFrameVisible = !sParaList.empty();
    if (spFrameVisible) SParaList_Click(0);
    for (int i = 0; i < Entries(x->get_totall(&CurrentParams)); ++i) {
        x->get_llabel(&CurrentParams, i, text.data());
        lParaList.push_back(FieldText(text.data()));
    }
    if (!lParaList.empty()) LParaList_Click(0);
    lpFrameVisible = !lParaList.empty();
}

void PlugInFormLogic::SParaList_Click(int entry)
{
    const PlugRunExports* x = plugrun_.Exports();
    if (!x || entry < 0 || entry >= static_cast<int>(sParaList.size())) return;
    sParaRow = entry;
    std::array<char, PXD_TEXT_SIZE> value{};
    x->get_string(&CurrentParams, entry, value.data());
    sParaVal = FieldText(value.data());
}

void PlugInFormLogic::SParaVal_Change(const std::string& text)
{
    sParaVal.clear();
    for (char c : text)
        if (c != '\r' && c != '\n') sParaVal += c;
    const PlugRunExports* x = plugrun_.Exports();
    if (!x || sParaRow < 0 || sParaVal.empty()) return;
    const std::string stored = sParaVal.substr(0, PXD_TEXT_SIZE - 1);
    x->set_string(&CurrentParams, sParaRow, stored.c_str());
}

void PlugInFormLogic::LParaList_Click(int entry)
{
    const PlugRunExports* x = plugrun_.Exports();
    lParaOptions.clear();
    lParaOption = -1;
    if (!x || entry < 0 || entry >= static_cast<int>(lParaList.size())) return;
    lParaRow = entry;
    std::array<char, kLabelSize> text{};
    for (int j = 0; j < Entries(x->get_totalops(&CurrentParams, entry)); ++j) {
        x->get_option(&CurrentParams, entry, j, text.data());
        lParaOptions.push_back(FieldText(text.data()));
    }
    // A default that names no option selects none.
    const int selected = x->get_selected(&CurrentParams, entry);
    if (selected >= 0 && selected < static_cast<int>(lParaOptions.size())) lParaOption = selected;
}

void PlugInFormLogic::LParaOptions_Click(int option)
{
    const PlugRunExports* x = plugrun_.Exports();
    if (!x || lParaRow < 0 || option < 0 || option >= static_cast<int>(lParaOptions.size())) return;
    lParaOption = option;
    x->set_selected(&CurrentParams, lParaRow, option);
}

void PlugInFormLogic::PlugInMethodTab_Click(int tab)
{
    page = tab == 0 ? 0 : 1;
}

bool PlugInFormLogic::ApplyFilter_Click()
{
    FilterArea area = PluginArea(state_);
    if (plugInRow < 0 || plugInRow >= static_cast<int>(PluginPaths.size())) return false;
    const PlugRunExports* x = Plugrun();
    if (!x) return false;
    const std::string& path = PluginPaths[plugInRow];

    // The undo step comes first, whatever the plug-in answers. The plug-in works on a copy: a
    // failure leaves the sprite, and what the canvas shows, as they were.
    PushUndo(state_);
    SpriteImage& sprite = state_.sprite;
    CellBuffer work = sprite.cells;
    if (x->filter_apply(path.c_str(), work.data(), &area, &CurrentParams) != 1) {
        ShowErrorMessage(state_, "Error while trying to apply " + path + " plug-in!!");
        return false;
    }
    // Cells stay 0 or 1 whatever the plug-in wrote; past the sprite nothing changes.
    const std::size_t used = 2 * static_cast<std::size_t>(sprite.width) * sprite.height;
    for (std::size_t i = 0; i < used; ++i) sprite.cells[i] = work[i] != 0;
    state_.view->RedrawCanvas();
    return true;
}

}  // namespace pixador
