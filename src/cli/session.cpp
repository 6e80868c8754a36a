#include "cli/session.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "core/text_helpers.h"
#include "files/file_io.h"
#include "files/preferences.h"
#include "platform/folders.h"

namespace pixador::cli {

namespace fs = std::filesystem;

namespace {

fs::path ToPath(const std::string& utf8)
{
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace

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
    error = *path + ": cannot read the preferences file";
    return false;
}

bool Session::SetOutput(const std::optional<std::string>& out, std::size_t inputs, std::string& error)
{
    out_ = out;
    outIsFolder_ = false;
    if (!out || *out == "-") return true;
    std::error_code ec;
    const bool isDir = fs::is_directory(ToPath(*out), ec);
    outIsFolder_ = inputs > 1 || isDir || IsPathSeparator(out->back());
    if (outIsFolder_ && !isDir) {
        fs::create_directories(ToPath(*out), ec);
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
    if (!out_) {
        const std::size_t slash = input.find_last_of(kPathSeparators);
        return slash == std::string::npos ? name : input.substr(0, slash + 1) + name;
    }
    if (*out_ == "-") return "-";
    return outIsFolder_ ? JoinPath(*out_, name) : *out_;
}

bool Session::Write(const std::string& input, const std::string& target, std::string_view bytes)
{
    if (target == "-") {
        std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        std::cout.flush();
        if (std::cout) return true;
        Fail(input, "cannot write to standard output");
        return false;
    }
    if (!written_.emplace(target, input).second) {
        Fail(input, "not written: " + target + " was already written in this run");
        return false;
    }
    if (batch_.Stage(target, bytes)) return true;
    Fail(input, "cannot write " + target);
    return false;
}

int Session::Finish()
{
    for (const std::string& target : batch_.Commit()) Fail(written_[target], "cannot write " + target);
    return failed_ ? kExitFailed : kExitOk;
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
