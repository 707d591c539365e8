// The single-instance mutex.

#include "platform/SingleInstance.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace vistrel::platform {
namespace {

// A name of this test run only, with a Shift-JIS character as the real one has.
std::string MutexName(const char* tag) {
    return std::string("Vistrel α test ") + tag + " " + std::to_string(GetCurrentProcessId());
}

TEST(PlatformSingleInstance, TheMutexMarksARunningInstanceUntilReleased) {
    const std::string name = MutexName("lifetime");
    EXPECT_FALSE(AnotherInstanceRunning(name.c_str()));
    {
        InstanceMutex mutex = InstanceMutex::Create(name.c_str());
        ASSERT_TRUE(mutex);
        EXPECT_FALSE(mutex.ExistedBefore());
        EXPECT_TRUE(AnotherInstanceRunning(name.c_str()));

        // Moving the owner keeps the mutex alive; the moved-from one releases nothing.
        InstanceMutex moved = std::move(mutex);
        EXPECT_FALSE(mutex);  // a moved-from owner is empty
        EXPECT_TRUE(moved);
        EXPECT_TRUE(AnotherInstanceRunning(name.c_str()));
    }
    EXPECT_FALSE(AnotherInstanceRunning(name.c_str()));
}

TEST(PlatformSingleInstance, AnExceptionLeavingTheLoopStillReleasesTheMutex) {
    const std::string name = MutexName("exception");
    try {
        InstanceMutex mutex = InstanceMutex::Create(name.c_str());
        ASSERT_TRUE(AnotherInstanceRunning(name.c_str()));
        throw 1;
    } catch (int) {
    }
    EXPECT_FALSE(AnotherInstanceRunning(name.c_str()));
}

// What another thread gets when it tries to take the mutex at once.
DWORD TakeFromAnotherThread(const std::string& name) {
    struct Probe {
        const char* name;
        DWORD wait;
    } probe{name.c_str(), WAIT_FAILED};
    auto tryTake = [](void* param) -> DWORD {
        auto* p = static_cast<Probe*>(param);
        HANDLE handle = OpenMutexA(SYNCHRONIZE, FALSE, p->name);
        if (!handle) return 0;
        p->wait = WaitForSingleObject(handle, 0);
        if (p->wait == WAIT_OBJECT_0 || p->wait == WAIT_ABANDONED) ReleaseMutex(handle);
        CloseHandle(handle);
        return 0;
    };
    HANDLE thread = CreateThread(nullptr, 0, tryTake, &probe, 0, nullptr);
    if (!thread) return WAIT_FAILED;
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
    return probe.wait;
}

// The mutex is owned by the creating thread until it is released; a second
// creation (two starts at the same moment) neither gets nor gives up that
// ownership.
TEST(PlatformSingleInstance, TheMutexIsOwnedByItsCreator) {
    const std::string name = MutexName("owner");
    InstanceMutex mutex = InstanceMutex::Create(name.c_str());
    ASSERT_TRUE(mutex);
    EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), TakeFromAnotherThread(name));
    {
        InstanceMutex second = InstanceMutex::Create(name.c_str());
        ASSERT_TRUE(second);
        EXPECT_TRUE(second.ExistedBefore());
    }
    EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), TakeFromAnotherThread(name));
    mutex.Release();
    EXPECT_FALSE(AnotherInstanceRunning(name.c_str()));
}

}  // namespace
}  // namespace vistrel::platform
