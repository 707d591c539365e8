// The number edit and the up-down beside it, as the clipping list window
// holds them: a read-only column count 1 to 16 driven by the arrows. Changing
// a creation style makes the edit anew; what a user sees stays.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "HostWindow.h"
#include "controls/NumberEdit.h"
#include "toolkit/Button.h"
#include "toolkit/UpDown.h"

namespace vistrel {
namespace {

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class NumberEditWin : public test::HostedControlTest {
protected:
    void SetUp() override {
        HostedControlTest::SetUp();
        font_ = tk::MakeFont("Tahoma", -13);
        before.Create(&host, 1, {0, 0, 60, 20}, "before");
        edit.Create(&host, 2, {10, 30, 60, 51}, "3");
        after.Create(&host, 3, {0, 60, 60, 80}, "after");
        edit.SetReadOnly(true);
        edit.SetFont(font_.get());
        upDown.Create(&host, 4, {70, 30, 86, 51});
        upDown.SetAssociate(&edit);
        upDown.SetMin(1);
        upDown.SetMax(16);
        upDown.SetPosition(3);
        upDown.SetWrap(false);
        edit.OnChange = [this](tk::Component&) { changes.push_back(upDown.Position()); };
        upDown.OnChange = [this](tk::Component&) { moves.push_back(upDown.Position()); };
    }

    // A click on the upper (up) or lower (down) arrow.
    void Click(bool up) {
        RECT r{};
        GetClientRect(upDown.Handle(), &r);
        const LPARAM at = MAKELPARAM(r.right / 2, up ? r.bottom / 4 : r.bottom * 3 / 4);
        SendMessageA(upDown.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(upDown.Handle(), WM_LBUTTONUP, 0, at);
    }

    tk::FontOwner font_;
    tk::Button before;
    TNumberEdit edit;
    tk::Button after;
    tk::UpDown upDown;
    std::vector<int> changes;  // the up-down's position at each change of the text
    std::vector<int> moves;
};

TEST_F(NumberEditWin, ArrowsStepTheCountWithinOneToSixteenWithoutWrapping) {
    EXPECT_EQ(edit.Text(), "3");
    EXPECT_EQ(upDown.Buddy(), edit.Handle());
    const struct {
        bool up;
        int times;
        std::string text;
    } steps[] = {{true, 1, "4"}, {false, 3, "1"}, {true, 20, "16"}};
    for (const auto& s : steps) {
        for (int i = 0; i < s.times; ++i) Click(s.up);
        EXPECT_EQ(edit.Text(), s.text);
        EXPECT_EQ(upDown.Position(), std::stoi(s.text));
    }
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(changes.front(), 4) << "the edit reports the new count";
    EXPECT_EQ(changes.back(), 16);
    EXPECT_EQ(moves.back(), 16);

    upDown.OnChanging = [](tk::UpDown&, int) { return false; };
    Click(false);
    EXPECT_EQ(edit.Text(), "16") << "a refused step leaves the count";
}

TEST_F(NumberEditWin, ANewAlignmentMakesTheEditAnewAndKeepsWhatAUserSees) {
    const HWND old = edit.Handle();
    const RECT editBounds = tk::BoundsInParent(old);
    const RECT arrowBounds = tk::BoundsInParent(upDown.Handle());
    EXPECT_EQ(GetWindowLongA(old, GWL_STYLE) & 3, ES_RIGHT) << "right-justified from the start";

    const struct {
        ALIGNMENT alignment;
        LONG style;
    } cases[] = {{etCenter, ES_CENTER}, {etLeftJustify, ES_LEFT}, {etRightJustify, ES_RIGHT}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.alignment);
        const HWND previous = edit.Handle();
        edit.SetAlignment(c.alignment);
        const HWND now = edit.Handle();
        ASSERT_NE(now, nullptr);
        EXPECT_NE(now, previous) << "a new window";
        const LONG style = GetWindowLongA(now, GWL_STYLE);
        EXPECT_EQ(style & 3, c.style);
        EXPECT_TRUE(style & ES_READONLY);
        EXPECT_TRUE(style & WS_VISIBLE);
        EXPECT_EQ(edit.Text(), "3");
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(now, WM_GETFONT, 0, 0)), font_.get());
        EXPECT_EQ(GetDlgCtrlID(now), 2);
        EXPECT_TRUE(SameRect(tk::BoundsInParent(now), editBounds));
        EXPECT_EQ(GetWindow(now, GW_HWNDPREV), before.Handle()) << "tab order";
        EXPECT_EQ(GetWindow(now, GW_HWNDNEXT), after.Handle()) << "tab order";
        EXPECT_EQ(upDown.Buddy(), now);
        EXPECT_TRUE(SameRect(tk::BoundsInParent(upDown.Handle()), arrowBounds));
    }
    EXPECT_TRUE(changes.empty()) << "making the window anew is no change of the text";
    Click(true);
    EXPECT_EQ(edit.Text(), "4") << "the arrows drive the new window";
    EXPECT_EQ(changes, std::vector<int>{4});
}

TEST_F(NumberEditWin, DigitsOnlyIsLeftToTheControl) {
    edit.SetReadOnly(false);
    edit.SetText("");
    const struct {
        bool numberOnly;
        const char* typed;
        const char* text;
    } cases[] = {{false, "a7", "a7"}, {true, "a7", "7"}};
    for (const auto& c : cases) {
        edit.SetNumberOnly(c.numberOnly);
        EXPECT_EQ((GetWindowLongA(edit.Handle(), GWL_STYLE) & ES_NUMBER) != 0, c.numberOnly);
        EXPECT_FALSE(GetWindowLongA(edit.Handle(), GWL_STYLE) & ES_READONLY) << "stays writable";
        edit.SetText("");
        for (const char* ch = c.typed; *ch; ++ch) SendMessageA(edit.Handle(), WM_CHAR, static_cast<BYTE>(*ch), 1);
        EXPECT_EQ(edit.Text(), c.text) << c.numberOnly;
    }
}

}  // namespace
}  // namespace vistrel
