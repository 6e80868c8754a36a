#include "platform/process_lock.h"

#include <utility>

#include "platform/utf8_path.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace pixador {

namespace {

constexpr std::intptr_t kNoHandle = -1;

#ifdef _WIN32

// A file opened without sharing: no other open succeeds until its handle closes, and the system
// closes the handles of a process that ends.
std::intptr_t Lock(const std::string& path)
{
    const HANDLE h = CreateFileW(PathFromUtf8(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    return h == INVALID_HANDLE_VALUE ? kNoHandle : reinterpret_cast<std::intptr_t>(h);
}

void Unlock(const std::string& path, std::intptr_t handle)
{
    CloseHandle(reinterpret_cast<HANDLE>(handle));
    DeleteFileW(PathFromUtf8(path).c_str());
}

#else

// flock: the lock belongs to the open file and goes with the last descriptor, at exit too.
std::intptr_t Lock(const std::string& path)
{
    for (int attempt = 0; attempt < 8; ++attempt) {
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd < 0) return kNoHandle;
        int locked;
        do locked = ::flock(fd, LOCK_EX | LOCK_NB);
        while (locked != 0 && errno == EINTR);
        if (locked != 0) {
            ::close(fd);
            return kNoHandle;
        }
        // An owner that was letting go may have removed the file between the open and the lock:
        // the lock then holds a file no one else will find, so take the one the path names now.
        struct stat held{}, named{};
        if (::fstat(fd, &held) == 0 && ::stat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
            held.st_ino == named.st_ino)
            return fd;
        ::close(fd);
    }
    return kNoHandle;
}

void Unlock(const std::string& path, std::intptr_t handle)
{
    // Removed while still locked, so no one takes the file that is about to go.
    ::unlink(path.c_str());
    ::close(static_cast<int>(handle));
}

#endif

}  // namespace

std::optional<ProcessLock> ProcessLock::Take(const std::string& path)
{
    const std::intptr_t handle = Lock(path);
    if (handle == kNoHandle) return std::nullopt;
    return ProcessLock(path, handle);
}

ProcessLock::ProcessLock(ProcessLock&& other) noexcept
    : path_(std::move(other.path_)), handle_(std::exchange(other.handle_, kNoHandle))
{
}

ProcessLock& ProcessLock::operator=(ProcessLock&& other) noexcept
{
    if (this != &other) {
        Release();
        path_ = std::move(other.path_);
        handle_ = std::exchange(other.handle_, kNoHandle);
    }
    return *this;
}

ProcessLock::~ProcessLock()
{
    Release();
}

void ProcessLock::Release()
{
    if (handle_ == kNoHandle) return;
    Unlock(path_, handle_);
    handle_ = kNoHandle;
}

}  // namespace pixador
