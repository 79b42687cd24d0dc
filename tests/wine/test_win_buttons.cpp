// Speed buttons (groups, toggles, clicks that leave the focus alone), push buttons with the
// dialog keys, and modal forms.
#include <gtest/gtest.h>

#include "win/Application.h"
#include "win/Button.h"
#include "win/Edit.h"
#include "win/Form.h"
#include "win/Gdi.h"
#include "win/Panel.h"
#include "win/SpeedButton.h"
#include "wine/graphic_mouse.h"
#include "wine/keys.h"
#include "wine/window_pixels.h"

namespace {

using graphicmouse::SendClick;
using testkeys::Pump;

class SpeedButtons : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(win::Application::Initialize("Valomat test"));
        ASSERT_TRUE(form.Create({.caption = "buttons", .clientWidth = 200, .clientHeight = 200}));
        ASSERT_TRUE(groupA.Create({.parent = &form,
                                   .name = "GroupBox_Van",
                                   .x = 0,
                                   .y = 40,
                                   .width = 66,
                                   .height = 150}));
        ASSERT_TRUE(groupB.Create({.parent = &form,
                                   .name = "GroupBox_Naar",
                                   .x = 100,
                                   .y = 40,
                                   .width = 66,
                                   .height = 150}));
        for (int i = 0; i < 3; ++i) {
            ASSERT_TRUE(van[i].Create({.parent = &groupA,
                                       .name = "SpeedButton_Van" + std::to_string(i + 1),
                                       .x = 10,
                                       .y = 14 + 22 * i,
                                       .width = 44,
                                       .height = 22,
                                       .tag = i + 1,
                                       .groupIndex = 1}));
            // Same group index, other parent: a group of its own.
            ASSERT_TRUE(naar[i].Create({.parent = &groupB,
                                        .name = "SpeedButton_Naar" + std::to_string(i + 1),
                                        .x = 10,
                                        .y = 14 + 22 * i,
                                        .width = 44,
                                        .height = 22,
                                        .tag = i + 1,
                                        .groupIndex = 1}));
            van[i].OnClick = [this, i] { clicks.push_back(i); };
        }
        ASSERT_TRUE(edit.Create({.parent = &form,
                                 .name = "Edit_Van",
                                 .x = 8,
                                 .y = 6,
                                 .width = 125,
                                 .height = 21,
                                 .text = "0"}));
        form.Show();
        SetForegroundWindow(form.Handle());
        Pump();
    }

    int DownCount(win::SpeedButton (&buttons)[3]) {
        int n = 0;
        for (auto& b : buttons) n += b.Down() ? 1 : 0;
        return n;
    }

    win::Form form;
    win::GroupBox groupA;
    win::GroupBox groupB;
    win::SpeedButton van[3];
    win::SpeedButton naar[3];
    win::Edit edit;
    std::vector<int> clicks;
};

TEST_F(SpeedButtons, SettingDownReleasesTheOthersOfTheGroupAndRunsNoClick) {
    van[0].SetDown(true);
    naar[2].SetDown(true);
    van[1].SetDown(true);
    EXPECT_FALSE(van[0].Down());
    EXPECT_TRUE(van[1].Down());
    EXPECT_EQ(DownCount(van), 1);
    EXPECT_TRUE(naar[2].Down()) << "a group is per parent";
    EXPECT_TRUE(clicks.empty());
}

TEST_F(SpeedButtons, AClickPressesTheButtonAndRunsOnClickOnce) {
    van[0].SetDown(true);
    SendClick(van[2]);
    EXPECT_EQ(clicks, std::vector<int>{2});
    EXPECT_TRUE(van[2].Down());
    EXPECT_EQ(DownCount(van), 1);
    // A click on the button that is down keeps it down (no AllowAllUp) and still runs.
    SendClick(van[2]);
    EXPECT_EQ(clicks, (std::vector<int>{2, 2}));
    EXPECT_TRUE(van[2].Down());
}

