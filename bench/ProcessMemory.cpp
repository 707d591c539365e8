#include "ProcessMemory.h"

#include <psapi.h>

namespace vistrel::bench {

ProcessMemory ReadProcessMemoryFigures(HANDLE process) {
    ProcessMemory figures;
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (!GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory))
        return figures;
    // Windows gives the process's commit charge as both PrivateUsage and
    // PagefileUsage; Wine 8 fills only the latter, for this process too.
    figures.commitCharge = memory.PrivateUsage == 0;
    figures.privateKb =
        static_cast<long long>((figures.commitCharge ? memory.PagefileUsage : memory.PrivateUsage) / 1024);
    figures.workingSetKb = static_cast<long long>(memory.WorkingSetSize / 1024);
    return figures;
}

}  // namespace vistrel::bench
