// The windows at other DPIs, made in-process and told of a new DPI as Windows tells them when they
// move to another monitor (WM_DPICHANGED): each lays itself out again from its 96-DPI figures;
// and every caption fits the room its control gives it, in the three languages at 100 % and
// 150 %.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "components/ztFormCalculator.h"
#include "core/SettingsStore.h"
#include "ui/About_win.h"
#include "ui/Options_win.h"
#include "ui/OwnCurrency_win.h"
#include "ui/Print_win.h"
#include "ui/Splash_win.h"
#include "util/zt_Registry.h"
#include "win/Button.h"
#include "win/CheckBox.h"
#include "win/Dpi.h"
#include "win/Gdi.h"
#include "win/Label.h"
#include "win/Panel.h"
#include "win/SpeedButton.h"
#include "win/ListBox.h"
#include "win/PageControl.h"
#include "win/RadioButton.h"
#include "win/RadioGroup.h"
#include "win/SpinEdit.h"
#include "win/Text.h"
#include "win/ToolBar.h"
#include "wine/keys.h"

namespace {

using testkeys::Pump;

// What Windows sends a window that has moved to a monitor of another DPI: the new DPI and a
// rectangle for it, here at the same place and scaled from the present size.
void ChangeDpi(win::Form& form, int dpi) {
    const RECT r = form.Bounds();
    RECT suggested{r.left, r.top, r.left + MulDiv(r.right - r.left, dpi, form.Dpi()),
                   r.top + MulDiv(r.bottom - r.top, dpi, form.Dpi())};
    SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
}

// Every window of the program, made for one interface language and shown.
struct Windows {
    MemoryRegistry registry;
    std::unique_ptr<TForm_Main> main;
    std::unique_ptr<TForm_PrintList> print;
    std::unique_ptr<TForm_Opties> options;
    std::unique_ptr<TFormEigenMunt> own;
    std::unique_ptr<TAboutBox> about;
    std::unique_ptr<TztFormCalculator> calculator;
    std::unique_ptr<TForm_Splash> splash;

    explicit Windows(int language) {
        main = std::make_unique<TForm_Main>(MainWindowEnvironment{
            .registry = &registry, .separators = {",", "."}, .localeLanguage = language});
        main->CreateMain();
        print = std::make_unique<TForm_PrintList>(*main);
        options = std::make_unique<TForm_Opties>(*main, print.get());
        options->CreateOpties();
        print->CreatePrintList();
        main->ApplyLanguage = [this] { options->ApplyLanguage(); };
        main->Show();
        options->Show();
        // Every page built, the last one left showing.
        for (int page = 0; page < options->PageControl1.PageCount(); ++page) {
            options->PageControl1.SetActivePage(options->PageControl1.Page(page));
        }
        print->Show();
        own = std::make_unique<TFormEigenMunt>(main->Rec, main->Pictures);
        own->CreateEigenMunt();
        own->Show();
        about = std::make_unique<TAboutBox>(language);
        about->CreateAbout(nullptr);
        about->Show();
        calculator = std::make_unique<TztFormCalculator>(
            nullptr, static_cast<TztLanguage>(language), Separators{",", "."}, "€");
        calculator->CreateCalculator(nullptr);
        calculator->Show();
        splash = std::make_unique<TForm_Splash>();
        splash->CreateSplash();
        Pump();
    }
    ~Windows() {
        main->ApplyLanguage = nullptr;
        splash.reset();
        calculator.reset();
        about.reset();
        own.reset();
        options.reset();
        print.reset();
        main.reset();
        Pump();
    }
    std::vector<win::Form*> All() const {
        return {main.get(),  print.get(),      options.get(), own.get(),
                about.get(), calculator.get(), splash.get()};
    }
};

class DpiLayout : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { win::Application::Initialize("Valomat"); }
};

// What a control measures in pixels: where it stands (a spin edit with its buddy), its font, and
// what tool bars and lists size by themselves.
struct Measures {
    RECT bounds{};
    int fontHeight = 0;
    SIZE button{};
    SIZE picture{};
    int itemHeight = 0;
};

