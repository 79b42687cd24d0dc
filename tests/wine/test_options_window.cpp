// The options dialog created in-process beside the main window and the result list window, shown
// modally and driven with real messages as the user would; and the names that every window of
// the program gives screen readers.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <initializer_list>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/SettingsStore.h"
#include "components/ztFormCalculator.h"
#include "keys.h"
#include "local_http.h"
#include "ui/About_win.h"
#include "ui/Options_win.h"
#include "ui/OwnCurrency_win.h"
#include "ui/Print_win.h"
#include "win/Locale.h"
#include "win/Text.h"
#include "wine/graphic_mouse.h"

namespace {

using testkeys::Held;
using testkeys::Press;
using testkeys::Pump;

std::function<void()> pendingAction;

class OptionsTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { win::Application::Initialize("Valomat"); }

    void SetUp() override {
        main = std::make_unique<TForm_Main>(MainWindowEnvironment{
            .registry = &registry, .separators = {",", "."}, .localeLanguage = 0});
        ASSERT_TRUE(main->CreateMain());
        print = std::make_unique<TForm_PrintList>(*main);
        opties = std::make_unique<TForm_Opties>(*main, print.get());
        ASSERT_TRUE(opties->CreateOpties());
        ASSERT_TRUE(print->CreatePrintList());
        opties->Beep = [this] { ++beeps; };
        main->SetResultSink(print.get());
        main->ApplyLanguage = [this] { opties->ApplyLanguage(); };
        main->ShowOptions = [this] { opties->ShowModal(); };
        main->Show();
        Pump();
    }
    void TearDown() override {
        main->SetResultSink(nullptr);
        main->ApplyLanguage = nullptr;
        main->ShowOptions = nullptr;
        opties.reset();
        print.reset();
        main.reset();
        Pump();
    }

    // Shows the dialog modally and runs `inside` from its message loop, once it is shown and
    // active; gives the modal result.
    int Modal(std::function<void()> inside) {
        return Modal(std::move(inside), [this] { return opties->ShowModal(); });
    }
    // The same, with the dialog shown by `show`.
    int Modal(std::function<void()> inside, const std::function<int()>& show) {
        pendingAction = [this, inside = std::move(inside)] {
            SetForegroundWindow(opties->Handle());
            Pump();
            inside();
        };
        SetTimer(nullptr, 0, 1, [](HWND, UINT, UINT_PTR id, DWORD) {
            KillTimer(nullptr, id);
            auto action = std::move(pendingAction);
            pendingAction = nullptr;
            if (action) action();
        });
        return show();
    }
    // The main window's options button, clicked; the dialog runs `inside` and is closed.
    void OptionsButton(std::function<void()> inside) {
        Modal(std::move(inside), [this] {
            const win::ToolButton& button = main->ToolButton_Options;
            SendMessageW(GetParent(main->ToolBar_Valomat.Handle()), WM_COMMAND,
                         MAKEWPARAM(button.Command(), BN_CLICKED),
                         reinterpret_cast<LPARAM>(main->ToolBar_Valomat.Handle()));
            Pump();
            return 0;
        });
    }
    template <typename T>
    T& Control(const std::string& name) {
        T* control = opties->Find<T>(name);
        EXPECT_NE(control, nullptr) << name;
        return *control;
    }
    void ShowPage(win::TabSheet& page) {
        opties->PageControl1.SelectPage(page.PageIndex());
        Pump();
    }
    // Types into a box as the keyboard does, over its text.
    void Type(win::Edit& box, std::wstring_view text) {
        box.SetFocus();
        box.SelectAll();
        SendMessageW(box.Handle(), WM_CHAR, VK_BACK, 0);
        for (wchar_t c : text) SendMessageW(box.Handle(), WM_CHAR, c, 0);
    }
    void Click(win::SpeedButton& button) {
        graphicmouse::SendClick(button);
        Pump();
    }
    void CloseBox() {
        PostMessageW(opties->Handle(), WM_CLOSE, 0, 0);
        Pump();
    }

    MemoryRegistry registry;
    std::unique_ptr<TForm_Main> main;
    std::unique_ptr<TForm_PrintList> print;
    std::unique_ptr<TForm_Opties> opties;
    int beeps = 0;
};

