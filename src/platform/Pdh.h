#pragma once
// The machine's processor usage as the system measures it: the performance
// data helper's total processor time counter, and the system's processor
// times for where that counter cannot be had.
//
// pdh.dll is loaded at run time from the system folder: a missing library or
// function, or a counter the system does not know, leaves the counter closed
// and the caller samples the system times instead.

#include <windows.h>
#include <pdh.h>

#include <optional>
#include <utility>

#include "common/CpuTimes.h"
#include "platform/SystemLibrary.h"

namespace vistrel::platform {

// A query or counter handle of pdh.dll with the function that releases it.
// Move-only: a copy would release the handle twice. A handle that was never
// opened is never released.
class PdhHandleOwner {
public:
    using ReleaseFn = PDH_STATUS(WINAPI*)(HANDLE);

    PdhHandleOwner() = default;
    PdhHandleOwner(HANDLE handle, ReleaseFn release) noexcept : handle_(handle), release_(release) {}
    ~PdhHandleOwner() { reset(); }
    PdhHandleOwner(PdhHandleOwner&& other) noexcept
        : handle_(std::exchange(other.handle_, nullptr)), release_(std::exchange(other.release_, nullptr)) {}
    PdhHandleOwner& operator=(PdhHandleOwner&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
            release_ = std::exchange(other.release_, nullptr);
        }
        return *this;
    }
    PdhHandleOwner(const PdhHandleOwner&) = delete;
    PdhHandleOwner& operator=(const PdhHandleOwner&) = delete;

    HANDLE get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != nullptr; }
    void reset() noexcept {
        if (handle_ && release_) release_(handle_);
        handle_ = nullptr;
        release_ = nullptr;
    }

private:
    HANDLE handle_ = nullptr;
    ReleaseFn release_ = nullptr;
};

// "\Processor(_Total)\% Processor Time" on the local machine. Move-only; a
// default-constructed counter is closed and reads nothing.
class ProcessorTimeCounter {
public:
    ProcessorTimeCounter() = default;
    ProcessorTimeCounter(ProcessorTimeCounter&& other) noexcept { *this = std::move(other); }
    ProcessorTimeCounter& operator=(ProcessorTimeCounter&& other) noexcept;
    ProcessorTimeCounter(const ProcessorTimeCounter&) = delete;
    ProcessorTimeCounter& operator=(const ProcessorTimeCounter&) = delete;
    ~ProcessorTimeCounter() { Close(); }

    // Closed when pdh.dll, one of its functions, the query or the counter
    // cannot be had.
    static ProcessorTimeCounter Open();
    explicit operator bool() const noexcept { return static_cast<bool>(counter_); }

    // Takes a sample; false when the system could not.
    bool Collect();
    // The usage between the last two samples in percent, as the counter
    // formats it; none when it has no valid value (fewer than two samples,
    // a failed sample, a closed counter).
    std::optional<long> Value() const;
    // The counter, then the query, then the library.
    void Close() noexcept;

private:
    using CollectFn = PDH_STATUS(WINAPI*)(PDH_HQUERY);
    using FormattedValueFn = PDH_STATUS(WINAPI*)(PDH_HCOUNTER, DWORD, LPDWORD, PPDH_FMT_COUNTERVALUE);

    // Declared first: it goes last, after the handles its functions release.
    SystemLibrary library_;
    PdhHandleOwner query_;
    PdhHandleOwner counter_;
    CollectFn collect_ = nullptr;
    FormattedValueFn formattedValue_ = nullptr;
};

// GetSystemTimes; none when the system cannot say.
std::optional<CpuTimes> ReadSystemTimes();

}  // namespace vistrel::platform
