#include "core/text_helpers.h"

#include <algorithm>
#include <array>

namespace pixador {

std::string JoinPath(std::string_view folder, std::string_view name)
{
    std::string out(folder);
    if (out.empty() || !IsPathSeparator(out.back())) out += kPathSeparator;
    out += name;
    return out;
}

std::string DirectoryOf(std::string_view path)
{
    const std::size_t pos = path.find_last_of(kPathSeparators);
    if (pos == std::string_view::npos || pos == 0) return {};
    return std::string(path.substr(0, pos));
}

std::string FileNameOf(std::string_view path)
{
    const std::size_t pos = path.find_last_of(kPathSeparators);
    if (pos == std::string_view::npos) return std::string(path);
    return std::string(path.substr(pos + 1));
}

std::string StripNulls(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != '\0') out += c;
    return out;
}

std::string ReplaceChar(std::string_view text, char from, char to)
{
    std::string out(text);
    std::replace(out.begin(), out.end(), from, to);
    return out;
}

std::string SplitFirst(std::string& rest, char ch)
{
    const std::size_t pos = rest.find(ch);
    if (pos == std::string::npos) {
        std::string all = std::move(rest);
        rest.clear();
        return all;
    }
    std::string head = rest.substr(0, pos);
    rest.erase(0, pos + 1);
    return head;
}

int CountChar(std::string_view text, char ch)
{
    return static_cast<int>(std::count(text.begin(), text.end(), ch));
}

std::string DigitName(int digit)
{
    static const std::array<const char*, 10> names{"Zero", "One", "Two",   "Three", "Four",
                                                   "Five", "Six", "Seven", "Eight", "Nine"};
    if (digit < 0 || digit > 9) return {};
    return names[digit];
}

std::string ToLowerAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string ToUpperAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string TrimBlanks(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    std::size_t b = 0;
    std::size_t e = text.size();
    while (b < e && blank(text[b])) ++b;
    while (e > b && blank(text[e - 1])) --e;
    return std::string(text.substr(b, e - b));
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix)
{
    if (text.size() < suffix.size()) return false;
    return ToLowerAscii(text.substr(text.size() - suffix.size())) == ToLowerAscii(suffix);
}

bool HasLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

std::string DropLineBreaks(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != '\r' && c != '\n') out += c;
    return out;
}

}  // namespace pixador
