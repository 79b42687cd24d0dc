#include "win/PageControl.h"

#include <commctrl.h>

#include <algorithm>
#include <cwctype>
#include <vector>

#include "util/zt_Misc_win.h"
#include "win/Application.h"
#include "win/Form.h"
#include "win/Text.h"

namespace win {

// ---- PageControl

PageControl::~PageControl() {
    if (keyFilter_) Application::RemoveKeyFilter(keyFilter_);
    for (TabSheet* page : pages_) page->owner_ = nullptr;
}

bool PageControl::Create(const PageControlParams& params) {
    DWORD style = WS_TABSTOP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (params.multiLine) style |= TCS_MULTILINE;
    if (params.hotTrack) style |= TCS_HOTTRACK;
    // WS_EX_CONTROLPARENT: Tab moves on into the controls of the page shown.
    if (!CreateWindowFor(CommonParams(params), WC_TABCONTROLW, style, WS_EX_CONTROLPARENT)) {
        return false;
    }
    keyFilter_ = Application::AddKeyFilter([this](const MSG& msg) { return FilterKey(msg); });
    return true;
}

TabSheet* PageControl::Page(int index) const {
    if (index < 0 || index >= PageCount()) return nullptr;
    return pages_[static_cast<std::size_t>(index)];
}

RECT PageControl::DisplayRect() const {
    RECT r{};
    if (!Exists()) return r;
    ::GetClientRect(Handle(), &r);
    ::SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    return r;
}

void PageControl::AddPage(TabSheet& page) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    std::wstring text = Widen(page.Text());
    item.pszText = text.data();
    const int index = PageCount();
    ::SendMessageW(Handle(), TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
    pages_.push_back(&page);
    if (active_ < 0) ::SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(-1), 0);
    LayoutPages();
}

void PageControl::RemovePage(TabSheet& page) {
    const auto it = std::find(pages_.begin(), pages_.end(), &page);
    if (it == pages_.end()) return;
    const int index = static_cast<int>(it - pages_.begin());
    pages_.erase(it);
    if (Exists()) ::SendMessageW(Handle(), TCM_DELETEITEM, index, 0);
    if (active_ == index) {
        active_ = -1;
    } else if (active_ > index) {
        --active_;
    }
}

void PageControl::CaptionChanged(TabSheet& page) {
    const int index = page.PageIndex();
    if (index < 0) return;
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    std::wstring text = Widen(page.Text());
    item.pszText = text.data();
    ::SendMessageW(Handle(), TCM_SETITEMW, index, reinterpret_cast<LPARAM>(&item));
    // Longer captions may need another row of tabs, which moves the display area.
    LayoutPages();
}

void PageControl::LayoutPages() {
    const RECT r = DisplayRect();
    for (TabSheet* page : pages_) {
        const RECT b = page->PixelBounds();
        if (!::EqualRect(&b, &r)) page->SetPixelBounds(r);
    }
}

void PageControl::DpiChanged() {
    LayoutPages();
}

