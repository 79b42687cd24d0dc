// The result list window created in-process beside a main window and driven by real messages:
// the commands, keys, drag and drop, the clipboard, both exports and the drawing of a row.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "core/SettingsStore.h"
#include "ui/Artwork.h"
#include "ui/Languages.h"
#include "ui/Main_win.h"
#include "ui/Print_win.h"
#include "util/zt_Graph.h"
#include "win/Application.h"
#include "win/Clipboard.h"
#include "win/Gdi.h"
#include "win/Text.h"
#include "wine/keys.h"

namespace {

namespace fs = std::filesystem;

const std::string kA = MakeEntry("100", 2, "2,48", 1);
const std::string kB = MakeEntry("1,00", 1, "40", 2);
const std::string kC = MakeEntry("5", 19, "4,60", 1);

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

class PrintWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { win::Application::Initialize("Valomat"); }

    void SetUp() override {
        main = std::make_unique<TForm_Main>(MainWindowEnvironment{
            .registry = &registry, .separators = {",", "."}, .localeLanguage = 0});
        ASSERT_TRUE(main->CreateMain());
        print = std::make_unique<TForm_PrintList>(*main);
        ASSERT_TRUE(print->CreatePrintList());
        print->ReportError = [this](const std::string& message) { errors.push_back(message); };
        print->AskUser = [this](const std::string& question) {
            questions.push_back(question);
            return answer;
        };
        main->SetResultSink(print.get());
        wchar_t base[MAX_PATH];
        GetTempPathW(MAX_PATH, base);
        dir = fs::path(base) / ("valomat-print-" + std::to_string(GetCurrentProcessId()) + "-" +
                                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        main->SetResultSink(nullptr);
        print.reset();
        main.reset();
        Pump();
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }
    static void Pump() {
        for (int i = 0; i < 3; ++i) win::Application::ProcessMessages();
    }
    void Fill(const std::vector<std::string>& entries) {
        for (const std::string& e : entries) print->AppendEntry(e);
    }
    void ShowList() {
        print->ShowResults();
        SetForegroundWindow(print->Handle());
        Pump();
    }
    std::vector<std::string> ListItems() const {
        std::vector<std::string> items;
        for (int i = 0; i < print->ListBox_PrintList.Count(); ++i) {
            items.push_back(print->ListBox_PrintList.Item(i));
        }
        return items;
    }
    // The list box and the window's entries must never drift apart.
    void ExpectList(const std::vector<std::string>& expected, int selected) {
        EXPECT_EQ(print->Entries(), expected);
        EXPECT_EQ(ListItems(), expected);
        EXPECT_EQ(print->ListBox_PrintList.ItemIndex(), selected);
    }
    void ClickTool(PrintAction action) {
        const win::ToolButton& button = print->ToolButtons[static_cast<std::size_t>(action)];
        SendMessageW(GetParent(print->ToolBar1.Handle()), WM_COMMAND,
                     MAKEWPARAM(button.Command(), BN_CLICKED),
                     reinterpret_cast<LPARAM>(print->ToolBar1.Handle()));
        Pump();
    }
    void SetColumns(bool flag, bool name, bool code, bool symbol) {
        main->Rec.KolomVlag = flag;
        main->Rec.KolomMunt = name;
        main->Rec.KolomMunteenheid = code;
        main->Rec.KolomSymbool = symbol;
    }

    MemoryRegistry registry;
    std::unique_ptr<TForm_Main> main;
    std::unique_ptr<TForm_PrintList> print;
    std::vector<std::string> errors;
    std::vector<std::string> questions;
    bool answer = true;
    fs::path dir;
};

TEST_F(PrintWindowTest, IsCreatedHiddenWithItsDesignAndTakesTheMainWindowsConversions) {
    EXPECT_FALSE(print->Visible());
    EXPECT_EQ(print->Width(), 677);
    EXPECT_EQ(print->Height(), 320);
    EXPECT_TRUE(GetWindowLongW(print->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(GetWindowLongW(print->Handle(), GWL_STYLE) & WS_THICKFRAME);
    EXPECT_TRUE(print->KeyPreview);
    EXPECT_EQ(print->ToolBar1.ButtonCount(), 10) << "seven commands and three separators";
    EXPECT_EQ(print->PopupMenu_Results.Count(), 10);
    EXPECT_EQ(print->ListBox_PrintList.ItemHeight(), 20);
    EXPECT_EQ(print->ListBox_PrintList.Width(), print->ClientWidth());

    main->Edit_Van.SetText("100");
    main->Convert(true);
    main->Edit_Van.SetText("0");
    main->Convert(true);  // a zero result adds nothing
    ExpectList({"*100*2*2,48*1*"}, -1);

    main->ToolButton_PrintListClick();
    Pump();
    EXPECT_TRUE(print->Visible());
    EXPECT_EQ(GetFocus(), print->ListBox_PrintList.Handle());
}

TEST(PrintWindowLater, TheWindowIsMadeWhenFirstShownWithTheEntriesAndLanguageOfThatMoment) {
    win::Application::Initialize("Valomat");
    MemoryRegistry registry;
    TForm_Main main(MainWindowEnvironment{
        .registry = &registry, .separators = {",", "."}, .localeLanguage = 0});
    ASSERT_TRUE(main.CreateMain());
    TForm_PrintList print(main);
    main.SetResultSink(&print);
    print.ApplyLanguage();  // the language routine may run before the window exists
    main.Edit_Van.SetText("100");
    main.Convert(true);
    print.AppendEntry(kB);
    EXPECT_FALSE(print.Exists());
    main.Rec.Taal = 1;
    main.ToolButton_PrintListClick();
    ASSERT_TRUE(print.Exists());
    EXPECT_TRUE(print.Visible());
    EXPECT_EQ(print.Entries(), (std::vector<std::string>{"*100*2*2,48*1*", kB}));
    EXPECT_EQ(print.ListBox_PrintList.Count(), 2);
    EXPECT_EQ(print.Caption(), PrintTexts(1).caption);
    main.SetResultSink(nullptr);
}

struct CommandCase {
    const char* what;
    int selected;
    PrintAction action;
    std::vector<std::string> order;
    int selectedAfter;
};

TEST_F(PrintWindowTest, ToolButtonsRunTheListCommands) {
    const CommandCase cases[] = {
        {"up on the first row", 0, PrintAction::MoveUp, {kA, kB, kC}, 0},
        {"down on the last row", 2, PrintAction::MoveDown, {kA, kB, kC}, 2},
        {"up in the middle", 1, PrintAction::MoveUp, {kB, kA, kC}, 0},
        {"down from the first", 0, PrintAction::MoveDown, {kB, kA, kC}, 1},
        {"up without a selection", -1, PrintAction::MoveUp, {kA, kB, kC}, -1},
        {"remove the last of several", 2, PrintAction::RemoveOne, {kA, kB}, 1},
        {"remove in the middle", 1, PrintAction::RemoveOne, {kA, kC}, 1},
        {"remove without a selection", -1, PrintAction::RemoveOne, {kA, kB, kC}, -1},
        {"remove all", 1, PrintAction::RemoveAll, {}, -1},
    };
    ShowList();
    for (const CommandCase& c : cases) {
        SCOPED_TRACE(c.what);
        print->ActionRemoveAllExecute();
        Fill({kA, kB, kC});
        print->ListBox_PrintList.SetItemIndex(c.selected);
        ClickTool(c.action);
        ExpectList(c.order, c.selectedAfter);
    }
    print->ActionRemoveAllExecute();
    Fill({kA});
    print->ListBox_PrintList.SetItemIndex(0);
    ClickTool(PrintAction::RemoveOne);
    ExpectList({}, -1);

    questions.clear();
    Fill({kA, kB});
    answer = false;
    ClickTool(PrintAction::RemoveAll);
    ExpectList({kA, kB}, -1);
    EXPECT_EQ(questions, std::vector<std::string>{"Alle rijen verwijderen?"}) << "asked first";
}

struct KeyCase {
    const char* what;
    int selected;
    int key;  // a virtual key, with Ctrl held when ctrl is set
    bool ctrl;
    std::vector<std::string> order;
    const char* clipboard;
    bool visible;
};

TEST_F(PrintWindowTest, KeysDeleteCopyAndHide) {
    SetColumns(false, false, true, false);
    const KeyCase cases[] = {
        {"Del removes the selected row", 1, VK_DELETE, false, {kA, kC}, "before", true},
        {"Del without a selection", -1, VK_DELETE, false, {kA, kB, kC}, "before", true},
        {"Ctrl+C copies the selected row", 2, 'C', true, {kA, kB, kC}, "5,USD,4,60,EURO\r\n", true},
        {"Ctrl+C without a selection", -1, 'C', true, {kA, kB, kC}, "before", true},
        {"Esc hides the window", 0, VK_ESCAPE, false, {kA, kB, kC}, "before", false},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.what);
        answer = true;
        print->ActionRemoveAllExecute();
        Fill({kA, kB, kC});
        ShowList();
        print->ListBox_PrintList.SetFocus();
        print->ListBox_PrintList.SetItemIndex(c.selected);
        ASSERT_TRUE(win::clipboard::WriteText("before"));
        if (c.ctrl) {
            testkeys::Held ctrl({VK_CONTROL});
            testkeys::Press(c.key);
        } else {
            testkeys::Press(c.key);
        }
        EXPECT_EQ(print->Entries(), c.order);
        EXPECT_EQ(win::clipboard::ReadText().value_or("none"), c.clipboard);
        EXPECT_EQ(print->Visible(), c.visible);
    }
    EXPECT_TRUE(errors.empty());
}

TEST_F(PrintWindowTest, BackspaceRemovesTheSelectedRowOnly) {
    ShowList();
    Fill({kA, kB, kC});
    print->ListBox_PrintList.SetFocus();
    SendMessageW(print->ListBox_PrintList.Handle(), WM_CHAR, 8, 0x000E0001);
    ExpectList({kA, kB, kC}, -1);
    print->ListBox_PrintList.SetItemIndex(1);
    SendMessageW(print->ListBox_PrintList.Handle(), WM_CHAR, 8, 0x000E0001);
    ExpectList({kA, kC}, 1);
    SendMessageW(print->ListBox_PrintList.Handle(), WM_CHAR, 'x', 0x002D0001);
    EXPECT_EQ(print->Entries().size(), 2u) << "other characters do nothing of their own";
}

TEST_F(PrintWindowTest, DraggingARowMovesItOntoTheRowUnderTheDropPoint) {
    ShowList();
    Fill({kA, kB, kC});
    const HWND list = print->ListBox_PrintList.Handle();
    const auto drag = [&](int fromY, int toY) {
        SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, fromY));
        SendMessageW(list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, fromY + 12));
        SendMessageW(list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, toY));
        SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(60, toY));
        Pump();
    };
    drag(5, 50);  // row 0 onto row 2
    ExpectList({kB, kC, kA}, 2);
    drag(25, 150);  // below the last row: empty area
    ExpectList({kB, kC, kA}, 1);
    print->ListBox_PrintListDragDrop(60, 5);
    ExpectList({kC, kB, kA}, 0);
}