TEST_F(SpeedButtons, ReleasingOutsideClicksNothingAndHiddenOrDisabledButtonsTakeNoClick) {
    HWND group = graphicmouse::WindowOf(van[0]);
    SendMessageW(group, WM_LBUTTONDOWN, MK_LBUTTON, graphicmouse::At(van[0]));
    EXPECT_TRUE(van[0].Pressed());
    SendMessageW(group, WM_MOUSEMOVE, MK_LBUTTON, win::MakePointParam(60, 10));
    EXPECT_FALSE(van[0].Hot()) << "dragged off: the pressed look goes";
    SendMessageW(group, WM_LBUTTONUP, 0, win::MakePointParam(60, 10));
    EXPECT_FALSE(van[0].Pressed());
    EXPECT_TRUE(clicks.empty()) << "released outside: no click";

    van[1].SetVisible(false);
    SendClick(van[1]);
    van[2].SetEnabled(false);
    SendClick(van[2]);
    EXPECT_TRUE(clicks.empty());
    EXPECT_FALSE(van[1].Down());
    EXPECT_FALSE(van[2].Down());
}

TEST_F(SpeedButtons, ClickingLeavesTheFocusInTheEdit) {
    int exits = 0;
    edit.OnExit = [&] { ++exits; };
    ASSERT_TRUE(edit.SetFocus());
    SendClick(van[0]);
    EXPECT_EQ(clicks, std::vector<int>{0});
    EXPECT_TRUE(edit.Focused());
    EXPECT_EQ(exits, 0);
}

TEST_F(SpeedButtons, AllowAllUpMakesAGroupedButtonAToggle) {
    win::SpeedButton front;
    ASSERT_TRUE(front.Create({.parent = &form,
                              .name = "SpeedButtonFront13",
                              .x = 150,
                              .y = 5,
                              .width = 20,
                              .height = 20,
                              .groupIndex = 13,
                              .allowAllUp = true}));
    int clicked = 0;
    front.OnClick = [&] { ++clicked; };
    SendClick(front);
    EXPECT_TRUE(front.Down());
    SendClick(front);
    EXPECT_FALSE(front.Down());
    EXPECT_EQ(clicked, 2);
}

