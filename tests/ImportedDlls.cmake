# Fails when the exe imports a DLL that a file of that name beside it could
# stand in for: imports are loaded before the program runs, by a search that
# starts in the exe's folder. Only the known DLLs, which the system always
# maps from its own folder, and comctl32, which the manifest's side-by-side
# assembly brings, are safe; anything else is loaded at run time from the
# system folder (platform/SystemLibrary.h).
#   cmake -DEXE=Vistrel.exe -DOBJDUMP=x86_64-w64-mingw32-objdump -P ImportedDlls.cmake
cmake_minimum_required(VERSION 3.20)

# Known DLLs on every Windows from 7 on, as far as this program may want them
# (version, winmm, uxtheme, msimg32, pdh and dwmapi are not among them).
set(allowed advapi32 comdlg32 gdi32 imm32 kernel32 msvcrt ole32 oleaut32 psapi shell32 shlwapi user32 ws2_32)
file(STRINGS "${EXE}" manifest LIMIT_COUNT 1 REGEX "Microsoft\\.Windows\\.Common-Controls")
if(manifest)
  list(APPEND allowed comctl32)
endif()

execute_process(COMMAND "${OBJDUMP}" -p "${EXE}" OUTPUT_VARIABLE dump COMMAND_ERROR_IS_FATAL ANY)
string(TOLOWER "${dump}" dump)
string(REGEX MATCHALL "dll name: [^\r\n;]+\\.dll" lines "${dump}")
string(REGEX REPLACE "dll name: ([^;]+)\\.dll" "\\1" imported "${lines}")
if(NOT "kernel32" IN_LIST imported)
  message(FATAL_ERROR "no import table read from ${EXE}")
endif()
list(REMOVE_ITEM imported ${allowed})
if(imported)
  message(FATAL_ERROR "${EXE} imports DLLs a file beside it could replace: ${imported}")
endif()
