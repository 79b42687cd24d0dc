// The own-currencies dialog in-process: its texts per language, typing and OK, the close box,
// and pictures chosen through the real file chooser (answered from its own modal loop).
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/CurrencyTable.h"
#include "ui/OwnCurrency.h"
#include "ui/OwnCurrency_win.h"
#include "ui/Main_win.h"
#include "ui/Print_win.h"
#include "ui/SlotPictures.h"
#include "win/Application.h"
#include "win/Text.h"
#include "wine/dialog_answer.h"
#include "wine/window_pixels.h"
#include "wine/graphic_mouse.h"
#include "wine/keys.h"

namespace {

using testkeys::Pump;

namespace fs = std::filesystem;

constexpr Colour kCorner = MakeColour(10, 200, 30);
constexpr Colour kInk = MakeColour(250, 5, 5);

// Types text into an edit box as keystrokes would, one UTF-16 unit at a time.
void Type(win::Edit& edit, const std::string& text) {
    edit.SetText("");
    for (wchar_t unit : win::Widen(text)) SendMessageW(edit.Handle(), WM_CHAR, unit, 1);
}

class OwnCurrencyDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(win::Application::Initialize("Valomat test"));
        InitCurrencyTable(rec);
        dialog = std::make_unique<TFormEigenMunt>(rec, pictures);
        ASSERT_TRUE(dialog->CreateEigenMunt());
        dialog->ReportError = [this](const std::string& message) { errors.push_back(message); };
        listener = pictures.Listen([this](int slot) { changedSlots.push_back(slot); });
        dir = fs::temp_directory_path() /
              ("valomat-own-" + std::to_string(GetCurrentProcessId()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
    }
    void TearDown() override {
        pictures.Unlisten(listener);
        dialog.reset();
        Pump();
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }
    // A bitmap file in ink with its bottom-left pixel in the corner colour, or with each pixel
    // telling its position.
    std::string Bitmap(const std::string& name, int width, int height, bool positions = false) {
        Picture p(width, height, kInk);
        if (positions) {
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x) p.Set(x, y, MakeColour(x, y, 99));
        } else {
            p.Set(0, height - 1, kCorner);
        }
        EXPECT_TRUE(WriteBitmapFile(dir / name, p));
        return win::Narrow((dir / name).wstring());
    }
    void ShowDialog() {
        dialog->Show();
        Pump();
    }

    RecRec rec;
    SlotPictures pictures;
    std::unique_ptr<TFormEigenMunt> dialog;
    std::vector<std::string> errors;
    std::vector<int> changedSlots;
    int listener = 0;
    fs::path dir;
};

