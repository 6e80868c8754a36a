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
#include <windows.h>

#include <cwctype>
#else
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

#include "platform/utf8_path.h"

namespace pixador {

namespace fs = std::filesystem;

bool FileExists(const std::string& path)
{
    if (path.empty()) return false;
    std::error_code ec;
    return fs::is_regular_file(PathFromUtf8(path), ec);
}

std::vector<std::string> FileNamesIn(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(PathFromUtf8(folder), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code kind;
        if (!it->is_regular_file(kind)) continue;
        names.push_back(Utf8OfPath(it->path().filename()));
    }
    return names;
}

bool MakeFolder(const std::string& folder)
{
    std::error_code ec;
    fs::create_directories(PathFromUtf8(folder), ec);
    return fs::is_directory(PathFromUtf8(folder), ec);
}

bool RemoveFile(const std::string& path)
{
    std::error_code ec;
    fs::remove(PathFromUtf8(path), ec);
    return !fs::exists(PathFromUtf8(path), ec) && !ec;
}

namespace {

#ifdef _WIN32
struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

FileHandle OpenFile(const fs::path& path, const char* mode)
{
    const std::wstring wmode(mode, mode + std::strlen(mode));
    return FileHandle(_wfopen(path.c_str(), wmode.c_str()));
}
#endif

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes)
{
    if (path.empty()) return std::nullopt;
#ifndef _WIN32
    // Straight reads: a build script reads thousands of small files, and stdio would ask
    // for each one's size first.
    int fd;
    do fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) return std::nullopt;
    std::string out;
    char chunk[16384];
    bool failed = false;
    while (out.size() < maxBytes) {
        const ssize_t got = ::read(fd, chunk, std::min(sizeof chunk, maxBytes - out.size()));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            failed = got < 0;
            break;
        }
        out.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(fd);
    if (failed) return std::nullopt;
    return out;
#else
    const FileHandle in = OpenFile(PathFromUtf8(path), "rb");
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
#endif
}

namespace {

WriteResult Failed(int error)
{
    return {std::generic_category().message(error), error};
}

// Where a write goes: a regular file (existing or new) replaced through a temporary, a stream
// (pipe, device, socket) written straight into, an open descriptor of this process
// (/dev/stdout) written into as it is, or nowhere.
struct WriteTarget {
    enum Kind { File, Stream, Descriptor, Refused } kind = Refused;
    fs::path path;                   // File: what the links finally name; Stream: as given
    std::optional<fs::perms> mode;   // File: the existing file's permission bits
    int descriptor = -1;
    bool socket = false;             // Stream: a local socket, connected to rather than opened
    int error = 0;                   // Refused: why
#ifndef _WIN32
    uid_t owner = 0;
    gid_t group = 0;
#endif
};

#ifdef _WIN32

// The errno that says what a Windows error means, for the same messages on every platform.
int ErrnoOf(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH: return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT: return EACCES;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE: return EBUSY;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return EEXIST;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    case ERROR_INVALID_NAME:
    case ERROR_DIRECTORY: return EINVAL;
    case ERROR_FILENAME_EXCED_RANGE: return ENAMETOOLONG;
    case ERROR_BROKEN_PIPE:
    case ERROR_NO_DATA: return EPIPE;
    case ERROR_CANT_RESOLVE_FILENAME: return ELOOP;
    default: return EIO;
    }
}

int LastErrno()
{
    return ErrnoOf(GetLastError());
}

struct HandleCloser {
    void operator()(HANDLE h) const { CloseHandle(h); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

Handle OpenHandle(const fs::path& path, DWORD access, DWORD creation)
{
    HANDLE h = CreateFileW(path.c_str(), access, FILE_SHARE_READ, nullptr, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
    return Handle(h == INVALID_HANDLE_VALUE ? nullptr : h);
}

// The names Windows gives its devices in every folder (NUL, CON, COM1, ...), and anything
// under \\.\ (named pipes, devices): written straight into, never replaced.
bool IsDevicePath(const fs::path& path)
{
    const std::wstring& text = path.native();
    if (text.size() > 4 && (text[0] == L'\\' || text[0] == L'/') && (text[1] == L'\\' || text[1] == L'/') &&
        text[2] == L'.' && (text[3] == L'\\' || text[3] == L'/'))
        return true;
    std::wstring stem = path.stem().native();
    for (wchar_t& c : stem) c = static_cast<wchar_t>(std::towupper(c));
    if (stem == L"NUL" || stem == L"CON" || stem == L"PRN" || stem == L"AUX" || stem == L"CONOUT$") return true;
    return stem.size() == 4 && (stem.starts_with(L"COM") || stem.starts_with(L"LPT")) && stem[3] >= L'1' &&
           stem[3] <= L'9';
}

// What the path names now. Symbolic links and junctions are left to the system, which follows
// them when the file is opened and replaced.
WriteTarget ExamineTarget(const fs::path& path)
{
    WriteTarget target;
    if (IsDevicePath(path)) {
        target.kind = WriteTarget::Stream;
        target.path = path;
        return target;
    }
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const int error = LastErrno();
        if (error != ENOENT) {
            target.error = error;
            return target;
        }
    } else if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        target.error = EISDIR;
        return target;
    }
    target.kind = WriteTarget::File;
    target.path = path;
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        // The read-only attribute is Windows' one permission bit of a file's own.
        target.mode = (attributes & FILE_ATTRIBUTE_READONLY) ? fs::perms::owner_read | fs::perms::group_read |
                                                                      fs::perms::others_read
                                                                : fs::perms::all;
    }
    return target;
}

