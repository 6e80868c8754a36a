#pragma once
// Paths as the program keeps them, UTF-8 text, and as std::filesystem takes them (wide on
// Windows, where a plain string would be read in the system's code page).

#include <filesystem>
#include <string>

namespace pixador {

inline std::filesystem::path PathFromUtf8(const std::string& utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string Utf8OfPath(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace pixador