TEST_F(PrintWindowTest, CopyPutsTheTextLinesOnTheClipboard) {
    ASSERT_TRUE(win::clipboard::WriteText("before"));
    print->ActionCopyExecute();
    EXPECT_EQ(win::clipboard::ReadText().value_or("none"), "") << "empty list, empty text";

    SetColumns(true, false, true, false);
    Fill({kA, kB});
    ClickTool(PrintAction::Copy);
    EXPECT_EQ(win::clipboard::ReadText().value_or("none"),
              "100,BEF,2,48,EURO\r\n1,00,EURO,40,BEF\r\n");
    EXPECT_TRUE(errors.empty());
}

TEST_F(PrintWindowTest, SaveAsTextWritesTheLinesInTheAnsiCodePageOverAnOldFile) {
    if (GetACP() != 1252) GTEST_SKIP() << "the expected bytes are code page 1252";
    const fs::path file = dir / "results.txt";
    std::ofstream(file, std::ios::binary) << std::string(500, 'x');
    ASSERT_TRUE(print->SaveAsText(win::Narrow(file.wstring())));
    EXPECT_EQ(ReadFile(file), "") << "empty list, empty file";

    SetColumns(false, true, false, true);
    Fill({kB});
    ASSERT_TRUE(print->SaveAsText(win::Narrow(file.wstring())));
    EXPECT_EQ(ReadFile(file), "1,00,euro,\x80,40,frank,BF\r\n");
    EXPECT_TRUE(errors.empty());
}

