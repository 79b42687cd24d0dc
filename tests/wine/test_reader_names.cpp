// Every window walked with Tab as the dialog manager walks it (GetNextDlgTabItem), in the three
// languages: each control Tab reaches has a name as the standard accessibility proxies read it,
// and no two on one page share one.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "components/ztFormCalculator.h"
#include "core/CurrencyTable.h"
#include "core/SettingsStore.h"
#include "ui/About_win.h"
#include "ui/Options_win.h"
#include "ui/OwnCurrency_win.h"
#include "ui/Print_win.h"
#include "win/Text.h"
#include "wine/keys.h"

namespace {

using testkeys::Pump;

std::wstring WindowText(HWND w) {
    wchar_t text[512]{};
    GetWindowTextW(w, text, 512);
    return text;
}

std::wstring ClassOf(HWND w) {
    wchar_t name[64]{};
    GetClassNameW(w, name, 64);
    return name;
}

// "&Definiëren..." is read "Definiëren...".
std::wstring WithoutAccessKey(const std::wstring& text) {
    std::wstring plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) ++i;
        plain += text[i];
    }
    return plain;
}

// What a screen reader names a control by: its text, but an edit box's or a list's text is its
// content, and a control without text takes the static right before it in the window order; a
// tab control is named by its selected tab.
std::string ReaderName(HWND w) {
    const std::wstring kind = ClassOf(w);
    if (kind == WC_TABCONTROLW) {
        wchar_t text[256]{};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 256;
        SendMessageW(w, TCM_GETITEMW, SendMessageW(w, TCM_GETCURSEL, 0, 0),
                     reinterpret_cast<LPARAM>(&item));
        return win::Narrow(WithoutAccessKey(text));
    }
    const bool contentIsText =
        _wcsicmp(kind.c_str(), L"Edit") == 0 || _wcsicmp(kind.c_str(), L"ListBox") == 0;
    std::wstring name = contentIsText ? L"" : WindowText(w);
    HWND before = GetWindow(w, GW_HWNDPREV);
    if (name.empty() && before && _wcsicmp(ClassOf(before).c_str(), L"Static") == 0) {
        name = WindowText(before);
    }
    return win::Narrow(WithoutAccessKey(name));
}

// The names of the controls that Tab reaches, from the first, in order.
std::vector<std::string> TabStopNames(HWND root) {
    std::vector<std::string> names;
    const HWND first = GetNextDlgTabItem(root, nullptr, FALSE);
    for (HWND w = first; w && names.size() < 200;) {
        names.push_back(ReaderName(w));
        w = GetNextDlgTabItem(root, w, FALSE);
        if (w == first) break;
    }
    return names;
}

// Every stop named, no name twice, as many stops as expected and, when given, these first.
void ExpectNamed(const std::vector<std::string>& names, std::size_t count,
                 const std::vector<std::string>& first = {}) {
    EXPECT_EQ(names.size(), count);
    std::set<std::string> seen;
    for (const std::string& name : names) {
        EXPECT_FALSE(name.empty()) << "a control without a name";
        EXPECT_TRUE(seen.insert(name).second) << "two controls named " << name;
    }
    for (std::size_t i = 0; i < first.size() && i < names.size(); ++i)
        EXPECT_EQ(names[i], first[i]);
}

class ReaderNames : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { win::Application::Initialize("Valomat"); }
    void SetUp() override {
        main = std::make_unique<TForm_Main>(MainWindowEnvironment{
            .registry = &registry, .separators = {",", "."}, .localeLanguage = 0});
        ASSERT_TRUE(main->CreateMain());
        print = std::make_unique<TForm_PrintList>(*main);
        ASSERT_TRUE(print->CreatePrintList());
        opties = std::make_unique<TForm_Opties>(*main, print.get());
        ASSERT_TRUE(opties->CreateOpties());
        main->ApplyLanguage = [this] { opties->ApplyLanguage(); };
        main->Show();
        Pump();
    }
    void TearDown() override {
        main->ApplyLanguage = nullptr;
        opties.reset();
        print.reset();
        main.reset();
        Pump();
    }
    void Speak(int language) {
        SCOPED_TRACE(language);
        main->Rec.Taal = static_cast<std::uint8_t>(language);
        opties->ApplyLanguage();
        Pump();
    }

    MemoryRegistry registry;
    std::unique_ptr<TForm_Main> main;
    std::unique_ptr<TForm_PrintList> print;
    std::unique_ptr<TForm_Opties> opties;
};

