#pragma once
// What every subcommand shares: the editor state over the shell's port, the preferences, the
// report of failed files, and where each output goes.

#include <optional>
#include <map>
#include <string>
#include <string_view>

#include "cli/shell_view.h"
#include "core/editor_state.h"
#include "files/file_io.h"

namespace pixador::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

class Session {
public:
    Session() : state(view) {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    ShellView view;
    EditorState state;

    // "FILE: reason" on standard error; the run then exits with 1.
    void Fail(const std::string& file, const std::string& reason);
    // "FILE: text" on standard error, without failing.
    void Note(const std::string& file, const std::string& text);
    // Lands the files written so far and gives the run's exit status.
    int Finish();

    // The preferences of iniPath, or of the Pixador.ini the editor beside this program reads
    // (the defaults when there is none). False with error set when iniPath cannot be read.
    bool LoadPreferences(const std::optional<std::string>& iniPath, std::string& error);

    // Where the output of input goes: "-" for standard output; a pipe or device (/dev/stdout)
    // takes every output in turn; with several inputs (or when out names a folder) out is a folder that gets the input's name with extension; without
    // out, beside the input. Set by SetOutput first.
    bool SetOutput(const std::optional<std::string>& out, std::size_t inputs, std::string& error);
    std::string OutputFor(const std::string& input, std::string_view extension) const;
    // Writes bytes to target (standard output for "-"). Files are replaced only once written
    // whole, all of them together at Finish. Reports a failure, or a second write to one
    // target, against input.
    bool Write(const std::string& input, const std::string& target, std::string_view bytes);

private:
    bool failed_ = false;
    std::optional<std::string> out_;
    bool outIsFolder_ = false;
    bool outIsStream_ = false;
    bool streamFailed_ = false;
    std::map<std::string, std::string> written_;  // target -> input
    AtomicFileBatch batch_;
};

// Why a file could not be read: "no such file", "is a folder", or "cannot read: " and the
// system's reason.
std::string UnreadableText(const std::string& path);

// A file called name in the folder of file.
std::string PathBeside(const std::string& file, const std::string& name);
// Text of a path's name without its last extension.
std::string StemOf(const std::string& path);
// The last extension, lower-cased, with its dot (".png"); "" when there is none.
std::string ExtensionOf(const std::string& path);

}  // namespace pixador::cli
