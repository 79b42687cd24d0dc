// The page control: pages built when first shown, the page shown by clicks and by the keys of
// any Windows dialog, and Tab moving through the tabs, the page shown and the rest of the form.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "keys.h"
#include "win/Button.h"
#include "win/CheckBox.h"
#include "win/Edit.h"
#include "win/Form.h"
#include "win/PageControl.h"
#include "win/SpeedButton.h"
#include "wine/graphic_mouse.h"

namespace {

using testkeys::Held;
using testkeys::Press;
using testkeys::Pump;

class Pages : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(win::Application::Initialize("Valomat test"));
        ASSERT_TRUE(form.Create({.caption = "pages", .clientWidth = 300, .clientHeight = 240}));
        ASSERT_TRUE(pages.Create({.parent = &form,
                                  .name = "PageControl1",
                                  .x = 4,
                                  .y = 4,
                                  .width = 292,
                                  .height = 190}));
        const char* captions[] = {"Algemeen", "&Resultaten", "Vaste munten"};
        for (int i = 0; i < 3; ++i) {
            ASSERT_TRUE(sheet[i].Create({.parent = &pages,
                                         .name = "TabSheet" + std::to_string(i),
                                         .caption = captions[i]}));
            sheet[i].OnFirstShow = [this, i] { Build(i); };
        }
        pages.OnChange = [this] { changes.push_back(pages.ActivePageIndex()); };
        ASSERT_TRUE(ok.Create({.parent = &form,
                               .name = "BitBtn_OK",
                               .x = 216,
                               .y = 204,
                               .width = 75,
                               .height = 25,
                               .caption = "&OK",
                               .isDefault = true}));
        form.Show();
        SetForegroundWindow(form.Handle());
        Pump();
    }

    // A page's controls: two edits, made only when the page is first shown.
    void Build(int i) {
        ++built[i];
        for (int k = 0; k < 2; ++k) {
            auto edit = std::make_unique<win::Edit>();
            ASSERT_TRUE(edit->Create({.parent = &sheet[i],
                                      .name = "Edit" + std::to_string(i) + std::to_string(k),
                                      .x = 8,
                                      .y = 8 + 30 * k,
                                      .width = 100,
                                      .height = 21,
                                      .text = "x"}));
            edits[i][k] = std::move(edit);
        }
    }
    HWND Edit(int page, int k) { return edits[page][k] ? edits[page][k]->Handle() : nullptr; }
    void ClickTab(int index) {
        RECT r{};
        SendMessageW(pages.Handle(), TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
        const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        PostMessageW(pages.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(pages.Handle(), WM_LBUTTONUP, 0, at);
        Pump();
    }

    win::Form form;
    win::PageControl pages;
    win::TabSheet sheet[3];
    std::unique_ptr<win::Edit> edits[3][2];
    win::Button ok;
    int built[3]{};
    std::vector<int> changes;
};

TEST_F(Pages, APageIsBuiltWhenFirstShownAndCodeRunsNoChange) {
    EXPECT_EQ(pages.ActivePageIndex(), -1);
    EXPECT_EQ(built[0] + built[1] + built[2], 0) << "nothing is built before it is shown";
    pages.SetActivePage(&sheet[0]);
    pages.SetActivePage(&sheet[2]);
    pages.SetActivePage(&sheet[0]);
    EXPECT_EQ(built[0], 1);
    EXPECT_EQ(built[1], 0);
    EXPECT_EQ(built[2], 1);
    EXPECT_TRUE(changes.empty());
    EXPECT_TRUE(sheet[0].IsShowing());
    EXPECT_FALSE(sheet[2].Visible());
    // The page fills the control's display area.
    const RECT area = pages.DisplayRect();
    const RECT b = sheet[0].Bounds();
    EXPECT_EQ(b.left, area.left);
    EXPECT_EQ(b.top, area.top);
    EXPECT_EQ(b.right, area.right);
    EXPECT_EQ(b.bottom, area.bottom);
}

// What a window tells an outside tool about its graphic controls (window_info.exe asks so).
std::vector<std::wstring> DescribedGraphics(const win::Form& form) {
    static std::vector<std::wstring> lines;
    lines.clear();
    WNDCLASSW wc{};
    wc.lpfnWndProc = [](HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
        if (msg != WM_COPYDATA) return DefWindowProcW(hwnd, msg, wp, lp);
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lp);
        const auto* text = static_cast<const wchar_t*>(data->lpData);
        lines.emplace_back(text, data->cbData / sizeof(wchar_t));
        return TRUE;
    };
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"DescribeReceiver";
    RegisterClassW(&wc);
    HWND receiver = CreateWindowW(wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  wc.hInstance, nullptr);
    const LRESULT sent = SendMessageW(form.Handle(), win::Form::DescribeGraphicsMessage(),
                                      reinterpret_cast<WPARAM>(receiver), 0);
    DestroyWindow(receiver);
    EXPECT_EQ(sent, static_cast<LRESULT>(lines.size()));
    return lines;
}

