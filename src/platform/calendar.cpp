#include "platform/calendar.h"

namespace pixador {

std::optional<std::tm> UtcCalendarTime(std::time_t seconds)
{
    std::tm parts{};
#ifdef _WIN32
    if (gmtime_s(&parts, &seconds) != 0) return std::nullopt;
#else
    if (!gmtime_r(&seconds, &parts)) return std::nullopt;
#endif
    return parts;
}

std::optional<std::tm> LocalCalendarTime(std::time_t seconds)
{
    std::tm parts{};
#ifdef _WIN32
    if (localtime_s(&parts, &seconds) != 0) return std::nullopt;
#else
    if (!localtime_r(&seconds, &parts)) return std::nullopt;
#endif
    return parts;
}

}  // namespace pixador
