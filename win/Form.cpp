#include "win/Form.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "win/Application.h"
#include "util/zt_Misc_win.h"
#include "win/Button.h"
#include "win/Dpi.h"
#include "win/Message.h"
#include "win/Text.h"
#include "win/Timer.h"
#include "win/WindowClasses.h"

namespace win {

namespace detail {

LRESULT CALLBACK FormWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lp);
        auto* form = static_cast<Form*>(create->lpCreateParams);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
        if (form) form->hwnd_ = hwnd;
    }
    Form* form = reinterpret_cast<Form*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!form || form->hwnd_ != hwnd) return ::DefWindowProcW(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        form->DetachGraphics();
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        form->hwnd_ = nullptr;
        form->tooltip_ = nullptr;
        return ::DefWindowProcW(hwnd, msg, wp, lp);
    }
    return Guarded([&] { return form->HandleMessage(msg, wp, lp); });
}

}  // namespace detail

namespace {

struct Styles {
    DWORD style;
    DWORD exStyle;
};

Styles StylesFor(BorderKind border) {
    switch (border) {
        case BorderKind::Fixed:
            return {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0};
        case BorderKind::SizableToolWindow:
            return {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, WS_EX_TOOLWINDOW};
        case BorderKind::ToolWindow:
            return {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW};
        case BorderKind::None:
            return {WS_POPUP, 0};
    }
    return {WS_OVERLAPPEDWINDOW, 0};
}

// The work area of the monitor that shows most of the window, or of the primary monitor.
RECT WorkArea(HWND window) {
    MONITORINFO monitor{sizeof monitor, {}, {}, 0};
    if (::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor)) {
        return monitor.rcWork;
    }
    RECT area{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

}  // namespace

Form::~Form() {
    for (Timer* timer : timers_) timer->OwnerGone();
    // Graphic controls that outlive the form forget it.
    for (Control* c : controls_) c->form_ = nullptr;
    controls_.clear();
    timers_.clear();
    // The derived form is gone already: its handlers must not run during the destruction.
    OnCreate = nullptr;
    OnShow = nullptr;
    OnClose = nullptr;
    OnDestroy = nullptr;
    OnResize = nullptr;
    OnEndSession = nullptr;
    OnKeyPress = nullptr;
    if (hwnd_) ::DestroyWindow(hwnd_);
    if (Application::MainForm() == this) Application::Terminate();
}

void Form::Destroy() {
    if (hwnd_) ::DestroyWindow(hwnd_);
}

Form* Form::FromHandle(HWND window) {
    if (!window || !detail::FormAtom()) return nullptr;
    if (static_cast<ATOM>(::GetClassLongPtrW(window, GCW_ATOM)) != detail::FormAtom()) {
        return nullptr;
    }
    auto* form = reinterpret_cast<Form*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    return form && form->hwnd_ == window ? form : nullptr;
}

bool Form::Create(const FormParams& params) {
    if (hwnd_ || !detail::EnsureClasses()) return false;
    name_ = params.name;
    font_ = params.font;
    colour_ = params.colour;
    KeyPreview = params.keyPreview;

    const Styles s = StylesFor(params.border);
    const DWORD exStyle = s.exStyle | WS_EX_CONTROLPARENT | (params.topmost ? WS_EX_TOPMOST : 0) |
                          (params.taskbarButton ? 0 : WS_EX_TOOLWINDOW);
    const DWORD style = s.style | WS_CLIPCHILDREN;
    centred_ = params.centred;
    owner_ = params.owner;
    designClient_ = {params.clientWidth, params.clientHeight};
    // The DPI of the monitor it opens on: its anchor's when it has one; the window says at once.
    HWND anchor = AnchorWindow();
    dpi_ = anchor ? WindowDpi(anchor) : SystemDpi();
    const SIZE size =
        OuterSizeAt(style, exStyle, Scaled(params.clientWidth), Scaled(params.clientHeight), dpi_);
    int x = params.left;
    int y = params.top;
    if (params.centred) {
        const RECT area = WorkArea(AnchorWindow());
        x = area.left + (area.right - area.left - size.cx) / 2;
        y = area.top + (area.bottom - area.top - size.cy) / 2;
    }
    HWND owner = params.owner ? params.owner->Handle() : nullptr;
    const std::wstring caption = Widen(params.caption);
    HWND hwnd = ::CreateWindowExW(exStyle, detail::kFormClass, caption.c_str(), style, x, y,
                                  size.cx, size.cy, owner, nullptr, Application::Instance(), this);
    if (!hwnd) return false;
    const int guessed = dpi_;
    dpi_ = WindowDpi(hwnd);
    // Some window managers adjust the frame; make the client area exactly what was asked.
    SetClientSize(params.clientWidth, params.clientHeight);
    if (params.centred && dpi_ != guessed) CentreOnScreen();
    CreateControls();
    Realign();
    if (OnCreate) OnCreate();
    return hwnd_ != nullptr;
}

// ---- showing and closing

bool Form::Visible() const {
    return hwnd_ && ::IsWindowVisible(hwnd_);
}

void Form::SetVisible(bool visible) {
    if (visible) {
        Show();
    } else {
        Hide();
    }
}

HWND Form::AnchorWindow() const {
    const Form* anchor = owner_ ? owner_ : Application::MainForm();
    return anchor && anchor != this && anchor->Exists() ? anchor->Handle() : nullptr;
}

void Form::Show() {
    if (!hwnd_) return;
    const bool wasHidden = !::IsWindowVisible(hwnd_);
    if (wasHidden && centred_) {
        // A centred window opens on the monitor of the window it belongs to: centred the first
        // time, and again when that window has moved to another monitor since.
        HWND anchor = AnchorWindow();
        if (anchor && (!shownBefore_ || ::MonitorFromWindow(anchor, MONITOR_DEFAULTTONEAREST) !=
                                            ::MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST))) {
            CentreOnScreen();
        }
        shownBefore_ = true;
    }
    if (wasHidden) {
        // Moved while hidden to a monitor of another DPI: laid out for it before it shows.
        if (const int dpi = WindowDpi(hwnd_); dpi != dpi_) {
            ApplyDpi(dpi, nullptr);
            if (centred_) CentreOnScreen();
        }
    }
    ::ShowWindow(hwnd_, ::IsIconic(hwnd_) ? SW_RESTORE : SW_SHOW);
    ::SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    if (wasHidden) FireShow();
}

