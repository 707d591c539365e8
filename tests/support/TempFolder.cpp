#include "TempFolder.h"

#include <windows.h>

#include <stdexcept>
#include <utility>

namespace vistrel::test {
namespace {

std::string WithSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    return folder;
}

}  // namespace

TempFolder::TempFolder(const std::string& stem) {
    char temp[MAX_PATH + 1] = {};
    if (!GetTempPathA(sizeof temp, temp))
        throw std::runtime_error("GetTempPathA failed, error " + std::to_string(GetLastError()));
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const std::string folder = WithSlash(temp) + stem + "-" + std::to_string(GetCurrentProcessId()) + "-" +
                                   std::to_string(++counter);
        if (CreateDirectoryA(folder.c_str(), nullptr)) {
            path_ = folder + "\\";
            return;
        }
    }
    throw std::runtime_error("cannot make a temporary folder under " + std::string(temp));
}

TempFolder::~TempFolder() { Remove(); }

TempFolder::TempFolder(TempFolder&& other) noexcept : path_(std::exchange(other.path_, {})) {}

TempFolder& TempFolder::operator=(TempFolder&& other) noexcept {
    if (this != &other) {
        Remove();
        path_ = std::exchange(other.path_, {});
    }
    return *this;
}

bool TempFolder::Remove() {
    if (path_.empty()) return true;
    if (!DeleteTree(path_)) return false;
    path_.clear();
    return true;
}

bool DeleteTree(const std::string& folder) {
    const std::string base = WithSlash(folder);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((base + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            const std::string path = base + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                DeleteTree(path);
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    return RemoveDirectoryA(base.c_str()) != 0 || GetFileAttributesA(base.c_str()) == INVALID_FILE_ATTRIBUTES;
}

std::set<std::string> TempFolder::Files() const {
    std::set<std::string> names;
    if (path_.empty()) return names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path_ + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.insert(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

}  // namespace vistrel::test
