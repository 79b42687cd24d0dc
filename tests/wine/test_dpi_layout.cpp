// The windows at other DPIs, made in-process and told of a new DPI as Windows tells them when they
// move to another monitor (WM_DPICHANGED): each lays itself out again from its 96-DPI figures;
// and every caption fits the room its control gives it, in the three languages at 100 % and
// 150 %.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "components/ztFormCalculator.h"
#include "ui/About_win.h"
#include "ui/Options_win.h"
#include "ui/OwnCurrency_win.h"
#include "ui/Print_win.h"
#include "ui/Splash_win.h"
#include "win/Text.h"
#include "wine/keys.h"

namespace {

using testkeys::Pump;

// What Windows sends a window that has moved to a monitor of another DPI: the DPI, and a
// rectangle at the same place scaled from the present size.
void ChangeDpi(win::Form& form, int dpi) {
    const RECT r = form.Bounds();
    RECT suggested{r.left, r.top, r.left + MulDiv(r.right - r.left, dpi, form.Dpi()),
                   r.top + MulDiv(r.bottom - r.top, dpi, form.Dpi())};
    SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
}

// Every window of the program, made in one interface language and shown, the options dialog
// with all its pages built.
struct Windows {
    MemoryRegistry registry;
    TForm_Main main;
    TForm_PrintList print{main};
    TForm_Opties options{main, &print};
    TFormEigenMunt own{main.Rec, main.Pictures};
    TAboutBox about;
    TztFormCalculator calculator;
    TForm_Splash splash;

    explicit Windows(int language)
        : main(MainWindowEnvironment{
              .registry = &registry, .separators = {",", "."}, .localeLanguage = language}),
          about(language),
          calculator(nullptr, static_cast<TztLanguage>(language), {",", "."}, "€") {
        main.CreateMain();
        options.CreateOpties();
        print.CreatePrintList();
        main.ApplyLanguage = [this] { options.ApplyLanguage(); };
        own.CreateEigenMunt();
        about.CreateAbout(nullptr);
        calculator.CreateCalculator(nullptr);
        splash.CreateSplash();
        for (win::Form* form : All()) form->Show();
        for (int page = 0; page < options.PageControl1.PageCount(); ++page) {
            options.PageControl1.SetActivePage(options.PageControl1.Page(page));
        }
        Pump();
    }
    ~Windows() { main.ApplyLanguage = nullptr; }
    std::vector<win::Form*> All() {
        return {&main, &print, &options, &own, &about, &calculator, &splash};
    }
};

class DpiLayout : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { win::Application::Initialize("Valomat"); }
    void TearDown() override { Pump(); }
};

// What a control measures in pixels: its edges (a spin edit's with its buddy), its font's height,
// a tool bar's button and picture sizes, a list's item height.
std::vector<int> Measure(const win::Control& c) {
    RECT r = c.PixelBounds();
    if (const auto* spin = dynamic_cast<const win::SpinEdit*>(&c); spin && spin->UpDown()) {
        RECT buddy{};
        GetWindowRect(spin->UpDown(), &buddy);
        MapWindowPoints(HWND_DESKTOP, GetParent(spin->UpDown()), reinterpret_cast<POINT*>(&buddy),
                        2);
        r.right = buddy.right;
    }
    LOGFONTW font{};
    if (c.Handle()) {
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(c.Handle(), WM_GETFONT, 0, 0)), sizeof font,
                   &font);
    }
    LRESULT button = 0;
    int pictureWidth = 0, pictureHeight = 0;
    if (dynamic_cast<const win::ToolBar*>(&c)) {
        button = SendMessageW(c.Handle(), TB_GETBUTTONSIZE, 0, 0);
        ImageList_GetIconSize(
            reinterpret_cast<HIMAGELIST>(SendMessageW(c.Handle(), TB_GETIMAGELIST, 0, 0)),
            &pictureWidth, &pictureHeight);
    }
    const auto* list = dynamic_cast<const win::ListBox*>(&c);
    return {r.left,
            r.top,
            r.right,
            r.bottom,
            static_cast<int>(font.lfHeight),
            LOWORD(button),
            HIWORD(button),
            pictureWidth,
            pictureHeight,
            list ? list->PixelItemHeight() : 0};
}

// Controls that stand where their text or their container puts them follow the font, not their
// figures: auto-sized labels, pages, the items of a radio group.
bool PlacedByText(const win::Control& c) {
    const auto* label = dynamic_cast<const win::Label*>(&c);
    return (label && label->AutoSize()) || dynamic_cast<const win::TabSheet*>(&c) ||
           dynamic_cast<const win::RadioGroup*>(c.Parent());
}