TEST_F(PrintWindowTest, WebPageWithFlagsWritesEachPictureOnceAndKeepsOldOnes) {
    SetColumns(true, true, true, true);
    Fill({kA, kB, kC, MakeEntry("7", 21, "8", 1)});
    const Picture own(20, 20, MakeColour(0, 128, 0));
    main->Pictures.SetOwnPicture(1, own);
    fs::create_directories(dir / "images");
    const Picture old(20, 20, MakeColour(255, 0, 0));
    ASSERT_TRUE(WriteBitmapFile(dir / "images" / "BEF.BMP", old));

    const fs::path page = dir / "koers.htm";
    ASSERT_TRUE(print->SaveAsWebpage(win::Narrow(page.wstring())));
    EXPECT_EQ(ReadFile(page),
              Joined(BuildWebPageLines(print->Entries(), main->Rec, main->Rec.Taal)));

    const std::vector<PictureFile> pictures = PicturesForPage(print->Entries(), main->Rec);
    ASSERT_EQ(pictures.size(), 4u) << "BEF, EURO, USD and the own currency";
    for (const PictureFile& p : pictures) {
        SCOPED_TRACE(p.fileName);
        const auto written = ReadBitmapFile(dir / "images" / p.fileName);
        ASSERT_TRUE(written);
        EXPECT_EQ(*written, p.slot == 2 ? old : main->SlotPicture(p.slot));
    }
    int files = 0;
    for ([[maybe_unused]] const auto& f : fs::directory_iterator(dir / "images")) ++files;
    EXPECT_EQ(files, 4);
    EXPECT_NE(ReadFile(page).find("<img src=\"images/BEF.BMP\">"), std::string::npos);
}

