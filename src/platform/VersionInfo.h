#pragma once
// Version resources of executable files (version.dll). The library is loaded
// at run time from the system folder: "version.dll" is the name most often
// planted beside a program to be loaded in place of the system's.

#include <windows.h>

#include <string>

#include "platform/SystemLibrary.h"

namespace vistrel::platform {

class VersionInfoApi {
public:
    static VersionInfoApi Load();
    bool Available() const noexcept { return size_ && read_ && query_; }

    // The product name in the file's first translation, at most 255 bytes
    // in the ANSI code page; empty when the library, the resource (a size of
    // 0 included), its translation or the name is missing. The file is named
    // in UTF-16, as the system holds program paths.
    std::string ProductName(const std::u16string& path) const;

    void Free() noexcept;

private:
    using SizeFn = DWORD(WINAPI*)(LPCWSTR, LPDWORD);
    using ReadFn = BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID);
    using QueryFn = BOOL(WINAPI*)(LPCVOID, LPCSTR, LPVOID*, PUINT);
    SystemLibrary library_;
    SizeFn size_ = nullptr;
    ReadFn read_ = nullptr;
    QueryFn query_ = nullptr;
};

}  // namespace vistrel::platform
