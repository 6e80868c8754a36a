#pragma once
// Generated text compared with expectations written with "\n" on every platform.

#include <string>
#include <string_view>

#include "platform/conventions.h"

namespace pixador::testing {

// Each platform line break as "\n". Any other line end left in the text shows as "<CR>" or
// "<LF>", so a text that mixes line breaks never matches.
inline std::string AsLf(std::string_view text)
{
    const std::string_view lineBreak = kLineBreak;
    if (lineBreak == "\n") return std::string(text);
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (text.substr(i).starts_with(lineBreak)) {
            out += '\n';
            i += lineBreak.size();
        } else {
            if (text[i] == '\r') out += "<CR>";
            else if (text[i] == '\n') out += "<LF>";
            else out += text[i];
            ++i;
        }
    }
    return out;
}

}  // namespace pixador::testing
