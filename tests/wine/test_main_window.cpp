// The main window created in-process and driven by real messages, as the user would.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "core/SettingsStore.h"
#include "ui/Artwork.h"
#include "ui/Main_win.h"
#include "ui/Splash_win.h"
#include "win/Application.h"
#include "win/Clipboard.h"
#include "win/Gdi.h"
#include "win/Text.h"
#include "wine/graphic_mouse.h"
#include "wine/keys.h"
#include "wine/message_box.h"
#include "wine/window_pixels.h"

namespace {

struct RecordingSink : ResultSink {
    std::vector<std::string> entries;
    int shown = 0;
    bool outOfMemory = false;  // the result list cannot grow
    void AppendEntry(const std::string& entry) override {
        if (outOfMemory) throw std::bad_alloc();
        entries.push_back(entry);
    }
    void ShowResults() override { ++shown; }
};

class MainWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { win::Application::Initialize("Valomat"); }

    void Open(Separators seps = {",", "."}, bool cleanup = false) {
        main = std::make_unique<TForm_Main>(MainWindowEnvironment{
            .registry = &registry, .separators = seps, .localeLanguage = 0, .cleanupRun = cleanup});
        main->SetResultSink(&sink);
        ASSERT_TRUE(main->CreateMain());
        main->Show();
        SetForegroundWindow(main->Handle());
        Pump();
    }
    void TearDown() override {
        main.reset();
        Pump();
    }
    static void Pump() {
        for (int i = 0; i < 3; ++i) win::Application::ProcessMessages();
    }
    // Types characters into the focused box the way the keyboard does.
    void Type(win::Edit& box, std::wstring_view text) {
        box.SetFocus();
        for (wchar_t c : text) SendMessageW(box.Handle(), WM_CHAR, c, 0);
    }
    void PressEnter(win::Edit& box) {
        box.SetFocus();
        PostMessageW(box.Handle(), WM_KEYDOWN, VK_RETURN, 0);
        PostMessageW(box.Handle(), WM_CHAR, L'\r', 0);
        PostMessageW(box.Handle(), WM_KEYUP, VK_RETURN, 0xC0000000);
        Pump();
    }
    void Click(win::SpeedButton& button) {
        graphicmouse::SendClick(button);
        Pump();
    }
    void ClickTool(const win::ToolButton& button) {
        SendMessageW(GetParent(main->ToolBar_Valomat.Handle()), WM_COMMAND,
                     MAKEWPARAM(button.Command(), BN_CLICKED),
                     reinterpret_cast<LPARAM>(main->ToolBar_Valomat.Handle()));
        Pump();
    }
    void ClearAmount() {
        main->Edit_Van.SetFocus();
        main->Edit_Van.SelectAll();
        SendMessageW(main->Edit_Van.Handle(), WM_CHAR, VK_BACK, 0);
    }

    MemoryRegistry registry;
    RecordingSink sink;
    std::unique_ptr<TForm_Main> main;
};

TEST_F(MainWindowTest, TypingConvertsAtEveryKeystrokeButRecordsNothing) {
    Open();
    ClearAmount();
    Type(main->Edit_Van, L"100");
    EXPECT_EQ(main->Edit_Naar.Text(), "2,48");  // BEF to EURO by default
    EXPECT_TRUE(sink.entries.empty());
}

TEST_F(MainWindowTest, TypingReplacesTheAmountWheneverTheBoxGetsTheFocusByKeyboard) {
    Open();
    Type(main->Edit_Van, L"100");  // right after the start
    EXPECT_EQ(main->Edit_Van.Text(), "100");
    PressEnter(main->Edit_Van);
    PressEnter(main->Edit_Naar);  // back to the amount box
    Type(main->Edit_Van, L"250");
    EXPECT_EQ(main->Edit_Van.Text(), "250");
    EXPECT_EQ(main->Edit_Naar.Text(), "6,20");
    // A click puts the caret where it was made, for mending the amount.
    PressEnter(main->Edit_Van);
    SendMessageW(main->Edit_Van.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 5));
    SendMessageW(main->Edit_Van.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(100, 5));
    Type(main->Edit_Van, L"0");
    EXPECT_EQ(main->Edit_Van.Text(), "2500");
}