Measures Measure(const win::Control& c) {
    Measures m;
    m.bounds = c.PixelBounds();
    if (const auto* spin = dynamic_cast<const win::SpinEdit*>(&c); spin && spin->UpDown()) {
        RECT buddy{};
        GetWindowRect(spin->UpDown(), &buddy);
        MapWindowPoints(HWND_DESKTOP, GetParent(spin->UpDown()), reinterpret_cast<POINT*>(&buddy),
                        2);
        m.bounds.right = buddy.right;
    }
    if (!c.Handle()) return m;
    LOGFONTW font{};
    if (GetObjectW(reinterpret_cast<HFONT>(SendMessageW(c.Handle(), WM_GETFONT, 0, 0)), sizeof font,
                   &font)) {
        m.fontHeight = font.lfHeight;
    }
    if (dynamic_cast<const win::ToolBar*>(&c)) {
        const auto size = SendMessageW(c.Handle(), TB_GETBUTTONSIZE, 0, 0);
        m.button = {LOWORD(size), HIWORD(size)};
        int cx = 0, cy = 0;
        ImageList_GetIconSize(
            reinterpret_cast<HIMAGELIST>(SendMessageW(c.Handle(), TB_GETIMAGELIST, 0, 0)), &cx,
            &cy);
        m.picture = {cx, cy};
    }
    if (const auto* list = dynamic_cast<const win::ListBox*>(&c)) {
        m.itemHeight = list->PixelItemHeight();
    }
    return m;
}

// A pixel apart from rounding, two where a system control keeps a fixed overlap (a spin edit's
// buddy).
bool Near(int a, int b) {
    return std::abs(a - b) <= 2;
}

// Controls that stand where their text or their container puts them: they follow the font, not
// their figures.
bool PlacedByText(const win::Control& c) {
    const auto* label = dynamic_cast<const win::Label*>(&c);
    return (label && label->AutoSize()) || dynamic_cast<const win::TabSheet*>(&c) ||
           (dynamic_cast<const win::RadioButton*>(&c) &&
            dynamic_cast<const win::RadioGroup*>(c.Parent()));
}

// Windows made wider or higher than the screen are cut to it by the system.
bool FitsTheScreen(const win::Form& form, int dpi) {
    return MulDiv(form.Width(), dpi, form.Dpi()) <= GetSystemMetrics(SM_CXMAXTRACK) &&
           MulDiv(form.Height(), dpi, form.Dpi()) <= GetSystemMetrics(SM_CYMAXTRACK);
}
bool Near(const RECT& a, const RECT& b) {
    return Near(a.left, b.left) && Near(a.top, b.top) && Near(a.right, b.right) &&
           Near(a.bottom, b.bottom);
}

std::string Describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

TEST_F(DpiLayout, EveryWindowLaysItselfOutAgainAtTheNewDpi) {
    Windows windows(0);
    for (win::Form* form : windows.All()) {
        std::vector<Measures> at96;
        for (const win::Control* c : form->Controls()) at96.push_back(Measure(*c));
        RECT client96{};
        GetClientRect(form->Handle(), &client96);
        // Up, further up, and back to where it started: what it measured at 96 DPI, scaled.
        for (const int dpi : {144, 192, 96}) {
            SCOPED_TRACE(form->Name() + " at " + std::to_string(dpi));
            if (!FitsTheScreen(*form, dpi)) continue;
            ChangeDpi(*form, dpi);
            RECT client{};
            GetClientRect(form->Handle(), &client);
            EXPECT_EQ(client.right, ScaleToDpi(client96.right, dpi));
            EXPECT_EQ(client.bottom, ScaleToDpi(client96.bottom, dpi));
            std::size_t i = 0;
            for (const win::Control* c : form->Controls()) {
                const Measures was = at96[i++];
                const Measures now = Measure(*c);
                const RECT want = win::ScaleToDpi(was.bounds, dpi);
                EXPECT_TRUE(PlacedByText(*c) || Near(now.bounds, want))
                    << c->Name() << " at " << Describe(now.bounds) << ", not " << Describe(want);
                EXPECT_TRUE(Near(now.fontHeight, ScaleToDpi(was.fontHeight, dpi))) << c->Name();
                EXPECT_EQ(now.button.cx, ScaleToDpi(was.button.cx, dpi)) << c->Name();
                EXPECT_EQ(now.button.cy, ScaleToDpi(was.button.cy, dpi)) << c->Name();
                EXPECT_EQ(now.picture.cx, ScaleToDpi(was.picture.cx, dpi)) << c->Name();
                EXPECT_EQ(now.itemHeight, ScaleToDpi(was.itemHeight, dpi)) << c->Name();
            }
        }
    }
}

// ---- captions

// The size of a text in a control's font at its DPI, on one line or broken into lines of a width.
SIZE TextSize(const win::Control& c, const std::string& text, UINT flags, int width = 0) {
    win::WindowDc screen(nullptr);
    win::SelectGuard font(screen.Get(), c.DrawFont());
    const std::wstring wide = win::Widen(text);
    RECT r{0, 0, width, 0};
    DrawTextW(screen.Get(), wide.c_str(), static_cast<int>(wide.size()), &r, flags | DT_CALCRECT);
    return {r.right, r.bottom};
}

struct Fit {
    std::string text;
    int needs = 0;
    int has = 0;
};

