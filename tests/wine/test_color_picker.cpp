// The colour picker on a form, driven by real input: Space, Enter and the mouse open the
// drop-down, a click on a colour chooses it, losing the focus closes it, and the other button
// opens the system colour dialog on the current colour.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "components/ztColorPick_win.h"
#include "wine/dialog_answer.h"
#include "wine/window_pixels.h"
#include "win/Application.h"
#include "win/Button.h"
#include "win/Edit.h"
#include "win/Form.h"
#include "win/Gdi.h"
#include "win/Message.h"
#include "wine/keys.h"

namespace {

using testkeys::Pump;

using namespace colorpick;

constexpr Colour kStart = MakeColour(0x12, 0x34, 0x56);  // in no cell of the grid
constexpr Colour kNavy = 0x800000;

class ColorPickerWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(win::Application::Initialize("Valomat test"));
        // A pointer resting over a drop-down would move its highlight.
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
        ASSERT_TRUE(form.Create({.caption = "pickers", .clientWidth = 200, .clientHeight = 120}));
        ASSERT_TRUE(edit.Create(
            {.parent = &form, .name = "Edit1", .x = 80, .y = 10, .width = 60, .height = 21}));
        ASSERT_TRUE(picker.Create(
            {.parent = &form, .name = "ztColorPicker1", .x = 10, .y = 10, .color = kStart}));
        ASSERT_TRUE(ok.Create({.parent = &form,
                               .name = "BitBtn_OK",
                               .x = 110,
                               .y = 80,
                               .width = 75,
                               .height = 25,
                               .caption = "&OK",
                               .isDefault = true}));
        ok.OnClick = [this] { ++okClicks; };
        picker.OnChangeColor = [this] { ++changes; };
        picker.OnClick = [this] { ++clicks; };
        form.Show();
        SetForegroundWindow(form.Handle());
        Pump();
        ASSERT_TRUE(picker.SetFocus());
        Pump();
    }

    bool DropDownShown() const { return picker.DropDown() && picker.DropDown()->Visible(); }
    // A key pressed or released as the keyboard does it: to the focused window of the
    // program in front, through the message loop.
    void Key(UINT message, WPARAM vk) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = static_cast<WORD>(vk);
        input.ki.dwFlags = message == WM_KEYUP ? KEYEVENTF_KEYUP : 0;
        ASSERT_EQ(SendInput(1, &input, sizeof input), 1u);
        Pump();
    }
    void ClickDropDown(int x, int y) {
        HWND window = picker.DropDown()->Handle();
        PostMessageW(window, WM_MOUSEMOVE, 0, win::MakePointParam(x, y));
        PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, win::MakePointParam(x, y));
        PostMessageW(window, WM_LBUTTONUP, 0, win::MakePointParam(x, y));
        Pump();
    }

    win::Form form;
    win::Edit edit;
    TztColorPicker picker;
    win::Button ok;
    int changes = 0;
    int clicks = 0;
    int okClicks = 0;
};

TEST_F(ColorPickerWindow, IsCreatedAs42By21TabStopAndPaintsItsSwatch) {
    EXPECT_EQ(picker.Width(), 42);
    EXPECT_EQ(picker.Height(), 21);
    EXPECT_TRUE(GetWindowLongW(picker.Handle(), GWL_STYLE) & WS_TABSTOP);
    EXPECT_EQ(picker.Color(), kStart);
    EXPECT_EQ(picker.Language(), lgNederlands);

    Picture p = PaintedPixels(picker.Handle());
    ASSERT_FALSE(p.Empty());
    EXPECT_EQ(p.At(15, 10), kStart);
    EXPECT_EQ(p.At(5, 10), 0u) << "swatch border";
    EXPECT_EQ(p.At(35, 10), 0u) << "arrow";
    EXPECT_EQ(p.At(31, 10), 0xFFFFFFu) << "divider";

    picker.SetColor(kNavy);
    EXPECT_EQ(changes, 0) << "setting the colour runs no event";
    EXPECT_EQ(PaintedPixels(picker.Handle()).At(15, 10), kNavy);

    picker.SetEnabled(false);
    p = PaintedPixels(picker.Handle());
    EXPECT_EQ(p.At(5, 10), 0xC0C0C0u) << "silver border when disabled";
    EXPECT_NE(p.At(35, 10), 0u) << "no arrow";
}

