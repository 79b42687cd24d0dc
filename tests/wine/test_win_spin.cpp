// The spin edit: an edit with an up-down buddy, stepping and clamping inside its range.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "keys.h"
#include "win/Form.h"
#include "win/SpinEdit.h"

namespace {

using testkeys::Press;
using testkeys::Pump;

class Spin : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(win::Application::Initialize("Valomat test"));
        ASSERT_TRUE(form.Create({.caption = "spin", .clientWidth = 200, .clientHeight = 100}));
        ASSERT_TRUE(spin.Create({.parent = &form,
                                 .name = "SpinEdit_Decimalen13",
                                 .x = 8,
                                 .y = 8,
                                 .width = 40,
                                 .height = 21,
                                 .tag = 13,
                                 .minValue = 0,
                                 .maxValue = 8,
                                 .value = 2}));
        ASSERT_TRUE(other.Create(
            {.parent = &form, .name = "Edit_Koers13", .x = 8, .y = 40, .width = 60, .height = 21}));
        spin.OnChange = [this] { values.push_back(spin.Value()); };
        form.Show();
        SetForegroundWindow(form.Handle());
        Pump();
    }
    void Type(std::wstring_view text) {
        spin.SetFocus();
        spin.SelectAll();
        SendMessageW(spin.Handle(), WM_CHAR, VK_BACK, 0);
        for (wchar_t c : text) SendMessageW(spin.Handle(), WM_CHAR, c, 0);
    }
    // A click on the upper (up) or lower (down) half of the buddy.
    void ClickArrow(bool up) {
        RECT r{};
        GetClientRect(spin.UpDown(), &r);
        const LPARAM at = MAKELPARAM(r.right / 2, up ? r.bottom / 4 : r.bottom * 3 / 4);
        SendMessageW(spin.UpDown(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(spin.UpDown(), WM_LBUTTONUP, 0, at);
        Pump();
    }

    win::Form form;
    win::SpinEdit spin;
    win::Edit other;
    std::vector<int> values;
};

TEST_F(Spin, TheBuddySitsInsideTheWidthAndFollowsVisibility) {
    RECT edit{};
    RECT buddy{};
    GetWindowRect(spin.Handle(), &edit);
    GetWindowRect(spin.UpDown(), &buddy);
    // Windows lets the buddy overlap the edit's border by a pixel or two.
    EXPECT_LE(buddy.left, edit.right);
    EXPECT_GE(buddy.left, edit.right - 2);
    EXPECT_LE(buddy.right - edit.left, 40);
    EXPECT_GE(buddy.right - edit.left, 38);
    spin.SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(spin.UpDown()));
    spin.SetVisible(true);
    spin.SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(spin.UpDown()));
}

TEST_F(Spin, ArrowsAndKeysStepInsideTheRange) {
    ClickArrow(true);
    EXPECT_EQ(spin.Text(), "3");
    spin.SetValue(8);
    values.clear();
    ClickArrow(true);
    EXPECT_EQ(spin.Text(), "8") << "not beyond the maximum";
    spin.SetFocus();
    Press(VK_DOWN);
    Press(VK_DOWN);
    EXPECT_EQ(spin.Text(), "6");
    EXPECT_EQ(values, (std::vector<int>{7, 6}));
    spin.SetValue(0);
    ClickArrow(false);
    EXPECT_EQ(spin.Text(), "0");
}

TEST_F(Spin, TypedTextIsLimitedAndReadClamped) {
    Type(L"9");
    EXPECT_EQ(spin.Value(), 8);
    other.SetFocus();
    EXPECT_EQ(spin.Text(), "8") << "leaving the box puts the number back in range";
    Type(L"a2x");
    EXPECT_EQ(spin.Text(), "2") << "letters are not typed";
    Type(L"2,5");
    EXPECT_EQ(spin.Text(), "2,5") << "the locale's separator is";
    EXPECT_EQ(spin.Value(), 0) << "not a whole number: the minimum";
    other.SetFocus();
    EXPECT_EQ(spin.Text(), "2,5");
    Type(L"");
    EXPECT_EQ(spin.Value(), 0);
    spin.SetValue(12);
    EXPECT_EQ(spin.Text(), "8");
}

}  // namespace
