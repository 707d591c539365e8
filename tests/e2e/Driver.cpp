#include "Driver.h"

#include "platform/Text.h"

#include <cstdio>
#include <vector>

namespace vistrel::e2e {
namespace {

constexpr int kPollMs = 10;

std::string LastErrorText(const char* call) { return std::string(call) + " failed, error " + std::to_string(GetLastError()); }

}  // namespace

RemoteBuffer::RemoteBuffer(HANDLE process, size_t size)
    : process_(process),
      address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)),
      size_(size) {
    if (!address_) throw DriverError(LastErrorText("VirtualAllocEx"));
}

RemoteBuffer::~RemoteBuffer() { Free(); }

RemoteBuffer::RemoteBuffer(RemoteBuffer&& other) noexcept
    : process_(other.process_), address_(std::exchange(other.address_, nullptr)), size_(other.size_) {}

RemoteBuffer& RemoteBuffer::operator=(RemoteBuffer&& other) noexcept {
    if (this != &other) {
        Free();
        process_ = other.process_;
        address_ = std::exchange(other.address_, nullptr);
        size_ = other.size_;
    }
    return *this;
}

void RemoteBuffer::Free() noexcept {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    address_ = nullptr;
}

void RemoteBuffer::Write(const void* data, size_t size, size_t offset) {
    if (offset + size > size_) throw DriverError("RemoteBuffer::Write beyond the buffer");
    SIZE_T written = 0;
    if (!WriteProcessMemory(process_, address(offset), data, size, &written) || written != size)
        throw DriverError(LastErrorText("WriteProcessMemory"));
}

void RemoteBuffer::Read(void* data, size_t size, size_t offset) const {
    if (offset + size > size_) throw DriverError("RemoteBuffer::Read beyond the buffer");
    SIZE_T read = 0;
    if (!ReadProcessMemory(process_, address(offset), data, size, &read) || read != size)
        throw DriverError(LastErrorText("ReadProcessMemory"));
}

std::string RemoteBuffer::GetText(size_t offset, size_t capacity) const {
    std::vector<char> text(capacity + 1, 0);
    Read(text.data(), capacity, offset);
    return std::string(text.data());
}

std::string WindowsPath(const std::string& path) {
    if (path.empty() || path[0] != '/') {
        std::string out = path;
        for (char& c : out)
            if (c == '/') c = '\\';
        return out;
    }
    // Under Wine the build hands us Unix paths; Wine itself knows which drive
    // maps them.
    using ToDos = WCHAR* (*)(const char*);
    auto toDos = reinterpret_cast<ToDos>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name")));
    if (toDos) {
        if (WCHAR* wide = toDos(path.c_str())) {
            char buffer[MAX_PATH * 2] = {};
            WideCharToMultiByte(CP_ACP, 0, wide, -1, buffer, sizeof buffer - 1, nullptr, nullptr);
            HeapFree(GetProcessHeap(), 0, wide);
            return buffer;
        }
    }
    std::string out = "Z:" + path;
    for (char& c : out)
        if (c == '/') c = '\\';
    return out;
}

std::string VistrelExePath() { return WindowsPath(VISTREL_E2E_VISTREL_EXE); }
std::string TestWindowsExePath() { return WindowsPath(VISTREL_E2E_TESTWINDOWS_EXE); }
std::string TestWindowsDllPath() { return WindowsPath(VISTREL_E2E_TESTWINDOWS_DLL); }
std::string SetupExePath() { return WindowsPath(VISTREL_E2E_SETUP_EXE); }

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    for (;;) {
        if (done()) return true;
        if (GetTickCount64() >= end) return false;
        Sleep(kPollMs);
    }
}

void WaitFor(const std::function<bool()>& done, int timeoutMs, const std::string& what) {
    if (!WaitUntil(done, timeoutMs))
        throw DriverError("timed out after " + std::to_string(timeoutMs) + " ms waiting for " + what);
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    if (!CreateFolders(ExtractFolder(path, platform::IsLeadByte)) || !platform::ReplaceFileContents(path, bytes))
        throw DriverError("cannot write " + path + " (error " + std::to_string(GetLastError()) + ")");
}