TEST_F(OptionsTest, OpensOnTheGeneralPageAndBuildsOtherPagesOnlyWhenShown) {
    EXPECT_EQ(opties->Find<win::Edit>("Edit_Koers13"), nullptr) << "no page is built at start";
    RECT client{};
    Modal([&] {
        GetClientRect(opties->Handle(), &client);
        EXPECT_EQ(opties->Caption(), "Voorkeuren");
        EXPECT_EQ(opties->PageControl1.ActivePage(), &opties->TabSheet_Algemeen);
        EXPECT_EQ(opties->TabSheet_VariabeleMunten.Text(), "Variabe&le munten");
        EXPECT_TRUE(opties->RadioGroup_Taal.Exists());
        EXPECT_EQ(opties->Find<win::Edit>("Edit_Koers13"), nullptr);
        ShowPage(opties->TabSheet_VariabeleMunten);
        EXPECT_EQ(Control<win::Edit>("Edit_Koers13").Text(), "0,62");
        EXPECT_EQ(Control<win::Edit>("Edit_Koers20").Text(), "110,37");
        EXPECT_EQ(Control<win::Edit>("Edit_Koers21").Text(), "1");
        EXPECT_EQ(Control<win::Label>("Label_Munt19").Text(), "dollar (USD,$)");
        EXPECT_FALSE(Control<win::CheckBox>("CheckBox_Selected13").Checked());
        EXPECT_EQ(opties->Find<win::Edit>("Edit_Koers2"), nullptr);
        ShowPage(opties->TabSheet_VasteMunten);
        win::Edit& bef = Control<win::Edit>("Edit_Koers2");
        EXPECT_EQ(bef.Text(), "40,3399");
        EXPECT_TRUE(bef.ReadOnly());
        EXPECT_TRUE(Control<win::SpeedButton>("SpeedButton_DefaultVan2").Down());
        EXPECT_TRUE(Control<win::SpeedButton>("SpeedButton_DefaultNaar1").Down());
        EXPECT_TRUE(Control<win::SpeedButton>("SpeedButtonFront1").Down());
        EXPECT_EQ(Control<win::SpeedButton>("SpeedButtonFront1").Hint(), "Symbool voor bedrag");
        EXPECT_EQ(Control<win::SpinEdit>("SpinEdit_Decimalen7").Text(), "0");
        CloseBox();
    });
    EXPECT_EQ(client.right, 402);
    EXPECT_EQ(client.bottom, 472);
    EXPECT_FALSE(opties->Visible());
}

TEST_F(OptionsTest, TypedRatesAreCheckedAsTheBoxIsLeft) {
    const struct {
        const wchar_t* typed;
        const char* shown;
        long double rate;
        int beeps;
    } cases[] = {
        {L"1.5", "1,5", 1.5L, 0}, {L"abc", "1", 1, 1},   {L"0", "1", 1, 0},
        {L"-3", "1", 1, 0},       {L"1e400", "1", 1, 1}, {L"0,85", "0,85", 0.85L, 0},
    };
    Modal([&] {
        ShowPage(opties->TabSheet_VariabeleMunten);
        win::Edit& gbp = Control<win::Edit>("Edit_Koers13");
        for (const auto& c : cases) {
            beeps = 0;
            Type(gbp, c.typed);
            Press(VK_TAB);  // leaves the box
            EXPECT_EQ(gbp.Text(), c.shown) << c.shown;
            EXPECT_EQ(main->Rec.Koers[13], c.rate) << c.shown;
            EXPECT_EQ(beeps, c.beeps) << c.shown;
        }
        CloseBox();
    });
}

TEST_F(OptionsTest, ARateTypedAndClosedWithoutLeavingItsBoxIsKept) {
    const struct {
        const char* how;
        std::function<void(TForm_Opties&)> close;
        int result;
    } ways[] = {
        {"close box", [](TForm_Opties& d) { PostMessageW(d.Handle(), WM_CLOSE, 0, 0); },
         win::mrCancel},
        {"Esc", [](TForm_Opties&) { Press(VK_ESCAPE); }, win::mrCancel},
        {"Enter", [](TForm_Opties&) { Press(VK_RETURN); }, win::mrOk},
        {"Alt+O, the OK button's access key", [](TForm_Opties&) { testkeys::PressAlt('O'); },
         win::mrOk},
    };
    int n = 2;
    for (const auto& way : ways) {
        const std::wstring typed = std::to_wstring(n) + L".5";
        const int result = Modal([&] {
            ShowPage(opties->TabSheet_VariabeleMunten);
            Type(Control<win::Edit>("Edit_Koers19"), typed);
            way.close(*opties);
            Pump();
        });
        EXPECT_EQ(result, way.result) << way.how;
        EXPECT_EQ(main->Rec.Koers[19], n + 0.5L) << way.how;
        EXPECT_FALSE(opties->Visible()) << way.how;
        ++n;
    }
    EXPECT_EQ(beeps, 0);
}

