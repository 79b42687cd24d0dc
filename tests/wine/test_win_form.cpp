// Forms and edits driven in-process by messages: change, focus and key events arrive the way
// Windows delivers them, also through the dialog navigation of the message loop.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "win/Application.h"
#include "win/Edit.h"
#include "win/Form.h"
#include "win/Label.h"
#include "win/Panel.h"
#include "win/Text.h"
#include "wine/message_box.h"
#include "wine/keys.h"

#include <commctrl.h>

namespace {

using testkeys::Pump;

// A visible, active form holding a panel with two edits, and a label on the form.
class FormWithEdits : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(win::Application::Initialize("Valomat test"));
        ASSERT_TRUE(form.Create({.caption = "edits", .clientWidth = 240, .clientHeight = 120}));
        ASSERT_TRUE(panel.Create(
            {.parent = &form, .name = "Panel_Convert", .height = 67, .align = win::Align::Top}));
        ASSERT_TRUE(first.Create({.parent = &panel,
                                  .name = "Edit_Van",
                                  .x = 8,
                                  .y = 6,
                                  .width = 125,
                                  .height = 21,
                                  .tag = 7,
                                  .text = "0"}));
        ASSERT_TRUE(second.Create({.parent = &panel,
                                   .name = "Edit_Naar",
                                   .x = 8,
                                   .y = 36,
                                   .width = 125,
                                   .height = 21,
                                   .text = "0",
                                   .readOnly = true}));
        ASSERT_TRUE(label.Create({.parent = &form,
                                  .name = "Label_Munt1",
                                  .x = 8,
                                  .y = 80,
                                  .width = 170,
                                  .height = 16,
                                  .tag = 3,
                                  .text = "Euro"}));
        form.Show();
        SetForegroundWindow(form.Handle());
        Pump();
    }

    win::Form form;
    win::Panel panel;
    win::Edit first;
    win::Edit second;
    win::Label label;
    std::vector<std::string> events;
};

TEST_F(FormWithEdits, SettingTextRunsOnChangeOnceAndInsideTheCall) {
    bool insideSetText = false;
    first.OnChange = [&] {
        events.push_back("begin " + first.Text() + (insideSetText ? " inside" : " outside"));
        // A handler that sets the text again runs the handler nested, as Windows does.
        if (first.Text() == "abc") first.SetText("0");
        events.push_back("end " + first.Text());
    };
    insideSetText = true;
    first.SetText("12,5");
    insideSetText = false;
    EXPECT_EQ(events, (std::vector<std::string>{"begin 12,5 inside", "end 12,5"}));

    events.clear();
    first.SetText("12,5");  // unchanged: nothing runs
    EXPECT_TRUE(events.empty());

    first.SetText("abc");
    EXPECT_EQ(events,
              (std::vector<std::string>{"begin abc outside", "begin 0 outside", "end 0", "end 0"}))
        << "the inner run finishes before the outer one goes on";
    EXPECT_EQ(first.Text(), "0");
}

TEST_F(FormWithEdits, TypedCharactersRunOnChange) {
    int changes = 0;
    first.OnChange = [&] { ++changes; };
    first.SetFocus();
    first.SelectAll();
    SendMessageW(first.Handle(), WM_CHAR, L'7', 1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(first.Text(), "7");
}

TEST_F(FormWithEdits, AutoSelectSelectsAllUnlessTheFocusComesByAMouseClick) {
    first.AutoSelect = true;
    first.SetText("1234");
    second.SetFocus();
    first.SetFocus();  // Enter from another box, or the start
    EXPECT_EQ(first.SelStart(), 0);
    EXPECT_EQ(first.SelLength(), 4);

    second.SetFocus();
    first.SetSel(1, 0);
    // A click on the box puts the caret where it was made: at the end, right of the text.
    SendMessageW(first.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 5));
    SendMessageW(first.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(100, 5));
    EXPECT_EQ(GetFocus(), first.Handle());
    EXPECT_EQ(first.SelStart(), 4);
    EXPECT_EQ(first.SelLength(), 0);
}