void Form::FireShow() {
    if (OnShow) OnShow();
}

void Form::Hide() {
    if (hwnd_) ::ShowWindow(hwnd_, SW_HIDE);
}

void Form::Close() {
    if (!hwnd_) return;
    if (modal_) {
        // The modal loop asks OnClose when it sees the result.
        if (modalResult_ == mrNone) modalResult_ = mrCancel;
        return;
    }
    CloseAction action = CloseAction::Hide;
    if (OnClose) OnClose(action);
    if (action == CloseAction::None) return;
    if (Application::MainForm() == this) Application::Terminate();
    if (action == CloseAction::Free) {
        ::DestroyWindow(hwnd_);
    } else {
        Hide();
    }
}

namespace {

struct DisableList {
    HWND except;
    std::vector<HWND> windows;
};

BOOL CALLBACK DisableOther(HWND hwnd, LPARAM lp) {
    auto* list = reinterpret_cast<DisableList*>(lp);
    if (hwnd != list->except && ::IsWindowVisible(hwnd) && ::IsWindowEnabled(hwnd)) {
        list->windows.push_back(hwnd);
    }
    return TRUE;
}

}  // namespace

int Form::ShowModal() {
    if (!hwnd_ || modal_) return mrCancel;
    HWND self = hwnd_;
    HWND previous = ::GetActiveWindow();
    DisableList others{self, {}};
    ::EnumThreadWindows(::GetCurrentThreadId(), DisableOther, reinterpret_cast<LPARAM>(&others));
    for (HWND w : others.windows) ::EnableWindow(w, FALSE);

    modal_ = true;
    modalResult_ = mrNone;
    ::EnableWindow(self, TRUE);
    Show();
    int result = mrCancel;
    for (;;) {
        if (hwnd_ != self) break;  // destroyed while shown
        if (modalResult_ != mrNone) {
            CloseAction action = CloseAction::Hide;
            if (OnClose) OnClose(action);
            if (action == CloseAction::None) {
                modalResult_ = mrNone;
                continue;
            }
            result = modalResult_;
            break;
        }
        MSG msg{};
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));  // for the outer loop
            break;
        }
        if (got == -1) break;
        Application::Dispatch(msg);
    }
    // Enabling the others before hiding lets Windows give the activation back to them.
    for (HWND w : others.windows) {
        if (::IsWindow(w)) ::EnableWindow(w, TRUE);
    }
    modal_ = false;
    if (hwnd_ == self) Hide();
    if (previous && previous != self && ::IsWindow(previous)) ::SetActiveWindow(previous);
    modalResult_ = result;
    return result;
}