TEST_F(OptionsTest, DefaultButtonsAreOneAcrossBothPagesAndKeepTheirSlotOffered) {
    Modal([&] {
        ShowPage(opties->TabSheet_VasteMunten);
        ShowPage(opties->TabSheet_VariabeleMunten);
        win::SpeedButton& gbp = Control<win::SpeedButton>("SpeedButton_DefaultVan13");
        win::SpeedButton& grd = Control<win::SpeedButton>("SpeedButton_DefaultVan16");
        Click(gbp);
        EXPECT_EQ(main->Rec.DefaultVanMunt, 13);
        EXPECT_TRUE(main->Rec.Geselecteerd[13]);
        EXPECT_TRUE(Control<win::CheckBox>("CheckBox_Selected13").Checked());
        EXPECT_FALSE(Control<win::SpeedButton>("SpeedButton_DefaultVan2").Down());
        Click(grd);
        EXPECT_TRUE(grd.Down());
        EXPECT_FALSE(gbp.Down()) << "the other page's button is released";
        EXPECT_EQ(main->Rec.DefaultVanMunt, 16);
        Click(gbp);
        EXPECT_FALSE(grd.Down());
        Click(Control<win::SpeedButton>("SpeedButtonFront1"));  // group index 1 as well
        EXPECT_TRUE(gbp.Down()) << "a symbol-position button is no default button";
        EXPECT_TRUE(Control<win::SpeedButton>("SpeedButton_DefaultNaar1").Down())
            << "the target buttons are a group of their own";

        // Unticking a default slot's offered box is undone; another one is unticked.
        win::CheckBox& offered = Control<win::CheckBox>("CheckBox_Selected13");
        SendMessageW(offered.Handle(), BM_CLICK, 0, 0);
        EXPECT_TRUE(offered.Checked());
        EXPECT_TRUE(main->Rec.Geselecteerd[13]);
        win::CheckBox& dem = Control<win::CheckBox>("CheckBox_Selected6");
        SendMessageW(dem.Handle(), BM_CLICK, 0, 0);
        EXPECT_FALSE(dem.Checked());
        EXPECT_FALSE(main->Rec.Geselecteerd[6]);
        CloseBox();
    });
}

TEST_F(OptionsTest, DecimalsSymbolPositionsColumnsAndLettersAreWrittenAtOnce) {
    Modal([&] {
        ShowPage(opties->TabSheet_VasteMunten);
        win::SpinEdit& itl = Control<win::SpinEdit>("SpinEdit_Decimalen7");
        Type(itl, L"9");
        EXPECT_EQ(main->Rec.Decimalen[7], 8);
        Type(itl, L"");
        EXPECT_EQ(main->Rec.Decimalen[7], 0);
        Type(itl, L"3");
        EXPECT_EQ(main->Rec.Decimalen[7], 3);

        win::SpeedButton& front = Control<win::SpeedButton>("SpeedButtonFront3");
        Click(front);
        EXPECT_TRUE(main->Rec.SymboolVooraan[3]);
        EXPECT_EQ(front.Hint(), "Symbool voor bedrag");
        Click(front);
        EXPECT_FALSE(main->Rec.SymboolVooraan[3]);
        EXPECT_EQ(front.Hint(), "Symbool achter bedrag");

        ShowPage(opties->TabSheet_Print);
        SendMessageW(opties->CheckBox_Munt.Handle(), BM_CLICK, 0, 0);
        EXPECT_FALSE(main->Rec.KolomMunt);

        ShowPage(opties->TabSheet_Algemeen);
        Type(opties->Edit_Letters, L"");
        Press(VK_TAB);
        EXPECT_EQ(main->Rec.Letters, "");
        CloseBox();
    });
}

