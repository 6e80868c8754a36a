#pragma once
// The editor's side of plugrun: binding its exports from the library beside the program, the
// plug-in files of a folder, and the working rectangle handed to plug-ins.

#include <string>
#include <vector>

#include "platform/dynamic_library.h"
#include "plugrun.h"

namespace pixador {

struct EditorState;

// plugrun's exports, as bound by name.
struct PlugRunExports {
    decltype(&::filter_getname) filter_getname = nullptr;
    decltype(&::filter_conf) filter_conf = nullptr;
    decltype(&::filter_apply) filter_apply = nullptr;
    decltype(&::cstructrst) cstructrst = nullptr;
    decltype(&::get_totals) get_totals = nullptr;
    decltype(&::get_totall) get_totall = nullptr;
    decltype(&::get_slabel) get_slabel = nullptr;
    decltype(&::get_string) get_string = nullptr;
    decltype(&::set_string) set_string = nullptr;
    decltype(&::get_llabel) get_llabel = nullptr;
    decltype(&::get_totalops) get_totalops = nullptr;
    decltype(&::get_selected) get_selected = nullptr;
    decltype(&::set_selected) set_selected = nullptr;
    decltype(&::get_option) get_option = nullptr;
};

// plugrun in a program folder, loaded on the first call to Exports and kept until destruction.
class PlugRunLibrary {
public:
    explicit PlugRunLibrary(std::string programDir);
    ~PlugRunLibrary();
    PlugRunLibrary(const PlugRunLibrary&) = delete;
    PlugRunLibrary& operator=(const PlugRunLibrary&) = delete;

    // Every export bound, or nullptr when the library does not load or lacks one; a later call
    // tries again.
    const PlugRunExports* Exports();
    std::string Path() const;
    // Why the last Exports failed, as the user is told.
    const std::string& Problem() const { return problem_; }

private:
    std::string programDir_;
    void* handle_ = nullptr;
    bool bound_ = false;
    PlugRunExports exports_;
    std::string problem_;
};

// Plug-in files of folder: regular files with the platform's library suffix, in name order so
// the list reads the same on every run. A missing folder gives none.
std::vector<std::string> ListPluginFiles(const std::string& folder);

// The rectangle plug-ins may change: the active area, clipped to the sprite (a selection may
// reach past it).
FilterArea PluginArea(const EditorState& state);

// A text field read back from plugrun: up to its NUL, at most 15 characters.
std::string FieldText(const char* buffer);

}  // namespace pixador
