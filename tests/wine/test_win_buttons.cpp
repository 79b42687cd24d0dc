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
#include "wine/keys.h"

namespace {

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

TEST_F(SpeedButtons, BmClickPressesTheButtonAndRunsOnClickOnce) {
    van[0].SetDown(true);
    SendMessageW(van[2].Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, std::vector<int>{2});
    EXPECT_TRUE(van[2].Down());
    EXPECT_EQ(DownCount(van), 1);
    // A click on the button that is down keeps it down (no AllowAllUp) and still runs.
    SendMessageW(van[2].Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, (std::vector<int>{2, 2}));
    EXPECT_TRUE(van[2].Down());
}

TEST_F(SpeedButtons, MouseClickRunsOnClickButReleasingOutsideDoesNot) {
    const LPARAM inside = MAKELPARAM(10, 10);
    PostMessageW(van[1].Handle(), WM_LBUTTONDOWN, MK_LBUTTON, inside);
    PostMessageW(van[1].Handle(), WM_LBUTTONUP, 0, inside);
    Pump();
    EXPECT_EQ(clicks, std::vector<int>{1});
    EXPECT_TRUE(van[1].Down());

    SendMessageW(van[0].Handle(), WM_LBUTTONDOWN, MK_LBUTTON, inside);
    SendMessageW(van[0].Handle(), WM_LBUTTONUP, 0, MAKELPARAM(200, 10));
    EXPECT_EQ(clicks, std::vector<int>{1}) << "released outside: no click";
    EXPECT_TRUE(van[1].Down());
}

TEST_F(SpeedButtons, ClickingLeavesTheFocusInTheEdit) {
    int exits = 0;
    edit.OnExit = [&] { ++exits; };
    ASSERT_TRUE(edit.SetFocus());
    SendMessageW(van[0].Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(van[0].Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
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
    SendMessageW(front.Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(front.Down());
    SendMessageW(front.Handle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(front.Down());
    EXPECT_EQ(clicked, 2);
}

TEST_F(SpeedButtons, DisabledButtonIgnoresTheMouse) {
    van[0].SetEnabled(false);
    SendMessageW(van[0].Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(van[0].Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(clicks.empty());
    EXPECT_FALSE(van[0].Down());
}

// Draws a button through its parent, as Windows asks for it, into a picture.
Picture DrawnThroughParent(win::SpeedButton& button) {
    const int w = button.Width();
    const int h = button.Height();
    Picture canvas(w, h, MakeColour(1, 2, 3));
    win::BitmapHandle bitmap = win::MakeBitmap(canvas);
    win::DcHandle dc(CreateCompatibleDC(nullptr));
    {
        win::SelectGuard select(dc.Get(), bitmap.Get());
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_BUTTON;
        item.CtlID = static_cast<UINT>(GetDlgCtrlID(button.Handle()));
        item.itemAction = ODA_DRAWENTIRE;
        item.hwndItem = button.Handle();
        item.hDC = dc.Get();
        item.rcItem = {0, 0, w, h};
        SendMessageW(GetParent(button.Handle()), WM_DRAWITEM, item.CtlID,
                     reinterpret_cast<LPARAM>(&item));
    }
    return *win::ReadBitmap(bitmap.Get());
}

TEST_F(SpeedButtons, GlyphIsDrawnTransparentAndGreyedWhenDisabled) {
    const Colour silver = MakeColour(192, 192, 192);
    const Colour red = MakeColour(255, 0, 0);
    Picture flag(20, 20, silver);
    flag.FillRect(4, 4, 16, 16, red);
    van[0].SetGlyph(flag);
    const Picture shown = DrawnThroughParent(van[0]);  // 44 x 22, glyph centred at (12, 1)
    const Colour face = win::ToColorRef(win::clBtnFace);
    EXPECT_EQ(shown.At(22, 11), red);
    EXPECT_EQ(shown.At(14, 3), face) << "the glyph's silver corner is transparent";
    EXPECT_EQ(shown.At(2, 11), face) << "flat and not hot: no border";

    van[0].SetEnabled(false);
    const Picture greyed = DrawnThroughParent(van[0]);
    const Colour c = greyed.At(22, 11);
    EXPECT_NE(c, red);
    EXPECT_EQ(c & 0xFF, (c >> 16) & 0xFF) << "grey";

    van[0].SetEnabled(true);
    van[0].SetDown(true);
    EXPECT_NE(DrawnThroughParent(van[0]).At(0, 0), face) << "a button that is down has a frame";
}

TEST_F(SpeedButtons, CaptionIsTheWindowText) {
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
    PostMessageW(ok.Handle(), BM_CLICK, 0, 0);
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
    PostMessageW(ok.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(dialog.ShowModal(), 7);
}

TEST_F(ModalForm, TheOwnersOnShowDoesNotRunAgainAfterward) {
    int ownerShows = 0;
    owner.OnShow = [&] { ++ownerShows; };
    ok.OnClick = [&] { dialog.SetModalResult(win::mrOk); };
    PostMessageW(ok.Handle(), BM_CLICK, 0, 0);
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
        PostMessageW(ok.Handle(), BM_CLICK, 0, 0);
        PostMessageW(cancel.Handle(), BM_CLICK, 0, 0);
    };
    EXPECT_EQ(dialog.ShowModal(), win::mrCancel);
}

}  // namespace
