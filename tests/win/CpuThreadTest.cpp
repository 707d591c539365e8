// The CPU usage sampler under Wine: both of its sources hand over
// percentages in the user-interface thread, and it ends at once when asked,
// however long its pause. Wine's processor time counter opens but reads a
// fixed figure, whatever the load; the system times give real ones.

#include "clipping/CpuThreadUnit.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <vector>

#include "platform/Handles.h"
#include "toolkit/Application.h"

namespace vistrel {
namespace {

using Source = CpuSource;

platform::UniqueHandle ManualEvent() { return platform::UniqueHandle(CreateEventA(nullptr, TRUE, FALSE, nullptr)); }

class CpuThreadTest : public ::testing::Test {
protected:
    void SetUp() override { tk::Application::Instance().Initialize(); }
};

TEST_F(CpuThreadTest, BothSourcesHandOverPercentagesInTheInterfaceThread) {
    const struct {
        const char* name;
        Source asked;
        Source sampled;
    } cases[] = {
        {"system times", Source::SystemTimes, Source::SystemTimes},
        // Windows from 7 on has the counter, and so has Wine.
        {"the processor time counter", Source::PerformanceCounter, Source::PerformanceCounter},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const platform::UniqueHandle enough = ManualEvent();
        std::vector<int> values;
        bool inInterfaceThread = true;
        std::optional<Source> sampled;
        CpuThreadOptions options;
        options.source = c.asked;
        options.pauseMs = 100;  // the figures do not depend on the pause's length
        options.onOpened = [&](Source source) { sampled = source; };
        TCpuThread thread(
            [&](int percent) {
                values.push_back(percent);
                inInterfaceThread &= GetCurrentThreadId() == tk::Application::Instance().MainThreadId();
                if (values.size() == 3) SetEvent(enough.get());
            },
            options);
        ASSERT_TRUE(thread.Resume());
        tk::Application::Instance().WaitServingCalls(enough.get());
        thread.Stop();

        ASSERT_GE(values.size(), 3u);
        for (int value : values) {
            EXPECT_GE(value, 0);
            EXPECT_LE(value, 100);
        }
        EXPECT_TRUE(inInterfaceThread);
        EXPECT_EQ(sampled, c.sampled);
    }
}

TEST_F(CpuThreadTest, StopEndsThePauseAtOnce) {
    // An hour's pause: were it a plain sleep, Stop would hang here and the
    // run's time limit would fail the test.
    const platform::UniqueHandle opened = ManualEvent();
    CpuThreadOptions options;
    options.source = Source::SystemTimes;
    options.pauseMs = 3600 * 1000;
    options.onOpened = [&](Source) { SetEvent(opened.get()); };
    int calls = 0;
    TCpuThread thread([&](int) { ++calls; }, options);
    ASSERT_TRUE(thread.Resume());
    tk::Application::Instance().WaitServingCalls(opened.get());
    thread.Stop();
    EXPECT_EQ(calls, 0) << "a step cut short hands nothing over";
}

}  // namespace
}  // namespace vistrel