TEST_F(OptionsTest, ThePreviewHasItsClickTextAfterAClickAndItsShowTextWhenShown) {
    Modal([&] {
        ShowPage(opties->TabSheet_Print);
        SendMessageW(opties->RadioGroup_Weergave.Item(3)->Handle(), BM_CLICK, 0, 0);
        EXPECT_EQ(main->Rec.Weergave, 3);
        EXPECT_EQ(opties->Panel_Weergave.Text(), "€ 1,33");
        SendMessageW(opties->RadioGroup_Weergave.Item(2)->Handle(), BM_CLICK, 0, 0);
        EXPECT_EQ(opties->Panel_Weergave.Text(), "1,33 euro");
        SendMessageW(opties->RadioGroup_Weergave.Item(3)->Handle(), BM_CLICK, 0, 0);
        CloseBox();
    });
    Modal([&] {
        EXPECT_EQ(opties->Panel_Weergave.Text(), "1,33 €");
        EXPECT_EQ(opties->RadioGroup_Weergave.ItemIndex(), 3);
        CloseBox();
    });
}

TEST_F(OptionsTest, ChoosingFrenchRecaptionsAllThreeWindowsAndKeepsTheChoices) {
    main->Rec.Weergave = 2;
    Modal([&] {
        ShowPage(opties->TabSheet_Print);
        ShowPage(opties->TabSheet_VariabeleMunten);
        ShowPage(opties->TabSheet_Algemeen);
        SendMessageW(opties->RadioGroup_Taal.Item(2)->Handle(), BM_CLICK, 0, 0);
        EXPECT_EQ(main->Rec.Taal, 2);
        EXPECT_EQ(opties->Caption(), "Préférences");
        EXPECT_EQ(opties->TabSheet_Algemeen.Text(), "&Général");
        EXPECT_EQ(opties->RadioGroup_Taal.Text(), "Langue de l'interface");
        EXPECT_EQ(opties->RadioGroup_SystemTray.ItemText(1), "Dans la zone système");
        EXPECT_EQ(opties->RadioGroup_SystemTray.ItemIndex(), 1) << "SysteemLade stays chosen";
        EXPECT_EQ(opties->RadioGroup_Weergave.ItemText(3), "Avec mise en pages et symbole");
        EXPECT_EQ(opties->RadioGroup_Weergave.ItemIndex(), 2) << "the display mode stays chosen";
        EXPECT_EQ(opties->Panel_Weergave.Text(), "1,33 euro");
        EXPECT_EQ(Control<win::Label>("Label_Defaults2").Text(), "Défauls");
        EXPECT_EQ(Control<win::Label>("Label_Munt14").Text(), "couronne (SEK,Sk)");
        EXPECT_EQ(Control<win::SpeedButton>("SpeedButtonFront13").Hint(),
                  "Symbole derrière du montant");
        // The main window and the result list behind the dialog follow at once.
        EXPECT_EQ(main->GroupBox_Van.Text(), "Source");
        EXPECT_EQ(main->GroupBox_Naar.Text(), "Dest.");
        EXPECT_EQ(main->ToolButton_Copy.Hint(), "Copier (Ctrl+Maj+C)");
        EXPECT_EQ(main->Menu_Copy.Shortcut(), "Ctrl+Maj+C");
        EXPECT_EQ(main->Menu_Options.Caption(), "Préférences");
        EXPECT_EQ(main->Find<win::Label>("Label_Munt1")->Text(), "euro (EURO,€)");
        EXPECT_EQ(print->Caption(), "List de résultats");
        // A page built after the switch is French from the start.
        ShowPage(opties->TabSheet_VasteMunten);
        EXPECT_EQ(Control<win::Label>("Label_Defaults").Text(), "Défauts");
        EXPECT_EQ(Control<win::Label>("Label_Munt3").Text(), "florin (NLG,f.)");
        CloseBox();
    });
}

TEST_F(OptionsTest, APageChangeByKeyboardRefreshesTheRowsLikeAClick) {
    Modal([&] {
        ShowPage(opties->TabSheet_VariabeleMunten);
        ShowPage(opties->TabSheet_VasteMunten);
        main->Rec.SymboolVooraan[13] = true;  // changed behind the dialog's back
        main->Rec.Geselecteerd[14] = true;
        opties->BitBtn_OK.SetFocus();
        Held ctrl({VK_CONTROL});
        Press(VK_TAB);
        EXPECT_EQ(opties->PageControl1.ActivePage(), &opties->TabSheet_VariabeleMunten);
        EXPECT_TRUE(Control<win::SpeedButton>("SpeedButtonFront13").Down());
        EXPECT_TRUE(Control<win::CheckBox>("CheckBox_Selected14").Checked());
        Press(VK_PRIOR);
        EXPECT_EQ(opties->PageControl1.ActivePage(), &opties->TabSheet_VasteMunten);
        CloseBox();
    });
}

