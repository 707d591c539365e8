#include "catalogue/HoverText.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

TEST(HoverText, TitleProgramFolderAndStatesEachOnALine) {
    const struct {
        std::u16string_view path;
        HoverStates states;
        std::u16string text;
    } cases[] = {
        {u"C:\\Windows\\notepad.exe", {}, u"無題 - メモ帳\r\nnotepad.exe\r\nC:\\Windows\\"},
        {u"", {true, false, false, true}, u"無題 - メモ帳\r\n最小化、クリッピング"},
        {u"app.exe", {false, true, true, false}, u"無題 - メモ帳\r\napp.exe\r\n画面の外、透明"},
    };
    for (const auto& c : cases) EXPECT_EQ(HoverText(u"無題 - メモ帳", c.path, c.states), c.text);
}

}  // namespace
}  // namespace vistrel
