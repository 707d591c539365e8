#include "toolkit/HintText.h"

#include <gtest/gtest.h>

namespace vistrel::tk {
namespace {

TEST(HintText, SplitsAtTheFirstRealBar) {
    const struct {
        const char* hint;
        const char* shortPart;
        const char* longPart;
    } cases[] = {
        {"更新|全てのウィンドウを更新表示", "更新", "全てのウィンドウを更新表示"},
        {"全て選択", "全て選択", "全て選択"},
        {"high quality|高画質", "high quality", "高画質"},
        {"移動|選択したウィンドウを前", "移動", "選択したウィンドウを前"},
        {"|tail", "", "tail"},
        {"head|", "head", ""},
        {"a|b|c", "a", "b|c"},
        {"", "", ""},
        // "ポ" is 0x83 0x7C: its trail byte is no separator.
        {"ポ", "ポ", "ポ"},
        {"ポ|x", "ポ", "x"},
        {"ポップ|ポップアップ", "ポップ", "ポップアップ"},
        {"Sort|ウィンドウの名前でソート", "Sort", "ウィンドウの名前でソート"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShortHint(c.hint, ShiftJisLeadByte), c.shortPart) << c.hint;
        EXPECT_EQ(LongHint(c.hint, ShiftJisLeadByte), c.longPart) << c.hint;
    }
}

}  // namespace
}  // namespace vistrel::tk
