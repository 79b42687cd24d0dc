// The clipboard auto-conversion and the tray, driven in-process through the real clipboard.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "ui/Main_win.h"
#include "wine/clipboard_copy.h"
#include "wine/shell_window.h"
#include "win/Application.h"
#include "win/Clipboard.h"
#include "win/Text.h"

namespace {

struct Recorder : ResultSink {
    std::vector<std::string> entries;
    void AppendEntry(const std::string& entry) override { entries.push_back(entry); }
    void ShowResults() override {}
};

class MainClipboardTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { win::Application::Initialize("Valomat"); }

    void Open() {
        main = std::make_unique<TForm_Main>(
            MainWindowEnvironment{.registry = &registry, .separators = {",", "."}});
        main->SetResultSink(&sink);
        ASSERT_TRUE(main->CreateMain());
        main->Show();
        Pump();
        sink.entries.clear();
    }
    void TearDown() override {
        main.reset();
        Pump();
    }
    static void Pump() { testing_clipboard::Pump(); }
    static void Copy(const std::wstring& text, const char* privateFormat = nullptr) {
        ASSERT_TRUE(testing_clipboard::CopyFromAnotherProgram(text, privateFormat));
    }
    static std::string Clipboard() { return win::clipboard::ReadText().value_or("<none>"); }

    MemoryRegistry registry;
    Recorder sink;
    std::unique_ptr<TForm_Main> main;
};

TEST_F(MainClipboardTest, PrefixAndAmountAreConvertedOnTheClipboardAndRecordedOnce) {
    Open();
    Copy(L"VL100");
    EXPECT_EQ(Clipboard(), "2,48");
    EXPECT_EQ(main->Edit_Van.Text(), "100");
    ASSERT_EQ(sink.entries.size(), 1u);
    EXPECT_EQ(sink.entries[0], "*100*2*2,48*1*");
    Pump();
    EXPECT_EQ(sink.entries.size(), 1u);  // our own write converted nothing
    // The same copy made again later converts again.
    Sleep(static_cast<DWORD>(ClipboardWatch::kRepeatWindowMs));
    Copy(L"VL100");
    EXPECT_EQ(sink.entries.size(), 2u);
}

TEST_F(MainClipboardTest, AnAnnouncementWhileTheResultIsWrittenLeavesTheResult) {
    Open();
    // Another program on a thread of its own, as Wine's X11 bridge is: it announces one copy
    // twice before this thread looks, and the second notice comes while the result is
    // written (emptying the clipboard waits on the copy's owner, and takes notices meanwhile).
    HANDLE copied = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::atomic<bool> done = false;
    std::thread bridge([&] {
        HWND owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     nullptr, nullptr);
        for (int i = 0; i < 2; ++i) {
            if (!OpenClipboard(owner)) continue;
            EmptyClipboard();
            HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof L"VL100");
            std::memcpy(GlobalLock(memory), L"VL100", sizeof L"VL100");
            GlobalUnlock(memory);
            SetClipboardData(CF_UNICODETEXT, memory);
            CloseClipboard();
        }
        SetEvent(copied);
        for (const ULONGLONG end = GetTickCount64() + 10000; !done && GetTickCount64() < end;) {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
            Sleep(5);
        }
        DestroyWindow(owner);
    });
    WaitForSingleObject(copied, 10000);  // without taking the notices yet
    Pump();
    done = true;
    bridge.join();
    CloseHandle(copied);
    EXPECT_EQ(Clipboard(), "2,48");
    EXPECT_EQ(sink.entries.size(), 1u);
}

TEST_F(MainClipboardTest, TextsThatAreNotThePrefixAndAnAmountChangeNothing) {
    Open();
    for (const wchar_t* text : {L"vl100", L"VL", L"VL12.50", L"hello"}) {
        Copy(text);
        EXPECT_EQ(Clipboard(), win::Narrow(text));
    }
    EXPECT_TRUE(sink.entries.empty());
    EXPECT_EQ(main->Edit_Van.Text(), "0");
}

TEST_F(MainClipboardTest, CodeAndSymbolModesPutTheDisplayedResultOnTheClipboard) {
    Open();
    main->Rec.Weergave = 2;
    Copy(L"VL100");
    EXPECT_EQ(Clipboard(), "2,48 EURO");
    main->Rec.Weergave = 3;  // the euro's symbol stands before the amount
    Copy(L"VL200");
    EXPECT_EQ(Clipboard(), "\xE2\x82\xAC 4,96");
}

