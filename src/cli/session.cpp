#include "cli/session.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>

#include <fcntl.h>
#include <unistd.h>
#ifndef O_CLOEXEC
#define O_CLOEXEC O_NOINHERIT  // Windows' name for a descriptor no child inherits
#endif

#include "cli/standard_output.h"
#include "core/text_helpers.h"
#include "files/file_io.h"
#include "files/preferences.h"
#include "platform/folders.h"
#include "platform/utf8_path.h"

namespace pixador::cli {

namespace fs = std::filesystem;

void Session::Fail(const std::string& file, const std::string& reason)
{
    failed_ = true;
    std::cerr << file << ": " << reason << '\n';
}

void Session::Note(const std::string& file, const std::string& text)
{
    std::cerr << file << ": " << text << '\n';
}

namespace {

// The editor keeps its INI files beside itself, or in the user's configuration folder when
// it cannot write there; the first of the two that holds a Pixador.ini is the one it reads.
std::optional<std::string> DefaultIniPath()
{
    std::vector<std::string> candidates{JoinPath(ExecutableDir(), "Pixador.ini")};
    if (const std::string settings = UserSettingsDir(); !settings.empty())
        candidates.push_back(JoinPath(settings, "Pixador.ini"));
    for (const std::string& path : candidates)
        if (FileExists(path)) return path;
    return std::nullopt;
}

}  // namespace

bool Session::LoadPreferences(const std::optional<std::string>& iniPath, std::string& error)
{
    state.preferences = Preferences{};
    const std::optional<std::string> path = iniPath ? iniPath : DefaultIniPath();
    if (!path) return true;
    switch (ReadPreferencesFile(*path, state.preferences)) {
    case PreferencesRead::Read: return true;
    case PreferencesRead::Invalid:
        // The editor falls back to the defaults for such a file too.
        Note(*path, "not valid preferences (empty, or a number outside -32768..32767); using the defaults");
        return true;
    case PreferencesRead::Unreadable: break;
    }
    if (!iniPath) return true;
    error = *path + ": cannot read the preferences file (" + UnreadableText(*path) + ")";
    return false;
}

bool Session::SetOutput(const std::optional<std::string>& out, std::size_t inputs, std::string& error)
{
    out_ = out;
    outIsFolder_ = false;
    outIsStream_ = out && (*out == "-" || IsStreamTarget(*out));
    if (!out || outIsStream_) return true;
    std::error_code ec;
    const bool isDir = fs::is_directory(PathFromUtf8(*out), ec);
    outIsFolder_ = inputs > 1 || isDir || IsPathSeparator(out->back());
    if (outIsFolder_ && !isDir) {
        fs::create_directories(PathFromUtf8(*out), ec);
        if (ec) {
            error = *out + ": cannot create the output folder (" + ec.message() + ")";
            return false;
        }
    }
    return true;
}

std::string Session::OutputFor(const std::string& input, std::string_view extension) const
{
    const std::string name = StemOf(input) + std::string(extension);
    if (!out_) return PathBeside(input, name);
    if (*out_ == "-") return "-";
    return outIsFolder_ ? JoinPath(*out_, name) : *out_;
}

bool Session::Write(const std::string& input, const std::string& target, std::string_view bytes)
{
    if (target == "-") {
        // A failure is reported once for the whole run, when the program ends.
        std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return static_cast<bool>(std::cout.flush());
    }
    // A pipe or device takes every output in turn; a file is written once.
    const bool stream = outIsStream_ && out_ == target;
    if (!stream && !written_.emplace(target, input).second) {
        Fail(input, "not written: " + target + " was already written in this run");
        return false;
    }
    if (stream && streamFailed_) return false;
    const WriteResult staged = batch_.Stage(target, bytes);
    if (staged) return true;
    if (stream && staged.code == EPIPE) EndAsClosedPipe();
    // A stream that failed once is not tried again: one message, not one per input.
    streamFailed_ = stream;
    Fail(target, "cannot write: " + staged.error);
    return false;
}

int Session::Finish()
{
    for (const AtomicFileBatch::Failure& failure : batch_.Commit()) Fail(failure.path, "cannot write: " + failure.error);
    return failed_ ? kExitFailed : kExitOk;
}

std::string UnreadableText(const std::string& path)
{
    std::error_code ec;
    const fs::file_status st = fs::status(PathFromUtf8(path), ec);
    if (fs::is_directory(st)) return "is a folder";
    if (ec == std::errc::no_such_file_or_directory) return "no such file";
    if (ec) return "cannot read: " + ec.message();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return "cannot read: " + std::generic_category().message(errno);
    char byte;
    const ssize_t n = ::read(fd, &byte, 1);
    const int error = errno;
    ::close(fd);
    return n < 0 ? "cannot read: " + std::generic_category().message(error) : "cannot read the file";
}

std::string PathBeside(const std::string& file, const std::string& name)
{
    const std::size_t slash = file.find_last_of(kPathSeparators);
    return slash == std::string::npos ? name : file.substr(0, slash + 1) + name;
}

std::string StemOf(const std::string& path)
{
    const std::string name = FileNameOf(path);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

std::string ExtensionOf(const std::string& path)
{
    const std::string name = FileNameOf(path);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? std::string() : ToLowerAscii(name.substr(dot));
}

}  // namespace pixador::cli
