#include "core/quick_access.h"

#include <algorithm>

#include "core/text_helpers.h"

namespace pixador {

void AddQuickAccess(QuickAccessList& list, const std::string& path)
{
    if (HasLineBreak(path)) return;
    if (list.count < kQuickAccessSize) {
        list.entries[list.count++] = path;
        return;
    }
    std::rotate(list.entries.begin(), list.entries.begin() + 1, list.entries.end());
    list.entries[kQuickAccessSize - 1] = path;
}

bool IsInQuickAccess(const QuickAccessList& list, const std::string& path)
{
    return std::find(list.entries.begin(), list.entries.begin() + list.count, path) !=
           list.entries.begin() + list.count;
}

}  // namespace pixador