TEST_F(PrintWindowTest, WebPageWithoutFlagsMakesNoPictureFolder) {
    SetColumns(false, true, true, true);
    Fill({kA});
    const fs::path page = dir / "koers.htm";
    ASSERT_TRUE(print->SaveAsWebpage(win::Narrow(page.wstring())));
    EXPECT_FALSE(fs::exists(dir / "images"));
    EXPECT_EQ(ReadFile(page).find("<img"), std::string::npos);

    main->Rec.KolomVlag = true;
    print->ActionRemoveAllExecute();
    ASSERT_TRUE(print->SaveAsWebpage(win::Narrow(page.wstring())));
    EXPECT_TRUE(fs::is_directory(dir / "images")) << "created even for an empty list";
    EXPECT_TRUE(fs::is_empty(dir / "images"));
}

TEST_F(PrintWindowTest, WebPageIsPlainAsciiWithOwnTextsEscaped) {
    SetColumns(false, true, false, true);
    main->Rec.Symbool[21] = "<&>";
    main->Rec.Munt[21][0] = "złoty";
    Fill({MakeEntry("3", 21, "1,00", 1)});
    const fs::path page = dir / "own.htm";
    ASSERT_TRUE(print->SaveAsWebpage(win::Narrow(page.wstring())));
    const std::string text = ReadFile(page);
    EXPECT_NE(text.find("\r\n&lt;&amp;&gt;\r\n"), std::string::npos);
    EXPECT_EQ(text.find("<&>"), std::string::npos);
    EXPECT_NE(text.find("\r\nz&#322;oty\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n&#8364;\r\n"), std::string::npos) << "the euro sign too";
    EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) { return c > 0; }));
}

