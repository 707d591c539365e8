// The handle owners: what a reset to the handle already held does.

#include <gtest/gtest.h>
#include <windows.h>

#include "platform/Handles.h"
#include "toolkit/GdiOwners.h"

namespace vistrel {
namespace {

bool KernelHandleOpen(HANDLE handle) {
    DWORD flags = 0;
    return GetHandleInformation(handle, &flags) != FALSE;
}

bool GdiObjectAlive(HGDIOBJ object) { return GetObjectType(object) != 0; }

// Resetting an owner to its own handle must neither close the handle nor let
// it go; the owner still closes it once at the end.
template <class Owner, class Handle, class Alive>
void ExpectResetToItselfKeepsIt(Handle handle, Alive alive) {
    ASSERT_NE(handle, nullptr);
    {
        Owner owner(handle);
        owner.reset(owner.get());
        EXPECT_EQ(owner.get(), handle);
        EXPECT_TRUE(alive(handle));
    }
    EXPECT_FALSE(alive(handle));
}

TEST(HandleOwners, ResetToTheSameHandleKeepsIt) {
    {
        SCOPED_TRACE("kernel handle");
        ExpectResetToItselfKeepsIt<platform::UniqueHandle>(CreateEventA(nullptr, TRUE, FALSE, nullptr),
                                                           KernelHandleOpen);
    }
    {
        SCOPED_TRACE("GDI object");
        ExpectResetToItselfKeepsIt<tk::BrushOwner>(CreateSolidBrush(RGB(1, 2, 3)), GdiObjectAlive);
    }
}

}  // namespace
}  // namespace vistrel
