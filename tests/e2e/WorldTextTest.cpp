// Titles in every script, as other programs hold them: the list shows each
// one whole, and typing finds it the way a user spells it, whatever the case,
// the width, the kana or the alphabet typed.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ListWaits.h"
#include "VistrelSuites.h"
#include "WindowPlaces.h"
#include "platform/Text.h"

namespace vistrel::e2e {
namespace {

class WorldTextTest : public VistrelTest {};

const std::u16string kMixed = u"probe-uni café 한국어 😀 Ελλάδα";
const std::u16string kCafe = u"Café au lait";
const std::u16string kMemo = u"メモ帳";
const std::u16string kEdge = u"News - Microsoft\u200B Edge";  // as Edge writes its name
const std::u16string kOther = u"Other";

// The ones among `titles` that the list shows now; none while the list
// changes under the probe.
std::vector<std::u16string> ShownOf(const VistrelProcess& app, const std::vector<std::u16string>& titles) {
    std::vector<std::u16string> shown;
    try {
        shown = app.List().WideTexts();
    } catch (const DriverError&) {
        if (!app.IsRunning()) throw;
        return {};
    }
    std::vector<std::u16string> found;
    for (const std::u16string& title : titles)
        if (std::find(shown.begin(), shown.end(), title) != shown.end()) found.push_back(title);
    return found;
}

TEST_F(WorldTextTest, TitlesAreShownWholeAndFoundHoweverTheUserSpellsThem) {
    const std::vector<std::u16string> titles = {kMixed, kCafe, kMemo, kEdge, kOther};
    TestWindows helper = TestWindows::StartExe();
    for (size_t i = 0; i < titles.size(); ++i) {
        const int at = static_cast<int>(i);
        helper.Create(Plan(Kind::Frame, "", kBesideVistrelX + 30 * at, 60 + 80 * at, 260, 160).Titled(titles[i]).Quiet());
    }
    VistrelProcess app = VistrelProcess::Start();
    ASSERT_TRUE(WaitUntil([&] { return ShownOf(app, titles) == titles; }, 10000))
        << "every title as the window holds it, the emoji's two halves and the invisible space too";

    const HWND listView = app.Control(ids::ListView1);
    const struct {
        std::u16string typed;
        std::vector<std::u16string> found;
        const char* status;  // the status line, where its text is ASCII
    } cases[] = {
        {u"CAFE", {kMixed, kCafe}, "検索: CAFE (2)"},
        {u"めも", {kMemo}, nullptr},
        {u"ﾒﾓ", {kMemo}, nullptr},
        {u"memo", {kMemo}, "検索: memo (1)"},
        {u"microsoft edge", {kEdge}, nullptr},
        {u"😀", {kMixed}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(platform::Narrow(c.typed));
        PressKey(listView, VK_ESCAPE);
        ASSERT_TRUE(WaitUntil([&] { return ShownOf(app, titles) == titles; }, 5000)) << "Escape shows all again";
        // One unit at a time, as a Unicode window is sent what the keyboard
        // and the IME type.
        for (const char16_t unit : c.typed) PostMessageW(listView, WM_CHAR, unit, 1);
        EXPECT_TRUE(WaitUntil([&] { return ShownOf(app, titles) == c.found; }, 5000));
        if (c.status) {
            EXPECT_EQ(app.StatusText(), c.status);
        }
    }
    // Backspace takes the emoji whole: the mixed title is found by what is left.
    PressKey(listView, VK_BACK);
    EXPECT_TRUE(WaitUntil([&] { return ShownOf(app, titles) == titles; }, 5000));
}

}  // namespace
}  // namespace vistrel::e2e