TEST_F(DpiLayout, EveryWindowLaysItselfOutAgainAtTheNewDpi) {
    Windows windows(0);
    for (win::Form* form : windows.All()) {
        std::vector<std::vector<int>> at96;
        for (const win::Control* c : form->Controls()) at96.push_back(Measure(*c));
        RECT client96{};
        GetClientRect(form->Handle(), &client96);
        // Up, further up, and back: what it measured at 96 DPI, scaled (a pixel off for rounding,
        // two where a system control keeps a fixed overlap, as a spin edit's buddy).
        for (const int dpi : {144, 192, 96}) {
            SCOPED_TRACE(form->Name() + " at " + std::to_string(dpi));
            // The system cuts a window larger than the screen to it.
            if (MulDiv(form->Height(), dpi, form->Dpi()) > GetSystemMetrics(SM_CYMAXTRACK) ||
                MulDiv(form->Width(), dpi, form->Dpi()) > GetSystemMetrics(SM_CXMAXTRACK)) {
                continue;
            }
            ChangeDpi(*form, dpi);
            RECT client{};
            GetClientRect(form->Handle(), &client);
            EXPECT_EQ(client.right, ScaleToDpi(client96.right, dpi));
            EXPECT_EQ(client.bottom, ScaleToDpi(client96.bottom, dpi));
            for (std::size_t i = 0; i < at96.size(); ++i) {
                const win::Control& c = *form->Controls()[i];
                const std::vector<int> now = Measure(c);
                for (std::size_t k = PlacedByText(c) ? 4 : 0; k < now.size(); ++k) {
                    EXPECT_NEAR(now[k], ScaleToDpi(at96[i][k], dpi), 2) << c.Name() << " #" << k;
                }
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

// What each caption of a control needs against the room the control gives it, in pixels: across,
// or down for text that breaks into lines.
std::vector<Fit> CaptionFits(const win::Control& c) {
    const std::string text = c.Text();
    const RECT r = c.PixelBounds();
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    constexpr UINT kLine = DT_SINGLELINE;
    constexpr UINT kPlain = DT_SINGLELINE | DT_NOPREFIX;
    if (const auto* pages = dynamic_cast<const win::PageControl*>(&c)) {
        // Tabs are as wide as their texts, padded, on rows inside the control.
        std::vector<Fit> tabs;
        for (int i = 0; i < pages->PageCount(); ++i) {
            RECT tab{};
            SendMessageW(c.Handle(), TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&tab));
            const std::string caption = pages->Page(i)->Text();
            tabs.push_back({caption, TextSize(c, caption, kLine).cx + 2,
                            std::min<int>(tab.right, width) - tab.left});
        }
        return tabs;
    }
    if (text.empty()) return {};
    if (const auto* label = dynamic_cast<const win::Label*>(&c)) {
        if (label->AutoSize()) return {};
        if (label->WordWrap()) return {{text, TextSize(c, text, DT_WORDBREAK, width).cy, height}};
        return {{text, TextSize(c, text, kPlain).cx, width}};
    }
    if (const auto* box = dynamic_cast<const win::CheckBox*>(&c); box && box->BoxOnly()) return {};
    if (dynamic_cast<const win::CheckBox*>(&c) || dynamic_cast<const win::RadioButton*>(&c)) {
        // The box or circle and its gap come first.
        const int room = width - win::SystemMetricAt(SM_CXMENUCHECK, c.Dpi()) - c.Scaled(4);
        if (GetWindowLongPtrW(c.Handle(), GWL_STYLE) & BS_MULTILINE) {
            return {{text, TextSize(c, text, DT_WORDBREAK, room).cy, height}};
        }
        return {{text, TextSize(c, text, kLine).cx, room}};
    }
    if (const auto* button = dynamic_cast<const win::Button*>(&c)) {
        const int glyph = c.Scaled(button->Glyph().width);
        return {{text, TextSize(c, text, kLine).cx, width - glyph - c.Scaled(12)}};
    }
    if (const auto* speed = dynamic_cast<const win::SpeedButton*>(&c)) {
        if (!speed->ShowsCaption()) return {};
        const int glyph = speed->Glyph().Empty() ? 0 : c.Scaled(speed->Glyph().width + 4);
        return {{text, TextSize(c, text, kPlain).cx, width - glyph - c.Scaled(4)}};
    }
    if (const auto* group = dynamic_cast<const win::GroupBox*>(&c)) {
        const SIZE size = TextSize(c, text, kPlain);
        return {{text, group->CaptionRect(size.cx, size.cy).right, width - c.Scaled(2)}};
    }
    if (dynamic_cast<const win::Panel*>(&c)) {
        return {{text, TextSize(c, text, kPlain).cx, width - c.Scaled(4)}};
    }
    return {};
}

// Shown, or on a page that is not: the dialog shows every page in turn.
bool OnView(const win::Control& c) {
    for (const win::Control* at = &c; at; at = dynamic_cast<const win::Control*>(at->Parent())) {
        if (!at->Visible() && !dynamic_cast<const win::TabSheet*>(at)) return false;
    }
    return true;
}

TEST_F(DpiLayout, EveryCaptionFitsInEveryLanguageAt100And150Percent) {
    for (const int language : {0, 1, 2}) {
        Windows windows(language);
        for (const int dpi : {96, 144}) {
            std::string clipped;
            for (win::Form* form : windows.All()) {
                if (dpi != form->Dpi()) ChangeDpi(*form, dpi);
                for (const win::Control* c : form->Controls()) {
                    if (!OnView(*c)) continue;
                    for (const Fit& fit : CaptionFits(*c)) {
                        if (fit.needs <= fit.has) continue;
                        clipped += "\n  " + form->Name() + "." + c->Name() + " [" + fit.text +
                                   "] needs " + std::to_string(fit.needs) + ", has " +
                                   std::to_string(fit.has);
                    }
                }
            }
            EXPECT_EQ(clipped, "") << "language " << language << " at " << dpi << " DPI";
        }
    }
}

}  // namespace