namespace {

struct CreatedProcess {
    Process process;
    UniqueHandle thread;  // the first thread, for a process created suspended
};

CreatedProcess CreateProcessIn(const std::u16string& exe, const std::string& arguments, const std::string& folder,
                               DWORD flags) {
    std::u16string line = u"\"" + exe + u"\"";
    if (!arguments.empty()) {
        line += u' ';
        line += platform::Widen(arguments);
    }
    std::vector<wchar_t> mutableLine(line.begin(), line.end());
    mutableLine.push_back(0);
    const std::u16string wideFolder = platform::Widen(folder);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    // Wine now and then answers the start of an exe copied a moment before
    // with ERROR_INTERNAL_ERROR; the same start a moment later works.
    constexpr int kAttempts = 3;
    for (int attempt = 1;; ++attempt) {
        if (CreateProcessW(platform::AsWide(exe), mutableLine.data(), nullptr, nullptr, FALSE, flags, nullptr,
                           folder.empty() ? nullptr : platform::AsWide(wideFolder), &startup, &info))
            break;
        const DWORD error = GetLastError();
        if (error != ERROR_INTERNAL_ERROR || attempt == kAttempts)
            throw DriverError("cannot start " + platform::Narrow(exe) + " (error " + std::to_string(error) + ")");
    }
    CreatedProcess created;
    created.process.handle.reset(info.hProcess);
    created.process.id = info.dwProcessId;
    created.thread.reset(info.hThread);
    return created;
}

}  // namespace

Process StartProcess(const std::string& exe, const std::string& arguments, const std::string& folder) {
    return StartProcess(platform::Widen(exe), arguments, folder);
}

Process StartProcess(const std::u16string& exe, const std::string& arguments, const std::string& folder) {
    return CreateProcessIn(exe, arguments, folder, 0).process;
}

std::vector<Process> StartTogether(const std::string& exe, int count, const std::string& folder) {
    std::vector<CreatedProcess> created;
    try {
        for (int i = 0; i < count; ++i)
            created.push_back(CreateProcessIn(platform::Widen(exe), "", folder, CREATE_SUSPENDED));
    } catch (...) {
        // A suspended process never ends by itself.
        for (CreatedProcess& c : created) TerminateProcess(c.process.handle.get(), 1);
        throw;
    }
    for (CreatedProcess& c : created) ResumeThread(c.thread.get());
    std::vector<Process> processes;
    for (CreatedProcess& c : created) processes.push_back(std::move(c.process));
    return processes;
}

bool HasExited(HANDLE process) { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }

DWORD WaitForExit(HANDLE process, int timeoutMs, const std::string& what) {
    if (WaitForSingleObject(process, static_cast<DWORD>(timeoutMs)) != WAIT_OBJECT_0)
        throw DriverError("timed out after " + std::to_string(timeoutMs) + " ms waiting for " + what + " to end");
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    return code;
}

void InjectDll(HANDLE process, const std::string& dllPath, int timeoutMs) {
    RemoteBuffer path(process, dllPath.size() + 1);
    path.Write(dllPath.c_str(), dllPath.size() + 1);
    // kernel32 sits at the same address in every process of a session, so
    // our LoadLibraryA is theirs.
    auto load = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA")));
    UniqueHandle thread(CreateRemoteThread(process, nullptr, 0, load, path.address(), 0, nullptr));
    if (!thread) throw DriverError(LastErrorText("CreateRemoteThread"));
    if (WaitForSingleObject(thread.get(), static_cast<DWORD>(timeoutMs)) != WAIT_OBJECT_0)
        throw DriverError("LoadLibraryA of " + dllPath + " in the target process did not return within " +
                          std::to_string(timeoutMs) + " ms");
}

LRESULT SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int timeoutMs) {
    DWORD_PTR result = 0;
    SetLastError(0);
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, static_cast<UINT>(timeoutMs), &result)) {
        const DWORD error = GetLastError();
        throw DriverError("message " + Hex(message) + " to " + Describe(window) + " got no answer within " +
                          std::to_string(timeoutMs) + " ms (error " + std::to_string(error) + ")");
    }
    return static_cast<LRESULT>(result);
}

std::string Hex(uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
    return text;
}

std::string Describe(HWND window) {
    // Reads the title without sending a message, so describing a hung window
    // cannot hang the driver.
    WCHAR wide[256] = {};
    InternalGetWindowText(window, wide, 256);
    char title[512] = {}, cls[256] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, title, sizeof title - 1, nullptr, nullptr);
    GetClassNameA(window, cls, sizeof cls);
    return Hex(reinterpret_cast<uintptr_t>(window)) + " \"" + title + "\" (" + cls + ")";
}

}  // namespace vistrel::e2e
