#include "files/file_io.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <system_error>

#include <cerrno>
#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

namespace {

// The file a path finally names: symbolic links are followed to what they point at, which
// need not exist yet. Empty when the links go round in a loop.
fs::path ResolveLinks(fs::path path)
{
    std::error_code ec;
    for (int hops = 0; hops < 40; ++hops) {
        if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
        const fs::path next = fs::read_symlink(path, ec);
        if (ec) return {};
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return {};
}

enum class TempWrite { Written, NameTaken, Failed };

#ifdef _WIN32

TempWrite WriteAndSync(const fs::path& temp, std::string_view bytes, const fs::path&, std::optional<fs::perms>,
                       bool sync)
{
    FileHandle out = OpenFile(temp, "wbx");
    if (!out) return errno == EEXIST ? TempWrite::NameTaken : TempWrite::Failed;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), out.get()) == bytes.size();
    ok = std::fflush(out.get()) == 0 && ok;
    ok = (!sync || _commit(_fileno(out.get())) == 0) && ok;
    ok = std::fclose(out.release()) == 0 && ok;
    if (ok) return TempWrite::Written;
    std::error_code ec;
    fs::remove(temp, ec);
    return TempWrite::Failed;
}

void SyncFolder(const fs::path&) {}

bool SyncFile(const fs::path& path)
{
    FileHandle f = OpenFile(path, "rb+");
    return f && _commit(_fileno(f.get())) == 0;
}

bool SyncFileSystems(const std::vector<fs::path>&)
{
    return false;
}

#else

// A new file that nothing else can have opened or linked: created exclusively, with the old
// file's permission bits from the start so its content is never more readable than before.
TempWrite WriteAndSync(const fs::path& temp, std::string_view bytes, const fs::path& target,
                       std::optional<fs::perms> mode, bool sync)
{
    const mode_t bits = mode ? static_cast<mode_t>(*mode & fs::perms::mask) : 0666;
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, bits);
    if (fd < 0) return errno == EEXIST ? TempWrite::NameTaken : TempWrite::Failed;
    bool ok = true;
    if (mode) {
        // The old owner where allowed (an editor run by root leaves the user's file the user's),
        // then the exact bits: the umask may have narrowed them and a new owner clears set-id bits.
        struct stat old {};
        if (::stat(target.c_str(), &old) == 0 && ::fchown(fd, old.st_uid, old.st_gid) != 0) {
            // Not ours to give away; the file keeps its bits all the same.
        }
        ok = ::fchmod(fd, bits) == 0;
    }
    for (std::size_t done = 0; ok && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) done += static_cast<std::size_t>(n);
    }
    ok = ok && (!sync || ::fsync(fd) == 0);
    ok = ::close(fd) == 0 && ok;
    if (ok) return TempWrite::Written;
    ::unlink(temp.c_str());
    return TempWrite::Failed;
}

// Makes the rename itself survive a power loss.
void SyncFolder(const fs::path& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

bool SyncFile(const fs::path& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

// One flush of every file system the files lie on; false where that cannot be asked for.
bool SyncFileSystems(const std::vector<fs::path>& files)
{
#ifdef __linux__
    std::vector<dev_t> done;
    for (const fs::path& file : files) {
        struct stat st {};
        if (::stat(file.c_str(), &st) != 0) return false;
        if (std::find(done.begin(), done.end(), st.st_dev) != done.end()) continue;
        const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return false;
        const bool ok = ::syncfs(fd) == 0;
        ::close(fd);
        if (!ok) return false;
        done.push_back(st.st_dev);
    }
    return true;
#else
    (void)files;
    return false;
#endif
}

#endif

struct StagedFile {
    fs::path temp;
    fs::path target;
};

// The new content in a temporary file beside the file path finally names, synced to disk when
// sync says so. Empty when the target is refused or the write fails (nothing is left behind).
std::optional<StagedFile> StageFile(const std::string& path, std::string_view bytes, bool sync)
{
    if (path.empty()) return std::nullopt;
    StagedFile staged;
    staged.target = ResolveLinks(ToPath(path));
    if (staged.target.empty()) return std::nullopt;

    std::error_code ec;
    std::optional<fs::perms> mode;
    const fs::file_status old = fs::status(staged.target, ec);
    if (fs::exists(old)) {
        mode = old.permissions();
        // A file the user marked read-only is left alone, whoever runs the editor.
        constexpr fs::perms kAnyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
        if ((*mode & kAnyWrite) == fs::perms::none) return std::nullopt;
    }

    // Unique among this program's writes and unlikely to meet another running editor's.
    static std::atomic<unsigned> counter{std::random_device{}()};
    TempWrite result = TempWrite::NameTaken;
    for (int attempt = 0; attempt < 16 && result == TempWrite::NameTaken; ++attempt) {
        staged.temp = staged.target;
        staged.temp += ".pxtmp" + std::to_string(counter++);
        result = WriteAndSync(staged.temp, bytes, staged.target, mode, sync);
    }
    if (result != TempWrite::Written) return std::nullopt;
    return staged;
}

bool Land(const StagedFile& staged)
{
    std::error_code ec;
    fs::rename(staged.temp, staged.target, ec);
    if (!ec) return true;
    fs::remove(staged.temp, ec);
    return false;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    const std::optional<StagedFile> staged = StageFile(path, bytes, true);
    if (!staged || !Land(*staged)) return false;
    SyncFolder(staged->target.parent_path());
    return true;
}

struct AtomicFileBatch::Staged {
    std::string path;
    StagedFile file;
};

AtomicFileBatch::AtomicFileBatch() = default;

AtomicFileBatch::~AtomicFileBatch()
{
    std::error_code ec;
    for (const Staged& s : staged_) fs::remove(s.file.temp, ec);
}

bool AtomicFileBatch::Stage(const std::string& path, std::string_view bytes)
{
    std::optional<StagedFile> file = StageFile(path, bytes, false);
    if (!file) return false;
    staged_.push_back({path, std::move(*file)});
    return true;
}

std::vector<std::string> AtomicFileBatch::Commit()
{
    std::vector<std::string> failed;
    std::vector<fs::path> temps;
    for (const Staged& s : staged_) temps.push_back(s.file.temp);
    // Every new content is on disk before any old file is replaced: a few files each by itself,
    // many by one flush of their file systems.
    constexpr std::size_t kFilesForOneFlush = 4;
    if (staged_.size() < kFilesForOneFlush || !SyncFileSystems(temps)) {
        std::vector<Staged> synced;
        std::error_code ec;
        for (Staged& s : staged_) {
            if (SyncFile(s.file.temp)) {
                synced.push_back(std::move(s));
            } else {
                failed.push_back(s.path);
                fs::remove(s.file.temp, ec);
            }
        }
        staged_ = std::move(synced);
    }
    std::vector<fs::path> folders;
    for (const Staged& s : staged_) {
        if (!Land(s.file)) {
            failed.push_back(s.path);
            continue;
        }
        const fs::path folder = s.file.target.parent_path();
        if (std::find(folders.begin(), folders.end(), folder) == folders.end()) folders.push_back(folder);
    }
    staged_.clear();
    for (const fs::path& folder : folders) SyncFolder(folder);
    return failed;
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
