// Check boxes, radio buttons and radio groups: clicks by mouse and keyboard run OnClick, code
// setting a state runs nothing, groups stay exclusive and their items can be replaced.
#include <gtest/gtest.h>

#include "keys.h"
#include "win/CheckBox.h"
#include "win/Form.h"
#include "win/RadioButton.h"
#include "win/RadioGroup.h"

namespace {

using testkeys::Pump;

class Choices : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(win::Application::Initialize("Valomat test"));
        ASSERT_TRUE(form.Create({.caption = "choices", .clientWidth = 300, .clientHeight = 260}));
        ASSERT_TRUE(box.Create({.parent = &form,
                                .name = "CheckBox_Vlag",
                                .x = 8,
                                .y = 8,
                                .width = 120,
                                .height = 20,
                                .caption = "&Vlag",
                                .checked = true}));
        ASSERT_TRUE(group.Create({.parent = &form,
                                  .name = "RadioGroup_Weergave",
                                  .x = 8,
                                  .y = 40,
                                  .width = 200,
                                  .height = 100,
                                  .caption = "Weergave resultaat",
                                  .items = {"Zonder opmaak", "Met opmaak (afronden)",
                                            "Met opmaak en munteenheid", "Met opmaak en symbool"},
                                  .itemIndex = 1}));
        ASSERT_TRUE(startup.Create({.parent = &form,
                                    .name = "GroupBox_Startup",
                                    .x = 8,
                                    .y = 150,
                                    .width = 200,
                                    .height = 60,
                                    .caption = "Opstarten"}));
        ASSERT_TRUE(normal.Create({.parent = &startup,
                                   .name = "RadioButton_NormalVisible",
                                   .x = 8,
                                   .y = 16,
                                   .width = 150,
                                   .height = 18,
                                   .caption = "&Normaal (zichtbaar)",
                                   .checked = true}));
        ASSERT_TRUE(minimised.Create({.parent = &startup,
                                      .name = "RadioButton_Minimized",
                                      .x = 8,
                                      .y = 36,
                                      .width = 150,
                                      .height = 18,
                                      .caption = "&Geminimaliseerd"}));
        box.OnClick = [this] { ++boxClicks; };
        group.OnClick = [this] { groupClicks.push_back(group.ItemIndex()); };
        minimised.OnClick = [this] { ++minimisedClicks; };
        form.Show();
        SetForegroundWindow(form.Handle());
        Pump();
    }

    win::Form form;
    win::CheckBox box;
    win::RadioGroup group;
    win::GroupBox startup;
    win::RadioButton normal, minimised;
    int boxClicks = 0;
    int minimisedClicks = 0;
    std::vector<int> groupClicks;
};

TEST_F(Choices, CheckBoxTogglesByMouseSpaceAndAccessKeyButNotByCode) {
    EXPECT_EQ(box.Text(), "&Vlag");
    box.SetChecked(false);
    box.SetChecked(true);
    EXPECT_EQ(boxClicks, 0);
    SendMessageW(box.Handle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(box.Checked());
    EXPECT_EQ(boxClicks, 1);
    box.SetFocus();
    testkeys::Press(VK_SPACE);
    EXPECT_TRUE(box.Checked());
    EXPECT_EQ(boxClicks, 2);
    normal.SetFocus();
    testkeys::PressAlt('V');
    EXPECT_FALSE(box.Checked());
    EXPECT_EQ(boxClicks, 3);
}

TEST_F(Choices, RadioButtonsOfOneParentAreExclusive) {
    SendMessageW(minimised.Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(minimised.Checked());
    EXPECT_FALSE(normal.Checked());
    EXPECT_EQ(minimisedClicks, 1);
    SendMessageW(minimised.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(minimisedClicks, 1) << "a click on the checked button changes nothing";
    normal.SetChecked(true);
    EXPECT_FALSE(minimised.Checked());
    EXPECT_EQ(minimisedClicks, 1) << "code runs no handler";
    EXPECT_EQ(group.ItemIndex(), 1) << "another parent is another group";
    normal.SetFocus();
    testkeys::PressAlt('G');
    EXPECT_TRUE(minimised.Checked());
    EXPECT_EQ(minimisedClicks, 2);
}

TEST_F(Choices, RadioGroupItemsAreChosenByMouseAndArrowKeys) {
    EXPECT_EQ(group.ItemIndex(), 1);
    SendMessageW(group.Item(3)->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(group.ItemIndex(), 3);
    EXPECT_EQ(groupClicks, std::vector<int>{3});
    group.SetItemIndex(0);
    EXPECT_EQ(groupClicks, std::vector<int>{3}) << "code runs no handler";
    group.Item(0)->SetFocus();
    testkeys::Press(VK_DOWN);
    EXPECT_EQ(GetFocus(), group.Item(1)->Handle());
    EXPECT_EQ(group.ItemIndex(), 1);
    EXPECT_EQ(groupClicks, (std::vector<int>{3, 1}));
    testkeys::Press(VK_UP);
    EXPECT_EQ(group.ItemIndex(), 0);
    EXPECT_EQ(GetFocus(), group.Item(0)->Handle());
}

TEST_F(Choices, TabReachesARadioGroupAtItsCheckedItem) {
    group.SetItemIndex(2);
    box.SetFocus();
    testkeys::Press(VK_TAB);
    EXPECT_EQ(GetFocus(), group.Item(2)->Handle());
    testkeys::Press(VK_TAB);
    EXPECT_EQ(GetFocus(), normal.Handle());
    EXPECT_TRUE(groupClicks.empty());
}

TEST_F(Choices, ReplacedItemsAreNewTextsWithNothingSelected) {
    group.SetItems({"Without layout", "With layout (rounding)", "With layout and currency unit",
                    "With layout and symbol"});
    EXPECT_EQ(group.ItemCount(), 4);
    EXPECT_EQ(group.ItemText(2), "With layout and currency unit");
    EXPECT_EQ(group.ItemIndex(), -1);
    group.SetItems({"In taskbar (standard)", "In systemtray"});
    EXPECT_EQ(group.ItemCount(), 2);
    EXPECT_EQ(group.Item(2), nullptr);
    group.SetItemIndex(1);
    EXPECT_EQ(group.ItemIndex(), 1);
    // The items share the box below its caption, each inside it.
    const RECT first = group.Item(0)->Bounds();
    const RECT second = group.Item(1)->Bounds();
    EXPECT_GT(first.top, 8);
    EXPECT_GE(second.top, first.bottom);
    EXPECT_LE(second.bottom, group.Height());
    EXPECT_TRUE(groupClicks.empty());
}

}  // namespace
