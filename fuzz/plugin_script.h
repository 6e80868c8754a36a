#pragma once
// A plug-in's parameter declarations as text, one filterlib call a line, so that the seeds read
// like the config entry points they copy:
//   S label|value   add_spara(params, label, value)
//   L label|n       list_init(&list, label, n)
//   O option        add_listop(&list, option)
//   P               add_lpara(params, list)
// Texts are passed as C strings of exactly their own length, so a read past the NUL is caught.

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "filterlib.h"

namespace pixador::fuzz {

inline std::vector<char> CText(std::string_view text)
{
    std::vector<char> c(text.begin(), text.end());
    c.push_back('\0');
    return c;
}

// Runs one line against the record and the list being built; false for a line it does not know.
inline bool RunScriptLine(std::string_view line, FilterParams& params, ListPara& list)
{
    if (line.empty()) return false;
    const std::string_view arg = line.substr(1);
    const std::size_t bar = arg.find('|');
    const std::string_view first = arg.substr(0, bar);
    const std::string_view second = bar == std::string_view::npos ? std::string_view() : arg.substr(bar + 1);
    switch (line[0]) {
    case 'S': {
        const std::vector<char> label = CText(first), value = CText(second);
        add_spara(&params, label.data(), value.data());
        return true;
    }
    case 'L': {
        const std::vector<char> label = CText(first);
        const long selected = std::strtol(CText(second).data(), nullptr, 10);
        list_init(&list, label.data(), static_cast<int>(std::clamp<long>(selected, INT_MIN, INT_MAX)));
        return true;
    }
    case 'O': {
        const std::vector<char> option = CText(arg);
        add_listop(&list, option.data());
        return true;
    }
    case 'P': add_lpara(&params, list); return true;
    default: return false;
    }
}

// The record a config entry point leaves after running the whole script.
inline void RunScript(std::string_view script, FilterParams& params)
{
    ListPara list{};
    while (!script.empty()) {
        const std::size_t end = script.find('\n');
        RunScriptLine(script.substr(0, end), params, list);
        script = end == std::string_view::npos ? std::string_view() : script.substr(end + 1);
    }
}

}  // namespace pixador::fuzz