TEST_F(SpeedButtons, TheMouseOverAButtonMakesItHotUntilItLeaves) {
    graphicmouse::SendMove(van[0]);
    EXPECT_TRUE(van[0].Hot());
    graphicmouse::SendMove(van[1]);
    EXPECT_FALSE(van[0].Hot());
    EXPECT_TRUE(van[1].Hot());
    SendMessageW(graphicmouse::WindowOf(van[1]), WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(van[1].Hot()) << "the pointer left the group box";
}

// The button as its container paints it (WM_PRINTCLIENT, as for a screenshot).
Picture Painted(const win::SpeedButton& button) {
    const Picture all = PaintedPixels(graphicmouse::WindowOf(button));
    const RECT b = button.Bounds();
    Picture shown(b.right - b.left, b.bottom - b.top, 0);
    for (int y = 0; y < shown.height; ++y) {
        for (int x = 0; x < shown.width; ++x) shown.Set(x, y, all.At(b.left + x, b.top + y));
    }
    return shown;
}

TEST_F(SpeedButtons, LooksFollowTheStateGlyphTransparentAndGreyedWhenDisabled) {
    const Colour silver = MakeColour(192, 192, 192);
    const Colour red = MakeColour(255, 0, 0);
    Picture flag(20, 20, silver);
    flag.FillRect(4, 4, 16, 16, red);
    van[0].SetGlyph(flag);
    const Picture shown = Painted(van[0]);  // 44 x 22, glyph centred at (12, 1)
    const Colour face = win::ToColorRef(win::clBtnFace);
    const Colour light = win::ToColorRef(win::clBtnHighlight);
    const Colour dark = win::ToColorRef(win::clBtnShadow);
    EXPECT_EQ(shown.At(22, 11), red);
    EXPECT_EQ(shown.At(14, 3), face) << "the glyph's silver corner is transparent";
    EXPECT_EQ(shown.At(2, 11), face) << "flat and not hot: no border";
    EXPECT_EQ(shown.At(28, 17), face);

    graphicmouse::SendMove(van[0]);
    EXPECT_EQ(Painted(van[0]).At(0, 0), light) << "hot: raised";
    SendMessageW(graphicmouse::WindowOf(van[0]), WM_LBUTTONDOWN, MK_LBUTTON,
                 graphicmouse::At(van[0]));
    const Picture pressed = Painted(van[0]);
    EXPECT_EQ(pressed.At(0, 0), dark) << "pressed: sunken";
    EXPECT_EQ(pressed.At(28, 17), red) << "and the glyph one pixel down and right";
    SendMessageW(graphicmouse::WindowOf(van[0]), WM_LBUTTONUP, 0, graphicmouse::At(van[0]));
    SendMessageW(graphicmouse::WindowOf(van[0]), WM_MOUSELEAVE, 0, 0);
    const Picture latched = Painted(van[0]);
    EXPECT_EQ(latched.At(0, 0), dark) << "down: sunken";
    EXPECT_NE(latched.At(2, 11), face) << "with a lighter face";

    van[0].SetEnabled(false);
    const Colour c = Painted(van[0]).At(22, 11);
    EXPECT_NE(c, red);
    EXPECT_EQ(c & 0xFF, (c >> 16) & 0xFF) << "grey";
}

TEST_F(SpeedButtons, CaptionIsTheText) {
    win::SpeedButton calc;
    ASSERT_TRUE(calc.Create({.parent = &form,
                             .name = "Button7",
                             .x = 150,
                             .y = 30,
                             .width = 36,
                             .height = 26,
                             .hint = "Rekenmachine",
                             .caption = "7"}));
    EXPECT_EQ(calc.Text(), "7");
    EXPECT_EQ(calc.Hint(), "Rekenmachine");
    calc.SetHint("Calculator");
    EXPECT_EQ(calc.Hint(), "Calculator");
}

// ---- modal forms

class ModalForm : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(win::Application::Initialize("Valomat test"));
        ASSERT_TRUE(owner.Create({.caption = "owner"}));
        ASSERT_TRUE(dialog.Create(
            {.caption = "dialog", .border = win::BorderKind::ToolWindow, .owner = &owner}));
        ASSERT_TRUE(ok.Create({.parent = &dialog,
                               .name = "BitBtn_OK",
                               .x = 10,
                               .y = 10,
                               .width = 75,
                               .height = 25,
                               .caption = "&OK"}));
        owner.Show();
        Pump();
    }

    win::Form owner;
    win::Form dialog;
    win::SpeedButton ok;
};

TEST_F(ModalForm, ReturnsTheResultSetByAButtonAndDisablesTheOwnerMeanwhile) {
    bool ownerEnabledInside = true;
    int closes = 0;
    ok.OnClick = [&] {
        ownerEnabledInside = IsWindowEnabled(owner.Handle()) != FALSE;
        dialog.SetModalResult(win::mrOk);
    };
    dialog.OnClose = [&](win::CloseAction&) { ++closes; };
    graphicmouse::PostClick(ok);
    EXPECT_EQ(dialog.ShowModal(), win::mrOk);
    EXPECT_FALSE(ownerEnabledInside);
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
    EXPECT_FALSE(dialog.Visible());
    EXPECT_FALSE(dialog.IsModal());
    EXPECT_EQ(closes, 1) << "OnClose runs when a result ends the modal loop";
}

TEST_F(ModalForm, CloseBoxGivesCancelAndOnCloseCanKeepItOpen) {
    int closes = 0;
    dialog.OnClose = [&](win::CloseAction& action) {
        if (++closes == 1) action = win::CloseAction::None;
    };
    PostMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
    PostMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(dialog.ShowModal(), win::mrCancel);
    EXPECT_EQ(closes, 2);
    // Shown again, it starts without a result.
    ok.OnClick = [&] { dialog.SetModalResult(7); };
    graphicmouse::PostClick(ok);
    EXPECT_EQ(dialog.ShowModal(), 7);
}

