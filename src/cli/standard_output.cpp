#include "cli/standard_output.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <system_error>

#include <unistd.h>

#include "cli/session.h"

namespace pixador::cli {

void EndAsClosedPipe()
{
#ifdef SIGPIPE
    std::signal(SIGPIPE, SIG_DFL);
    std::raise(SIGPIPE);
    std::_Exit(128 + SIGPIPE);
#else
    // Windows has no such signal: the same quiet end, with the status of a failed write.
    std::_Exit(kExitFailed);
#endif
}

StandardOutput::StandardOutput() : previous_(std::cout.rdbuf(this))
{
    setp(buffer_, buffer_ + sizeof buffer_);
}

StandardOutput::~StandardOutput()
{
    Drain();
    std::cout.rdbuf(previous_);
}

bool StandardOutput::Drain()
{
    const char* at = pbase();
    const char* const end = pptr();
    while (!error_ && at < end) {
        const ssize_t n = ::write(STDOUT_FILENO, at, static_cast<std::size_t>(end - at));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            error_ = n < 0 ? errno : EIO;
            break;
        }
        at += n;
    }
    setp(buffer_, buffer_ + sizeof buffer_);
    if (error_ == EPIPE) EndAsClosedPipe();
    return error_ == 0;
}

StandardOutput::int_type StandardOutput::overflow(int_type c)
{
    if (!Drain()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

std::streamsize StandardOutput::xsputn(const char* text, std::streamsize count)
{
    std::streamsize done = 0;
    while (done < count) {
        if (pptr() == epptr() && !Drain()) return done;
        const std::streamsize room = std::min<std::streamsize>(epptr() - pptr(), count - done);
        std::memcpy(pptr(), text + done, static_cast<std::size_t>(room));
        pbump(static_cast<int>(room));
        done += room;
    }
    return done;
}

int StandardOutput::sync()
{
    return Drain() ? 0 : -1;
}

int StandardOutput::Finish(int status)
{
    std::cout.flush();
    Drain();
    if (!error_) return status;
    std::cerr << "standard output: " << std::generic_category().message(error_) << '\n';
    return status == kExitOk ? kExitFailed : status;
}

}  // namespace pixador::cli