void PageControl::ShowPage(int index) {
    TabSheet* page = Page(index);
    if (!page) return;
    ::SendMessageW(Handle(), TCM_SETCURSEL, index, 0);
    if (index == active_ && page->Visible()) return;
    TabSheet* old = ActivePage();
    // A focus inside the page that goes moves to the tabs first, as property sheets do: the
    // control left finishes its input (its exit handler runs) before anything else happens.
    HWND focus = ::GetFocus();
    if (old && focus && ::IsChild(old->Handle(), focus)) ::SetFocus(Handle());
    // Built, shown and the old page hidden in one go: painted once, never half.
    const RedrawSuspension suspended(Handle());
    if (!page->wasShown_) {
        page->wasShown_ = true;
        if (page->OnFirstShow) page->OnFirstShow();
    }
    active_ = index;
    page->SetVisible(true);
    ::SetWindowPos(page->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (old && old != page) old->SetVisible(false);
}

void PageControl::SetActivePage(TabSheet* page) {
    if (page && page->owner_ == this) ShowPage(page->PageIndex());
}

void PageControl::SelectPage(int index) {
    if (!Page(index) || !Enabled()) return;
    if (index == active_) return;
    ShowPage(index);
    if (OnChange) OnChange();
}

void PageControl::SelectNextPage(bool forward) {
    const int count = PageCount();
    if (count == 0) return;
    const int from = active_ < 0 ? 0 : active_;
    SelectPage((from + (forward ? 1 : count - 1)) % count);
}

namespace {

bool Usable(HWND w) {
    const auto style = ::GetWindowLongPtrW(w, GWL_STYLE);
    return (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

// The tab stops of a window in dialog order: children in Z order, a container's (a window with
// WS_EX_CONTROLPARENT) in its place. The page control is a stop of its own as well as a
// container, which the dialog manager cannot express.
void CollectTabStops(HWND parent, HWND pageControl, std::vector<HWND>& stops) {
    for (HWND w = ::GetWindow(parent, GW_CHILD); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
        if (!Usable(w)) continue;
        const auto style = ::GetWindowLongPtrW(w, GWL_STYLE);
        const auto exStyle = ::GetWindowLongPtrW(w, GWL_EXSTYLE);
        if (w == pageControl || !(exStyle & WS_EX_CONTROLPARENT)) {
            if (style & WS_TABSTOP) stops.push_back(w);
        }
        if (exStyle & WS_EX_CONTROLPARENT) CollectTabStops(w, pageControl, stops);
    }
}

}  // namespace

bool PageControl::MoveFocus(HWND root, bool forward) {
    HWND focus = ::GetFocus();
    if (focus &&
        (::SendMessageW(focus, WM_GETDLGCODE, VK_TAB, 0) & (DLGC_WANTTAB | DLGC_WANTALLKEYS))) {
        return false;  // the control takes Tab itself
    }
    std::vector<HWND> stops;
    CollectTabStops(root, Handle(), stops);
    if (stops.empty()) return false;
    // The stop holding the focus (the focus may be inside a control's inner window).
    std::ptrdiff_t at = -1;
    for (HWND w = focus; w && w != root && at < 0; w = ::GetParent(w)) {
        const auto it = std::find(stops.begin(), stops.end(), w);
        if (it != stops.end()) at = it - stops.begin();
    }
    const auto count = static_cast<std::ptrdiff_t>(stops.size());
    const std::ptrdiff_t next =
        at < 0 ? (forward ? 0 : count - 1) : (at + (forward ? 1 : count - 1)) % count;
    HWND target = stops[static_cast<std::size_t>(next)];
    // As the dialog manager does: an edit reached by Tab has its text selected.
    if (::SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
        ::SendMessageW(target, EM_SETSEL, 0, -1);
    }
    ::SetFocus(target);
    return true;
}

bool PageControl::FilterKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSCHAR) return false;
    if (!Exists() || !IsShowing() || !Enabled() || PageCount() == 0) return false;
    // Only keys typed in this control's window.
    HWND root = ::GetAncestor(Handle(), GA_ROOT);
    if (!msg.hwnd || (msg.hwnd != root && !::IsChild(root, msg.hwnd))) return false;
    if (msg.message == WM_SYSCHAR) {
        const auto key = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(msg.wParam)));
        for (int i = 0; i < PageCount(); ++i) {
            const std::wstring caption = Widen(Page(i)->Text());
            const std::size_t amp = caption.find(L'&');
            if (amp + 1 < caption.size() && caption[amp + 1] != L'&' &&
                static_cast<wchar_t>(std::towupper(caption[amp + 1])) == key) {
                SelectPage(i);
                return true;
            }
        }
        return false;
    }
    if (::GetKeyState(VK_MENU) < 0) return false;
    const bool shift = ::GetKeyState(VK_SHIFT) < 0;
    if (::GetKeyState(VK_CONTROL) >= 0) {
        return msg.wParam == VK_TAB && MoveFocus(root, !shift);
    }
    switch (msg.wParam) {
        case VK_TAB:
            SelectNextPage(!shift);
            return true;
        case VK_NEXT:
            SelectNextPage(true);
            return true;
        case VK_PRIOR:
            SelectNextPage(false);
            return true;
        default:
            return false;
    }
}

std::optional<LRESULT> PageControl::ReflectNotify(NMHDR& header) {
    switch (header.code) {
        case TCN_SELCHANGING:
            return FALSE;  // allowed
        case TCN_SELCHANGE: {
            const auto index = static_cast<int>(::SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
            if (index != active_) {
                ShowPage(index);
                if (OnChange) OnChange();
            }
            return 0;
        }
        default:
            return std::nullopt;
    }
}

std::optional<LRESULT> PageControl::WindowMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SIZE) {
        const LRESULT result = DefaultProc(msg, wp, lp);
        LayoutPages();
        return result;
    }
    // The pages' own notifications are handled by the pages; none reach here but these.
    if (auto reflected = ReflectToControl(Handle(), msg, wp, lp)) return *reflected;
    return std::nullopt;
}

// ---- TabSheet

TabSheet::~TabSheet() {
    if (owner_) owner_->RemovePage(*this);
}

bool TabSheet::Create(const TabSheetParams& params) {
    auto* owner = dynamic_cast<PageControl*>(params.parent);
    if (!owner || !owner->Exists()) return false;
    ControlParams common = CommonParams(params);
    common.visible = false;
    if (!CreateContainer(common, 0, 0, params.caption)) return false;
    owner_ = owner;
    owner->AddPage(*this);
    return true;
}

void TabSheet::SetText(std::string_view text) {
    if (Text() == text) return;
    ContainerControl::SetText(text);
    if (owner_) owner_->CaptionChanged(*this);
}

int TabSheet::PageIndex() const {
    if (!owner_) return -1;
    const auto& pages = owner_->pages_;
    const auto it = std::find(pages.begin(), pages.end(), this);
    return it == pages.end() ? -1 : static_cast<int>(it - pages.begin());
}

}  // namespace win