TEST_F(PrintWindowTest, TextFileIsUtf8WithMarkWhenACharacterIsMissingFromTheCodePage) {
    if (GetACP() != 1252) GTEST_SKIP() << "the expected bytes are code page 1252";
    SetColumns(false, true, false, true);
    main->Rec.Munt[21][0] = "złoty";
    main->Rec.Symbool[21] = "zł";
    Fill({MakeEntry("3", 21, "1,00", 1)});
    const fs::path file = dir / "own.txt";
    ASSERT_TRUE(print->SaveAsText(win::Narrow(file.wstring())));
    EXPECT_EQ(ReadFile(file),
              "\xEF\xBB\xBF"
              "3,złoty,zł,1,00,euro,€\r\n");
}

TEST_F(PrintWindowTest, CodesDifferingOnlyInCaseGetPicturesOfTheirOwn) {
    SetColumns(true, false, false, false);
    main->Rec.Munteenheid[21] = "bef";
    main->Pictures.SetOwnPicture(1, Picture(20, 20, MakeColour(0, 128, 0)));
    Fill({MakeEntry("1", 2, "2", 21)});
    ASSERT_TRUE(print->SaveAsWebpage(win::Narrow((dir / "case.htm").wstring())));
    int files = 0;
    for ([[maybe_unused]] const auto& f : fs::directory_iterator(dir / "images")) ++files;
    EXPECT_EQ(files, 2) << "Windows would take BEF.BMP and bef.BMP for one file";
    for (const PictureFile& p : PicturesForPage(print->Entries(), main->Rec)) {
        SCOPED_TRACE(p.fileName);
        EXPECT_EQ(ReadBitmapFile(dir / "images" / p.fileName), main->SlotPicture(p.slot));
    }
}

TEST_F(PrintWindowTest, UnwritableFilesAreReportedAndLeaveTheListAlone) {
    Fill({kA, kB});
    print->ListBox_PrintList.SetItemIndex(1);
    fs::create_directories(dir / "folder");
    const std::string folderAsFile = win::Narrow((dir / "folder").wstring());
    const std::string missingFolder = win::Narrow((dir / "no such folder" / "r.txt").wstring());
    EXPECT_FALSE(print->SaveAsText(folderAsFile));
    EXPECT_FALSE(print->SaveAsText(missingFolder));
    main->Rec.KolomVlag = false;
    EXPECT_FALSE(print->SaveAsWebpage(folderAsFile));
    main->Rec.KolomVlag = true;
    EXPECT_FALSE(print->SaveAsWebpage(folderAsFile));
    ASSERT_EQ(errors.size(), 4u);
    std::vector<std::string> left;
    for (const auto& f : fs::directory_iterator(dir)) left.push_back(f.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"folder", "images"})) << "no temporary file stays";
    EXPECT_NE(errors[1].find(missingFolder), std::string::npos) << errors[1];
    EXPECT_EQ(errors[0].rfind("Het bestand kan niet worden geschreven:", 0), 0u) << errors[0];
    ExpectList({kA, kB}, 1);
}

// A read-only file is refused, as Windows refuses it, and left as it was (Wine would replace it).
TEST_F(PrintWindowTest, ReadOnlyFilesAreRefused) {
    Fill({kA});
    const fs::path locked = dir / "locked.txt";
    std::ofstream(locked) << "old";
    SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(print->SaveAsText(win::Narrow(locked.wstring())));
    EXPECT_FALSE(print->SaveAsWebpage(win::Narrow(locked.wstring())));
    SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0].rfind("Het bestand is alleen-lezen en werd niet vervangen:", 0), 0u)
        << errors[0];
    EXPECT_EQ(ReadFile(locked), "old");
}

struct LanguageCase {
    int taal;
    const char* caption;
    const char* moveUp;
    const char* saveWeb;
    const char* title;
};

