#include "files/ini_text.h"

#include "core/text_helpers.h"
#include "files/file_io.h"

namespace pixador {

std::string FormatIniNumber(int value)
{
    std::string text = value < 0 ? std::string() : std::string(1, ' ');
    text += std::to_string(value);
    return text;
}

std::optional<IniEntry> ParseIniLine(std::string_view line)
{
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos || eq == 0) return std::nullopt;
    return IniEntry{ToLowerAscii(TrimBlanks(line.substr(0, eq))), std::string(line.substr(eq + 1))};
}

std::optional<std::vector<std::string>> ReadIniLines(const std::string& path)
{
    std::optional<std::string> text = ReadFileBytes(path);
    if (!text) return std::nullopt;
    return SplitLines(*text);
}

bool WriteIniLines(const std::string& path, const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        // One entry per line: a value holding a line break would read back as two.
        text += HasLineBreak(line) ? DropLineBreaks(line) : line;
        text += kIniLineEnd;
    }
    return WriteFileAtomically(path, text).ok();
}

}  // namespace pixador