// What a control's caption needs against the room the control gives it, in pixels: across, or
// down for text that breaks into lines. Nothing for a control without a caption.
std::optional<Fit> CaptionFit(const win::Control& c) {
    const std::string text = c.Text();
    const RECT r = c.PixelBounds();
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    if (text.empty()) return std::nullopt;
    if (const auto* label = dynamic_cast<const win::Label*>(&c)) {
        if (label->AutoSize()) return std::nullopt;
        if (label->WordWrap()) {
            return Fit{text, TextSize(c, text, DT_WORDBREAK | DT_NOPREFIX, width).cy, height};
        }
        return Fit{text, TextSize(c, text, DT_SINGLELINE | DT_NOPREFIX).cx, width};
    }
    if (dynamic_cast<const win::CheckBox*>(&c) || dynamic_cast<const win::RadioButton*>(&c)) {
        // The box or circle and its gap come first.
        const int room = width - win::SystemMetricAt(SM_CXMENUCHECK, c.Dpi()) - c.Scaled(4);
        if (GetWindowLongPtrW(c.Handle(), GWL_STYLE) & BS_MULTILINE) {
            return Fit{text, TextSize(c, text, DT_WORDBREAK, room).cy, height};
        }
        return Fit{text, TextSize(c, text, DT_SINGLELINE).cx, room};
    }
    if (const auto* button = dynamic_cast<const win::Button*>(&c)) {
        const int glyph = c.Scaled(button->Glyph().width);
        return Fit{text, TextSize(c, text, DT_SINGLELINE).cx, width - glyph - c.Scaled(12)};
    }
    if (const auto* speed = dynamic_cast<const win::SpeedButton*>(&c)) {
        if (!speed->ShowsCaption()) return std::nullopt;
        const int glyph = speed->Glyph().Empty() ? 0 : c.Scaled(speed->Glyph().width + 4);
        return Fit{text, TextSize(c, text, DT_SINGLELINE | DT_NOPREFIX).cx,
                   width - glyph - c.Scaled(4)};
    }
    if (const auto* group = dynamic_cast<const win::GroupBox*>(&c)) {
        const SIZE size = TextSize(c, text, DT_SINGLELINE | DT_NOPREFIX);
        return Fit{text, group->CaptionRect(size.cx, size.cy).right, width - c.Scaled(2)};
    }
    if (dynamic_cast<const win::Panel*>(&c)) {
        return Fit{text, TextSize(c, text, DT_SINGLELINE | DT_NOPREFIX).cx, width - c.Scaled(4)};
    }
    return std::nullopt;
}

// Shown, or on a page of a page control that is not: the dialog shows every page in turn.
bool OnView(const win::Control& c) {
    for (const win::Control* at = &c; at; at = dynamic_cast<const win::Control*>(at->Parent())) {
        if (!at->Visible() && !dynamic_cast<const win::TabSheet*>(at)) return false;
    }
    return true;
}

// Every tab shows its whole caption (the control pads it by itself), and the tabs stay inside
// their control.
void CheckTabs(const win::PageControl& pages, std::vector<std::string>& clipped) {
    RECT client{};
    GetClientRect(pages.Handle(), &client);
    for (int i = 0; i < pages.PageCount(); ++i) {
        RECT tab{};
        SendMessageW(pages.Handle(), TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&tab));
        const std::string text = pages.Page(i)->Text();
        const int needs = TextSize(pages, text, DT_SINGLELINE).cx + 2;
        if (needs > tab.right - tab.left || tab.right > client.right) {
            clipped.push_back("tab [" + text + "] needs " + std::to_string(needs) + ", has " +
                              std::to_string(tab.right - tab.left));
        }
    }
}

TEST_F(DpiLayout, EveryCaptionFitsInEveryLanguageAt100And150Percent) {
    for (const int language : {0, 1, 2}) {
        Windows windows(language);
        for (const int dpi : {96, 144}) {
            std::vector<std::string> clipped;
            for (win::Form* form : windows.All()) {
                if (dpi != form->Dpi()) ChangeDpi(*form, dpi);
                for (const win::Control* c : form->Controls()) {
                    if (!OnView(*c)) continue;
                    if (const auto* pages = dynamic_cast<const win::PageControl*>(c)) {
                        CheckTabs(*pages, clipped);
                    }
                    const std::optional<Fit> fit = CaptionFit(*c);
                    if (fit && fit->needs > fit->has) {
                        clipped.push_back(form->Name() + "." + c->Name() + " [" + fit->text +
                                          "] needs " + std::to_string(fit->needs) + ", has " +
                                          std::to_string(fit->has));
                    }
                }
            }
            std::string all;
            for (const std::string& line : clipped) all += "\n  " + line;
            EXPECT_TRUE(clipped.empty())
                << "language " << language << " at " << dpi << " DPI:" << all;
        }
    }
}

}  // namespace
