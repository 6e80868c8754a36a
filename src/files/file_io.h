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

// At most maxBytes from the start of the file; empty when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes = SIZE_MAX);

// Writes to a temporary file beside path, flushes it to disk, then renames it over path, so a
// failed write or a crash never leaves a half-written or missing target. A target without any
// write permission bit is refused; a symbolic link is written through and stays a link; the
// new file keeps the old one's permission bits. True when path now holds exactly bytes.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

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
