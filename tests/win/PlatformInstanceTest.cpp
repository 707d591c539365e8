// The single-instance mutex.

#include "platform/SingleInstance.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <sddl.h>

#include <string>
#include <thread>

namespace vistrel::platform {
namespace {

// A name of this test run only, with a Shift-JIS character as the real one has.
std::string MutexName(const char* tag) {
    return std::string("Vistrel α test ") + tag + " " + std::to_string(GetCurrentProcessId());
}

// Whether a mutex of that name exists: what a second start would run into.
bool MutexExists(const std::string& name) {
    return static_cast<bool>(UniqueHandle(OpenMutexA(SYNCHRONIZE, FALSE, name.c_str())));
}

TEST(PlatformSingleInstance, TheMutexMarksARunningInstanceUntilReleased) {
    const std::string name = MutexName("lifetime");
    EXPECT_FALSE(MutexExists(name));
    {
        InstanceMutex mutex = InstanceMutex::Create(name.c_str());
        ASSERT_TRUE(mutex);
        EXPECT_FALSE(mutex.AnotherInstance());
        EXPECT_TRUE(MutexExists(name));

        // Moving the owner keeps the mutex alive; the moved-from one releases nothing.
        InstanceMutex moved = std::move(mutex);
        EXPECT_FALSE(mutex);  // a moved-from owner is empty
        EXPECT_TRUE(moved);
        EXPECT_TRUE(MutexExists(name));
    }
    EXPECT_FALSE(MutexExists(name));
}

TEST(PlatformSingleInstance, AnExceptionLeavingTheLoopStillReleasesTheMutex) {
    const std::string name = MutexName("exception");
    try {
        InstanceMutex mutex = InstanceMutex::Create(name.c_str());
        ASSERT_TRUE(MutexExists(name));
        throw 1;
    } catch (int) {
    }
    EXPECT_FALSE(MutexExists(name));
}

// A kernel object that already holds the name when the instance starts.
UniqueHandle MutexClosedToOthers(const std::string& name) {
    // An empty DACL grants nothing to anybody, the creator's later opens included.
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA("D:", SDDL_REVISION_1, &descriptor, nullptr))
        return UniqueHandle();
    SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
    UniqueHandle mutex(CreateMutexA(&attributes, FALSE, name.c_str()));
    LocalFree(descriptor);
    return mutex;
}

TEST(PlatformSingleInstance, AnotherInstanceIsToldByTheCreationItself) {
    struct Case {
        const char* tag;
        UniqueHandle (*holder)(const std::string& name);  // what holds the name before
        bool anotherInstance;
        bool owned;
    };
    const Case cases[] = {
        {"free", [](const std::string&) { return UniqueHandle(); }, false, true},
        {"held", [](const std::string& name) { return UniqueHandle(CreateMutexA(nullptr, TRUE, name.c_str())); },
         true, false},
        // As when the other instance runs elevated: the name is taken even
        // though we may not open it.
        {"closed to us", MutexClosedToOthers, true, false},
        // Not another instance of ours: running unguarded beats not running.
        {"an event", [](const std::string& name) { return UniqueHandle(CreateEventA(nullptr, TRUE, FALSE, name.c_str())); },
         false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tag);
        const std::string name = MutexName(c.tag);
        const UniqueHandle holder = c.holder(name);
        const InstanceMutex mutex = InstanceMutex::Create(name.c_str());
        EXPECT_EQ(mutex.AnotherInstance(), c.anotherInstance);
        if (c.owned) {
            EXPECT_TRUE(mutex);
        }
    }
}

// What another thread gets when it tries to take the mutex at once.
DWORD TakeFromAnotherThread(const std::string& name) {
    DWORD wait = WAIT_FAILED;
    std::thread([&] {
        UniqueHandle handle(OpenMutexA(SYNCHRONIZE, FALSE, name.c_str()));
        if (!handle) return;
        wait = WaitForSingleObject(handle.get(), 0);
        if (wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED) ReleaseMutex(handle.get());
    }).join();
    return wait;
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
        EXPECT_TRUE(second.AnotherInstance());
    }
    EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), TakeFromAnotherThread(name));
    mutex.Release();
    EXPECT_FALSE(MutexExists(name));
}

}  // namespace
}  // namespace vistrel::platform