TEST_F(OptionsTest, MinimisedStartGoesWithTheTrayInTheHiddenGroups) {
    main->Rec.SysteemLade = false;
    main->Rec.Minimalizeren = false;
    Modal([&] {
        EXPECT_EQ(opties->Image_Pijl.Left(), 335);
        SendMessageW(opties->RadioButton_Minimized.Handle(), BM_CLICK, 0, 0);
        EXPECT_TRUE(main->Rec.Minimalizeren);
        EXPECT_TRUE(main->Rec.SysteemLade);
        EXPECT_EQ(opties->RadioGroup_SystemTray.ItemIndex(), 1);
        EXPECT_EQ(opties->Image_Pijl.Left(), 365);
        SendMessageW(opties->RadioGroup_SystemTray.Item(0)->Handle(), BM_CLICK, 0, 0);
        EXPECT_FALSE(main->Rec.SysteemLade);
        EXPECT_FALSE(main->Rec.Minimalizeren);
        EXPECT_TRUE(opties->RadioButton_NormalVisible.Checked());
        EXPECT_EQ(opties->Image_Pijl.Left(), 335);
        CloseBox();
    });
}

TEST_F(OptionsTest, TheMainWindowShownTakesItsTextsFromTheLanguageRoutine) {
    opties.reset();
    print.reset();
    main.reset();
    registry.Put("Software\\ZT\\Valomat\\Algemeen", "Taal", {RegKind::Integer, {2, 0, 0, 0}});
    SetUp();
    EXPECT_EQ(main->GroupBox_Naar.Text(), "Dest.");
    EXPECT_EQ(main->ToolButton_StayOnTop.Hint(), "Tout en haut (Ctrl+T)");
    EXPECT_EQ(main->Menu_Options.Caption(), "Préférences");
    EXPECT_EQ(main->Label_Naar.Text(), "euro (EURO,€)");
    EXPECT_EQ(print->Caption(), "List de résultats");
    EXPECT_EQ(opties->Caption(), "Préférences");
}

TEST_F(OptionsTest, TheLanguageRoutineRunsBeforeTheDialogIsMadeWhichThenSpeaksItsLanguage) {
    opties = std::make_unique<TForm_Opties>(*main, print.get());
    main->Rec.Taal = 2;
    opties->ApplyLanguage();
    EXPECT_FALSE(opties->Exists());
    EXPECT_EQ(main->GroupBox_Naar.Text(), "Dest.");
    EXPECT_EQ(main->Menu_Options.Caption(), "Préférences");
    ASSERT_TRUE(opties->CreateOpties());
    EXPECT_EQ(opties->Caption(), "Préférences");
    EXPECT_EQ(opties->TabSheet_Algemeen.Text(), "&Général");
}

TEST_F(OptionsTest, AfterTheDialogTheMainWindowConvertsWithTheNewSettings) {
    main->Edit_Van.SetText("100");
    const int heightBefore = main->ClientHeight();
    OptionsButton([&] {
        ShowPage(opties->TabSheet_VariabeleMunten);
        Click(Control<win::SpeedButton>("SpeedButton_DefaultNaar13"));  // GBP offered, default
        Type(Control<win::Edit>("Edit_Koers13"), L"0.5");
        ShowPage(opties->TabSheet_VasteMunten);
        Click(Control<win::SpeedButton>("SpeedButton_DefaultVan1"));
        SendMessageW(Control<win::CheckBox>("CheckBox_Selected2").Handle(), BM_CLICK, 0, 0);
        Press(VK_ESCAPE);
    });
    EXPECT_EQ(main->Rec.Koers[13], 0.5L);
    // BEF, the current from-currency, is no longer offered: the first listed slot takes over,
    // and the result follows without an entry the user never made.
    EXPECT_EQ(main->Rec.VanMunt, 1);
    EXPECT_TRUE(main->SpeedButton_Van[0].Down());
    EXPECT_EQ(main->Label_Van.Text(), "euro (EURO,€)");
    EXPECT_EQ(main->Edit_Naar.Text(), "100,00");
    EXPECT_TRUE(print->Entries().empty());
    main->SpeedButton_Naar1Click(nullptr);
    EXPECT_EQ(print->Entries().size(), 1u) << "a currency click still records";
    main->Rec.NaarMunt = 13;
    main->SpeedButton_Naar1Click(nullptr);
    EXPECT_EQ(main->Edit_Naar.Text(), "50,00") << "100 euro at the new rate";
    // The rows were laid out again (GBP listed, BEF not), and drawing is on again.
    EXPECT_EQ(main->ClientHeight(), heightBefore);
    EXPECT_EQ(main->Label_Munt[1].Tag, 3);
    EXPECT_EQ(main->Label_Munt[11].Tag, 13);
    EXPECT_TRUE(IsWindowVisible(main->Handle()));
    EXPECT_EQ(GetPropW(main->Handle(), L"ValomatRedrawSuspensions"), nullptr);
}

