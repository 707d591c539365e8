#include "platform/Pdh.h"

#include <pdhmsg.h>

namespace vistrel::platform {

namespace {

constexpr const char* kCounterPath = "\\Processor(_Total)\\% Processor Time";

using OpenQueryFn = PDH_STATUS(WINAPI*)(LPCSTR, DWORD_PTR, PDH_HQUERY*);
using AddCounterFn = PDH_STATUS(WINAPI*)(PDH_HQUERY, LPCSTR, DWORD_PTR, PDH_HCOUNTER*);

uint64_t FromFileTime(const FILETIME& time) {
    return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

}  // namespace

ProcessorTimeCounter& ProcessorTimeCounter::operator=(ProcessorTimeCounter&& other) noexcept {
    if (this != &other) {
        Close();
        counter_ = std::move(other.counter_);
        query_ = std::move(other.query_);
        library_ = std::move(other.library_);
        collect_ = std::exchange(other.collect_, nullptr);
        formattedValue_ = std::exchange(other.formattedValue_, nullptr);
    }
    return *this;
}

ProcessorTimeCounter ProcessorTimeCounter::Open() {
    ProcessorTimeCounter result;
    SystemLibrary library = SystemLibrary::Load("pdh.dll");
    const auto openQuery = library.Proc<OpenQueryFn>("PdhOpenQueryA");
    // Counter names are translated on localised systems: the English path
    // fails on a Japanese one. PdhAddEnglishCounterA (Vista and later) takes
    // it as it is; PdhAddCounterA is for systems without it.
    const auto addEnglish = library.Proc<AddCounterFn>("PdhAddEnglishCounterA");
    const auto addCounter = library.Proc<AddCounterFn>("PdhAddCounterA");
    const auto closeQuery = library.Proc<PdhHandleOwner::ReleaseFn>("PdhCloseQuery");
    const auto removeCounter = library.Proc<PdhHandleOwner::ReleaseFn>("PdhRemoveCounter");
    const auto collect = library.Proc<CollectFn>("PdhCollectQueryData");
    const auto formattedValue = library.Proc<FormattedValueFn>("PdhGetFormattedCounterValue");
    if (!openQuery || !(addEnglish || addCounter) || !closeQuery || !removeCounter || !collect ||
        !formattedValue)
        return result;

    PDH_HQUERY query = nullptr;
    if (openQuery(nullptr, 0, &query) != ERROR_SUCCESS || !query) return result;
    PdhHandleOwner queryOwner(query, closeQuery);
    PDH_HCOUNTER counter = nullptr;
    PDH_STATUS status = PDH_CSTATUS_NO_COUNTER;
    if (addEnglish) status = addEnglish(query, kCounterPath, 0, &counter);
    if ((status != ERROR_SUCCESS || !counter) && addCounter) {
        counter = nullptr;
        status = addCounter(query, kCounterPath, 0, &counter);
    }
    if (status != ERROR_SUCCESS || !counter) return result;

    result.library_ = std::move(library);
    result.query_ = std::move(queryOwner);
    result.counter_ = PdhHandleOwner(counter, removeCounter);
    result.collect_ = collect;
    result.formattedValue_ = formattedValue;
    return result;
}

bool ProcessorTimeCounter::Collect() {
    return query_ && collect_ && collect_(query_.get()) == ERROR_SUCCESS;
}

std::optional<long> ProcessorTimeCounter::Value() const {
    if (!counter_ || !formattedValue_) return std::nullopt;
    PDH_FMT_COUNTERVALUE value{};
    if (formattedValue_(counter_.get(), PDH_FMT_LONG, nullptr, &value) != ERROR_SUCCESS)
        return std::nullopt;
    if (value.CStatus != PDH_CSTATUS_VALID_DATA && value.CStatus != PDH_CSTATUS_NEW_DATA)
        return std::nullopt;
    return value.longValue;
}

void ProcessorTimeCounter::Close() noexcept {
    counter_.reset();
    query_.reset();
    library_.Free();
    collect_ = nullptr;
    formattedValue_ = nullptr;
}

std::optional<CpuTimes> ReadSystemTimes() {
    FILETIME idle{}, kernel{}, user{};
    if (!GetSystemTimes(&idle, &kernel, &user)) return std::nullopt;
    return CpuTimes{FromFileTime(idle), FromFileTime(kernel), FromFileTime(user)};
}

}  // namespace vistrel::platform