TEST_F(OwnCurrencyDialog, IsCreatedHiddenAndSetsItsTextsPerLanguageWhenShown) {
    EXPECT_FALSE(dialog->Visible());
    EXPECT_EQ(dialog->ClientWidth(), 421);
    EXPECT_EQ(dialog->ClientHeight(), 192);
    EXPECT_TRUE(GetWindowLongW(dialog->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(dialog->GroupBox[0].Text(), "1");
    EXPECT_EQ(dialog->GroupBox[1].Text(), "2");
    EXPECT_EQ(dialog->BitBtn_OK.Text(), "&OK");
    EXPECT_EQ(dialog->OpenPictureDialog1.filter, "Bitmaps (*.bmp)|*.bmp");
    EXPECT_EQ(dialog->Find<win::Edit>("Edit_Munteenheid2"), &dialog->Edit_Munteenheid[1]);
    EXPECT_EQ(dialog->Edit_Munt[0].Width(), 79);
    EXPECT_EQ(dialog->Edit_Symbool[1].Width(), 44);
    EXPECT_EQ(dialog->PanelImage[0].Width(), 26);
    EXPECT_EQ(dialog->Image[0].Width(), 22);
    EXPECT_EQ(dialog->SpeedButton[1].Width(), 23);

    const struct {
        int taal;
        const char* caption;
        const char* name;
        const char* unit;
        const char* symbol;
    } cases[] = {
        {0, "Definiëer de munten", "Munt", "Munteenheid", "Symbool"},
        {1, "Define the currencies", "Currency", "Currency unit", "Symbol"},
        {2, "Définir les monnaies", "Monnaie", "Unité monétaire", "Symbole"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.taal);
        rec.Taal = static_cast<std::uint8_t>(c.taal);
        ShowDialog();
        EXPECT_EQ(dialog->Caption(), c.caption);
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(dialog->LabelMunt[i].Text(), c.name);
            EXPECT_EQ(dialog->LabelMunteenheid[i].Text(), c.unit);
            EXPECT_EQ(dialog->LabelSymbool[i].Text(), c.symbol);
        }
        dialog->Close();
        Pump();
    }
}

TEST_F(OwnCurrencyDialog, TypedTextsAndOkMakeTheSlotCaptionInEveryLanguage) {
    rec.EigenMunt2 = "kroon";
    ShowDialog();
    EXPECT_EQ(dialog->Edit_Munt[1].Text(), "kroon");
    EXPECT_EQ(dialog->Edit_Munt[0].Text(), "");
    Type(dialog->Edit_Munt[0], "z\u0142oty");
    Type(dialog->Edit_Munteenheid[0], "PLN");
    Type(dialog->Edit_Symbool[0], "z\u0142");
    dialog->BitBtn_OK.Click();
    Pump();
    EXPECT_FALSE(dialog->Visible());
    for (int language = 0; language <= 2; ++language) {
        EXPECT_EQ(SlotCaption(rec, 21, language), "z\u0142oty (PLN,z\u0142)");
        EXPECT_EQ(SlotCaption(rec, 22, language), "kroon (,)");
    }
    EXPECT_EQ(rec.EigenMunt1, "z\u0142oty");
    EXPECT_EQ(rec.EigenMunteenheid1, "PLN");
    EXPECT_EQ(rec.EigenSymbool1, "z\u0142");
}

TEST_F(OwnCurrencyDialog, ShownModallyOkEndsWithOk) {
    SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        HWND active = GetActiveWindow();
        auto* form = dynamic_cast<TFormEigenMunt*>(win::Form::FromHandle(active));
        if (!form) return;
        SendMessageW(form->Edit_Symbool[1].Handle(), WM_CHAR, L'$', 1);
        // Enter presses the default button.
        PostMessageW(form->Edit_Symbool[1].Handle(), WM_KEYDOWN, VK_RETURN, 1);
    });
    EXPECT_EQ(dialog->ShowModal(), win::mrOk);
    EXPECT_EQ(rec.EigenSymbool2, "$");
    EXPECT_FALSE(dialog->Visible());
}

// Esc is the close box: what was typed is dropped.
TEST_F(OwnCurrencyDialog, EscCancels) {
    SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        SendMessageW(GetFocus(), WM_CHAR, L'k', 1);
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
    });
    EXPECT_EQ(dialog->ShowModal(), win::mrCancel);
    EXPECT_EQ(rec.EigenMunt1, "");
}