int WriteAll(HANDLE h, std::string_view bytes)
{
    for (std::size_t done = 0; done < bytes.size();) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD wrote = 0;
        if (!WriteFile(h, bytes.data() + done, chunk, &wrote, nullptr)) return LastErrno();
        if (wrote == 0) return EIO;
        done += wrote;
    }
    return 0;
}

// A new file nothing else has opened: created only when the name is free, shared with no
// writer until closed.
int WriteAndSync(const fs::path& temp, std::string_view bytes, const WriteTarget&, bool sync)
{
    Handle out = OpenHandle(temp, GENERIC_WRITE, CREATE_NEW);
    if (!out) return LastErrno();
    int error = WriteAll(out.get(), bytes);
    if (!error && sync && !FlushFileBuffers(out.get())) error = LastErrno();
    if (!error) return 0;
    out.reset();
    DeleteFileW(temp.c_str());
    return error == EEXIST ? EIO : error;
}

int WriteStraightInto(const WriteTarget& target, std::string_view bytes)
{
    const Handle out = OpenHandle(target.path, GENERIC_WRITE, OPEN_EXISTING);
    if (!out) return LastErrno();
    return WriteAll(out.get(), bytes);
}

// Windows journals the folder entry with the replacement itself.
void SyncFolder(const fs::path&) {}

int SyncFile(const fs::path& path)
{
    const Handle f = OpenHandle(path, GENERIC_WRITE, OPEN_EXISTING);
    if (!f) return LastErrno();
    return FlushFileBuffers(f.get()) ? 0 : LastErrno();
}

bool SyncFileSystems(const std::vector<fs::path>&)
{
    return false;
}

// ReplaceFileW keeps what the old file carried besides its bytes (its access rights, its
// attributes, its creation time); a new name is simply moved into place. The hidden and system
// attributes are set again where a file system or layer drops them.
int ReplaceWith(const fs::path& temp, const fs::path& target)
{
    const DWORD old = GetFileAttributesW(target.c_str());
    if (!ReplaceFileW(target.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) &&
        !MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return LastErrno();
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    const DWORD now = GetFileAttributesW(target.c_str());
    if (old != INVALID_FILE_ATTRIBUTES && now != INVALID_FILE_ATTRIBUTES && (now & kKept) != (old & kKept)) {
        const DWORD wanted = (now & ~(kKept | FILE_ATTRIBUTE_NORMAL)) | (old & kKept);
        SetFileAttributesW(target.c_str(), wanted ? wanted : FILE_ATTRIBUTE_NORMAL);
    }
    return 0;
}

#else

// The descriptor a path names when it is one of this process's open descriptors under its
// /dev or /proc name: writing there must reach the descriptor itself (a shell's pipe or its
// appending redirection), not a file opened anew or put in its place.
std::optional<int> DescriptorNamed(const fs::path& path)
{
    const std::string text = path.lexically_normal().string();
    if (text == "/dev/stdin") return 0;
    if (text == "/dev/stdout") return 1;
    if (text == "/dev/stderr") return 2;
    for (const std::string_view folder : {"/dev/fd/", "/proc/self/fd/", "/proc/thread-self/fd/"}) {
        if (text.size() <= folder.size() || text.compare(0, folder.size(), folder) != 0) continue;
        int fd = 0;
        for (std::size_t i = folder.size(); i < text.size(); ++i) {
            if (text[i] < '0' || text[i] > '9' || fd > 1000000) return std::nullopt;
            fd = fd * 10 + (text[i] - '0');
        }
        return fd;
    }
    return std::nullopt;
}

// One lstat for a plain path; a symbolic link is followed hop by hop to what it finally names,
// which need not exist yet.
WriteTarget ExamineTarget(const fs::path& given)
{
    WriteTarget target;
    fs::path path = given;
    for (int hops = 0;; ++hops) {
        if (const std::optional<int> fd = DescriptorNamed(path)) {
            target.kind = WriteTarget::Descriptor;
            target.descriptor = *fd;
            return target;
        }
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0) {
            if (errno != ENOENT) {
                target.error = errno;
                return target;
            }
            target.kind = WriteTarget::File;
            target.path = path;
            return target;
        }
        if (S_ISLNK(st.st_mode)) {
            if (hops == 40) {
                target.error = ELOOP;
                return target;
            }
            std::error_code ec;
            const fs::path next = fs::read_symlink(path, ec);
            if (ec) {
                target.error = ec.value();
                return target;
            }
            path = next.is_absolute() ? next : path.parent_path() / next;
            continue;
        }
        if (S_ISDIR(st.st_mode)) {
            target.error = EISDIR;
        } else if (S_ISREG(st.st_mode)) {
            target.kind = WriteTarget::File;
            target.path = path;
            target.mode = static_cast<fs::perms>(st.st_mode) & fs::perms::mask;
            target.owner = st.st_uid;
            target.group = st.st_gid;
        } else {
            target.kind = WriteTarget::Stream;
            target.path = given;
            target.socket = S_ISSOCK(st.st_mode);
        }
        return target;
    }
}

