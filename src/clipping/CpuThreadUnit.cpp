#include "clipping/CpuThreadUnit.h"

#include <optional>
#include <utility>

#include "clipping/CpuLevel.h"
#include "platform/Pdh.h"

namespace vistrel {

namespace {

// One of the two sources, read at the start and at the end of a pause.
class UsageSampler {
public:
    explicit UsageSampler(CpuSource preferred) {
        if (preferred == CpuSource::PerformanceCounter)
            counter_ = platform::ProcessorTimeCounter::Open();
    }

    CpuSource Source() const {
        return counter_ ? CpuSource::PerformanceCounter : CpuSource::SystemTimes;
    }

    void Begin() {
        if (counter_)
            counter_.Collect();
        else
            before_ = platform::ReadSystemTimes();
    }

    // The usage over the pause; none when it could not be read.
    std::optional<long long> End() {
        if (counter_) {
            if (!counter_.Collect()) return std::nullopt;
            const std::optional<long> value = counter_.Value();
            if (!value) return std::nullopt;
            return *value;
        }
        const std::optional<CpuTimes> after = platform::ReadSystemTimes();
        if (!before_ || !after) return std::nullopt;
        const std::optional<int> usage = UsageBetween(*before_, *after);
        if (!usage) return std::nullopt;
        return *usage;
    }

private:
    platform::ProcessorTimeCounter counter_;
    std::optional<CpuTimes> before_;
};

}  // namespace

TCpuThread::TCpuThread(std::function<void(int)> setCpuUsage, CpuThreadOptions options)
    : setCpuUsage_(std::move(setCpuUsage)), options_(std::move(options)) {}

TCpuThread::~TCpuThread() { Stop(); }

void TCpuThread::Execute() {
    UsageSampler sampler(options_.source);
    if (options_.onOpened) options_.onOpened(sampler.Source());
    std::optional<int> last;
    while (!Terminated()) {
        sampler.Begin();
        if (!SleepFor(options_.pauseMs)) break;
        last = NextSample(last, sampler.End());
        if (!last) continue;
        const int value = *last;
        Synchronize([this, value] { setCpuUsage_(value); });
    }
}

}  // namespace vistrel
