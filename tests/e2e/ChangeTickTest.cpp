// The change tick keeps Vistrel's list current by itself: windows that open,
// are renamed, minimised or closed show in the list within about half a
// second, and in "Open Only" mode a minimised window is parked out of sight
// instead. Waits are bounded at several seconds; how long the list takes is
// a figure of bench_auto_update.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "VistrelSuites.h"

namespace vistrel::e2e {
namespace {

constexpr int kParkingOffset = 20000;
constexpr int kStepTimeoutMs = 5000;

class ChangeTickTest : public InjectedVistrelTest {
protected:
    struct Step {
        const char* name;
        std::function<void()> act;
        std::function<bool()> done;
    };

    // Each step acts and then waits for what the user should see.
    void RunSteps(const std::vector<Step>& steps) {
        for (const Step& step : steps) {
            SCOPED_TRACE(step.name);
            step.act();
            const bool seen = WaitUntil([&] { return Settled(step.done); }, kStepTimeoutMs);
            EXPECT_TRUE(seen) << "not seen within " << kStepTimeoutMs << " ms: " << step.name;
            if (!seen) return;  // later steps build on this one
        }
    }

    bool ShowButtonsSay(bool minimised) const {
        return app_->IsButtonEnabled(ids::ToolButton3) == minimised &&
               app_->IsButtonEnabled(ids::ToolButton4) == !minimised;
    }
};

TEST_F(ChangeTickTest, ListFollowsWindowsThatOpenChangeAndClose) {
    const ListViewProbe list = app_->List();
    const std::string renamed = "Tick alpha 改名";
    HWND alpha = nullptr, beta = nullptr;
    unsigned printsBeforeRename = 0;
    RunSteps({
        {"a new window is listed",
         [&] {
             alpha = guest_->Create(Plan(Kind::Frame, "Tick alpha", kBesideVistrelX, 80, 300, 200, 0x3050D0).Quiet());
         },
         [&] { return list.Find("Tick alpha") >= 0; }},
        {"a second new window is listed",
         [&] {
             beta = guest_->Create(
                 Plan(Kind::Frame, "Tick beta", kBesideVistrelX + 40, 400, 300, 200, 0x40B040).Quiet());
         },
         [&] { return list.Find("Tick beta") >= 0 && list.Find("Tick alpha") >= 0; }},
        {"a renamed window shows its new title",
         [&] {
             printsBeforeRename = guest_->PrintCount(alpha);
             guest_->Rename(alpha, renamed);
         },
         [&] { return list.Find(renamed) >= 0 && list.Find("Tick alpha") < 0; }},
        // Without "Auto" nothing else asks the window for a picture.
        {"a renamed window is pictured anew", [] {}, [&] { return guest_->PrintCount(alpha) > printsBeforeRename; }},
        {"a selected open window can be minimised, not shown", [&] { list.SelectOnly(list.Find("Tick beta")); },
         [&] { return ShowButtonsSay(false); }},
        {"a minimised window counts as minimised", [&] { guest_->Minimise(beta); },
         [&] { return ShowButtonsSay(true); }},
        {"a restored window counts as open again", [&] { guest_->Restore(beta); }, [&] { return ShowButtonsSay(false); }},
        {"a closed window leaves the list",
         [&] {
             list.Select(-1, false);
             guest_->Close(alpha);
         },
         [&] { return list.Find(renamed) < 0 && list.Find("Tick beta") >= 0; }},
        // As many windows as before, but not the same ones (as when the user
        // switches virtual desktops).
        {"a window that closes as another opens gives way to it",
         [&] {
             guest_->Close(beta);
             guest_->Create(Plan(Kind::Frame, "Tick gamma", kBesideVistrelX + 40, 400, 300, 200, 0x40B040).Quiet());
         },
         [&] { return list.Find("Tick gamma") >= 0 && list.Find("Tick beta") < 0; }},
    });
}

// Windows of the test, each with the place it was made at.
struct Placed {
    HWND window;
    int x, y;
};

class OpenOnlyTest : public ChangeTickTest {
protected:
    Placed Make(const char* title, int x, int y, uint32_t colour) {
        const Placed placed{guest_->Create(Plan(Kind::Frame, title, x, y, 300, 200, colour).Quiet()), x, y};
        probe_->WaitForItem(title);
        return placed;
    }
    // Parked: moved out of sight by the offset and not minimised, so it can
    // still be pictured.
    bool Parked(const Placed& p) const {
        const TestWindowState s = guest_->State(p.window);
        return !s.iconic && s.rect.left == p.x + kParkingOffset && s.rect.top == p.y + kParkingOffset;
    }
    bool OpenAtHome(const Placed& p) const {
        const TestWindowState s = guest_->State(p.window);
        return !s.iconic && s.rect.left == p.x && s.rect.top == p.y;
    }
    bool MinimisedFromHome(const Placed& p) const {
        const TestWindowState s = guest_->State(p.window);
        return s.iconic && s.normal.left == p.x && s.normal.top == p.y;
    }
    std::string Where(const Placed& p) const {
        const TestWindowState s = guest_->State(p.window);
        return s.title + (s.iconic ? " minimised" : " open") + " at (" + std::to_string(s.rect.left) + ", " +
               std::to_string(s.rect.top) + "), normally at (" + std::to_string(s.normal.left) + ", " +
               std::to_string(s.normal.top) + "), made at (" + std::to_string(p.x) + ", " + std::to_string(p.y) +
               ")";
    }
};

TEST_F(OpenOnlyTest, ParksMinimisedWindowsUntilTheModeEnds) {
    const Placed park = Make("Park me", 760, 300, 0x3050D0);
    const Placed open = Make("Stay open", 800, 640, 0x40B040);
    const Placed early = Make("Minimised early", 900, 120, 0xC06020);
    guest_->Minimise(early.window);
    const ListViewProbe list = app_->List();

    RunSteps({
        // Checking the box refreshes the list, which restores every
        // minimised window; the next tick parks it.
        {"a window minimised before the mode is parked", [&] { app_->ClickCheckBox(ids::CheckBox1); },
         [&] { return Parked(early); }},
        {"minimising a window parks it", [&] { guest_->Minimise(park.window); }, [&] { return Parked(park); }},
        {"a parked window stays listed", [] {}, [&] { return list.Find("Park me") >= 0; }},
        {"a selected parked window counts as minimised", [&] { list.SelectOnly(list.Find("Park me")); },
         [&] { return ShowButtonsSay(true); }},
        {"leaving the mode minimises every parked window where it was",
         [&] {
             list.Select(-1, false);
             app_->ClickCheckBox(ids::CheckBox1);
         },
         [&] { return MinimisedFromHome(park) && MinimisedFromHome(early); }},
    });
    EXPECT_FALSE(app_->IsChecked(ids::CheckBox1));
    EXPECT_TRUE(OpenAtHome(open)) << "a window never minimised is left alone: " << Where(open);
    for (const Placed* p : {&park, &early}) EXPECT_TRUE(MinimisedFromHome(*p)) << Where(*p);
    for (const char* title : {"Park me", "Stay open", "Minimised early"}) EXPECT_GE(list.Find(title), 0) << title;
}

// Parking is a toggle: minimising a parked window brings it back.
TEST_F(OpenOnlyTest, MinimisingAParkedWindowBringsItBack) {
    const Placed park = Make("Park and return", 760, 300, 0x3050D0);
    RunSteps({
        {"minimising a window parks it",
         [&] {
             app_->ClickCheckBox(ids::CheckBox1);
             guest_->Minimise(park.window);
         },
         [&] { return Parked(park); }},
        {"minimising the parked window brings it back", [&] { guest_->Minimise(park.window); },
         [&] { return OpenAtHome(park); }},
        {"minimising it once more parks it again", [&] { guest_->Minimise(park.window); },
         [&] { return Parked(park); }},
    });
    EXPECT_GE(app_->List().Find("Park and return"), 0);
    // Where it ended, for the report when a step failed.
    RecordProperty("park_and_return", Where(park));
    EXPECT_TRUE(Parked(park)) << Where(park);
}

}  // namespace
}  // namespace vistrel::e2e