// The top row of a window's pixels as it shows them.
std::vector<COLORREF> TopRow(HWND window) {
    UpdateWindow(window);
    RECT client{};
    GetClientRect(window, &client);
    std::vector<COLORREF> row;
    HDC dc = GetDC(window);
    for (int x = 0; x < client.right; ++x) row.push_back(GetPixel(dc, x, 0));
    ReleaseDC(window, dc);
    return row;
}

// "Definiëren..." has its access key; a check box without a caption shows when it has the focus.
TEST_F(OptionsTest, DefineHasItsAccessKeyAndABoxWithoutCaptionShowsItsFocus) {
    int ownShown = 0;
    opties->ShowOwnCurrencies = [&ownShown] { ++ownShown; };
    Modal([&] {
        ShowPage(opties->TabSheet_VariabeleMunten);
        testkeys::PressAlt('D');
        EXPECT_EQ(ownShown, 1);
        auto& offered = Control<win::CheckBox>("CheckBox_Selected13");
        const std::vector<COLORREF> without = TopRow(offered.Handle());
        offered.SetFocus();
        EXPECT_NE(TopRow(offered.Handle()), without) << "no focus mark";
        CloseBox();
    });
}

TEST_F(OptionsTest, ColoursAreTakenOnlyOnOk) {
    const Colour before = main->Rec.KleurEuro;
    const Colour red = MakeColour(255, 0, 0);
    Modal([&] {
        ShowPage(opties->TabSheet_Print);
        opties->ztColorPickerEuro.ColorSelected(red);
        CloseBox();
    });
    EXPECT_EQ(main->Rec.KleurEuro, before) << "the close box drops the colour";
    Modal([&] {
        EXPECT_EQ(opties->ztColorPickerEuro.Color(), before) << "shown again from the settings";
        opties->ztColorPickerEuro.ColorSelected(red);
        opties->ztColorPickerWereld.ColorSelected(red);
        SendMessageW(opties->BitBtn_OK.Handle(), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(main->Rec.KleurEuro, red);
    EXPECT_EQ(main->Rec.KleurWereld, red);
    EXPECT_EQ(main->Rec.KleurEU, MakeColour(0x80, 0, 0));
}

TEST_F(OptionsTest, DefiningOwnCurrenciesRefreshesTheirRows) {
    const Picture flag(20, 20, MakeColour(0, 160, 0));
    int shown = 0;
    opties->ShowOwnCurrencies = [&] {
        ++shown;
        SetOwnCurrency(main->Rec, 1, "dinar", "DIN", "d");
        main->Pictures.SetOwnPicture(1, flag);
    };
    Modal([&] {
        ShowPage(opties->TabSheet_VariabeleMunten);
        Click(opties->SpeedButtonEigenMunten);
        EXPECT_EQ(shown, 1);
        EXPECT_EQ(Control<win::Label>("Label_Munt21").Text(), "dinar (DIN,d)");
        EXPECT_EQ(Control<win::SpeedButton>("SpeedButton_DefaultVan21").Glyph(), flag);
        EXPECT_EQ(Control<win::SpeedButton>("SpeedButton_DefaultNaar21").Glyph(), flag);
        EXPECT_TRUE(Control<win::SpeedButton>("SpeedButton_DefaultVan22").Glyph().Empty());
        CloseBox();
    });
}

// The bank's rates button with a local file (read off the window's thread like a web address):
// each failure leaves rates, boxes and day as they were and says so; a good file fills the boxes
// at once and stays after the dialog closes the way Esc does, as typed rates do; a rate typed by
// hand then takes the day away.
TEST_F(OptionsTest, TheBanksRatesFillTheBoxesAndFailuresChangeNothing) {
    wchar_t temp[MAX_PATH]{};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring file = std::wstring(temp) + L"valomat-options-daily.xml";
    DeleteFileW(file.c_str());
    const std::string bad = "<html><body>Bad gateway</body></html>";
    const std::string good =
        "<gesmes:Envelope><Cube><Cube time='2026-12-04'><Cube currency='USD' rate='1.0432'/>"
        "<Cube currency='GBP' rate='0.83105'/><Cube currency='PLN' rate='4.2675'/>"
        "<Cube currency='HUF' rate='411.35'/></Cube></Cube></gesmes:Envelope>";
    main->Rec.KoersenURL = " " + win::Narrow(file) + " ";  // blanks around it do not count
    main->Rec.Munteenheid[21] = "PLN";
    const RecRec before = main->Rec;
    const std::string day = "Referentiekoersen ECB van " + win::FormatShortDate(2026, 12, 4);
    int result = Modal([&] {
        ShowPage(opties->TabSheet_VariabeleMunten);
        win::Label& line = Control<win::Label>("Label_ECB");
        win::Button& button = Control<win::Button>("Button_ECB");
        EXPECT_EQ(button.Text(), "&ECB-koersen ophalen");
        EXPECT_EQ(line.Text(), "") << "typed rates have no day";
        auto fetch = [&] {
            SendMessageW(button.Handle(), BM_CLICK, 0, 0);
            EXPECT_TRUE(testkeys::PumpUntil([&] { return !opties->FetchingRates(); }));
            EXPECT_TRUE(button.Enabled());
        };
        const std::pair<const std::string*, const char*> failures[] = {
            {nullptr, "Geen verbinding met de ECB; koersen ongewijzigd"},
            {&bad, "Bestand van de ECB niet begrepen; koersen ongewijzigd"}};
        for (const auto& [content, failure] : failures) {
            if (content) testhttp::WriteAll(file, *content);
            fetch();
            EXPECT_EQ(line.Text(), failure);
            EXPECT_TRUE(main->Rec == before) << failure;
            EXPECT_EQ(Control<win::Edit>("Edit_Koers19").Text(), "0,89");
        }
        testhttp::WriteAll(file, good);
        fetch();
        // The file lacks five of the seven: they keep their rate, and the line says which.
        EXPECT_EQ(line.Text(), day + "; ongewijzigd: SEK, DKK, NOK, CHF, JPY");
        EXPECT_EQ(Control<win::Edit>("Edit_Koers19").Text(), "1,0432");
        EXPECT_EQ(Control<win::Edit>("Edit_Koers13").Text(), "0,83105");
        EXPECT_EQ(Control<win::Edit>("Edit_Koers21").Text(), "4,2675");
        EXPECT_EQ(Control<win::Edit>("Edit_Koers20").Text(), "110,37") << "not in the file";
        // The line follows the language with the rest of the dialog.
        main->Rec.Taal = 1;
        opties->ApplyLanguage();
        EXPECT_EQ(button.Text(), "Get &ECB rates");
        EXPECT_EQ(line.Text(), "ECB reference rates of " + win::FormatShortDate(2026, 12, 4) +
                                   "; unchanged: SEK, DKK, NOK, CHF, JPY");
        main->Rec.Taal = 0;
        opties->ApplyLanguage();
        // Leaving a filled box unchanged keeps the day.
        Control<win::Edit>("Edit_Koers19").SetFocus();
        Press(VK_TAB);
        EXPECT_EQ(line.Text().substr(0, day.size()), day);
        Press(VK_ESCAPE);
    });
    DeleteFileW(file.c_str());
    EXPECT_EQ(result, win::mrCancel);
    EXPECT_EQ(main->Rec.Koers[19], 1.0432L);
    EXPECT_EQ(main->Rec.Koers[13], 0.83105L);
    EXPECT_EQ(main->Rec.Koers[21], 4.2675L);
    EXPECT_EQ(main->Rec.Koers[20], before.Koers[20]);
    EXPECT_EQ(main->Rec.KoersDatum, "2026-12-04");

    Modal([&] {
        ShowPage(opties->TabSheet_VariabeleMunten);
        win::Label& line = Control<win::Label>("Label_ECB");
        EXPECT_EQ(line.Text(), day + "; ongewijzigd: SEK, DKK, NOK, CHF, JPY")
            << "the day is shown again";
        Type(Control<win::Edit>("Edit_Koers19"), L"1.1");
        Press(VK_TAB);
        EXPECT_EQ(line.Text(), "");
        CloseBox();
    });
    EXPECT_EQ(main->Rec.Koers[19], 1.1L);
    EXPECT_EQ(main->Rec.KoersDatum, "");
}

// The names screen readers give the controls that Tab reaches, walked as the dialog manager
// walks them: a control's text, but for an edit box, a list or a control without text the static
// right before it in the window order; a tab control's selected tab; "&" left out.
std::wstring TextOf(HWND w) {
    wchar_t text[512]{};
    GetWindowTextW(w, text, 512);
    return text;
}

bool Is(HWND w, const wchar_t* kind) {
    wchar_t name[64]{};
    GetClassNameW(w, name, 64);
    return _wcsicmp(name, kind) == 0;
}

std::string ReaderName(HWND w) {
    std::wstring name;
    if (Is(w, WC_TABCONTROLW)) {
        wchar_t text[256]{};
        TCITEMW item{TCIF_TEXT, 0, 0, text, 256, 0, 0};
        SendMessageW(w, TCM_GETITEMW, SendMessageW(w, TCM_GETCURSEL, 0, 0),
                     reinterpret_cast<LPARAM>(&item));
        name = text;
    } else if (!Is(w, L"Edit") && !Is(w, L"ListBox")) {
        name = TextOf(w);  // an edit box's or a list's text is its content
    }
    HWND before = GetWindow(w, GW_HWNDPREV);
    if (name.empty() && before && Is(before, L"Static")) name = TextOf(before);
    std::erase(name, L'&');
    return win::Narrow(name);
}

std::vector<std::string> TabStopNames(HWND root) {
    std::vector<std::string> names;
    const HWND first = GetNextDlgTabItem(root, nullptr, FALSE);
    for (HWND w = first; w && names.size() < 200; w = GetNextDlgTabItem(root, w, FALSE)) {
        if (!names.empty() && w == first) break;
        names.push_back(ReaderName(w));
    }
    return names;
}

// Every window walked with Tab in the three languages: each control Tab reaches has a name as
// screen readers read it, and no two on one page share one.
TEST_F(OptionsTest, EveryControlTabReachesIsNamedOnceInEveryLanguage) {
    const auto expectNamed = [](const std::vector<std::string>& names, std::size_t count) {
        const std::set<std::string> unique(names.begin(), names.end());
        EXPECT_EQ(unique.size(), count) << "as many names as controls, none twice";
        EXPECT_EQ(names.size(), count);
        EXPECT_EQ(unique.count(""), 0u) << "a control without a name";
    };
    const std::vector<std::string> mainOrder[] = {
        {"Bedrag", "Resultaat", "Rekenmachine", "Bron", "Doel"},
        {"Amount", "Result", "Calculator", "Source", "Dest."},
        {"Montant", "Résultat", "Calculateur", "Source", "Dest."},
    };
    const std::size_t pageStops[] = {3, 10, 2 + 13 * 4 + 1, 2 + 9 * 4 + 3 + 1};  // OK included
    for (int language = 0; language <= 2; ++language) {
        SCOPED_TRACE(language);
        main->Rec.Taal = static_cast<std::uint8_t>(language);
        opties->ApplyLanguage();
        EXPECT_EQ(TabStopNames(main->Handle()), mainOrder[language]);
        opties->Show();
        for (int page = 0; page < 4; ++page) {
            opties->PageControl1.SelectPage(page);
            Pump();
            std::vector<std::string> names = TabStopNames(opties->Handle());
            // The tabs are a stop of their own too, which the dialog manager cannot express.
            names.push_back(ReaderName(opties->PageControl1.Handle()));
            expectNamed(names, pageStops[page] + 1);
        }
        opties->Hide();

        TFormEigenMunt own(main->Rec, main->Pictures);
        TztFormCalculator calc(nullptr, static_cast<TztLanguage>(language), {",", "."}, "€");
        TAboutBox about(language);
        ASSERT_TRUE(own.CreateEigenMunt() && calc.CreateCalculator(nullptr) &&
                    about.CreateAbout(nullptr));
        for (win::Form* form :
             std::initializer_list<win::Form*>{&own, &calc, &about, print.get()}) {
            form->Show();
        }
        print->ApplyLanguage();
        Pump();
        expectNamed(TabStopNames(own.Handle()), 9);
        expectNamed(TabStopNames(calc.Handle()), 2);
        EXPECT_EQ(TabStopNames(print->Handle()), std::vector<std::string>{print->Caption()});
        expectNamed(TabStopNames(about.Handle()), 4);
        print->Hide();
    }
}

}  // namespace