TEST_F(FormWithEdits, AnExceptionInAHandlerIsShownAndTheFormGoesOn) {
    first.OnChange = [&] {
        if (first.Text() == "x") throw std::runtime_error("kapot");
        events.push_back(first.Text());
    };
    first.SetFocus();
    first.SelectAll();
    testing_message_box::Answerer answerer;
    SendMessageW(first.Handle(), WM_CHAR, L'x', 1);
    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_EQ(answerer.Boxes()[0].caption, "Valomat test");
    EXPECT_EQ(answerer.Boxes()[0].text, "kapot");
    // Through the message loop as well, and the form goes on working.
    first.SelectAll();
    PostMessageW(first.Handle(), WM_CHAR, L'x', 1);
    PostMessageW(first.Handle(), WM_CHAR, L'7', 1);
    Pump();
    EXPECT_EQ(answerer.Boxes().size(), 2u);
    EXPECT_EQ(events, (std::vector<std::string>{"x7"}));
}

TEST_F(FormWithEdits, FocusChangesRunExitAndEnterInsideSetFocus) {
    first.OnEnter = [&] { events.push_back("enter first"); };
    first.OnExit = [&] { events.push_back("exit first"); };
    second.OnEnter = [&] { events.push_back("enter second"); };
    second.OnExit = [&] { events.push_back("exit second"); };
    ASSERT_TRUE(first.SetFocus());
    events.clear();

    EXPECT_TRUE(second.SetFocus());
    EXPECT_EQ(events, (std::vector<std::string>{"exit first", "enter second"}));
    EXPECT_EQ(form.ActiveControl(), &second);

    events.clear();
    EXPECT_TRUE(first.SetFocus());
    EXPECT_EQ(events, (std::vector<std::string>{"exit second", "enter first"}));
    EXPECT_EQ(form.ActiveControl(), &first);
}

TEST_F(FormWithEdits, CanFocusNeedsTheWholeParentChainVisibleAndEnabled) {
    EXPECT_TRUE(first.CanFocus());
    panel.SetEnabled(false);
    EXPECT_FALSE(first.CanFocus());
    EXPECT_FALSE(first.SetFocus());
    panel.SetEnabled(true);
    first.SetVisible(false);
    EXPECT_FALSE(first.CanFocus());
    first.SetVisible(true);
    form.Hide();
    EXPECT_FALSE(first.CanFocus());
}

