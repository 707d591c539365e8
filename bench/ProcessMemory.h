#pragma once
// A process's private memory (its commit charge) and working set, as psapi
// reports them.

#include <windows.h>

namespace vistrel::bench {

struct ProcessMemory {
    long long privateKb = 0;
    long long workingSetKb = 0;
    bool commitCharge = false;  // privateKb is PagefileUsage
};

// Zeros when the process cannot be read.
ProcessMemory ReadProcessMemoryFigures(HANDLE process);

inline double Megabytes(long long kb) { return static_cast<double>(kb) / 1024.0; }

}  // namespace vistrel::bench