TEST_F(MainClipboardTest, PasteButtonFollowsTheClipboardWhileTheAmountBoxHasTheFocus) {
    Open();
    main->Edit_Van.SetFocus();
    Copy(L"12,5");
    EXPECT_TRUE(main->ClipboardNumber());
    EXPECT_TRUE(main->ToolButton_Paste.Enabled());
    EXPECT_TRUE(main->Menu_Paste.Enabled());
    Copy(L"word");
    EXPECT_FALSE(main->ToolButton_Paste.Enabled());
    Copy(L"1.234,5");
    EXPECT_FALSE(main->ToolButton_Paste.Enabled());
    // A converted result with a thousands separator or a code is no number to paste.
    main->Rec.Weergave = 1;
    Copy(L"VL100000");
    EXPECT_EQ(Clipboard(), "2.478,94");
    EXPECT_FALSE(main->ClipboardNumber());
    Copy(L"VL100");
    EXPECT_TRUE(main->ClipboardNumber());
}

TEST_F(MainClipboardTest, EmptyLettersConvertACopiedNumberOnceAndLeaveTheResultAlone) {
    registry.Put("Software\\ZT\\Valomat\\Algemeen", "Letters", {RegKind::Text, {}});
    Open();
    Copy(L"42");
    EXPECT_EQ(Clipboard(), "1,04");
    Pump();
    EXPECT_EQ(Clipboard(), "1,04");
    EXPECT_EQ(sink.entries.size(), 1u);
}

TEST_F(MainClipboardTest, ContentMarkedPrivateIsNeverConvertedRecordedOrReplaced) {
    Open();
    for (const char* format :
         {"ExcludeClipboardContentFromMonitorProcessing", "Clipboard Viewer Ignore"}) {
        Copy(L"VL100", format);
        EXPECT_EQ(Clipboard(), "VL100") << format;
    }
    EXPECT_TRUE(sink.entries.empty());
}

TEST_F(MainClipboardTest, StayOnTopKeepsTheWindowInTheViewerChain) {
    Open();
    main->ToolButton_StayOnTopClick();
    main->ToolButton_StayOnTopClick();
    main->ToolButton_StayOnTopClick();
    Copy(L"VL100");
    EXPECT_EQ(Clipboard(), "2,48");
    main->ToolButton_StayOnTopClick();
    Copy(L"VL200");
    EXPECT_EQ(Clipboard(), "4,96");
}

TEST_F(MainClipboardTest, MinimisingWithTheTraySettingHidesTheWindowAndTheTrayBringsItBack) {
    Open();
    main->Rec.SysteemLade = true;
    ShowWindow(main->Handle(), SW_MINIMIZE);
    Pump();
    if (!main->InTray()) GTEST_SKIP() << "no system tray on this display";
    EXPECT_FALSE(IsWindowVisible(main->Handle()));
    // Conversions go on in the background.
    Copy(L"VL100");
    EXPECT_EQ(Clipboard(), "2,48");
    main->Menu_ST_OpenClick();
    Pump();
    EXPECT_TRUE(IsWindowVisible(main->Handle()));
    EXPECT_FALSE(IsIconic(main->Handle()));
    EXPECT_FALSE(main->InTray());
}

TEST_F(MainClipboardTest, AtItsEndTheWindowLeavesTheChainAndTheTray) {
    testing_shell::ShellWindow tool;  // a clipboard tool that was there before
    tool.Join();
    Open();
    main->Rec.SysteemLade = true;
    ShowWindow(main->Handle(), SW_MINIMIZE);
    Pump();
    const HWND window = main->Handle();
    const bool inTray = main->InTray();
    main.reset();
    tool.notices = 0;
    Copy(L"after");
    EXPECT_EQ(tool.notices, 1);
    if (inTray) {
        EXPECT_FALSE(testing_shell::IconExists(window, 1));
    }
}

TEST_F(MainClipboardTest, MinimisingWithoutTheTraySettingKeepsTheTaskbarButton) {
    Open();
    main->Rec.SysteemLade = false;
    ShowWindow(main->Handle(), SW_MINIMIZE);
    Pump();
    EXPECT_FALSE(main->InTray());
    EXPECT_TRUE(IsWindowVisible(main->Handle()));
    EXPECT_TRUE(IsIconic(main->Handle()));
}

TEST_F(MainClipboardTest, AnotherStartAsksTheRunningWindowToComeBack) {
    Open();
    ShowWindow(main->Handle(), SW_MINIMIZE);
    Pump();
    PostMessageW(HWND_BROADCAST, TForm_Main::ActivateMessage(), 0, 0);
    Pump();
    EXPECT_TRUE(IsWindowVisible(main->Handle()));
    EXPECT_FALSE(IsIconic(main->Handle()));
}

}  // namespace
