#pragma once
// Standard output written through one buffer that remembers why a write failed, so every
// command's output is checked by one rule.

#include <streambuf>

namespace pixador::cli {

// Ends the program as a pipeline expects when its reader went away: by SIGPIPE, quietly, even
// where the signal was ignored.
[[noreturn]] void EndAsClosedPipe();

class StandardOutput : public std::streambuf {
public:
    // Takes std::cout's place until destroyed.
    StandardOutput();
    ~StandardOutput() override;
    StandardOutput(const StandardOutput&) = delete;
    StandardOutput& operator=(const StandardOutput&) = delete;

    // Writes what is left and gives the run's exit status: the command's own, or 1 with
    // "standard output: reason" when the output could not be written. A reader that went away
    // ends the program at once, quietly, as a pipeline expects.
    int Finish(int status);

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

private:
    bool Drain();

    char buffer_[16384];
    std::streambuf* previous_ = nullptr;
    int error_ = 0;
};

}  // namespace pixador::cli