TEST_F(PrintWindowTest, TextsFollowTheLanguageOfTheMainWindow) {
    const LanguageCase cases[] = {
        {0, "Resultatenlijst", "Naar boven verplaatsen", "Opslaan als webpagina (HTML)",
         "Resultaten opslaan"},
        {1, "List of results", "Move up", "Save as webpage (HTML)", "Save results"},
        {2, "List de résultats", "Déplacer vers le haut", "Sauvegarder comme HTML",
         "Sauvegarder les résultats"},
    };
    for (const LanguageCase& c : cases) {
        SCOPED_TRACE(c.taal);
        main->Rec.Taal = static_cast<std::uint8_t>(c.taal);
        print->ApplyLanguage();
        EXPECT_EQ(print->Caption(), c.caption);
        EXPECT_EQ(print->ToolButtons[0].Hint(), c.moveUp);
        EXPECT_EQ(print->MenuItems[0].Caption(), c.moveUp);
        EXPECT_EQ(print->ToolButtons[6].Hint(), c.saveWeb);
        EXPECT_EQ(print->MenuItems[6].Caption(), std::string(c.saveWeb) + "...") << "asks a file";
        EXPECT_EQ(print->SaveDialog1.title, c.title);
    }
}

// A row drawn into a memory bitmap of the list's width.
class RowPicture {
  public:
    explicit RowPicture(int width) : width_(width) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -20;  // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
        dc_.Reset(CreateCompatibleDC(nullptr));
        old_ = SelectObject(dc_.Get(), bitmap_.Get());
    }
    ~RowPicture() { SelectObject(dc_.Get(), old_); }
    HDC Dc() const { return dc_.Get(); }
    COLORREF At(int x, int y) const {
        GdiFlush();
        const auto pixel = static_cast<const std::uint32_t*>(bits_)[y * width_ + x];
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }
    // Whether any pixel of the columns [left, right) differs from the colour.
    bool AnyOtherThan(int left, int right, COLORREF colour) const {
        for (int y = 0; y < 20; ++y) {
            for (int x = left; x < right; ++x) {
                if (At(x, y) != colour) return true;
            }
        }
        return false;
    }
    bool Any(int left, int right, COLORREF colour) const {
        for (int y = 0; y < 20; ++y) {
            for (int x = left; x < right; ++x) {
                if (At(x, y) == colour) return true;
            }
        }
        return false;
    }

  private:
    int width_;
    win::BitmapHandle bitmap_;
    win::DcHandle dc_;
    void* bits_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

TEST_F(PrintWindowTest, RowsAreDrawnWithTheirColumnsFlagsAndSelection) {
    Fill({kA, MakeEntry("7", 21, "8", 22), "no entry at all"});
    constexpr int kWidth = 680;
    const RECT rect{0, 0, kWidth, 20};
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const COLORREF silver = win::ToColorRef(kFlagBackground);
    const auto draw = [&](RowPicture& row, int index, bool selected) {
        win::SelectGuard font(row.Dc(), print->ListBox_PrintList.DrawFont());
        print->ListBox_PrintListDrawItem(index, row.Dc(), rect, {selected, false});
    };

    SetColumns(true, true, true, true);
    RowPicture all(kWidth);
    draw(all, 0, false);
    EXPECT_EQ(all.At(34, 10), RGB(0, 0, 0)) << "the line after the number";
    for (int flagX : {40, 360}) {
        SCOPED_TRACE(flagX);
        const COLORREF centre = all.At(flagX + 10, 10);
        EXPECT_NE(centre, window);
        EXPECT_NE(centre, silver) << "the flag's background is left out";
        EXPECT_EQ(all.At(flagX, 0), window) << "the corner is the flag's transparent background";
    }
    EXPECT_TRUE(all.AnyOtherThan(498, kWidth, window)) << "name, code and symbol of the to side";

    SetColumns(false, false, false, false);
    RowPicture none(kWidth);
    draw(none, 0, true);
    const COLORREF info = GetSysColor(COLOR_INFOBK);
    EXPECT_EQ(none.At(kWidth - 1, 19), info) << "the selected row's background";
    EXPECT_TRUE(none.AnyOtherThan(360, 380, info)) << "the to amount at 360";
    EXPECT_FALSE(none.AnyOtherThan(420, kWidth, info)) << "nothing after the amounts";
    // Wine's tool-tip background is white like the window, so the text tells selection apart.
    EXPECT_TRUE(none.Any(360, 380, RGB(0, 0, 128))) << "navy text when selected";
    RowPicture plain(kWidth);
    draw(plain, 0, false);
    EXPECT_FALSE(plain.Any(0, kWidth, RGB(0, 0, 128)));
    EXPECT_TRUE(plain.AnyOtherThan(360, 380, window));

    // Own currencies without a picture and an unreadable entry draw what they can.
    SetColumns(true, true, true, true);
    for (int index : {1, 2}) {
        RowPicture row(kWidth);
        draw(row, index, false);
        EXPECT_EQ(row.At(34, 10), RGB(0, 0, 0));
    }
}