TEST_F(ColorPickerWindow, SpaceHeldShowsThePressedLookAndItsReleaseOpensTheDropDown) {
    Key(WM_KEYDOWN, VK_SPACE);
    EXPECT_TRUE(picker.PressedLook());
    EXPECT_FALSE(DropDownShown());
    const Picture pressed = PaintedPixels(picker.Handle());
    EXPECT_EQ(pressed.At(6, 10), 0u) << "the swatch border, one pixel further right";
    EXPECT_EQ(pressed.At(7, 6), kStart);
    Key(WM_KEYDOWN, VK_SPACE);  // auto-repeat
    EXPECT_FALSE(DropDownShown());

    Key(WM_KEYUP, VK_SPACE);
    EXPECT_FALSE(picker.PressedLook());
    ASSERT_TRUE(DropDownShown());
    EXPECT_EQ(clicks, 1);
    TztColorForm& dropDown = *picker.DropDown();
    EXPECT_EQ(dropDown.ClientWidth(), 78);
    EXPECT_EQ(dropDown.ClientHeight(), 120);
    EXPECT_TRUE(dropDown.StayOnTop());
    EXPECT_FALSE(GetWindowLongW(dropDown.Handle(), GWL_STYLE) & WS_CAPTION);
    POINT corner{0, 21};
    ClientToScreen(picker.Handle(), &corner);
    EXPECT_EQ(dropDown.Left(), corner.x);
    EXPECT_EQ(dropDown.Top(), corner.y);
    EXPECT_EQ(dropDown.HotCell(), kPreviewCell) << "a colour outside the grid";
    EXPECT_EQ(GetActiveWindow(), dropDown.Handle());
    EXPECT_EQ(PaintedPixels(dropDown.Handle()).At(65, 108), kStart) << "the preview";
}

TEST_F(ColorPickerWindow, ClickOnACellSetsTheColourFiresOnceAndCloses) {
    picker.OpenDropDown();
    Pump();
    ASSERT_TRUE(DropDownShown());
    ClickDropDown(30, 66);  // column 2, row 4: navy
    EXPECT_FALSE(DropDownShown());
    EXPECT_EQ(picker.Color(), kNavy);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(GetActiveWindow(), form.Handle()) << "the picker's form goes on";

    // Opened again on navy: that cell is highlighted; choosing it again changes nothing.
    picker.OpenDropDown();
    Pump();
    EXPECT_EQ(picker.DropDown()->HotCell(), (HotCell{2, 4}));
    ClickDropDown(30, 66);
    EXPECT_FALSE(DropDownShown());
    EXPECT_EQ(changes, 1);

    // The preview square keeps the current colour.
    picker.OpenDropDown();
    Pump();
    ClickDropDown(65, 108);
    EXPECT_FALSE(DropDownShown());
    EXPECT_EQ(picker.Color(), kNavy);
    EXPECT_EQ(changes, 1);
}

TEST_F(ColorPickerWindow, MouseMovesHighlightAcrossTheGaps) {
    picker.OpenDropDown();
    Pump();
    HWND window = picker.DropDown()->Handle();
    const struct {
        int x, y;
        HotCell hot;
    } moves[] = {{21, 10, {1, 1}}, {22, 10, {2, 1}}, {10, 105, kNoCell}, {60, 102, kPreviewCell}};
    for (const auto& m : moves) {
        SendMessageW(window, WM_MOUSEMOVE, 0, win::MakePointParam(m.x, m.y));
        EXPECT_EQ(picker.DropDown()->HotCell(), m.hot) << m.x << "," << m.y;
    }
    // The highlight is painted where the pointer is: a white frame on the preview square.
    EXPECT_EQ(PaintedPixels(window).At(58, 108), 0xFFFFFFu);
}

