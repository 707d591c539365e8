#pragma once
// The fixtures of the suites that run Vistrel.exe. Until the exe is built,
// their cases skip rather than fail.

#include <gtest/gtest.h>

#include <exception>
#include <memory>
#include <optional>
#include <string>

#include "TestWindows.h"
#include "ThumbnailProbe.h"
#include "VistrelProcess.h"

namespace vistrel::e2e {

// A fixture's SetUp that overrides this one calls it first and returns when
// IsSkipped().
template <class Base = ::testing::Test>
class NeedsVistrel : public Base {
protected:
    void SetUp() override {
        if (!VistrelProcess::IsBuilt()) GTEST_SKIP() << "Vistrel.exe is not built yet";
    }
};

using VistrelTest = NeedsVistrel<>;

// One testwindows.exe and one Vistrel for a whole suite, for cases that only
// read what the program shows. Derived::StartAll() creates both; a failure
// there fails every case of the suite with its message.
template <class Derived>
class SharedVistrelSuite : public VistrelTest {
protected:
    static void SetUpTestSuite() {
        if (!VistrelProcess::IsBuilt()) return;
        try {
            Derived::StartAll();
        } catch (const std::exception& e) {
            setupError_ = e.what();
            TearDownTestSuite();
        }
    }

    static void TearDownTestSuite() {
        app_.reset();
        helper_.reset();
    }

    void SetUp() override {
        VistrelTest::SetUp();
        if (IsSkipped()) return;
        ASSERT_TRUE(app_) << "suite set-up failed: " << setupError_;
    }

    static inline std::unique_ptr<TestWindows> helper_;
    static inline std::unique_ptr<VistrelProcess> app_;
    static inline std::string setupError_;
};

// A started Vistrel with the test windows injected into its process, where
// PrintWindow reaches them under Wine; the windows close before the program.
class InjectedVistrelTest : public VistrelTest {
protected:
    void SetUp() override {
        VistrelTest::SetUp();
        if (IsSkipped()) return;
        app_.emplace(VistrelProcess::Start(Options()));
        guest_.emplace(app_->InjectTestWindows());
        probe_.emplace(*app_);
    }
    void TearDown() override {
        guest_.reset();
        app_.reset();
    }
    virtual VistrelOptions Options() const { return {}; }

    std::optional<VistrelProcess> app_;
    std::optional<TestWindows> guest_;
    std::optional<ThumbnailProbe> probe_;
};

}  // namespace vistrel::e2e
