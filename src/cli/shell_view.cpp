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

ClockTime ShellView::Now()
{
    const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
    char* end = nullptr;
    const long long fixed = epoch ? std::strtoll(epoch, &end, 10) : 0;
    const bool reproducible = epoch && *epoch && end && *end == '\0';
    const std::tm parts = (reproducible ? UtcCalendarTime(static_cast<std::time_t>(fixed))
                                        : LocalCalendarTime(std::time(nullptr)))
                              .value_or(std::tm{});
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec};
}

}  // namespace pixador::cli
