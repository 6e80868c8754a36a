#pragma once
// The line and number rules shared by the three INI files.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pixador {

inline constexpr const char* kIniLineEnd = "\r\n";

struct IniEntry {
    std::string key;    // lower-cased, trimmed
    std::string value;  // everything after the first '='
};

// A non-negative number gets one leading blank, a negative one its minus sign.
std::string FormatIniNumber(int value);
// The key and value of a line; empty for lines without '=' or starting with it.
std::optional<IniEntry> ParseIniLine(std::string_view line);
// The lines of a file; empty when it is missing or cannot be read.
std::optional<std::vector<std::string>> ReadIniLines(const std::string& path);
// Every line, without any CR or LF of its own, followed by CR LF, replacing the file as a
// whole.
bool WriteIniLines(const std::string& path, const std::vector<std::string>& lines);

}  // namespace pixador