TEST_F(OwnCurrencyDialog, ChosenPictureShowsAtOnceAndTheCloseBoxKeepsItButDropsTexts) {
    rec.EigenMunt1 = "daalder";
    const std::string old = Bitmap("old.bmp", 20, 20);
    rec.EigenBitmap1 = old;
    const std::string small = Bitmap("small.bmp", 16, 16);
    ShowDialog();
    Type(dialog->Edit_Munt[0], "gulden");

    std::wstring preset;
    dialog_answer::AnswerNext([&](HWND chooser) {
        preset = dialog_answer::FileNameBox(chooser);
        dialog_answer::ChooseFile(chooser, win::Widen(small));
    });
    graphicmouse::PostClick(dialog->SpeedButton[0]);
    Pump();
    EXPECT_FALSE(dialog_answer::Waiting());
    EXPECT_NE(preset.find(L"old.bmp"), std::wstring::npos) << "preset with the current file";

    EXPECT_EQ(rec.EigenBitmap1, small) << "stored at once";
    EXPECT_EQ(dialog->LabelBitmap[0].Text(), small);
    EXPECT_EQ(changedSlots, std::vector<int>{21});
    const Picture flag = pictures.SlotPicture(21);
    ASSERT_EQ(flag.width, 20);
    ASSERT_EQ(flag.height, 20);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            const bool border = x < 2 || y < 2 || x >= 18 || y >= 18;
            const bool corner = x == 2 && y == 17;
            ASSERT_EQ(flag.At(x, y), border || corner ? kCorner : kInk) << x << "," << y;
        }
    }
    const Picture shown = dialog->Image[0].GetPicture();
    ASSERT_EQ(shown.width, 22);
    EXPECT_EQ(shown.At(11, 11), kInk);
    EXPECT_EQ(shown.At(0, 0), kCorner);

    PostMessageW(dialog->Handle(), WM_CLOSE, 0, 0);
    Pump();
    EXPECT_FALSE(dialog->Visible());
    EXPECT_EQ(rec.EigenMunt1, "daalder") << "the text edit is dropped";
    EXPECT_EQ(SlotCaption(rec, 21, 0), " (,)") << "the table is untouched";
    EXPECT_EQ(rec.EigenBitmap1, small) << "the picture stays";
    EXPECT_EQ(pictures.SlotPicture(21), flag);

    ShowDialog();
    EXPECT_EQ(dialog->Edit_Munt[0].Text(), "daalder");
    EXPECT_EQ(dialog->Image[0].GetPicture(), shown);
}

TEST_F(OwnCurrencyDialog, LargePictureGivesItsMiddleAndDoubleClickOpensTheChooser) {
    const std::string large = Bitmap("large.bmp", 40, 30, true);
    ShowDialog();
    dialog_answer::AnswerNext(
        [&](HWND chooser) { dialog_answer::ChooseFile(chooser, win::Widen(large)); });
    const win::Image& image = dialog->Image[1];
    graphicmouse::PostClick(image);
    PostMessageW(graphicmouse::WindowOf(image), WM_LBUTTONDBLCLK, MK_LBUTTON,
                 graphicmouse::At(image));
    PostMessageW(graphicmouse::WindowOf(image), WM_LBUTTONUP, 0, graphicmouse::At(image));
    Pump();
    EXPECT_FALSE(dialog_answer::Waiting());
    EXPECT_EQ(rec.EigenBitmap2, large);
    const Picture flag = pictures.SlotPicture(22);
    ASSERT_EQ(flag.width, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) ASSERT_EQ(flag.At(x, y), MakeColour(x + 10, y + 5, 99));
    EXPECT_TRUE(pictures.SlotPicture(21).Empty());
}

TEST_F(OwnCurrencyDialog, UnreadableFileIsReportedAndChangesNothing) {
    const std::string good = Bitmap("good.bmp", 20, 20);
    ASSERT_TRUE(dialog->UsePicture(1, good));
    changedSlots.clear();
    const Picture flag = pictures.SlotPicture(21);
    const Picture shown = dialog->Image[0].GetPicture();

    // A header that claims 30000 x 30000 pixels, a text file, a file that is not there.
    std::vector<std::uint8_t> huge = EncodeBitmap(Picture(2, 2));
    huge[18] = huge[22] = 30000 & 0xFF;
    huge[19] = huge[23] = 30000 >> 8;
    std::ofstream(dir / "huge.bmp", std::ios::binary)
        .write(reinterpret_cast<const char*>(huge.data()),
               static_cast<std::streamsize>(huge.size()));
    std::ofstream(dir / "text.bmp") << "no picture";
    for (const char* name : {"huge.bmp", "text.bmp", "absent.bmp"}) {
        SCOPED_TRACE(name);
        errors.clear();
        const std::string path = win::Narrow((dir / name).wstring());
        EXPECT_FALSE(dialog->UsePicture(1, path));
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_NE(errors[0].find(path), std::string::npos);
        EXPECT_EQ(rec.EigenBitmap1, good);
        EXPECT_EQ(dialog->LabelBitmap[0].Text(), good);
        EXPECT_EQ(pictures.SlotPicture(21), flag);
        EXPECT_EQ(dialog->Image[0].GetPicture(), shown);
        EXPECT_TRUE(changedSlots.empty());
    }

    // Cancelling the chooser changes nothing either.
    errors.clear();
    dialog_answer::AnswerNext([](HWND chooser) { dialog_answer::Press(chooser, IDCANCEL); });
    dialog->ChoosePicture(1);
    EXPECT_FALSE(dialog_answer::Waiting());
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(rec.EigenBitmap1, good);
}

