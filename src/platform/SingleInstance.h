#pragma once
// One running instance per logged-on desktop, kept with a named mutex.

#include "platform/Handles.h"

#include <windows.h>

namespace vistrel::platform {

// The instance's mutex, created owned by the creating thread. The owner
// releases and closes it when it goes out of scope, so the mutex is given up
// even when an exception escapes the message loop.
class InstanceMutex {
public:
    InstanceMutex() = default;
    ~InstanceMutex();
    InstanceMutex(InstanceMutex&& other) noexcept = default;
    InstanceMutex& operator=(InstanceMutex&& other) noexcept;
    InstanceMutex(const InstanceMutex&) = delete;
    InstanceMutex& operator=(const InstanceMutex&) = delete;

    // Creates the mutex or, when another instance holds the name, learns so
    // from the same call. Asking first and creating afterwards would let two
    // starts at the same moment both find the name free.
    static InstanceMutex Create(const char* name);

    explicit operator bool() const noexcept { return static_cast<bool>(mutex_); }
    // True when another instance has the name: the mutex existed before our
    // creation (we then do not own it), or it exists but we may not open it,
    // as when the other instance runs elevated.
    bool AnotherInstance() const noexcept { return anotherInstance_; }
    void Release() noexcept;

private:
    UniqueHandle mutex_;
    bool anotherInstance_ = false;
};

}  // namespace vistrel::platform
