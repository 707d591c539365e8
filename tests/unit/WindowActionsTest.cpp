// The decisions of the commands on selected windows.

#include <gtest/gtest.h>

#include "main/WindowActions.h"

namespace vistrel {
namespace {

TEST(WindowActions, MovesStayInsideTheList) {
    EXPECT_EQ(MoveTarget(0, 3, true), -1);   // forward from the first
    EXPECT_EQ(MoveTarget(2, 3, false), -1);  // back from the last
    EXPECT_EQ(MoveTarget(1, 3, true), 0);
    EXPECT_EQ(MoveTarget(1, 3, false), 2);
    EXPECT_EQ(MoveTarget(-1, 3, false), -1);  // nothing selected
}

TEST(WindowActions, ContextMenuFollowsTheSelection) {
    SelectedItem open;
    SelectedItem minimised;
    minimised.minimized = true;
    SelectedItem clipped;
    clipped.hasClips = true;
    clipped.slotFilled = {true, true, false, true};
    SelectedItem manual;
    manual.autoUpdate = false;
    PopupFacts pictures;
    pictures.printWindow = true;

    struct Case {
        const char* name;
        std::vector<SelectedItem> selected;
        PopupFacts facts;
        PopupStates expected;
    };
    auto states = [](auto set) {
        PopupStates s;
        set(s);
        return s;
    };
    const Case cases[] = {
        {"nothing selected", {}, pictures, states([](PopupStates& s) {
             s.clipMenu = true;
             s.actualSize = true;
         })},
        {"one open window", {open}, pictures, states([](PopupStates& s) {
             s.topWindow = s.close = s.clipping = s.clipMenu = s.clipSet = s.autoOff = s.actualSize = true;
         })},
        {"one minimised window: no front, no clipping set", {minimised}, pictures, states([](PopupStates& s) {
             s.close = s.clipping = s.clipMenu = s.autoOff = s.actualSize = true;
         })},
        {"two windows, one with clips first", {clipped, manual}, pictures, states([](PopupStates& s) {
             s.close = s.clipping = s.clipMenu = s.actualSize = true;
             s.trimSave = s.clipRemove = s.autoOn = s.autoOff = true;
             s.clipChoices = {true, true, false, true};
         })},
        {"without pictures", {open}, PopupFacts{}, states([](PopupStates& s) {
             s.topWindow = s.close = s.clipSet = s.autoOff = true;
         })},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PopupStates s = ComputePopupStates(c.selected, c.facts);
        EXPECT_EQ(s.topWindow, c.expected.topWindow);
        EXPECT_EQ(s.close, c.expected.close);
        EXPECT_EQ(s.clipping, c.expected.clipping);
        EXPECT_EQ(s.clipMenu, c.expected.clipMenu);
        EXPECT_EQ(s.trimSave, c.expected.trimSave);
        EXPECT_EQ(s.trimLoad, c.expected.trimLoad);
        EXPECT_EQ(s.clipSet, c.expected.clipSet);
        EXPECT_EQ(s.clipRemove, c.expected.clipRemove);
        EXPECT_EQ(s.autoOn, c.expected.autoOn);
        EXPECT_EQ(s.autoOff, c.expected.autoOff);
        EXPECT_EQ(s.actualSize, c.expected.actualSize);
        EXPECT_EQ(s.clipList, c.expected.clipList);
        EXPECT_EQ(s.clipChoices, c.expected.clipChoices);
    }

    // The clipping list needs regions, "Auto" and pictures, all three.
    PopupFacts facts = pictures;
    facts.regionTotal = 2;
    EXPECT_FALSE(ComputePopupStates({}, facts).clipList);
    facts.autoChecked = true;
    EXPECT_TRUE(ComputePopupStates({}, facts).clipList);
    // Stored clipping counts for a selection only.
    facts.trimStored = true;
    EXPECT_FALSE(ComputePopupStates({}, facts).trimLoad);
    EXPECT_TRUE(ComputePopupStates({open}, facts).trimLoad);
    EXPECT_EQ(ComputePopupStates({}, facts).clipMenuImage, 17);
    facts.clipMenuChecked = false;
    EXPECT_EQ(ComputePopupStates({}, facts).clipMenuImage, 16);
}

TEST(WindowActions, KeysOfTheList) {
    const struct {
        int key;
        bool control, shift, alt;
        ListKey does;
    } cases[] = {
        {0x0D, false, false, false, ListKey::GoTo},     {0x0D, false, true, false, ListKey::Minimise},
        {0x0D, false, false, true, ListKey::None},      {0x2E, false, false, false, ListKey::Close},
        {0x2E, false, true, false, ListKey::None},      {'A', true, false, false, ListKey::SelectAll},
        {'A', false, false, false, ListKey::None},      {'C', true, false, false, ListKey::Copy},
        {'C', true, true, false, ListKey::None},        {0x74, false, false, false, ListKey::Refresh},
        {0x0D, true, false, false, ListKey::None},      {0x25, false, false, false, ListKey::None},
        {0x08, false, false, false, ListKey::FindBack}, {0x1B, false, true, false, ListKey::FindClear},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ListKeyOf(c.key, c.control, c.shift, c.alt), c.does) << c.key << c.control << c.shift << c.alt;
}

}  // namespace
}  // namespace vistrel
