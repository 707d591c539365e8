#include "platform/SingleInstance.h"

#include <utility>

namespace vistrel::platform {

InstanceMutex::~InstanceMutex() { Release(); }

InstanceMutex& InstanceMutex::operator=(InstanceMutex&& other) noexcept {
    if (this != &other) {
        Release();
        mutex_ = std::move(other.mutex_);
        anotherInstance_ = std::exchange(other.anotherInstance_, false);
    }
    return *this;
}

InstanceMutex InstanceMutex::Create(const char* name) {
    HANDLE mutex = CreateMutexA(nullptr, TRUE, name);
    const DWORD error = GetLastError();
    InstanceMutex result;
    result.mutex_.reset(mutex);
    // Any other failure (the name taken by an object of another kind, no
    // resources) says nothing about another instance; the program then runs
    // without the guard rather than not at all.
    result.anotherInstance_ = mutex ? error == ERROR_ALREADY_EXISTS : error == ERROR_ACCESS_DENIED;
    return result;
}

void InstanceMutex::Release() noexcept {
    if (!mutex_) return;
    // Ownership belongs to the thread, not to the handle: a second handle of
    // an existing mutex, opened by the owning thread, must not give up the
    // first one's ownership.
    if (!anotherInstance_) ReleaseMutex(mutex_.get());
    mutex_.reset();
    anotherInstance_ = false;
}

}  // namespace vistrel::platform