// All of bytes, or the errno of the write that failed.
int WriteAll(int fd, std::string_view bytes)
{
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? errno : EIO;
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

// WriteAll into a pipe, socket or device. A reader that went away is EPIPE, not a signal that
// ends the program: SIGPIPE is held back for this thread while writing, and one it raised is
// taken off again.
int WriteAllToStream(int fd, std::string_view bytes)
{
    sigset_t pipeSignal, previous;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    sigset_t pending;
    sigpending(&pending);
    const bool wasPending = sigismember(&pending, SIGPIPE) == 1;
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &previous);
    const int error = WriteAll(fd, bytes);
    if (error == EPIPE && !wasPending) {
        const timespec now{};
        while (sigtimedwait(&pipeSignal, nullptr, &now) < 0 && errno == EINTR) {
        }
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    return error;
}

// A local socket takes a connection, anything else is opened for writing as the shell's
// redirection opens it (a pipe waits for its reader).
int OpenStream(const WriteTarget& target, int& fd)
{
    const fs::path& path = target.path;
    if (target.socket) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (path.native().size() >= sizeof address.sun_path) return ENAMETOOLONG;
        std::memcpy(address.sun_path, path.c_str(), path.native().size());
        fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) return errno;
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) return 0;
        const int error = errno;
        ::close(fd);
        return error;
    }
    do fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    return fd < 0 ? errno : 0;
}

int WriteStraightInto(const WriteTarget& target, std::string_view bytes)
{
    if (target.kind == WriteTarget::Descriptor) return WriteAllToStream(target.descriptor, bytes);
    int fd = -1;
    if (const int error = OpenStream(target, fd)) return error;
    int error = WriteAllToStream(fd, bytes);
    if (::close(fd) != 0 && !error && errno != EINTR) error = errno;
    return error;
}

// A new file that nothing else can have opened or linked: created exclusively, with the old
// file's permission bits from the start so its content is never more readable than before.
// 0 when written, EEXIST when the name is taken, else why the write failed.
int WriteAndSync(const fs::path& temp, std::string_view bytes, const WriteTarget& target, bool sync)
{
    const mode_t bits = target.mode ? static_cast<mode_t>(*target.mode) : 0666;
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, bits);
    if (fd < 0) return errno;
    int error = 0;
    if (target.mode) {
        // The old owner where allowed (an editor run by root leaves the user's file the user's),
        // then the exact bits: the umask may have narrowed them and a new owner clears set-id bits.
        if ((target.owner != ::geteuid() || target.group != ::getegid()) &&
            ::fchown(fd, target.owner, target.group) != 0) {
            // Not ours to give away; the file keeps its bits all the same.
        }
        if (::fchmod(fd, bits) != 0) error = errno;
    }
    if (!error) error = WriteAll(fd, bytes);
    if (!error && sync && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && !error) error = errno;
    if (!error) return 0;
    ::unlink(temp.c_str());
    return error == EEXIST ? EIO : error;
}

