#pragma once
// Seconds since 1970 as a calendar date and time, with the thread-safe call of each platform.

#include <ctime>
#include <optional>

namespace pixador {

std::optional<std::tm> UtcCalendarTime(std::time_t seconds);
std::optional<std::tm> LocalCalendarTime(std::time_t seconds);

}  // namespace pixador
