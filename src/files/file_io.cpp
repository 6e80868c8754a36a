#include "files/file_io.h"

#include <atomic>
#include <filesystem>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <system_error>

namespace pixador {

namespace fs = std::filesystem;

namespace {

fs::path ToPath(const std::string& utf8)
{
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace

bool FileExists(const std::string& path)
{
    if (path.empty()) return false;
    std::error_code ec;
    return fs::is_regular_file(ToPath(path), ec);
}

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

FileHandle OpenFile(const fs::path& path, const char* mode)
{
#ifdef _WIN32
    const std::wstring wmode(mode, mode + std::strlen(mode));
    return FileHandle(_wfopen(path.c_str(), wmode.c_str()));
#else
    return FileHandle(std::fopen(path.c_str(), mode));
#endif
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes)
{
    if (path.empty()) return std::nullopt;
    const FileHandle in = OpenFile(ToPath(path), "rb");
    if (!in) return std::nullopt;
    std::string out;
    char chunk[16384];
    while (out.size() < maxBytes) {
        const std::size_t want = std::min(sizeof chunk, maxBytes - out.size());
        const std::size_t got = std::fread(chunk, 1, want, in.get());
        out.append(chunk, got);
        if (got < want) break;
    }
    if (std::ferror(in.get())) return std::nullopt;
    return out;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    if (path.empty()) return false;
    // Unique among this program's writes and unlikely to meet another running editor's.
    static std::atomic<unsigned> counter{std::random_device{}()};
    std::error_code ec;
    // A link is written through: the file it names is replaced, the link stays.
    fs::path target = ToPath(path);
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        target = fs::weakly_canonical(target, ec);
        if (ec) return false;
    }
    // A read-only file is refused, not replaced; a replaced file keeps its permissions.
    const fs::file_status old = fs::status(target, ec);
    const bool replacing = fs::exists(old);
    constexpr fs::perms kWriteBits = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if (replacing && (old.permissions() & kWriteBits) == fs::perms::none) return false;
    fs::path temp = target;
    temp += ".pxtmp" + std::to_string(counter++);
    {
        FileHandle out = OpenFile(temp, "wb");
        if (!out) return false;
        const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out.get()) == bytes.size();
        const bool closed = std::fclose(out.release()) == 0;
        if (!written || !closed) {
            fs::remove(temp, ec);
            return false;
        }
    }
    if (replacing) fs::permissions(temp, old.permissions(), ec);
    fs::rename(temp, target, ec);
    if (ec) {
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

}  // namespace pixador