TEST_F(MainWindowTest, ForeignSeparatorIsReplacedAtOnceWithTheCaretKept) {
    Open();
    ClearAmount();
    Type(main->Edit_Van, L"12.5");
    EXPECT_EQ(main->Edit_Van.Text(), "12,5");
    EXPECT_EQ(main->Edit_Van.SelStart(), 4);
    EXPECT_EQ(main->Edit_Naar.Text(), "0,31");

    ClearAmount();
    Type(main->Edit_Van, L"1.2.3");
    EXPECT_EQ(main->Edit_Van.Text(), "1,2,3");  // every one replaced, one per nested run
}

TEST_F(MainWindowTest, PointLocaleReplacesCommas) {
    Open({".", ","});
    ClearAmount();
    Type(main->Edit_Van, L"12,5");
    EXPECT_EQ(main->Edit_Van.Text(), "12.5");
    EXPECT_EQ(main->Edit_Naar.Text(), "0.31");
}

TEST_F(MainWindowTest, EnterCommitsOneEntryAndMovesTheFocusToTheResult) {
    Open();
    ClearAmount();
    Type(main->Edit_Van, L"100");
    PressEnter(main->Edit_Van);
    ASSERT_EQ(sink.entries.size(), 1u);
    EXPECT_EQ(sink.entries[0], "*100*2*2,48*1*");
    EXPECT_EQ(GetFocus(), main->Edit_Naar.Handle());
    // Enter in the result box goes back without recording.
    PressEnter(main->Edit_Naar);
    EXPECT_EQ(GetFocus(), main->Edit_Van.Handle());
    EXPECT_EQ(sink.entries.size(), 1u);
}

TEST_F(MainWindowTest, UnreadableAmountChangesNothingWhileTypingAndResetsOnCommit) {
    Open();
    ClearAmount();
    Type(main->Edit_Van, L"40");
    const std::string before = main->Edit_Naar.Text();
    Type(main->Edit_Van, L"x");
    EXPECT_EQ(main->Edit_Naar.Text(), before);
    PressEnter(main->Edit_Van);
    EXPECT_EQ(main->Edit_Van.Text(), "0");
    EXPECT_EQ(main->Edit_Naar.Text(), "0");
    EXPECT_TRUE(sink.entries.empty());
}

TEST_F(MainWindowTest, ThousandsSeparatorTypedInACommaLocaleIsUnreadable) {
    Open();
    ClearAmount();
    Type(main->Edit_Van, L"1.234,56");
    EXPECT_EQ(main->Edit_Van.Text(), "1,234,56");
    main->Convert(true);
    EXPECT_EQ(main->Edit_Van.Text(), "0");
    EXPECT_TRUE(sink.entries.empty());
}

TEST_F(MainWindowTest, CurrencyButtonsSelectTheSlotAndRecordTheConversion) {
    Open();
    ClearAmount();
    Type(main->Edit_Van, L"1");
    // Row 1 is the euro, row 7 the lira with the default list.
    Click(main->SpeedButton_Van[0]);
    EXPECT_EQ(main->Rec.VanMunt, 1);
    EXPECT_EQ(main->Label_Van.Text(), "euro (EURO,€)");
    Click(main->SpeedButton_Naar[6]);
    EXPECT_EQ(main->Rec.NaarMunt, 7);
    EXPECT_EQ(main->Edit_Naar.Text(), "1.936");
    ASSERT_EQ(sink.entries.size(), 2u);
    EXPECT_EQ(sink.entries[1], "*1,00*1*1.936*7*");
    EXPECT_TRUE(main->SpeedButton_Van[0].Down());
    EXPECT_FALSE(main->SpeedButton_Van[1].Down());
}

