#pragma once
// The text conventions that differ by platform, as constants, so no other file asks which
// platform it is on.

#include <string_view>

namespace pixador {

// kPathSeparator is what the program writes; kPathSeparators all that the system reads as one.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
inline constexpr std::string_view kPathSeparators = "\\/";
inline constexpr const char* kLineBreak = "\r\n";
// File names that differ only in case name the same file.
inline constexpr bool kFileNamesIgnoreCase = true;
#else
inline constexpr char kPathSeparator = '/';
inline constexpr std::string_view kPathSeparators = "/";
inline constexpr const char* kLineBreak = "\n";
inline constexpr bool kFileNamesIgnoreCase = false;
#endif

constexpr bool IsPathSeparator(char c)
{
    return kPathSeparators.find(c) != std::string_view::npos;
}

}  // namespace pixador