TEST_F(ReaderNames, EveryControlTabReachesIsNamedOnceInEveryLanguage) {
    const std::vector<std::vector<std::string>> mainOrder = {
        {"Bedrag", "Resultaat", "Rekenmachine", "Bron", "Doel"},
        {"Amount", "Result", "Calculator", "Source", "Dest."},
        {"Montant", "Résultat", "Calculateur", "Source", "Dest."},
    };
    const std::vector<std::vector<std::string>> fixedFirst = {
        {"Defaults: Bron", "Defaults: Doel", "Koerswisselingen: euro (EURO,€)",
         "Decimalen: euro (EURO,€)", "Tonen: euro (EURO,€)", "Symbool voor bedrag: euro (EURO,€)",
         "Koerswisselingen: frank (BEF,BF)"},
        {"Defaults: Source", "Defaults: Dest.", "Exchange rates: euro (EURO,€)"},
        {"Défauts : Source", "Défauts : Dest.", "Taux du change : euro (EURO,€)"},
    };
    for (int language = 0; language <= 2; ++language) {
        SCOPED_TRACE("language " + std::to_string(language));
        Speak(language);
        {
            SCOPED_TRACE("main window");
            ExpectNamed(TabStopNames(main->Handle()), 5, mainOrder[language]);
        }

        // Each page with the tabs (a stop of their own, which the dialog manager cannot
        // express) and OK.
        opties->Show();
        const struct {
            win::TabSheet& page;
            std::size_t stops;
            std::vector<std::string> first;
        } pages[] = {
            {opties->TabSheet_Algemeen, 3, {}},
            {opties->TabSheet_Print, 10, {}},
            {opties->TabSheet_VasteMunten, 2 + 13 * 4 + 1, fixedFirst[language]},
            {opties->TabSheet_VariabeleMunten, 2 + 9 * 4 + 3 + 1, {}},
        };
        for (const auto& p : pages) {
            SCOPED_TRACE(win::Narrow(WithoutAccessKey(win::Widen(p.page.Text()))));
            opties->PageControl1.SelectPage(p.page.PageIndex());
            Pump();
            std::vector<std::string> names = TabStopNames(opties->Handle());
            names.insert(names.begin(), ReaderName(opties->PageControl1.Handle()));
            std::vector<std::string> first = p.first;
            first.insert(first.begin(), win::Narrow(WithoutAccessKey(win::Widen(p.page.Text()))));
            ExpectNamed(names, p.stops + 1, first);
        }
        opties->Hide();

        {
            SCOPED_TRACE("own currencies");
            TFormEigenMunt own(main->Rec, main->Pictures);
            ASSERT_TRUE(own.CreateEigenMunt());
            own.Show();
            Pump();
            const OwnCurrencyTexts& t = OwnTexts(language);
            ExpectNamed(TabStopNames(own.Handle()), 9,
                        {std::string(t.choosePicture) + " 1", std::string(t.name) + " 1",
                         std::string(t.unit) + " 1", std::string(t.symbol) + " 1"});
        }
        {
            SCOPED_TRACE("calculator");
            TztFormCalculator calc(nullptr, static_cast<TztLanguage>(language), {",", "."}, "€");
            ASSERT_TRUE(calc.CreateCalculator(nullptr));
            calc.Show();
            Pump();
            ExpectNamed(TabStopNames(calc.Handle()), 2, {"OK"});
        }
        {
            SCOPED_TRACE("result list");
            print->ShowResults();
            Pump();
            ExpectNamed(TabStopNames(print->Handle()), 1, {print->Caption()});
            print->Hide();
        }
        {
            SCOPED_TRACE("About");
            TAboutBox about(language);
            ASSERT_TRUE(about.CreateAbout(nullptr));
            about.Show();
            Pump();
            ExpectNamed(TabStopNames(about.Handle()), 4);
        }
    }
}

}  // namespace