// Makes the rename itself survive a power loss.
void SyncFolder(const fs::path& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

int SyncFile(const fs::path& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno;
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error;
}

// One flush of every file system the files lie on; false where that cannot be asked for.
// Files of one folder lie on one file system, so each folder is asked once.
bool SyncFileSystems(const std::vector<fs::path>& files)
{
#ifdef __linux__
    std::vector<fs::path> folders;
    std::vector<dev_t> done;
    for (const fs::path& file : files) {
        fs::path folder = file.parent_path();
        if (folder.empty()) folder = ".";
        if (std::find(folders.begin(), folders.end(), folder) != folders.end()) continue;
        folders.push_back(folder);
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return false;
        struct stat st {};
        bool ok = ::fstat(fd, &st) == 0;
        if (ok && std::find(done.begin(), done.end(), st.st_dev) == done.end()) {
            ok = ::syncfs(fd) == 0;
            done.push_back(st.st_dev);
        }
        ::close(fd);
        if (!ok) return false;
    }
    return true;
#else
    (void)files;
    return false;
#endif
}

int ReplaceWith(const fs::path& temp, const fs::path& target)
{
    std::error_code ec;
    fs::rename(temp, target, ec);
    return ec.value();
}

#endif

}  // namespace

bool RenameFile(const std::string& from, const std::string& to)
{
    return ReplaceWith(PathFromUtf8(from), PathFromUtf8(to)) == 0;
}

namespace {

struct StagedFile {
    fs::path temp;
    fs::path target;
};

// The new content in a temporary file beside the file the path finally names, synced to disk
// when sync says so; streams take the bytes at once and stage nothing. Nothing is left behind
// when it fails.
WriteResult StageFile(const std::string& path, std::string_view bytes, bool sync, std::optional<StagedFile>& staged)
{
    if (path.empty()) return Failed(ENOENT);
    const WriteTarget target = ExamineTarget(PathFromUtf8(path));
    switch (target.kind) {
    case WriteTarget::Refused: return Failed(target.error);
    case WriteTarget::Stream:
    case WriteTarget::Descriptor:
        if (const int error = WriteStraightInto(target, bytes)) return Failed(error);
        return {};
    case WriteTarget::File: break;
    }
    // A file the user marked read-only is left alone, whoever runs the editor.
    constexpr fs::perms kAnyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if (target.mode && (*target.mode & kAnyWrite) == fs::perms::none) return Failed(EACCES);

    // Unique among this program's writes and unlikely to meet another running editor's.
    static std::atomic<unsigned> counter{std::random_device{}()};
    StagedFile file{{}, target.path};
    int error = EEXIST;
    for (int attempt = 0; attempt < 16 && error == EEXIST; ++attempt) {
        file.temp = target.path;
        file.temp += ".pxtmp" + std::to_string(counter++);
        error = WriteAndSync(file.temp, bytes, target, sync);
    }
    if (error) return Failed(error);
    staged = std::move(file);
    return {};
}

WriteResult Land(const StagedFile& staged)
{
    const int error = ReplaceWith(staged.temp, staged.target);
    if (!error) return {};
    std::error_code ignored;
    fs::remove(staged.temp, ignored);
    return Failed(error);
}

}  // namespace

bool IsStreamTarget(const std::string& path)
{
    if (path.empty()) return false;
    const WriteTarget::Kind kind = ExamineTarget(PathFromUtf8(path)).kind;
    return kind == WriteTarget::Stream || kind == WriteTarget::Descriptor;
}

WriteResult WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    std::optional<StagedFile> staged;
    WriteResult result = StageFile(path, bytes, true, staged);
    if (!result || !staged) return result;
    result = Land(*staged);
    if (result) SyncFolder(staged->target.parent_path());
    return result;
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

WriteResult AtomicFileBatch::Stage(const std::string& path, std::string_view bytes)
{
    std::optional<StagedFile> file;
    WriteResult result = StageFile(path, bytes, false, file);
    if (result && file) staged_.push_back({path, std::move(*file)});
    return result;
}

std::vector<AtomicFileBatch::Failure> AtomicFileBatch::Commit()
{
    std::vector<Failure> failed;
    std::vector<fs::path> temps;
    for (const Staged& s : staged_) temps.push_back(s.file.temp);
    // Every new content is on disk before any old file is replaced: a few files each by itself,
    // many by one flush of their file systems.
    constexpr std::size_t kFilesForOneFlush = 4;
    if (staged_.size() < kFilesForOneFlush || !SyncFileSystems(temps)) {
        std::vector<Staged> synced;
        std::error_code ec;
        for (Staged& s : staged_) {
            if (const int error = SyncFile(s.file.temp)) {
                failed.push_back({s.path, Failed(error).error});
                fs::remove(s.file.temp, ec);
            } else {
                synced.push_back(std::move(s));
            }
        }
        staged_ = std::move(synced);
    }
    std::vector<fs::path> folders;
    for (const Staged& s : staged_) {
        if (const WriteResult landed = Land(s.file); !landed) {
            failed.push_back({s.path, landed.error});
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