TEST_F(ModalForm, TheOwnersOnShowDoesNotRunAgainAfterward) {
    int ownerShows = 0;
    owner.OnShow = [&] { ++ownerShows; };
    ok.OnClick = [&] { dialog.SetModalResult(win::mrOk); };
    graphicmouse::PostClick(ok);
    dialog.ShowModal();
    Pump();
    EXPECT_EQ(ownerShows, 0);
    EXPECT_TRUE(owner.Visible());
}

// ---- push buttons: Enter and Esc from anywhere in the form, modal results

class PushButtons : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(win::Application::Initialize("Valomat test"));
        ASSERT_TRUE(dialog.Create({.caption = "push", .border = win::BorderKind::ToolWindow}));
        ASSERT_TRUE(edit.Create({.parent = &dialog,
                                 .name = "Edit_Koers13",
                                 .x = 8,
                                 .y = 8,
                                 .width = 80,
                                 .height = 21,
                                 .text = "1"}));
        ASSERT_TRUE(ok.Create({.parent = &dialog,
                               .name = "BitBtn_OK",
                               .x = 8,
                               .y = 40,
                               .width = 75,
                               .height = 25,
                               .caption = "&OK",
                               .glyph = Picture(16, 16, MakeColour(0, 128, 0)),
                               .isDefault = true,
                               .modalResult = win::mrOk}));
        ASSERT_TRUE(cancel.Create({.parent = &dialog,
                                   .name = "BitBtn_Cancel",
                                   .x = 90,
                                   .y = 40,
                                   .width = 75,
                                   .height = 25,
                                   .caption = "Cancel",
                                   .isCancel = true,
                                   .modalResult = win::mrCancel}));
        ok.OnClick = [this] { ++okClicks; };
        cancel.OnClick = [this] { ++cancelClicks; };
    }

    // Shows the dialog modally with the focus in the edit box and posts one key to it.
    int PressInEdit(WPARAM key) {
        dialog.OnShow = [this, key] {
            edit.SetFocus();
            PostMessageW(edit.Handle(), WM_KEYDOWN, key, 0);
        };
        return dialog.ShowModal();
    }

    win::Form dialog;
    win::Edit edit;
    win::Button ok;
    win::Button cancel;
    int okClicks = 0;
    int cancelClicks = 0;
};

TEST_F(PushButtons, EnterClicksTheDefaultButtonWhichEndsTheModalLoop) {
    EXPECT_EQ(PressInEdit(VK_RETURN), win::mrOk);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(cancelClicks, 0);
}

TEST_F(PushButtons, EscapeClicksTheCancelButton) {
    EXPECT_EQ(PressInEdit(VK_ESCAPE), win::mrCancel);
    EXPECT_EQ(cancelClicks, 1);
    EXPECT_EQ(okClicks, 0);
}

TEST_F(PushButtons, ADisabledDefaultButtonIgnoresEnter) {
    ok.SetEnabled(false);
    dialog.OnShow = [this] {
        edit.SetFocus();
        PostMessageW(edit.Handle(), WM_KEYDOWN, VK_RETURN, 0);
        PostMessageW(cancel.Handle(), BM_CLICK, 0, 0);
    };
    EXPECT_EQ(dialog.ShowModal(), win::mrCancel);
    EXPECT_EQ(okClicks, 0);
}

TEST_F(PushButtons, CaptionIsTheWindowTextAndAHandlerMayChangeTheResult) {
    EXPECT_EQ(ok.Text(), "&OK");
    ok.OnClick = [this] { ok.SetModalResult(win::mrNone); };  // stays open: a refused entry
    dialog.OnShow = [this] {
        graphicmouse::PostClick(ok);
        PostMessageW(cancel.Handle(), BM_CLICK, 0, 0);
    };
    EXPECT_EQ(dialog.ShowModal(), win::mrCancel);
}

}  // namespace
