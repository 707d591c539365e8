#include "platform/SingleInstance.h"

#include <utility>

namespace vistrel::platform {

bool AnotherInstanceRunning(const char* name) {
    UniqueHandle mutex(OpenMutexA(SYNCHRONIZE, FALSE, name));
    return static_cast<bool>(mutex);
}

InstanceMutex::~InstanceMutex() { Release(); }

InstanceMutex& InstanceMutex::operator=(InstanceMutex&& other) noexcept {
    if (this != &other) {
        Release();
        mutex_ = std::move(other.mutex_);
        existedBefore_ = std::exchange(other.existedBefore_, false);
    }
    return *this;
}

InstanceMutex InstanceMutex::Create(const char* name) {
    HANDLE mutex = CreateMutexA(nullptr, TRUE, name);
    const DWORD error = GetLastError();
    InstanceMutex result;
    result.mutex_.reset(mutex);
    result.existedBefore_ = mutex && error == ERROR_ALREADY_EXISTS;
    return result;
}

void InstanceMutex::Release() noexcept {
    if (!mutex_) return;
    // Ownership belongs to the thread, not to the handle: a second handle of
    // an existing mutex, opened by the owning thread, must not give up the
    // first one's ownership.
    if (!existedBefore_) ReleaseMutex(mutex_.get());
    mutex_.reset();
    existedBefore_ = false;
}

}  // namespace vistrel::platform