TEST_F(ColorPickerWindow, LosingTheFocusClosesTheDropDown) {
    picker.OpenDropDown();
    Pump();
    ASSERT_TRUE(DropDownShown());
    SetActiveWindow(form.Handle());
    Pump();
    EXPECT_FALSE(DropDownShown());
    EXPECT_EQ(changes, 0);

    picker.OpenDropDown();
    Pump();
    Key(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_FALSE(DropDownShown()) << "Esc closes it too";
}

TEST_F(ColorPickerWindow, MouseClickAndEnterOpenIt) {
    PostMessageW(picker.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, win::MakePointParam(10, 10));
    Pump();
    EXPECT_TRUE(picker.PressedLook());
    EXPECT_FALSE(DropDownShown());
    PostMessageW(picker.Handle(), WM_LBUTTONUP, 0, win::MakePointParam(10, 10));
    Pump();
    EXPECT_TRUE(DropDownShown());
    EXPECT_EQ(clicks, 1);
    SetActiveWindow(form.Handle());
    Pump();

    // Released outside: no click.
    PostMessageW(picker.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, win::MakePointParam(10, 10));
    PostMessageW(picker.Handle(), WM_MOUSEMOVE, MK_LBUTTON, win::MakePointParam(100, 10));
    PostMessageW(picker.Handle(), WM_LBUTTONUP, 0, win::MakePointParam(100, 10));
    Pump();
    EXPECT_FALSE(DropDownShown());

    // Enter opens it rather than pressing the form's default button.
    picker.SetFocus();
    Key(WM_KEYDOWN, VK_RETURN);
    EXPECT_TRUE(DropDownShown());
    EXPECT_EQ(okClicks, 0);
}

TEST_F(ColorPickerWindow, OtherButtonOpensTheFullColourDialogOnTheCurrentColour) {
    picker.SetColor(MakeColour(10, 20, 30));
    picker.OpenDropDown();
    Pump();
    int red = -1, green = -1, blue = -1;
    bool expanded = false;
    dialog_answer::AnswerNext([&](HWND dialog) {
        red = static_cast<int>(GetDlgItemInt(dialog, 706, nullptr, FALSE));
        green = static_cast<int>(GetDlgItemInt(dialog, 707, nullptr, FALSE));
        blue = static_cast<int>(GetDlgItemInt(dialog, 708, nullptr, FALSE));
        // Folded, the dialog ends left of the colour edits.
        RECT frame{}, redBox{};
        GetWindowRect(dialog, &frame);
        GetWindowRect(GetDlgItem(dialog, 706), &redBox);
        expanded = redBox.right <= frame.right && redBox.right > redBox.left;
        dialog_answer::Press(dialog, IDCANCEL);
    });
    ClickDropDown(20, 108);
    EXPECT_FALSE(dialog_answer::Waiting());
    EXPECT_TRUE(expanded) << "the custom-colour part is open";
    EXPECT_EQ(red, 10);
    EXPECT_EQ(green, 20);
    EXPECT_EQ(blue, 30);
    EXPECT_FALSE(DropDownShown());
    EXPECT_EQ(changes, 0) << "cancelled";

    picker.OpenDropDown();
    Pump();
    dialog_answer::AnswerNext([](HWND dialog) {
        SetDlgItemInt(dialog, 706, 200, FALSE);
        SetDlgItemInt(dialog, 707, 100, FALSE);
        SetDlgItemInt(dialog, 708, 50, FALSE);
        dialog_answer::Press(dialog, IDOK);
    });
    ClickDropDown(20, 108);
    EXPECT_EQ(picker.Color(), MakeColour(200, 100, 50));
    EXPECT_EQ(changes, 1);
}

struct GridKeysCase {
    const char* what;
    TztLanguage language;
    std::vector<std::vector<WORD>> keys;  // each pressed and released together, in order
    Colour colour;                        // the picker's colour after
    bool colourDialog;                    // the system colour dialog came up (and was cancelled)
};

TEST_F(ColorPickerWindow, KeysChooseInTheOpenGridAndItsAccessKeyOpensTheColourDialog) {
    const GridKeysCase cases[] = {
        {"arrows then Enter choose navy",
         lgEnglish,
         {{VK_HOME}, {VK_RIGHT}, {VK_DOWN}, {VK_DOWN}, {VK_DOWN}, {VK_RETURN}},
         kNavy,
         false},
        {"o is Other, not the dialog's OK", lgEnglish, {{'O'}}, kStart, true},
        {"Alt+A is Andere", lgNederlands, {{VK_MENU, 'A'}}, kStart, true},
    };
    for (const GridKeysCase& c : cases) {
        SCOPED_TRACE(c.what);
        picker.SetColor(kStart);
        picker.SetLanguage(c.language);
        picker.SetFocus();
        Key(WM_KEYDOWN, VK_SPACE);
        Key(WM_KEYUP, VK_SPACE);
        ASSERT_TRUE(DropDownShown());
        bool dialog = false;
        dialog_answer::AnswerNext([&](HWND box) {
            dialog = true;
            dialog_answer::Press(box, IDCANCEL);
        });
        for (const std::vector<WORD>& chord : c.keys) {
            for (WORD k : chord) Key(WM_KEYDOWN, k);
            for (auto k = chord.rbegin(); k != chord.rend(); ++k) Key(WM_KEYUP, *k);
        }
        if (!dialog) dialog_answer::Pending() = nullptr;
        EXPECT_FALSE(DropDownShown());
        EXPECT_EQ(picker.Color(), c.colour);
        EXPECT_EQ(dialog, c.colourDialog);
        EXPECT_EQ(okClicks, 0) << "the form's OK never runs";
        EXPECT_TRUE(form.Visible());
    }
}

TEST_F(ColorPickerWindow, LanguageReachesTheDropDown) {
    picker.SetLanguage(lgFrancais);
    picker.OpenDropDown();
    Pump();
    EXPECT_EQ(picker.DropDown()->Language, lgFrancais);
}

}  // namespace
