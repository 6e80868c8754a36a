#include "cli/shell_view.h"

#include <cstdlib>
#include <ctime>

#include "platform/calendar.h"

namespace pixador::cli {

std::string ShellView::TakeMessage()
{
    std::string text;
    text.swap(message_);
    return text;
}

MessageAnswer ShellView::ShowMessage(const MessageRequest& request)
{
    if (request.buttons == MessageButtons::YesNo) return answerBlackAndWhite ? MessageAnswer::Yes : MessageAnswer::No;
    message_.clear();
    for (const char c : request.text) {
        if (c == '\r') continue;
        message_ += c == '\n' ? ' ' : c;
    }
    return MessageAnswer::Ok;
}

namespace {

// Unset (or empty) is no fixed time; digits that a calendar date can hold are one; anything
// else is malformed.
enum class Epoch { Unset, Fixed, Malformed };

Epoch ReadSourceDateEpoch(std::time_t& seconds)
{
    const char* text = std::getenv("SOURCE_DATE_EPOCH");
    if (!text || !*text) return Epoch::Unset;
    long long value = 0;
    for (const char* c = text; *c; ++c) {
        // The year 9999 at most: beyond it a header's date has no four-digit year.
        if (*c < '0' || *c > '9' || value > 253402300799LL / 10) return Epoch::Malformed;
        value = value * 10 + (*c - '0');
    }
    if (value > 253402300799LL) return Epoch::Malformed;
    seconds = static_cast<std::time_t>(value);
    return Epoch::Fixed;
}

}  // namespace

bool SourceDateEpochValid(std::string& error)
{
    std::time_t seconds = 0;
    if (ReadSourceDateEpoch(seconds) != Epoch::Malformed) return true;
    error = std::string("SOURCE_DATE_EPOCH is not a whole number of seconds since 1970 (up to the year 9999): '") +
            std::getenv("SOURCE_DATE_EPOCH") + "'";
    return false;
}

ClockTime ShellView::Now()
{
    std::time_t now = std::time(nullptr);
    const bool fixed = ReadSourceDateEpoch(now) == Epoch::Fixed;
    const std::tm parts = (fixed ? UtcCalendarTime(now) : LocalCalendarTime(now)).value_or(std::tm{});
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec};
}

}  // namespace pixador::cli