TEST_F(MainWindowTest, ZeroIsNeverRecorded) {
    Open();
    ClearAmount();
    Type(main->Edit_Van, L"0");
    Click(main->SpeedButton_Van[0]);
    main->Convert(true);
    EXPECT_TRUE(sink.entries.empty());
}

TEST_F(MainWindowTest, TenListedSlotsGiveGroupBoxesOf242AndHideTheOtherRows) {
    Open();
    for (int s = 1; s <= kSlotCount; ++s) main->Rec.Geselecteerd[s] = s <= 10;
    main->ApplyLayout();
    EXPECT_EQ(main->GroupBox_Van.Height(), 242);
    EXPECT_EQ(main->GroupBox_Naar.Height(), 242);
    for (int n = 1; n <= kSlotCount; ++n) {
        SCOPED_TRACE(n);
        const auto i = static_cast<std::size_t>(n - 1);
        EXPECT_EQ(main->SpeedButton_Van[i].Visible(), n <= 10);
        EXPECT_EQ(main->Label_Munt[i].Visible(), n <= 10);
        EXPECT_EQ(main->SpeedButton_Naar[i].Tag, n <= 10 ? n : 0);
    }
    EXPECT_EQ(main->FindComponent("Label_Munt7")->Tag, 7);
    const int expected = main->Panel_Convert.Height() + main->ToolBarHeight() + 6 + 242 + 10;
    EXPECT_EQ(main->ClientHeight(), expected);
}

TEST_F(MainWindowTest, RowsShowTheirSlotsCaptionAndColour) {
    Open();
    for (int s = 1; s <= kSlotCount; ++s) main->Rec.Geselecteerd[s] = s == 1 || s == 19;
    main->ApplyLayout();
    EXPECT_EQ(main->Label_Munt[1].Tag, 19);
    EXPECT_EQ(main->Label_Munt[1].Text(), "dollar (USD,$)");
    EXPECT_EQ(main->Label_Munt[1].TextColour(), main->Rec.KleurWereld);
    EXPECT_EQ(main->FindVanButton(19), 2);
    EXPECT_EQ(main->FindVanButton(2), -1);
}

TEST_F(MainWindowTest, ARightClickOnARowShowsTheWindowsMenu) {
    Open();
    int shown = 0;
    main->PopupMenu1.OnPopup = [&] {
        ++shown;
        SetTimer(nullptr, 0, 1, [](HWND, UINT, UINT_PTR id, DWORD) {
            KillTimer(nullptr, id);
            EndMenu();
        });
    };
    graphicmouse::SendContextMenu(main->Label_Munt[0]);
    EXPECT_EQ(shown, 1) << "on a row's caption";
    // A row's button has no menu: its group box hands the click on to the panel, whose it is.
    graphicmouse::SendContextMenu(main->SpeedButton_Van[0]);
    EXPECT_EQ(shown, 2) << "on a row's button";
}

TEST_F(MainWindowTest, ListButtonSwitchesBetweenListAndCompactView) {
    Open();
    const int listHeight = main->ClientHeight();
    ClickTool(main->ToolButton_List);
    EXPECT_FALSE(main->ListView());
    EXPECT_FALSE(main->ToolButton_List.Down());
    EXPECT_EQ(main->ClientHeight(), main->ToolBarHeight() + main->Panel_Convert.Height() + 2);
    EXPECT_EQ(main->Rec.Lijst, 1);
    ClickTool(main->ToolButton_List);
    EXPECT_TRUE(main->ListView());
    EXPECT_EQ(main->ClientHeight(), listHeight);
    EXPECT_EQ(main->Rec.Lijst, 2);
}