// The dialog as the program holds it: on the main window's settings and pictures, beside the
// result list.
class OwnCurrencyInTheProgram : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(win::Application::Initialize("Valomat test"));
        main = std::make_unique<TForm_Main>(MainWindowEnvironment{
            .registry = &registry, .separators = {",", "."}, .localeLanguage = 0});
        ASSERT_TRUE(main->CreateMain());
        print = std::make_unique<TForm_PrintList>(*main);
        ASSERT_TRUE(print->CreatePrintList());
        main->SetResultSink(print.get());
        dialog = std::make_unique<TFormEigenMunt>(main->Rec, main->Pictures);
        ASSERT_TRUE(dialog->CreateEigenMunt());
        file = fs::temp_directory_path() /
               ("valomat-own-" + std::to_string(GetCurrentProcessId()) + ".bmp");
    }
    void TearDown() override {
        main->SetResultSink(nullptr);
        dialog.reset();
        print.reset();
        main.reset();
        Pump();
        std::error_code ignored;
        fs::remove(file, ignored);
    }

    MemoryRegistry registry;
    std::unique_ptr<TForm_Main> main;
    std::unique_ptr<TForm_PrintList> print;
    std::unique_ptr<TFormEigenMunt> dialog;
    fs::path file;
};

TEST_F(OwnCurrencyInTheProgram, ChosenPictureShowsAtOnceOnTheRowAndInTheResultList) {
    RecRec& rec = main->Rec;
    rec.Geselecteerd[21] = true;
    rec.DefaultVanMunt = 21;
    main->ShowDefaults(true);
    const int row = main->FindVanButton(21);
    ASSERT_NE(row, -1);
    win::SpeedButton& van = main->SpeedButton_Van[static_cast<std::size_t>(row - 1)];
    win::SpeedButton& naar = main->SpeedButton_Naar[static_cast<std::size_t>(row - 1)];
    EXPECT_TRUE(van.Glyph().Empty());
    main->Show();
    print->AppendEntry(MakeEntry("7", 21, "8", 1));
    print->ShowResults();
    Pump();
    const HWND list = print->ListBox_PrintList.Handle();
    EXPECT_NE(PaintedPixels(list).At(50, 10), kInk);

    Picture source(16, 16, kInk);
    source.Set(0, 15, kCorner);
    ASSERT_TRUE(WriteBitmapFile(file, source));
    RECT dirty{};
    EXPECT_FALSE(GetUpdateRect(list, &dirty, FALSE));
    ASSERT_TRUE(dialog->UsePicture(1, win::Narrow(file.wstring())));

    const Picture flag = main->SlotPicture(21);
    EXPECT_EQ(flag, FitOwnPicture(source));
    EXPECT_EQ(van.Glyph(), flag) << "the row's buttons";
    EXPECT_EQ(naar.Glyph(), flag);
    EXPECT_EQ(main->Image_Van.GetPicture(), flag) << "the chosen source currency";
    EXPECT_TRUE(GetUpdateRect(list, &dirty, FALSE)) << "the result list repaints";
    Pump();
    EXPECT_EQ(PaintedPixels(list).At(50, 10), kInk) << "the flag in the row";
}

}  // namespace
