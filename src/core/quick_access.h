#pragma once
// The nine most recently opened sprite files, oldest first.

#include <array>
#include <string>

namespace pixador {

constexpr int kQuickAccessSize = 9;

struct QuickAccessList {
    std::array<std::string, kQuickAccessSize> entries;
    int count = 0;
};

// Appends; a full list drops its oldest entry. A path holding a line break is not added, as
// the list's file keeps one path per line.
void AddQuickAccess(QuickAccessList& list, const std::string& path);
// Exact, case-sensitive comparison against the first count entries.
bool IsInQuickAccess(const QuickAccessList& list, const std::string& path);

}  // namespace pixador