TEST_F(MainWindowTest, UnlistedDefaultIsSelectedWithoutAPressedButton) {
    registry.Put("Software\\ZT\\Valomat\\Algemeen", "DefaultVanMunt",
                 {RegKind::Integer, {19, 0, 0, 0}});
    Open();
    EXPECT_EQ(main->Rec.VanMunt, 19);
    EXPECT_EQ(main->Label_Van.Text(), "dollar (USD,$)");
    for (const auto& b : main->SpeedButton_Van) EXPECT_FALSE(b.Down());
}

TEST_F(MainWindowTest, StayOnTopSwitchesWithoutRecreatingTheWindow) {
    Open();
    HWND before = main->Handle();
    ClickTool(main->ToolButton_StayOnTop);
    EXPECT_TRUE(GetWindowLongW(before, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(main->ToolButton_StayOnTop.Down());
    ClickTool(main->ToolButton_StayOnTop);
    EXPECT_FALSE(GetWindowLongW(before, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(main->Handle(), before);
}

TEST_F(MainWindowTest, ClosingSavesTheSettingsAndACleanupRunDoesNot) {
    Open();
    main->Rec.Weergave = 3;
    main->Close();
    Pump();
    auto saved = registry.Get("Software\\ZT\\Valomat\\Algemeen", "Weergave");
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->bytes[0], 3);
    main.reset();

    registry.Put("SoftWare\\Valomat", "Old", {RegKind::Text, {'x'}});
    Open({",", "."}, true);
    EXPECT_FALSE(registry.KeyExists("SoftWare\\Valomat"));
    main->Rec.Weergave = 0;
    main->Close();
    Pump();
    EXPECT_EQ(registry.Get("Software\\ZT\\Valomat\\Algemeen", "Weergave")->bytes[0], 3);
}

TEST_F(MainWindowTest, EndOfTheWindowsSessionSavesTheSettings) {
    Open();
    main->Rec.Weergave = 2;
    // A session end that another program called off saves nothing yet.
    EXPECT_TRUE(SendMessageW(main->Handle(), WM_QUERYENDSESSION, 0, 0));
    SendMessageW(main->Handle(), WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(registry.Get("Software\\ZT\\Valomat\\Algemeen", "Weergave")->bytes[0], 1);
    SendMessageW(main->Handle(), WM_QUERYENDSESSION, 0, 0);
    SendMessageW(main->Handle(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(registry.Get("Software\\ZT\\Valomat\\Algemeen", "Weergave")->bytes[0], 2);
}

TEST_F(MainWindowTest, ThePositionSavedIsTheNormalOneAlsoWhenMinimised) {
    struct Case {
        bool tray;
        int left;
        int top;
    };
    for (const Case c : {Case{false, 100, 200}, Case{true, 150, 250}}) {
        SCOPED_TRACE(c.tray ? "in the tray" : "on the taskbar");
        Open();
        main->Rec.SysteemLade = c.tray;
        main->SetPosition(c.left, c.top);
        ShowWindow(main->Handle(), SW_MINIMIZE);
        Pump();
        main->Close();
        Pump();
        auto position = [&](const char* name) {
            auto value = registry.Get("Software\\ZT\\Valomat\\Positie", name);
            return value ? static_cast<int>(value->bytes[0] | value->bytes[1] << 8) : -1;
        };
        EXPECT_EQ(position("Links"), c.left);
        EXPECT_EQ(position("Boven"), c.top);
        main.reset();
    }
}

TEST_F(MainWindowTest, StartMinimisedGoesToTheTaskbarOrTheTrayAndOpenBringsItBack) {
    for (bool tray : {false, true}) {
        SCOPED_TRACE(tray ? "tray" : "taskbar");
        registry.Put("Software\\ZT\\Valomat\\Algemeen", "Minimalizeren",
                     {RegKind::Integer, {1, 0, 0, 0}});
        registry.Put("Software\\ZT\\Valomat\\Algemeen", "SysteemLade",
                     {RegKind::Integer, {static_cast<std::uint8_t>(tray), 0, 0, 0}});
        Open();
        EXPECT_TRUE(IsIconic(main->Handle()));
        EXPECT_EQ(main->InTray(), tray);
        EXPECT_EQ(IsWindowVisible(main->Handle()) != FALSE, !tray);
        main->Menu_ST_OpenClick();
        Pump();
        EXPECT_TRUE(IsWindowVisible(main->Handle()));
        EXPECT_FALSE(IsIconic(main->Handle()));
        EXPECT_FALSE(main->InTray());
        main.reset();
    }
}

TEST_F(MainWindowTest, AFailingHandlerIsReportedAndTheProgramGoesOnAndSavesAtTheEnd) {
    Open();
    ClearAmount();
    Type(main->Edit_Van, L"100");
    sink.outOfMemory = true;
    {
        testing_message_box::Answerer answerer;
        PressEnter(main->Edit_Van);
        ASSERT_EQ(answerer.Boxes().size(), 1u);
        EXPECT_EQ(answerer.Boxes()[0].caption, "Valomat");
        EXPECT_EQ(answerer.Boxes()[0].text, "Out of memory.");
    }
    sink.outOfMemory = false;
    ClearAmount();
    Type(main->Edit_Van, L"200");
    EXPECT_EQ(main->Edit_Naar.Text(), "4,96");
    main->Rec.Weergave = 3;
    main->Close();
    Pump();
    EXPECT_EQ(registry.Get("Software\\ZT\\Valomat\\Algemeen", "Weergave")->bytes[0], 3);
}

TEST(SplashWindow, HasNoTaskbarButton) {
    win::Application::Initialize("Valomat");
    TForm_Splash splash;
    ASSERT_TRUE(splash.CreateSplash());
    splash.Show();
    // The taskbar shows a visible window that no other owns and that is not a tool window,
    // and any window marked as an application window.
    const LONG_PTR exStyle = GetWindowLongPtrW(splash.Handle(), GWL_EXSTYLE);
    const bool owned = GetWindow(splash.Handle(), GW_OWNER) != nullptr;
    EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
    EXPECT_TRUE(owned || (exStyle & WS_EX_TOOLWINDOW));
    EXPECT_TRUE(IsWindowVisible(splash.Handle()));
    // One window, drawn once: the picture at (4, 4) on the raised panel.
    EXPECT_EQ(GetWindow(splash.Handle(), GW_CHILD), nullptr);
    const Picture shown = PaintedPixels(splash.Handle());
    EXPECT_EQ(shown.At(4 + 60, 4 + 20), SplashPicture().At(60, 20));
    EXPECT_EQ(shown.At(150, 150), win::ToColorRef(win::clBtnFace));
}

TEST_F(MainWindowTest, CopyPutsTheActiveBoxOnTheClipboard) {
    Open();
    ClearAmount();
    Type(main->Edit_Van, L"100");
    main->ToolButton_CopyClick();
    Pump();
    wchar_t buffer[32] = {};
    if (OpenClipboard(main->Handle())) {
        if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
            if (auto* p = static_cast<const wchar_t*>(GlobalLock(h))) {
                lstrcpynW(buffer, p, 32);
                GlobalUnlock(h);
            }
        }
        CloseClipboard();
    }
    EXPECT_STREQ(buffer, L"100");
}

// Clicks OK of the About box once it is up: the box runs its own modal loop inside the click.
void CALLBACK CloseAboutBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = FindWindowW(L"ValomatForm", L"Info");
    if (!box) return;
    KillTimer(nullptr, timer);
    if (HWND ok = FindWindowExW(box, nullptr, L"Button", L"&OK")) PostMessageW(ok, BM_CLICK, 0, 0);
}

// Closing the box is no conversion of the user's: the result is refreshed, nothing recorded.
TEST_F(MainWindowTest, AboutBoxRecordsNothing) {
    Open();
    ClearAmount();
    Type(main->Edit_Van, L"100");
    sink.entries.clear();
    main->Rec.Koers[2] = 20;  // a rate changed meanwhile shows in the result
    SetTimer(nullptr, 0, 20, CloseAboutBox);
    ClickTool(main->ToolButton_Info);
    EXPECT_EQ(FindWindowW(L"ValomatForm", L"Info"), nullptr) << "the box is freed";
    EXPECT_TRUE(sink.entries.empty());
    EXPECT_EQ(main->Edit_Naar.Text(), "5,00");

    // From the tray menu the box is only shown.
    sink.entries.clear();
    SetTimer(nullptr, 0, 20, CloseAboutBox);
    main->Menu_ST_InfoClick();
    EXPECT_EQ(FindWindowW(L"ValomatForm", L"Info"), nullptr);
    EXPECT_TRUE(sink.entries.empty());
}

// In a column the keys select at once and record as a click does, round the ends, and the focus
// stays there for the next key; leaving the amount box by Shift+Tab commits and goes there.
TEST_F(MainWindowTest, ColumnKeysSelectAndRecordAndKeepTheFocus) {
    Open();
    ClearAmount();
    Type(main->Edit_Van, L"100");
    {
        testkeys::Held shift({VK_SHIFT});
        testkeys::Press(VK_TAB);
    }
    EXPECT_EQ(GetFocus(), main->GroupBox_Naar.Handle());
    EXPECT_EQ(sink.entries.size(), 1u);
    main->GroupBox_Van.SetFocus();
    const struct {
        int key;
        int slot;  // selected afterwards (rows 1..12 are slots 1..12, row 13 is slot 16)
        bool records;
    } cases[] = {{VK_DOWN, 3, true}, {VK_END, 16, true}, {VK_DOWN, 1, true}, {VK_HOME, 1, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        const std::size_t before = sink.entries.size();
        testkeys::Press(c.key);
        EXPECT_EQ(main->Rec.VanMunt, c.slot);
        EXPECT_EQ(sink.entries.size(), before + (c.records ? 1 : 0));
        EXPECT_EQ(GetFocus(), main->GroupBox_Van.Handle());
        EXPECT_TRUE(main->GroupBox_Van.Current()->FocusShown());
    }
    EXPECT_EQ(sink.entries.back(), "*100,00*1*100,00*1*");
}

UINT_PTR aboutTimer = 0;

// One shortcut for every tool-bar command, typed anywhere in the window (paste: as its button,
// only with a number on the clipboard).
TEST_F(MainWindowTest, EveryToolBarCommandHasItsShortcut) {
    Open();
    int optionsShown = 0;
    main->ShowOptions = [&optionsShown] { ++optionsShown; };
    ClearAmount();
    Type(main->Edit_Van, L"100");
    sink.entries.clear();
    const struct {
        std::vector<int> held;
        int key;
        std::function<bool()> done;
    } cases[] = {
        {{}, VK_F5, [&] { return sink.entries.size() == 1; }},
        {{VK_CONTROL, VK_SHIFT}, 'C', [&] { return win::clipboard::ReadText() == "2,48"; }},
        {{VK_CONTROL}, 'L', [&] { return !main->ListView(); }},
        {{VK_CONTROL}, 'T', [&] { return main->StayOnTopFlag(); }},
        {{VK_CONTROL}, 'R', [&] { return sink.shown == 1; }},
        {{VK_CONTROL}, 'O', [&] { return optionsShown == 1; }},
        {{}, VK_F1, [] { return KillTimer(nullptr, aboutTimer) == FALSE; }},  // it found the box
        {{VK_MENU}, VK_F4, [&] { return !main->Visible(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        if (c.key == VK_F1) aboutTimer = SetTimer(nullptr, 0, 20, CloseAboutBox);
        const bool alt = c.key == VK_F4;
        testkeys::Held keys(c.held);
        PostMessageW(GetFocus(), alt ? WM_SYSKEYDOWN : WM_KEYDOWN, c.key, alt ? 0x20000001 : 1);
        Pump();
        EXPECT_TRUE(c.done());
    }
}

}  // namespace
