#pragma once
// Common ground of the end-to-end driver: its error, bounded waits, owners of
// handles and of memory in another process, the build's products, files,
// processes and DLL injection.
//
// Every wait is bounded and every failure throws DriverError with a message
// that says what was awaited; GoogleTest reports it as the test's failure.
// Processes are started here and ended only through their own handles.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "common/Mbcs.h"
#include "platform/Files.h"
#include "platform/Handles.h"
#include "platform/Locale.h"

namespace vistrel::e2e {

class DriverError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Long enough for a refresh of a full list under Wine; a message that takes
// longer means the program hangs.
constexpr int kMessageTimeoutMs = 15000;

// The program's own owner of kernel handles (header-only).
using platform::UniqueHandle;

// Memory allocated in another process, for messages whose parameters point to
// memory (list-view items, status texts): the pointer is read in the
// receiving process, so it must point into that process.
class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, size_t size);
    ~RemoteBuffer();
    RemoteBuffer(RemoteBuffer&& other) noexcept;
    RemoteBuffer& operator=(RemoteBuffer&& other) noexcept;
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    // An address in the other process; never dereference it here.
    void* address(size_t offset = 0) const { return static_cast<char*>(address_) + offset; }
    LPARAM lparam(size_t offset = 0) const { return reinterpret_cast<LPARAM>(address(offset)); }
    size_t size() const { return size_; }

    void Write(const void* data, size_t size, size_t offset = 0);
    void Read(void* data, size_t size, size_t offset = 0) const;
    template <class T>
    void Put(const T& value, size_t offset = 0) {
        Write(&value, sizeof value, offset);
    }
    template <class T>
    T Get(size_t offset = 0) const {
        T value{};
        Read(&value, sizeof value, offset);
        return value;
    }
    // A zero-terminated text of at most `capacity` bytes at `offset`.
    std::string GetText(size_t offset, size_t capacity) const;

private:
    void Free() noexcept;
    HANDLE process_ = nullptr;  // borrowed
    void* address_ = nullptr;
    size_t size_ = 0;
};

// The build's products, as Windows paths (empty when the build has none).
std::string VistrelExePath();
std::string TestWindowsExePath();
std::string TestWindowsDllPath();
std::string SetupExePath();  // the installer, where makensis built one
// A path of the build (a Unix path under Wine) in the form Windows programs take.
std::string WindowsPath(const std::string& path);

// Polls `done` every few milliseconds for at most `timeoutMs`.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs);
// The same, throwing "timed out after N ms waiting for <what>".
void WaitFor(const std::function<bool()>& done, int timeoutMs, const std::string& what);

// Files and folders, by Windows path: the program's own helpers serve the
// driver too.
using platform::CreateFolders;
using platform::DirectoryExists;
using platform::FileExists;
using platform::ReadWholeFile;
using platform::UserName;
// Writes the file whole, creating its folder first; throws when it cannot.
void WriteFileBytes(const std::string& path, const std::string& bytes);

// Processes.
struct Process {
    UniqueHandle handle;
    DWORD id = 0;
};
Process StartProcess(const std::string& exe, const std::string& arguments, const std::string& folder);
// The same for a program whose path the code page cannot hold.
Process StartProcess(const std::u16string& exe, const std::string& arguments, const std::string& folder);
// `count` processes of one program, started as nearly at the same moment as
// the system allows: all are created suspended first, so that none is ahead
// by a whole process creation, then resumed one after the other.
std::vector<Process> StartTogether(const std::string& exe, int count, const std::string& folder);
bool HasExited(HANDLE process);
// Waits for the process to end and gives its exit code; throws on timeout.
DWORD WaitForExit(HANDLE process, int timeoutMs, const std::string& what);
// Loads a DLL into another process: LoadLibraryA run by CreateRemoteThread
// on the path written into the process. Returns once LoadLibraryA returned;
// throws when the thread cannot be made or does not end in time.
void InjectDll(HANDLE process, const std::string& dllPath, int timeoutMs = 30000);

// Messages to another process's windows, bounded: throws when the window
// does not answer in time.
LRESULT SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int timeoutMs = kMessageTimeoutMs);

// Paths and titles as Windows compares them: without regard to case.
inline bool SameTextIgnoringCase(const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

std::string Hex(uint64_t value);
// "0x1A2B "title" (class)" for messages.
std::string Describe(HWND window);

}  // namespace vistrel::e2e
