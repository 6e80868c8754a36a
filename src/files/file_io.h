#pragma once
// Whole-file reading and safe replacement of files. Paths are UTF-8.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pixador {

bool FileExists(const std::string& path);

// The names of the regular files in folder, in no order; empty when it cannot be read.
std::vector<std::string> FileNamesIn(const std::string& folder);
// Creates folder and the folders above it; true when it exists afterwards.
bool MakeFolder(const std::string& folder);
// Renames from over to, replacing a file already there; false when that fails.
bool RenameFile(const std::string& from, const std::string& to);
// True when path is gone afterwards.
bool RemoveFile(const std::string& path);

// At most maxBytes from the start of the file; empty when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes = SIZE_MAX);

// How a write ended: true when the target holds the bytes, otherwise why not, in the system's
// words ("Permission denied").
struct WriteResult {
    std::string error;
    int code = 0;  // the errno behind error

    bool ok() const { return error.empty(); }
    explicit operator bool() const { return ok(); }
};

// Writes to a temporary file beside path, flushes it to disk, then renames it over path, so a
// failed write or a crash never leaves a half-written or missing target. A target without any
// write permission bit is refused; a symbolic link is written through and stays a link; the
// new file keeps the old one's permission bits. A path that names a pipe, a device, a socket or
// an open descriptor (/dev/stdout) is written straight into, never replaced; a folder is refused.
WriteResult WriteFileAtomically(const std::string& path, std::string_view bytes);

// True when path names a pipe, a device, a socket or an open descriptor (/dev/stdout): what
// WriteFileAtomically writes straight into, where several writes follow one another.
bool IsStreamTarget(const std::string& path);

// Many files replaced with WriteFileAtomically's guarantees, flushed to disk together: each
// new content goes to its temporary file at once, Commit flushes them all in one go and only
// then renames each over its target. For tools that write hundreds of files in one run, where
// two flushes a file would cost more than the writing. Uncommitted temporaries are removed.
// Pipes, devices and sockets take their bytes at Stage, as WriteFileAtomically writes them.
class AtomicFileBatch {
public:
    AtomicFileBatch();
    ~AtomicFileBatch();
    AtomicFileBatch(const AtomicFileBatch&) = delete;
    AtomicFileBatch& operator=(const AtomicFileBatch&) = delete;

    struct Failure {
        std::string path;
        std::string error;
    };

    // Fails when the target is refused or the temporary file cannot be written.
    WriteResult Stage(const std::string& path, std::string_view bytes);
    // The staged paths that could not be replaced; the others now hold their new bytes.
    std::vector<Failure> Commit();

private:
    struct Staged;
    std::vector<Staged> staged_;
};

// Lines ended by CR LF, LF or CR; a final line without an end counts, a final end adds none.
std::vector<std::string> SplitLines(std::string_view text);

// Sequential reading of bytes already in memory (kept alive by the caller); never reads past
// the end.
class ByteSource {
public:
    explicit ByteSource(std::string_view bytes) : bytes_(bytes) {}
    bool Next(std::uint8_t& byte)
    {
        if (pos_ >= bytes_.size()) return false;
        byte = static_cast<std::uint8_t>(bytes_[pos_++]);
        return true;
    }
    std::size_t Remaining() const { return bytes_.size() - pos_; }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

}  // namespace pixador
