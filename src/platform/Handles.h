#pragma once
// Move-only owner of a kernel object handle (process, mutex, file). Copying
// would close the handle twice, so the owner only moves.

#include <windows.h>

#include <utility>

namespace vistrel::platform {

class UniqueHandle {
public:
    UniqueHandle() = default;
    // Kernel functions disagree about "no handle": OpenProcess and
    // CreateMutexA give null, CreateFileA gives INVALID_HANDLE_VALUE. Both
    // become the empty owner so that callers test one thing.
    explicit UniqueHandle(HANDLE handle) noexcept
        : handle_(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
    ~UniqueHandle() { reset(); }

    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    HANDLE get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != nullptr; }
    HANDLE release() noexcept { return std::exchange(handle_, nullptr); }
    // Given the handle it already holds, it keeps it: closing it first would
    // leave the owner with a handle that is gone.
    void reset(HANDLE handle = nullptr) noexcept {
        if (handle == INVALID_HANDLE_VALUE) handle = nullptr;
        if (handle == handle_) return;
        if (handle_) CloseHandle(handle_);
        handle_ = handle;
    }

private:
    HANDLE handle_ = nullptr;
};

}  // namespace vistrel::platform