TEST_F(FormWithEdits, EnterReachesOnKeyPressThroughTheDialogNavigation) {
    std::vector<int> keys;
    first.OnKeyPress = [&](wchar_t& key) {
        keys.push_back(key);
        if (key == 13) {
            second.SetFocus();
            key = 0;
        }
    };
    ASSERT_TRUE(first.SetFocus());
    // Posted like real key strokes: the loop's IsDialogMessage sees them first.
    PostMessageW(first.Handle(), WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PostMessageW(first.Handle(), WM_KEYUP, VK_RETURN, 0xC01C0001);
    Pump();
    EXPECT_EQ(keys, std::vector<int>{13});
    EXPECT_TRUE(second.Focused());
}

TEST_F(FormWithEdits, TabMovesTheFocusIntoAndThroughThePanel) {
    ASSERT_TRUE(first.SetFocus());
    PostMessageW(first.Handle(), WM_KEYDOWN, VK_TAB, 0x000F0001);
    PostMessageW(first.Handle(), WM_KEYUP, VK_TAB, 0xC00F0001);
    Pump();
    EXPECT_TRUE(second.Focused());
}

TEST_F(FormWithEdits, KeyPreviewSeesCharactersFirstAndMaySwallowThem) {
    form.KeyPreview = true;
    std::string seen;
    form.OnKeyPress = [&](wchar_t& key) {
        seen += static_cast<char>(key);
        if (key == L'x') key = 0;     // swallowed
        if (key == L'a') key = L'b';  // replaced
    };
    std::string boxSaw;
    first.OnKeyPress = [&](wchar_t& key) { boxSaw += static_cast<char>(key); };
    first.SetFocus();
    first.SelectAll();
    for (wchar_t c : std::wstring(L"1x2a")) SendMessageW(first.Handle(), WM_CHAR, c, 1);
    EXPECT_EQ(seen, "1x2a");
    EXPECT_EQ(boxSaw, "12b");
    EXPECT_EQ(first.Text(), "12b");
}

TEST_F(FormWithEdits, ControlsAreFoundByNameAndCarryTags) {
    EXPECT_EQ(form.FindComponent("Edit_Van"), &first);
    EXPECT_EQ(form.FindComponent("Edit_Naar"), &second);
    EXPECT_EQ(form.FindComponent("Label_Munt" + std::to_string(1)), &label);
    EXPECT_EQ(form.Find<win::Edit>("Label_Munt1"), nullptr) << "wrong kind";
    EXPECT_EQ(form.FindComponent("Label_Munt2"), nullptr);
    EXPECT_EQ(form.FindComponent(""), nullptr);
    EXPECT_EQ(first.Tag, 7);
    EXPECT_EQ(label.Tag, 3);
    label.Tag = 12;
    EXPECT_EQ(form.Find<win::Label>("Label_Munt1")->Tag, 12);
}

TEST_F(FormWithEdits, ADestroyedControlLeavesTheFormsList) {
    {
        win::Label temporary;
        ASSERT_TRUE(temporary.Create({.parent = &panel, .name = "Label_Temp", .width = 20}));
        EXPECT_EQ(form.FindComponent("Label_Temp"), &temporary);
    }
    EXPECT_EQ(form.FindComponent("Label_Temp"), nullptr);
}

TEST_F(FormWithEdits, SelectionAndCaret) {
    first.SetText("123,45");
    first.SetSel(1, 3);
    EXPECT_EQ(first.SelStart(), 1);
    EXPECT_EQ(first.SelLength(), 3);
    first.SelectAll();
    EXPECT_EQ(first.SelStart(), 0);
    EXPECT_EQ(first.SelLength(), 6);
    first.SetCaret(4);
    EXPECT_EQ(first.SelStart(), 4);
    EXPECT_EQ(first.SelLength(), 0);
}

TEST_F(FormWithEdits, TextsAreUtf8BothWays) {
    first.SetText("€ 1,00 – Français");
    EXPECT_EQ(first.Text(), "€ 1,00 – Français");
    label.SetText("Dollar (USD) ¥");
    EXPECT_EQ(label.Text(), "Dollar (USD) ¥");
    form.SetCaption("Résultaten");
    EXPECT_EQ(form.Caption(), "Résultaten");
}

TEST_F(FormWithEdits, ClientSizeAndAlignment) {
    form.SetClientSize(326, 200);
    Pump();
    EXPECT_EQ(form.ClientWidth(), 326);
    EXPECT_EQ(form.ClientHeight(), 200);
    // The top-aligned panel follows the width and keeps its height.
    EXPECT_EQ(panel.Width(), 326);
    EXPECT_EQ(panel.Height(), 67);
    EXPECT_EQ(panel.Top(), 0);
}

// The text a control's tool tip asks for when the mouse rests on the middle of the control: the
// tool tip finds its tool there (a graphic control's is a rectangle of its container's window)
// and asks the window of that tool.
std::string HintShownFor(win::Form& form, win::Control& control) {
    struct Search {
        HWND owner;
        HWND tooltip = nullptr;
    } search{form.Handle()};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            wchar_t name[64] = {};
            GetClassNameW(w, name, 64);
            if (GetWindow(w, GW_OWNER) == s->owner && lstrcmpiW(name, TOOLTIPS_CLASSW) == 0) {
                s->tooltip = w;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    if (!search.tooltip) return "(no tool tip)";
    const RECT b = control.Bounds();
    TTHITTESTINFOW hit{};
    hit.hwnd = control.Graphic() ? control.Parent()->ContainerHandle() : control.Handle();
    hit.pt = control.Graphic() ? POINT{(b.left + b.right) / 2, (b.top + b.bottom) / 2}
                               : POINT{(b.right - b.left) / 2, (b.bottom - b.top) / 2};
    hit.ti.cbSize = TTTOOLINFOW_V2_SIZE;
    if (!SendMessageW(search.tooltip, TTM_HITTESTW, 0, reinterpret_cast<LPARAM>(&hit))) {
        return "(no tool)";
    }
    NMTTDISPINFOW info{};
    info.hdr.hwndFrom = search.tooltip;
    info.hdr.idFrom = hit.ti.uId;
    info.hdr.code = TTN_GETDISPINFOW;
    info.uFlags = hit.ti.uFlags;
    SendMessageW(hit.ti.hwnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    return info.lpszText ? win::Narrow(info.lpszText) : std::string();
}

TEST_F(FormWithEdits, HintsAreShownAndFollowChanges) {
    first.SetHint("Bedrag");
    EXPECT_EQ(HintShownFor(form, first), "Bedrag");
    first.SetHint("Montant à convertir");
    EXPECT_EQ(HintShownFor(form, first), "Montant à convertir");
    second.SetHint("Resultaat");
    second.SetHint("");
    EXPECT_EQ(HintShownFor(form, second), "(no tool)") << "no hint of its own";
    // A graphic control's hint: at its place, wherever it moves, and only while it shows.
    label.SetHint("Munt");
    EXPECT_EQ(HintShownFor(form, label), "Munt");
    label.SetBounds(8, 100, 60, 16);
    EXPECT_EQ(HintShownFor(form, label), "Munt");
    label.SetVisible(false);
    EXPECT_EQ(HintShownFor(form, label), "(no tool)");
}

TEST_F(FormWithEdits, ColoursComeFromTheControlThroughItsContainer) {
    // Read-only boxes ask with WM_CTLCOLORSTATIC, sent to the panel they sit on.
    second.SetBackground(MakeColour(200, 200, 200));
    second.SetTextColour(MakeColour(0, 0, 128));
    HDC dc = GetDC(second.Handle());
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(panel.Handle(), WM_CTLCOLORSTATIC,
                                                       reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(second.Handle())));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 128));
    ReleaseDC(second.Handle(), dc);
    LOGBRUSH info{};
    ASSERT_EQ(GetObjectW(brush, sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.lbColor, RGB(200, 200, 200));
}

TEST_F(FormWithEdits, StayOnTopSwitchesWithoutANewWindow) {
    HWND before = form.Handle();
    EXPECT_FALSE(form.StayOnTop());
    form.SetStayOnTop(true);
    EXPECT_TRUE(form.StayOnTop());
    form.SetStayOnTop(false);
    EXPECT_FALSE(form.StayOnTop());
    EXPECT_EQ(form.Handle(), before);
    EXPECT_EQ(first.Text(), "0");
}

TEST(WinFormEvents, ShowRunsOnShowEachTimeAndCloseCanBeRefused) {
    ASSERT_TRUE(win::Application::Initialize("Valomat test"));
    win::Form form;
    int shows = 0;
    int closes = 0;
    form.OnShow = [&] { ++shows; };
    form.OnClose = [&](win::CloseAction& action) {
        ++closes;
        if (closes == 1) action = win::CloseAction::None;
    };
    ASSERT_TRUE(form.Create({.caption = "events", .border = win::BorderKind::ToolWindow}));
    form.Show();
    form.Show();  // already visible
    EXPECT_EQ(shows, 1);
    SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(form.Visible()) << "the first close was refused";
    form.Close();
    EXPECT_FALSE(form.Visible());
    EXPECT_TRUE(form.Exists()) << "hidden, not destroyed";
    form.Show();
    EXPECT_EQ(shows, 2);
}

TEST(WinFormEvents, CloseWithFreeDestroysTheWindow) {
    ASSERT_TRUE(win::Application::Initialize("Valomat test"));
    win::Form form;
    bool destroyed = false;
    form.OnClose = [](win::CloseAction& action) { action = win::CloseAction::Free; };
    form.OnDestroy = [&] { destroyed = true; };
    ASSERT_TRUE(
        form.Create({.caption = "splash", .border = win::BorderKind::None, .topmost = true}));
    win::Label label;
    ASSERT_TRUE(label.Create({.parent = &form, .name = "Label1", .width = 40, .height = 12}));
    form.Show();
    EXPECT_TRUE(form.StayOnTop());
    form.Close();
    EXPECT_TRUE(destroyed);
    EXPECT_FALSE(form.Exists());
    EXPECT_FALSE(label.Exists()) << "the child went with its form";
    EXPECT_EQ(form.FindComponent("Label1"), nullptr);
}

}  // namespace
