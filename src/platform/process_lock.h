#pragma once
// A lock file held by the running process. The system lets go of it when the process ends,
// however it ends (a crash, kill -9, a power cut), so another process can tell from the file
// alone whether its owner still runs. Paths are UTF-8.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace pixador {

class ProcessLock {
public:
    // Creates the file at path when missing and locks it; empty while another running process
    // (or another lock of this one) holds it, or when the file cannot be made.
    static std::optional<ProcessLock> Take(const std::string& path);

    ProcessLock(ProcessLock&& other) noexcept;
    ProcessLock& operator=(ProcessLock&& other) noexcept;
    ProcessLock(const ProcessLock&) = delete;
    ProcessLock& operator=(const ProcessLock&) = delete;
    // Removes the file and lets go.
    ~ProcessLock();

private:
    ProcessLock(std::string path, std::intptr_t handle) : path_(std::move(path)), handle_(handle) {}
    void Release();

    std::string path_;
    std::intptr_t handle_ = -1;
};

}  // namespace pixador