bool Form::StayOnTop() const {
    return hwnd_ && (::GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void Form::SetStayOnTop(bool on) {
    if (!hwnd_) return;
    // Wine puts a window that owns topmost popups (our hidden tool tips) right after them
    // instead of making it topmost: the popups are let go of while the window moves.
    std::vector<HWND> owned{hwnd_};  // the window first, then the popups it owns
    if (on) {
        ::EnumThreadWindows(
            ::GetCurrentThreadId(),
            [](HWND popup, LPARAM list) -> BOOL {
                auto* found = reinterpret_cast<std::vector<HWND>*>(list);
                if (::GetWindow(popup, GW_OWNER) == found->front()) found->push_back(popup);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&owned));
    }
    for (std::size_t i = 1; i < owned.size(); ++i) {
        ::SetWindowLongPtrW(owned[i], GWLP_HWNDPARENT, 0);
    }
    ::SetWindowPos(hwnd_, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (std::size_t i = 1; i < owned.size(); ++i) {
        ::SetWindowLongPtrW(owned[i], GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(hwnd_));
    }
}

// ---- geometry

void Form::SetClientSize(int width, int height) {
    if (!hwnd_) return;
    designClient_ = {width, height};
    const int pixelWidth = Scaled(width);
    const int pixelHeight = Scaled(height);
    auto clientSize = [this] {
        RECT r{};
        ::GetClientRect(hwnd_, &r);
        return SIZE{r.right, r.bottom};
    };
    // Asking costs a round trip to the window system (under Wine to its server): not when the
    // size is what it is already, as after creation most often.
    SIZE now = clientSize();
    if (now.cx == pixelWidth && now.cy == pixelHeight) return;
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(hwnd_, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(::GetWindowLongPtrW(hwnd_, GWL_EXSTYLE));
    SIZE size = OuterSizeAt(style, exStyle, pixelWidth, pixelHeight, dpi_);
    ::SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, size.cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Correct for a frame that differs from what AdjustWindowRectEx predicts.
    now = clientSize();
    const int dw = pixelWidth - now.cx;
    const int dh = pixelHeight - now.cy;
    if (dw != 0 || dh != 0) {
        ::SetWindowPos(hwnd_, nullptr, 0, 0, size.cx + dw, size.cy + dh,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Form::SetWindowSize(int width, int height) {
    if (hwnd_) {
        ::SetWindowPos(hwnd_, nullptr, 0, 0, Scaled(width), Scaled(height),
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Form::ApplyDpi(int dpi, const RECT* suggested) {
    if (!hwnd_ || dpi <= 0) return;
    rescaling_ = true;
    dpi_ = dpi;
    {
        const RedrawSuspension suspended(hwnd_);
        if (suggested) {
            ::SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top,
                           suggested->right - suggested->left, suggested->bottom - suggested->top,
                           SWP_NOZORDER | SWP_NOACTIVATE);
        }
        // Parents come before their children in the list: each is in its new place when its
        // children take theirs.
        for (Control* c : controls_) c->ApplyDpi();
        SetClientSize(designClient_.cx, designClient_.cy);
        Realign();
        for (Control* c : controls_) {
            if (auto* container = dynamic_cast<Container*>(c)) container->Realign();
        }
        for (Control* c : controls_) c->DpiChanged();
        for (Control* c : controls_) {
            if (c->Graphic() && c->Visible() && !c->Hint().empty()) UpdateHint(*c);
        }
    }
    rescaling_ = false;
    if (OnDpiChanged) OnDpiChanged();
    ::RedrawWindow(hwnd_, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

RECT Form::Bounds() const {
    RECT r{};
    if (hwnd_) ::GetWindowRect(hwnd_, &r);
    return r;
}

RECT Form::NormalBounds() const {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (!hwnd_ || !::GetWindowPlacement(hwnd_, &placement)) return Bounds();
    RECT r = placement.rcNormalPosition;
    // Workspace coordinates, except for tool windows: they start at the work area's corner.
    if (!(::GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & WS_EX_TOOLWINDOW)) {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        if (::GetMonitorInfoW(::MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &monitor)) {
            ::OffsetRect(&r, monitor.rcWork.left - monitor.rcMonitor.left,
                         monitor.rcWork.top - monitor.rcMonitor.top);
        }
    }
    return r;
}

int Form::Width() const {
    const RECT r = Bounds();
    return r.right - r.left;
}

int Form::Height() const {
    const RECT r = Bounds();
    return r.bottom - r.top;
}

void Form::SetPosition(int left, int top) {
    if (hwnd_) {
        ::SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Form::CentreOnScreen() {
    const RECT area = WorkArea(AnchorWindow() ? AnchorWindow() : hwnd_);
    SetPosition(area.left + (area.right - area.left - Width()) / 2,
                area.top + (area.bottom - area.top - Height()) / 2);
}

std::string Form::Caption() const {
    if (!hwnd_) return {};
    const int length = ::GetWindowTextLengthW(hwnd_);
    std::wstring buffer(static_cast<std::size_t>(std::max(length, 0)) + 1, L'\0');
    const int got = ::GetWindowTextW(hwnd_, buffer.data(), length + 1);
    buffer.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return Narrow(buffer);
}

void Form::SetCaption(std::string_view caption) {
    if (hwnd_) ::SetWindowTextW(hwnd_, Widen(caption).c_str());
}

// ---- controls

void Form::Register(Control& control) {
    controls_.push_back(&control);
}

void Form::Unregister(Control& control) {
    if (lastFocus_ && lastFocus_ == control.Handle()) lastFocus_ = nullptr;
    std::erase(controls_, &control);
}

Control* Form::FindComponent(std::string_view name) const {
    if (name.empty()) return nullptr;
    for (Control* c : controls_) {
        if (c->Name() == name) return c;
    }
    return nullptr;
}

Control* Form::ActiveControl() const {
    if (!hwnd_) return nullptr;
    HWND focus = ::GetFocus();
    if (focus && ::IsChild(hwnd_, focus)) {
        // The focus may sit in an inner window of a control (a combo box's edit).
        for (HWND w = focus; w && w != hwnd_; w = ::GetParent(w)) {
            if (Control* c = Control::FromHandle(w); c && c->OwnerForm() == this) return c;
        }
    }
    Control* last = Control::FromHandle(lastFocus_);
    return last && last->OwnerForm() == this ? last : nullptr;
}

void Form::SetActiveControl(Control* control) {
    if (!control || control->OwnerForm() != this) return;
    lastFocus_ = control->Handle();
    if (::GetActiveWindow() == hwnd_) control->SetFocus();
}

// ---- hints

void Form::UpdateHint(Control& control) {
    if (!hwnd_ || !control.Exists()) return;
    if (!tooltip_) {
        if (!detail::EnsureCommonControls()) return;
        tooltip_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                     WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                     Application::Instance(), nullptr);
        if (!tooltip_) return;
    }
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    if (control.Graphic()) {
        // A rectangle of the container's window, which the tool tip watches.
        if (!control.Parent() || !control.Parent()->ContainerHandle()) return;
        info.uFlags = TTF_SUBCLASS;
        info.hwnd = control.Parent()->ContainerHandle();
        info.uId = static_cast<UINT_PTR>(control.id_);
        info.rect = control.PixelBounds();
    } else {
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = hwnd_;
        info.uId = reinterpret_cast<UINT_PTR>(control.Handle());
    }
    info.lpszText = LPSTR_TEXTCALLBACKW;
    // Text comes by TTN_GETDISPINFO, so a changed hint needs no update; add the tool once.
    if (!::SendMessageW(tooltip_, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info))) {
        info.lpszText = LPSTR_TEXTCALLBACKW;
        ::SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    } else if (control.Graphic()) {
        info.rect = control.PixelBounds();
        ::SendMessageW(tooltip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
    }
}

bool Form::AnswerGraphicHint(NMTTDISPINFOW& info) {
    if (!tooltip_ || info.hdr.hwndFrom != tooltip_ || (info.uFlags & TTF_IDISHWND)) return false;
    const Control* found = nullptr;
    for (const Control* c : controls_) {
        if (c->Graphic() && static_cast<UINT_PTR>(c->id_) == info.hdr.idFrom) found = c;
    }
    hintBuffer_ = found && found->IsShowing() ? Widen(found->Hint()) : std::wstring();
    info.lpszText = hintBuffer_.data();
    info.hinst = nullptr;
    return true;
}

UINT Form::DescribeGraphicsMessage() {
    static const UINT message = ::RegisterWindowMessageW(L"Valomat.DescribeGraphics");
    return message;
}

LRESULT Form::DescribeGraphics(HWND to) {
    if (!::IsWindow(to)) return 0;
    LRESULT sent = 0;
    for (const Control* c : controls_) {
        if (!c->Graphic() || !c->IsShowing() || c->Text().empty()) continue;
        RECT r = c->PixelBounds();
        ::MapWindowPoints(c->Parent()->ContainerHandle(), HWND_DESKTOP,
                          reinterpret_cast<POINT*>(&r), 2);
        const std::wstring line = Widen(c->Text()) + L"|" +
                                  std::to_wstring((r.left + r.right) / 2) + L"|" +
                                  std::to_wstring((r.top + r.bottom) / 2);
        COPYDATASTRUCT data{1, static_cast<DWORD>(line.size() * sizeof(wchar_t)),
                            const_cast<wchar_t*>(line.data())};
        DWORD_PTR ignored = 0;
        if (::SendMessageTimeoutW(to, WM_COPYDATA, reinterpret_cast<WPARAM>(hwnd_),
                                  reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, 2000,
                                  &ignored)) {
            ++sent;
        }
    }
    return sent;
}

void Form::RemoveHint(Control& control) {
    if (!tooltip_ || !control.Exists()) return;
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    if (control.Graphic()) {
        if (!control.Parent()) return;
        info.hwnd = control.Parent()->ContainerHandle();
        info.uId = static_cast<UINT_PTR>(control.id_);
    } else {
        info.hwnd = hwnd_;
        info.uId = reinterpret_cast<UINT_PTR>(control.Handle());
    }
    ::SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

// ---- timers

int Form::AddTimer(Timer& timer) {
    timers_.push_back(&timer);
    return nextTimerId_++;
}

void Form::RemoveTimer(Timer& timer) {
    std::erase(timers_, &timer);
}

// ---- messages

bool Form::KeyPressPreview(wchar_t& key) {
    if (!KeyPreview || !OnKeyPress) return true;
    OnKeyPress(key);
    return key != 0;
}

std::optional<LRESULT> Form::OnMessage(UINT, WPARAM, LPARAM) {
    return std::nullopt;
}

void Form::OnCommand(int) {}

LRESULT Form::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    HWND self = hwnd_;
    if (auto handled = OnMessage(msg, wp, lp)) return *handled;
    if (auto graphic = GraphicMessage(msg, wp, lp)) return *graphic;
    if (auto reflected = ReflectToControl(self, msg, wp, lp)) return *reflected;
    if (msg == DescribeGraphicsMessage()) return DescribeGraphics(reinterpret_cast<HWND>(wp));
    switch (msg) {
        case WM_COMMAND:
            if (lp == 0 || !Control::FromHandle(reinterpret_cast<HWND>(lp))) {
                // Enter and Esc reach the form as IDOK and IDCANCEL (IsDialogMessage): they click
                // the default and cancel buttons; a focused push button takes Enter itself.
                const int id = CommandId(wp);
                Button* role = id == IDOK       ? Button::DefaultOf(*this)
                               : id == IDCANCEL ? Button::CancelOf(*this)
                                                : nullptr;
                if (role) {
                    role->Click();
                } else {
                    OnCommand(id);
                }
                return 0;
            }
            break;
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lp);
            if (header && tooltip_ && header->hwndFrom == tooltip_ &&
                header->code == TTN_GETDISPINFOW) {
                auto* info = reinterpret_cast<NMTTDISPINFOW*>(lp);
                Control* c = Control::FromHandle(reinterpret_cast<HWND>(header->idFrom));
                hintBuffer_ = c ? Widen(c->Hint()) : std::wstring();
                info->lpszText = hintBuffer_.data();
                info->hinst = nullptr;
                return 0;
            }
            break;
        }
        case WM_CLOSE:
            Close();
            return 0;
        case WM_DESTROY:
            for (Timer* timer : timers_) timer->Stop();
            if (OnDestroy) OnDestroy();
            break;
        case WM_ENDSESSION:
            if (wp && OnEndSession) OnEndSession();
            return 0;
        case WM_SIZE:
            // A size the user gave (a sizable window) is the client size at this DPI from now.
            if (!rescaling_ && wp != SIZE_MINIMIZED &&
                (SizeWidth(lp) != Scaled(designClient_.cx) ||
                 SizeHeight(lp) != Scaled(designClient_.cy))) {
                designClient_ = {ScaleFromDpi(SizeWidth(lp), dpi_),
                                 ScaleFromDpi(SizeHeight(lp), dpi_)};
            }
            Realign();
            if (OnResize) OnResize();
            break;
        case WM_DPICHANGED:
            ApplyDpi(LOWORD(wp), reinterpret_cast<const RECT*>(lp));
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wp) == WA_INACTIVE) {
                HWND focus = ::GetFocus();
                if (focus && ::IsChild(self, focus)) lastFocus_ = focus;
            } else if (lastFocus_ && ::IsWindow(lastFocus_) && ::IsChild(self, lastFocus_) &&
                       ::IsWindowVisible(lastFocus_) && ::IsWindowEnabled(lastFocus_)) {
                // Give the focus back to the control that had it, as a dialog does.
                ::SetFocus(lastFocus_);
                return 0;
            }
            break;
        case WM_CHAR: {
            // The form itself has the focus (no control can take it): its handler sees it.
            auto key = static_cast<wchar_t>(wp);
            if (OnKeyPress) OnKeyPress(key);
            return 0;
        }
        case WM_GETDLGCODE: {
            if (!KeyPreview) return 0;
            // Every key is the form's but Tab, which still moves to its tab stops.
            const auto* m = reinterpret_cast<const MSG*>(lp);
            if (m && m->message == WM_KEYDOWN && m->wParam == VK_TAB) return DLGC_WANTCHARS;
            return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
        }
        case WM_TIMER:
            for (Timer* timer : timers_) {
                if (static_cast<WPARAM>(timer->id_) == wp) {
                    timer->Tick();
                    return 0;
                }
            }
            break;
        case WM_ERASEBKGND: {
            RECT r{};
            ::GetClientRect(self, &r);
            FillSolid(reinterpret_cast<HDC>(wp), r, colour_);
            return 1;
        }
        case WM_PAINT: {
            // The background is erased by WM_ERASEBKGND; the graphic controls come on it.
            PaintGuard paint(self);
            if (paint.Dc()) PaintGraphics(paint.Dc(), paint.Dirty());
            return 0;
        }
        case WM_PRINTCLIENT: {
            RECT r{};
            ::GetClientRect(self, &r);
            const auto dc = reinterpret_cast<HDC>(wp);
            FillSolid(dc, r, colour_);
            PaintGraphics(dc, PrintArea(self, dc));
            return 0;
        }
        default:
            break;
    }
    return ::DefWindowProcW(self, msg, wp, lp);
}

}  // namespace win
