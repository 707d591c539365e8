// The main window's commands run one at a time, and a close, a refresh or a
// resize that comes meanwhile waits for the list to be free.

#include "main/CommandGate.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "toolkit/Application.h"
#include "toolkit/Timer.h"

namespace vistrel {
namespace {

class CommandGateTest : public ::testing::Test {
protected:
    void SetUp() override { tk::Application::Instance().Initialize(); }

    ClosingSequence closing{ClosingSteps{}};
    int posts = 0;
    std::string ran;  // the deferred requests carried out, in order
    CommandGate gate{closing, [this] { ++posts; },
                     {[this] { ran += "close "; }, [this] { ran += "resize "; },
                      [this](RefreshKind kind) {
                          ran += kind == RefreshKind::List ? "refresh " : "open-only ";
                      }}};
    tk::Timer timer;
    bool insideStep = false;
    bool mayBeginInStep = true;
    bool mayRefreshInStep = true;
    BackgroundWork work{timer, [] { return true; }, [] {}, [this](int, int) {
                            insideStep = true;
                            mayBeginInStep = gate.MayBegin();
                            mayRefreshInStep = gate.Admit(CommandGate::Request::Refresh).has_value();
                            return false;
                        }};
};

TEST_F(CommandGateTest, RequestsDuringACommandRunOnceItEndsTheCloseBeforeAll) {
    EXPECT_FALSE(gate.TryBegin()) << "no command before there is a background to pause";
    gate.Attach(work);
    {
        const auto command = gate.TryBegin();
        ASSERT_TRUE(command);
        EXPECT_FALSE(gate.TryBegin()) << "a second command while one runs";
        EXPECT_FALSE(gate.Admit(CommandGate::Request::Resize));
        EXPECT_FALSE(gate.Admit(CommandGate::Request::Refresh, RefreshKind::OpenOnlySwitched));
        gate.RunDeferred();  // a post from before: the command still holds the list
        EXPECT_EQ(ran, "");
    }
    EXPECT_EQ(posts, 1) << "the end of the command posts the deferred work";
    gate.RunDeferred();
    EXPECT_EQ(ran, "resize open-only ");

    ran.clear();
    {
        const auto command = gate.TryBegin();
        EXPECT_FALSE(gate.Admit(CommandGate::Request::Refresh));
        EXPECT_FALSE(gate.MayCloseNow());
        EXPECT_TRUE(closing.Started());
        EXPECT_FALSE(gate.MayBegin()) << "nothing begins once a close is asked for";
    }
    gate.RunDeferred();
    EXPECT_EQ(ran, "close ") << "the close supersedes the refresh";
    EXPECT_TRUE(gate.MayBegin());
}

TEST_F(CommandGateTest, NothingBeginsOrRebuildsInsideAWorkersCall) {
    gate.Attach(work);
    work.SetItemCount(1);
    ASSERT_TRUE(work.StartPass(0));
    // The pass step is a call the worker makes into this thread.
    const ULONGLONG end = GetTickCount64() + 5000;
    while (!insideStep && GetTickCount64() < end) tk::Application::Instance().ProcessMessages();
    ASSERT_TRUE(insideStep);
    EXPECT_FALSE(mayBeginInStep);
    EXPECT_FALSE(mayRefreshInStep);
    EXPECT_EQ(posts, 0) << "nothing posted that a pump inside the call would take again";
    work.Stop();
    // The refresh runs from the message loop once the call is over.
    tk::Application::Instance().ProcessMessages();
    EXPECT_EQ(ran, "refresh ");
}

}  // namespace
}  // namespace vistrel
