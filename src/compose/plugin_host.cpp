#include "compose/plugin_host.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "core/editor_state.h"
#include "core/prompts.h"
#include "core/text_helpers.h"
#include "platform/dynamic_library.h"

namespace pixador {

namespace {

template <typename Fn>
bool Bind(void* lib, const char* name, Fn& into)
{
    into = reinterpret_cast<Fn>(FindSymbol(lib, name));
    return into != nullptr;
}

}  // namespace

PlugRunLibrary::PlugRunLibrary(std::string programDir) : programDir_(std::move(programDir)) {}

PlugRunLibrary::~PlugRunLibrary()
{
    if (handle_) CloseLibrary(handle_);
}

std::string PlugRunLibrary::Path() const
{
    return JoinPath(programDir_, PlugRunFileName());
}

const PlugRunExports* PlugRunLibrary::Exports()
{
    if (bound_) return &exports_;
    const std::string path = Path();
    if (!handle_) handle_ = OpenLibrary(path);
    if (!handle_) {
        problem_ = "Error while trying to load " + path + "!!" + kMessageLineBreak + "Plug-ins cannot run without it.";
        return nullptr;
    }
    PlugRunExports x;
    const std::pair<const char*, bool> checks[] = {
        {"filter_getname", Bind(handle_, "filter_getname", x.filter_getname)},
        {"filter_conf", Bind(handle_, "filter_conf", x.filter_conf)},
        {"filter_apply", Bind(handle_, "filter_apply", x.filter_apply)},
        {"cstructrst", Bind(handle_, "cstructrst", x.cstructrst)},
        {"get_totals", Bind(handle_, "get_totals", x.get_totals)},
        {"get_totall", Bind(handle_, "get_totall", x.get_totall)},
        {"get_slabel", Bind(handle_, "get_slabel", x.get_slabel)},
        {"get_string", Bind(handle_, "get_string", x.get_string)},
        {"set_string", Bind(handle_, "set_string", x.set_string)},
        {"get_llabel", Bind(handle_, "get_llabel", x.get_llabel)},
        {"get_totalops", Bind(handle_, "get_totalops", x.get_totalops)},
        {"get_selected", Bind(handle_, "get_selected", x.get_selected)},
        {"set_selected", Bind(handle_, "set_selected", x.set_selected)},
        {"get_option", Bind(handle_, "get_option", x.get_option)},
    };
    for (const auto& [name, found] : checks) {
        if (found) continue;
        problem_ = "The plug-in library " + path + " has no " + name + "!!" + kMessageLineBreak +
                   "Plug-ins cannot run without it.";
        CloseLibrary(handle_);
        handle_ = nullptr;
        return nullptr;
    }
    exports_ = x;
    bound_ = true;
    problem_.clear();
    return &exports_;
}

std::vector<std::string> ListPluginFiles(const std::string& folder)
{
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(fs::path(folder), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code kind;
        if (!it->is_regular_file(kind)) continue;
        const std::string name = it->path().filename().string();
        if (kFileNamesIgnoreCase ? !EndsWithNoCase(name, PluginFileSuffix()) : !name.ends_with(PluginFileSuffix()))
            continue;
        names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

FilterArea PluginArea(const EditorState& state)
{
    const SpriteImage& s = state.sprite;
    const AreaBounds a = ActiveArea(state);
    const auto narrow = [](int v) { return static_cast<std::int16_t>(v); };
    return FilterArea{s.width,
                      s.height,
                      narrow(std::max(a.x1, 0)),
                      narrow(std::max(a.y1, 0)),
                      narrow(std::min(a.x2, s.width - 1)),
                      narrow(std::min(a.y2, s.height - 1))};
}

std::string FieldText(const char* buffer)
{
    return std::string(buffer, strnlen(buffer, PXD_TEXT_SIZE - 1));
}

}  // namespace pixador