// Not a test of speed: with VALOMAT_PRINT_BENCH set it prints what a long list costs. The
// window is hidden while the list is filled, as it is at start, and shown for the rest.
TEST_F(PrintWindowTest, LongListCosts) {
    if (!std::getenv("VALOMAT_PRINT_BENCH")) GTEST_SKIP() << "set VALOMAT_PRINT_BENCH to measure";
    using Clock = std::chrono::steady_clock;
    const auto ms = [](Clock::time_point since) {
        return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
    };
    constexpr int kVisibleAppends = 200;
    SetColumns(true, true, true, true);
    const HWND list = print->ListBox_PrintList.Handle();
    double fill = 0;  // the hidden fill, summed over the rounds: one list that grows
    for (int count : {25000, 50000, 100000}) {
        print->Hide();
        Pump();
        auto t = Clock::now();
        for (int i = print->ListBox_PrintList.Count(); i < count; ++i) {
            print->AppendEntry(MakeEntry(std::to_string(i) + ",00", i % 22 + 1, "1,23", 1));
        }
        fill += ms(t);
        ShowList();
        UpdateWindow(list);
        t = Clock::now();
        for (int i = 0; i < kVisibleAppends; ++i) print->AppendEntry(kA);
        Pump();
        const double appendVisible = ms(t) / kVisibleAppends;
        const int total = print->ListBox_PrintList.Count();

        t = Clock::now();
        for (int i = 0; i < 50; ++i) {
            SendMessageW(list, WM_VSCROLL, SB_PAGEDOWN, 0);
            UpdateWindow(list);
        }
        SendMessageW(list, LB_SETTOPINDEX, total / 2, 0);
        UpdateWindow(list);
        SendMessageW(list, LB_SETTOPINDEX, total - 1, 0);
        UpdateWindow(list);
        const double scroll = ms(t) / 52;

        t = Clock::now();
        print->ListBox_PrintList.SetItemIndex(0);
        print->ActionMoveDownExecute();
        print->ListBox_PrintList.SetItemIndex(total - 1);
        print->ActionMoveUpExecute();
        print->ListBox_PrintListDragDrop(60, 5);  // onto the top visible row
        print->ListBox_PrintList.SetItemIndex(total / 2);
        print->ActionRemoveOneExecute();
        UpdateWindow(list);
        const double command = ms(t) / 4;

        t = Clock::now();
        ASSERT_TRUE(print->SaveAsText(win::Narrow((dir / "long.txt").wstring())));
        const double text = ms(t);
        t = Clock::now();
        ASSERT_TRUE(print->SaveAsWebpage(win::Narrow((dir / "long.htm").wstring())));
        const double page = ms(t);
        std::printf(
            "%6d entries: filled hidden in %.0f ms, append shown %.2f ms each, scroll %.1f ms "
            "each, "
            "command %.1f ms each, text %.0f ms (%.1f MB), page %.0f ms (%.1f MB)\n",
            total, fill, appendVisible, scroll, command, text,
            static_cast<double>(fs::file_size(dir / "long.txt")) / 1e6, page,
            static_cast<double>(fs::file_size(dir / "long.htm")) / 1e6);
        EXPECT_EQ(print->ListBox_PrintList.Count(), total - 1);
    }
}

}  // namespace