TEST_F(Pages, GraphicControlsOfAHiddenPageNeitherShowNorTakeClicks) {
    pages.SetActivePage(&sheet[1]);
    pages.SetActivePage(&sheet[0]);
    win::SpeedButton shown, hidden;
    ASSERT_TRUE(shown.Create(
        {.parent = &sheet[0], .x = 8, .y = 80, .width = 60, .height = 22, .caption = "Bron"}));
    ASSERT_TRUE(hidden.Create(
        {.parent = &sheet[1], .x = 8, .y = 80, .width = 60, .height = 22, .caption = "Doel"}));
    int clicks = 0;
    hidden.OnClick = [&] { ++clicks; };
    EXPECT_TRUE(shown.IsShowing());
    EXPECT_FALSE(hidden.IsShowing());
    // Windows gives the mouse to the window under it: never a hidden page's.
    RECT r = shown.Bounds();
    POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(sheet[0].Handle(), &centre);
    EXPECT_EQ(WindowFromPoint(centre), sheet[0].Handle());
    const std::vector<std::wstring> lines = DescribedGraphics(form);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], L"Bron|" + std::to_wstring(centre.x) + L"|" + std::to_wstring(centre.y));

    pages.SetActivePage(&sheet[1]);
    EXPECT_TRUE(hidden.IsShowing());
    graphicmouse::SendClick(hidden);
    EXPECT_EQ(clicks, 1);
}

TEST_F(Pages, ClickingATabShowsItsPageAndRunsOnChangeOnce) {
    pages.SetActivePage(&sheet[0]);
    ClickTab(1);
    EXPECT_EQ(pages.ActivePageIndex(), 1);
    EXPECT_EQ(built[1], 1);
    EXPECT_EQ(changes, std::vector<int>{1});
    EXPECT_TRUE(sheet[1].IsShowing());
    EXPECT_FALSE(sheet[0].Visible());
    ClickTab(1);
    EXPECT_EQ(changes, std::vector<int>{1}) << "the page shown already: no change";
}

TEST_F(Pages, ControlTabAndControlPageKeysSwitchPagesLikeAClick) {
    pages.SetActivePage(&sheet[0]);
    SetFocus(Edit(0, 1));
    {
        Held ctrl({VK_CONTROL});
        Press(VK_TAB);
        EXPECT_EQ(pages.ActivePageIndex(), 1);
        EXPECT_EQ(GetFocus(), pages.Handle()) << "the focus of a hidden page goes to the tabs";
        Press(VK_NEXT);
        Press(VK_NEXT);  // wraps round
        EXPECT_EQ(pages.ActivePageIndex(), 0);
        Press(VK_PRIOR);
        EXPECT_EQ(pages.ActivePageIndex(), 2);
        Held shift({VK_SHIFT});
        Press(VK_TAB);
        EXPECT_EQ(pages.ActivePageIndex(), 1);
    }
    EXPECT_EQ(changes, (std::vector<int>{1, 2, 0, 2, 1}));
    EXPECT_EQ(built[2], 1);
    // The arrow keys on the focused tabs do the same.
    SetFocus(pages.Handle());
    Press(VK_RIGHT);
    EXPECT_EQ(pages.ActivePageIndex(), 2);
    EXPECT_EQ(changes.back(), 2);
}

TEST_F(Pages, AltWithATabsAccessKeyShowsItsPage) {
    pages.SetActivePage(&sheet[0]);
    SetFocus(Edit(0, 0));
    testkeys::PressAlt('R');
    EXPECT_EQ(pages.ActivePageIndex(), 1);
    EXPECT_EQ(changes, std::vector<int>{1});
}

TEST_F(Pages, TabGoesThroughTheTabsThePageShownAndTheRestOfTheForm) {
    pages.SetActivePage(&sheet[1]);
    pages.SetActivePage(&sheet[0]);  // page 1 is built but hidden: its edits are no stops
    SetFocus(pages.Handle());
    const HWND forward[] = {Edit(0, 0), Edit(0, 1), ok.Handle(), pages.Handle()};
    for (HWND expected : forward) {
        Press(VK_TAB);
        EXPECT_EQ(GetFocus(), expected);
    }
    Held shift({VK_SHIFT});
    Press(VK_TAB);
    EXPECT_EQ(GetFocus(), ok.Handle());
    Press(VK_TAB);
    EXPECT_EQ(GetFocus(), Edit(0, 1));
    EXPECT_TRUE(changes.empty());
}

TEST_F(Pages, EnterInAPageClicksTheFormsDefaultButton) {
    int clicks = 0;
    ok.OnClick = [&] { ++clicks; };
    pages.SetActivePage(&sheet[0]);
    SetFocus(Edit(0, 0));
    Press(VK_RETURN);
    EXPECT_EQ(clicks, 1);
}

TEST_F(Pages, LongerCaptionsAddATabRowAndThePagesMoveDown) {
    pages.SetActivePage(&sheet[0]);
    const int before = pages.DisplayRect().top;
    sheet[0].SetText("Een heel lange titel van een pagina");
    sheet[1].SetText("Nog een lange titel");
    sheet[2].SetText("En nog een");
    EXPECT_GT(pages.DisplayRect().top, before);
    EXPECT_EQ(sheet[0].Top(), pages.DisplayRect().top);
    EXPECT_EQ(sheet[2].Top(), pages.DisplayRect().top);
    wchar_t text[64]{};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(pages.Handle(), TCM_GETITEMW, 2, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, L"En nog een");
}

}  // namespace
