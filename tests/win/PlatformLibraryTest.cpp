// Loading of system libraries and the functions looked up at run time.

#include "platform/OptionalApis.h"
#include "platform/SystemLibrary.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

namespace vistrel::platform {
namespace {

std::string ModulePath(HMODULE module) {
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
    return std::string(path, length);
}

std::string FolderPart(const std::string& path) { return path.substr(0, path.find_last_of('\\') + 1); }

std::string SystemFolder() {
    char folder[MAX_PATH + 1] = {};
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    std::string result(folder, length);
    if (!result.empty() && result.back() != '\\') result += '\\';
    return result;
}

// The smallest x64 DLL that loads: headers, one code section, and an entry
// point that returns TRUE. It is planted beside the test executable, where a
// careless LoadLibrary would pick it up.
std::string MinimalDll() {
    std::string image(0x400, '\0');
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(image.data());
    dos->e_magic = IMAGE_DOS_SIGNATURE;
    dos->e_lfanew = 0x40;
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS64*>(image.data() + 0x40);
    nt->Signature = IMAGE_NT_SIGNATURE;
    nt->FileHeader.Machine = IMAGE_FILE_MACHINE_AMD64;
    nt->FileHeader.NumberOfSections = 1;
    nt->FileHeader.SizeOfOptionalHeader = sizeof(IMAGE_OPTIONAL_HEADER64);
    nt->FileHeader.Characteristics =
        IMAGE_FILE_EXECUTABLE_IMAGE | IMAGE_FILE_LARGE_ADDRESS_AWARE | IMAGE_FILE_DLL;
    IMAGE_OPTIONAL_HEADER64& optional = nt->OptionalHeader;
    optional.Magic = IMAGE_NT_OPTIONAL_HDR64_MAGIC;
    optional.SizeOfCode = 0x200;
    optional.AddressOfEntryPoint = 0x1000;
    optional.BaseOfCode = 0x1000;
    optional.ImageBase = 0x6f000000;
    optional.SectionAlignment = 0x1000;
    optional.FileAlignment = 0x200;
    optional.MajorOperatingSystemVersion = 6;
    optional.MajorSubsystemVersion = 6;
    optional.SizeOfImage = 0x2000;
    optional.SizeOfHeaders = 0x200;
    optional.Subsystem = IMAGE_SUBSYSTEM_WINDOWS_GUI;
    optional.SizeOfStackReserve = 0x100000;
    optional.SizeOfStackCommit = 0x1000;
    optional.SizeOfHeapReserve = 0x100000;
    optional.SizeOfHeapCommit = 0x1000;
    optional.NumberOfRvaAndSizes = IMAGE_NUMBEROF_DIRECTORY_ENTRIES;
    auto* section = IMAGE_FIRST_SECTION(nt);
    std::memcpy(section->Name, ".text", 5);
    section->Misc.VirtualSize = 0x1000;
    section->VirtualAddress = 0x1000;
    section->SizeOfRawData = 0x200;
    section->PointerToRawData = 0x200;
    section->Characteristics = IMAGE_SCN_CNT_CODE | IMAGE_SCN_MEM_EXECUTE | IMAGE_SCN_MEM_READ;
    const unsigned char returnTrue[] = {0xB8, 0x01, 0x00, 0x00, 0x00, 0xC3};  // mov eax, 1; ret
    std::memcpy(image.data() + 0x200, returnTrue, sizeof returnTrue);
    return image;
}

// A DLL file beside the test executable for the test's duration.
class PlantedDll {
public:
    explicit PlantedDll(const char* name) : path_(FolderPart(ModulePath(nullptr)) + name) {
        const std::string image = MinimalDll();
        HANDLE file = CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        if (file != INVALID_HANDLE_VALUE) {
            WriteFile(file, image.data(), static_cast<DWORD>(image.size()), &written, nullptr);
            CloseHandle(file);
        }
    }
    ~PlantedDll() { DeleteFileA(path_.c_str()); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

TEST(PlatformSystemLibrary, LoadsSystemLibrariesFromTheSystemFolder) {
    for (const char* name : {"psapi.dll", "User32.dll", "version.dll"}) {
        SCOPED_TRACE(name);
        SystemLibrary library = SystemLibrary::Load(name);
        ASSERT_TRUE(library);
        EXPECT_EQ(0, lstrcmpiA(FolderPart(ModulePath(library.Handle())).c_str(), SystemFolder().c_str()));
    }
}

TEST(PlatformSystemLibrary, RefusesLibrariesOutsideTheSystemFolder) {
    PlantedDll planted("vistrel-planted-probe.dll");
    {
        // The planted file itself is a loadable library, so a refusal below
        // is the search order's doing, not a broken file's.
        HMODULE direct = LoadLibraryA(planted.path().c_str());
        ASSERT_NE(nullptr, direct);
        FreeLibrary(direct);
    }
    const std::string fullPath = planted.path();
    const struct {
        const char* name;
    } cases[] = {
        {"vistrel-planted-probe.dll"},    // only beside the executable
        {fullPath.c_str()},               // a path, not a bare name
        {".\\vistrel-planted-probe.dll"}, // a relative path
        {""},
        {"vistrel-no-such-library.dll"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(SystemLibrary::Load(c.name));
    }
}

TEST(PlatformSystemLibrary, ProcIsNullForMissingFunctionsAndEmptyOwners) {
    using Fn = BOOL(WINAPI*)(HWND, HDC, UINT);
    SystemLibrary user32 = SystemLibrary::Load("user32.dll");
    EXPECT_NE(nullptr, user32.Proc<Fn>("PrintWindow"));
    EXPECT_EQ(nullptr, user32.Proc<Fn>("VistrelNoSuchFunction"));

    SystemLibrary moved = std::move(user32);
    EXPECT_FALSE(user32);  // a moved-from owner is empty
    EXPECT_EQ(nullptr, user32.Proc<Fn>("PrintWindow"));
    EXPECT_NE(nullptr, moved.Proc<Fn>("PrintWindow"));
    moved.Free();
    EXPECT_FALSE(moved);
    EXPECT_EQ(nullptr, moved.Proc<Fn>("PrintWindow"));
}

// The narrowed search stays for the rest of the test process, which then
// loads libraries as the program does after its first line.
TEST(PlatformSystemLibrary, RestrictedSearchIgnoresTheProgramFolder) {
    PlantedDll planted("vistrel-planted-probe2.dll");
    RestrictDllSearchToSystem();
    HMODULE plantedModule = LoadLibraryA("vistrel-planted-probe2.dll");
    EXPECT_EQ(nullptr, plantedModule);
    if (plantedModule) FreeLibrary(plantedModule);
    HMODULE system = LoadLibraryA("psapi.dll");
    EXPECT_NE(nullptr, system);
    if (system) FreeLibrary(system);
}

TEST(PlatformOptionalApis, LoadedOnThisSystemAndMissingWhenNotLoaded) {
    PrintWindowApi print = PrintWindowApi::Load();
    ProcessPathApi path = ProcessPathApi::Load();
    LayeredApi layered = LayeredApi::Load();
    EXPECT_TRUE(print.Available());
    EXPECT_TRUE(path.Available());
    EXPECT_TRUE(layered.Available());

    print.Free();
    path.Free();
    layered.Free();
    for (bool available : {print.Available(), path.Available(), layered.Available(),
                           PrintWindowApi{}.Available(), ProcessPathApi{}.Available(),
                           LayeredApi{}.Available()})
        EXPECT_FALSE(available);
    // Calls through a missing function fail instead of crashing.
    EXPECT_FALSE(print.Print(nullptr, nullptr, 0));
    EXPECT_FALSE(layered.SetAttributes(nullptr, 0, 255, 0));
    wchar_t buffer[8] = {};
    EXPECT_EQ(0u, path.ModuleFileName(GetCurrentProcess(), nullptr, buffer, 8));
}

}  // namespace
}  // namespace vistrel::platform
