#pragma once
// One testwindows.exe and one Vistrel for a whole suite, for cases that only
// read what the program shows. Derived::StartAll() creates both; a failure
// there fails every case of the suite with its message.

#include <gtest/gtest.h>

#include <exception>
#include <memory>
#include <string>

#include "TestWindows.h"
#include "VistrelProcess.h"

namespace vistrel::e2e {

template <class Derived>
class SharedVistrelSuite : public ::testing::Test {
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
        if (!VistrelProcess::IsBuilt()) GTEST_SKIP() << "Vistrel.exe is not built yet";
        ASSERT_TRUE(app_) << "suite set-up failed: " << setupError_;
    }

    static inline std::unique_ptr<TestWindows> helper_;
    static inline std::unique_ptr<VistrelProcess> app_;
    static inline std::string setupError_;
};

}  // namespace vistrel::e2e
