#pragma once
// One running instance per logged-on desktop, kept with a named mutex.

#include "platform/Handles.h"

#include <windows.h>

namespace vistrel::platform {

// True when a mutex of this name exists, that is when another instance holds it.
bool AnotherInstanceRunning(const char* name);

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

    // An empty owner when the mutex cannot be created.
    static InstanceMutex Create(const char* name);

    explicit operator bool() const noexcept { return static_cast<bool>(mutex_); }
    // True when another instance created the mutex between our check and our
    // creation (two starts at the same moment); we then do not own it.
    bool ExistedBefore() const noexcept { return existedBefore_; }
    void Release() noexcept;

private:
    UniqueHandle mutex_;
    bool existedBefore_ = false;
};

}  // namespace vistrel::platform
