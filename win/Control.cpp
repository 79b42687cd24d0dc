#include "win/Control.h"

#include <commctrl.h>

#include <algorithm>

#include "win/Application.h"
#include "win/Form.h"
#include "win/Message.h"
#include "win/PopupMenu.h"
#include "win/Text.h"
#include "win/WindowClasses.h"

namespace win {

namespace {

constexpr UINT_PTR kSubclassId = 1;
// The control object of a window, kept as a window property (GetWindowSubclass would do, but
// comctl32 exports it by ordinal only).
constexpr wchar_t kControlProperty[] = L"ValomatControl";

}  // namespace

// ---- Container

RECT Container::AlignRect() const {
    RECT area{};
    ::GetClientRect(ContainerHandle(), &area);
    return area;
}

void Container::Realign() {
    Form* form = ContainerForm();
    HWND self = ContainerHandle();
    if (!form || !self) return;
    RECT area = AlignRect();
    // Delphi's order: all top, then bottom, left, right, and what remains to the client.
    // In pixels: the area is the client area's, the heights and widths the controls' own.
    for (Align kind : {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client}) {
        for (Control* c : form->Controls()) {
            if (c->Parent() != this || c->GetAlign() != kind || !c->Visible()) continue;
            RECT r = area;
            switch (kind) {
                case Align::Top:
                    r.bottom = area.top + c->Scaled(c->Height());
                    area.top = r.bottom;
                    break;
                case Align::Bottom:
                    r.top = area.bottom - c->Scaled(c->Height());
                    area.bottom = r.top;
                    break;
                case Align::Left:
                    r.right = area.left + c->Scaled(c->Width());
                    area.left = r.right;
                    break;
                case Align::Right:
                    r.left = area.right - c->Scaled(c->Width());
                    area.right = r.left;
                    break;
                default:
                    break;
            }
            c->Place(r);
        }
    }
}

std::optional<LRESULT> ReflectToControl(HWND parent, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND:
            if (lp != 0) {
                if (Control* c = Control::FromHandle(reinterpret_cast<HWND>(lp))) {
                    return c->ReflectCommand(CommandId(wp), CommandCode(wp));
                }
            }
            break;
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lp);
            if (!header) break;
            Control* c = Control::FromHandle(header->hwndFrom);
            // A tool tip made by a control (a tool bar's) reports for its owner.
            if (!c) c = Control::FromHandle(::GetWindow(header->hwndFrom, GW_OWNER));
            if (c) return c->ReflectNotify(*header);
            break;
        }
        case WM_DRAWITEM: {
            auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
            if (!item) break;
            if (item->CtlType == ODT_MENU) return PopupMenu::HandleDrawItem(*item);
            if (Control* c = Control::FromHandle(item->hwndItem)) return c->ReflectDrawItem(*item);
            break;
        }
        case WM_MEASUREITEM: {
            auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
            if (!item) break;
            if (item->CtlType == ODT_MENU) return PopupMenu::HandleMeasureItem(*item);
            if (Control* c =
                    Control::FromHandle(::GetDlgItem(parent, static_cast<int>(item->CtlID)))) {
                return c->ReflectMeasureItem(*item);
            }
            break;
        }
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSCROLLBAR:
            if (Control* c = Control::FromHandle(reinterpret_cast<HWND>(lp))) {
                return reinterpret_cast<LRESULT>(c->ReflectCtlColor(reinterpret_cast<HDC>(wp)));
            }
            break;
        default:
            break;
    }
    return std::nullopt;
}

// ---- Control

Control::~Control() {
    if (graphic_) {
        InvalidateGraphic();
        Detach();
    } else if (hwnd_) {
        ::DestroyWindow(hwnd_);
        if (hwnd_) Detach();  // the window could not be destroyed: forget it all the same
    }
}

Control* Control::FromHandle(HWND window) {
    if (!window) return nullptr;
    auto* control = static_cast<Control*>(::GetPropW(window, kControlProperty));
    return control && control->hwnd_ == window ? control : nullptr;
}

void Control::TakeParams(const ControlParams& params, Form& form) {
    parent_ = params.parent;
    form_ = &form;
    name_ = params.name;
    hint_ = params.hint;
    Tag = params.tag;
    align_ = params.align;
    popupMenu_ = params.popupMenu;
    font_ = params.font.value_or(params.parent->ContainerFont());
    textColour_ = params.textColour.value_or(clWindowText);
    background_ = params.colour.value_or(params.parent->ContainerBackground());
    design_ = {params.x, params.y, params.x + std::max(0, params.width),
               params.y + std::max(0, params.height)};
}

int Control::Dpi() const {
    return form_ ? form_->Dpi() : kDesignDpi;
}

HFONT Control::DrawFont() const {
    return SharedFont(font_, Dpi());
}

bool Control::CreateWindowFor(const ControlParams& params, const wchar_t* className, DWORD style,
                              DWORD exStyle, std::string_view text) {
    if (hwnd_ || !params.parent || !detail::EnsureCommonControls()) return false;
    HWND parentWindow = params.parent->ContainerHandle();
    Form* form = params.parent->ContainerForm();
    if (!parentWindow || !form) return false;
    TakeParams(params, *form);

    style |= WS_CHILD;
    if (params.visible) style |= WS_VISIBLE;
    if (!params.enabled) style |= WS_DISABLED;
    const int id = form->NextControlId();
    const std::wstring wideText = Widen(text);
    const RECT r = ScaleToDpi(design_, Dpi());
    HWND hwnd = ::CreateWindowExW(exStyle, className, wideText.c_str(), style, r.left, r.top,
                                  r.right - r.left, r.bottom - r.top, parentWindow,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  Application::Instance(), nullptr);
    if (!hwnd) return false;
    if (!::SetPropW(hwnd, kControlProperty, this) ||
        !::SetWindowSubclass(hwnd, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        ::RemovePropW(hwnd, kControlProperty);
        ::DestroyWindow(hwnd);
        return false;
    }
    hwnd_ = hwnd;
    ::SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(DrawFont()), FALSE);
    form_->Register(*this);
    if (!hint_.empty()) form_->UpdateHint(*this);
    if (align_ != Align::None) parent_->Realign();
    return true;
}

void Control::Detach() {
    if (hwnd_) {
        ::RemoveWindowSubclass(hwnd_, SubclassProc, kSubclassId);
        ::RemovePropW(hwnd_, kControlProperty);
    }
    if (graphic_) {
        if (form_ && !hint_.empty()) form_->RemoveHint(*this);
        if (parent_) {
            std::erase(parent_->graphics_, this);
            if (parent_->hot_ == this) parent_->hot_ = nullptr;
            if (parent_->captured_ == this) parent_->captured_ = nullptr;
        }
        graphic_ = false;
    }
    if (form_) form_->Unregister(*this);
    hwnd_ = nullptr;
    form_ = nullptr;
}

LRESULT CALLBACK Control::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                       DWORD_PTR data) {
    auto* control = reinterpret_cast<Control*>(data);
    if (!control || control->hwnd_ != hwnd) return ::DefSubclassProc(hwnd, msg, wp, lp);
    return detail::Guarded([&] { return control->HandleSubclassed(msg, wp, lp); });
}

LRESULT Control::HandleSubclassed(UINT msg, WPARAM wp, LPARAM lp) {
    HWND hwnd = hwnd_;
    if (msg == WM_NCDESTROY) {
        if (auto* container = dynamic_cast<Container*>(this)) container->DetachGraphics();
        if (form_ && !hint_.empty()) form_->RemoveHint(*this);
        Detach();
        return ::DefSubclassProc(hwnd, msg, wp, lp);
    }
    if (msg == WM_CHAR && form_) {
        // Key preview: the form sees the character first and may change or swallow it.
        auto key = static_cast<wchar_t>(wp);
        if (!form_->KeyPressPreview(key)) return 0;
        if (!hwnd_) return 0;  // the handler destroyed the window
        wp = key;
    }
    if (auto handled = WindowMessage(msg, wp, lp)) return *handled;
    switch (msg) {
        case WM_GETDLGCODE: {
            LRESULT code = ::DefSubclassProc(hwnd, msg, wp, lp);
            const auto* m = reinterpret_cast<const MSG*>(lp);
            if (m && m->message == WM_KEYDOWN && WantsKey(m->wParam)) code |= DLGC_WANTMESSAGE;
            return code;
        }
        case WM_CONTEXTMENU:
            if (popupMenu_) {
                ShowContextMenu(lp);
                return 0;
            }
            break;
        case WM_SETFOCUS:
            if (form_) form_->lastFocus_ = hwnd;
            break;
        default:
            break;
    }
    return ::DefSubclassProc(hwnd, msg, wp, lp);
}

LRESULT Control::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) {
    return hwnd_ ? ::DefSubclassProc(hwnd_, msg, wp, lp) : 0;
}

void Control::ShowContextMenu(LPARAM lp) {
    POINT pt{};
    if (IsKeyboardContextMenu(lp)) {
        RECT r{};
        ::GetWindowRect(hwnd_, &r);
        pt = {r.left + 4, r.top + 4};
    } else {
        const Point p = MousePoint(lp);
        pt = {p.x, p.y};
    }
    popupMenu_->Popup(pt.x, pt.y);
}

std::optional<LRESULT> Control::ReflectCommand(int, int) {
    return std::nullopt;
}
std::optional<LRESULT> Control::ReflectNotify(NMHDR&) {
    return std::nullopt;
}
std::optional<LRESULT> Control::ReflectDrawItem(const DRAWITEMSTRUCT&) {
    return std::nullopt;
}
std::optional<LRESULT> Control::ReflectMeasureItem(MEASUREITEMSTRUCT&) {
    return std::nullopt;
}
std::optional<LRESULT> Control::WindowMessage(UINT, WPARAM, LPARAM) {
    return std::nullopt;
}

HBRUSH Control::ReflectCtlColor(HDC dc) {
    ::SetTextColor(dc, ToColorRef(textColour_));
    ::SetBkColor(dc, ToColorRef(background_));
    return SharedBrush(background_);
}

bool Control::WantsKey(WPARAM vk) const {
    return form_ && form_->KeyPreview && (vk == VK_RETURN || vk == VK_ESCAPE);
}

void Control::PaintParentBackground(HDC dc) {
    if (!hwnd_) return;
    RECT r{};
    ::GetClientRect(hwnd_, &r);
    FillSolid(dc, r, parent_ ? parent_->ContainerBackground() : clBtnFace);
    // Our containers paint themselves, their graphic controls included, into any DC they are
    // given (WM_PRINTCLIENT): moved so that their client area lies under ours.
    HWND parent = ::GetParent(hwnd_);
    POINT origin{0, 0};
    ::MapWindowPoints(hwnd_, parent, &origin, 1);
    POINT old{};
    ::OffsetViewportOrgEx(dc, -origin.x, -origin.y, &old);
    ::SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    ::SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

bool Control::Visible() const {
    if (graphic_) return visible_;
    return hwnd_ && (::GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Control::SetVisible(bool visible) {
    if (graphic_) {
        if (visible_ == visible) return;
        if (!visible) InvalidateGraphic();
        visible_ = visible;
        if (visible) InvalidateGraphic();
        if (parent_ && !visible) {
            // A hidden control is neither under the mouse nor pressed.
            if (parent_->hot_ == this) parent_->SetHot(nullptr);
            if (parent_->captured_ == this) ::ReleaseCapture();
        }
        if (form_ && !hint_.empty()) {
            if (visible) {
                form_->UpdateHint(*this);
            } else {
                form_->RemoveHint(*this);
            }
        }
        if (align_ != Align::None && parent_) parent_->Realign();
        return;
    }
    if (!hwnd_ || Visible() == visible) return;
    if (!visible && ::GetFocus() == hwnd_ && form_) {
        // A hidden control keeps no focus: hand it to the form like Windows would.
        ::SetFocus(form_->Handle());
    }
    ::ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
    if (align_ != Align::None && parent_) parent_->Realign();
}

bool Control::IsShowing() const {
    if (graphic_) return visible_ && parent_ && ::IsWindowVisible(parent_->ContainerHandle());
    return hwnd_ && ::IsWindowVisible(hwnd_);
}

bool Control::Enabled() const {
    if (graphic_) return enabled_;
    return hwnd_ && ::IsWindowEnabled(hwnd_);
}

void Control::SetEnabled(bool enabled) {
    if (graphic_) {
        if (enabled_ == enabled) return;
        enabled_ = enabled;
        if (!enabled && parent_ && parent_->captured_ == this) ::ReleaseCapture();
        InvalidateGraphic();
        return;
    }
    if (!hwnd_) return;
    ::EnableWindow(hwnd_, enabled ? TRUE : FALSE);
    ::InvalidateRect(hwnd_, nullptr, TRUE);
}

RECT Control::PixelBounds() const {
    if (graphic_) return bounds_;
    RECT r{};
    if (!hwnd_) return r;
    ::GetWindowRect(hwnd_, &r);
    ::MapWindowPoints(HWND_DESKTOP, ::GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void Control::SetBounds(int x, int y, int width, int height) {
    if (!Exists()) return;
    design_ = {x, y, x + std::max(0, width), y + std::max(0, height)};
    ApplyBounds(ScaleToDpi(design_, Dpi()));
    if (align_ != Align::None && parent_) parent_->Realign();
}

void Control::SetPixelBounds(const RECT& r) {
    if (!Exists()) return;
    const RECT placed{r.left, r.top, std::max(r.left, r.right), std::max(r.top, r.bottom)};
    design_ = ScaleFromDpi(placed, Dpi());
    ApplyBounds(placed);
    if (align_ != Align::None && parent_) parent_->Realign();
}

void Control::Place(const RECT& r) {
    const RECT placed{r.left, r.top, std::max(r.left, r.right), std::max(r.top, r.bottom)};
    design_ = ScaleFromDpi(placed, Dpi());
    ApplyBounds(placed);
}

void Control::ApplyBounds(const RECT& r) {
    if (!graphic_) {
        if (hwnd_) {
            ::SetWindowPos(hwnd_, nullptr, r.left, r.top, std::max(0L, r.right - r.left),
                           std::max(0L, r.bottom - r.top), SWP_NOZORDER | SWP_NOACTIVATE);
        }
        return;
    }
    const RECT placed{r.left, r.top, std::max(r.left, r.right), std::max(r.top, r.bottom)};
    if (::EqualRect(&placed, &bounds_)) return;
    InvalidateGraphic();
    bounds_ = placed;
    InvalidateGraphic();
    if (form_ && !hint_.empty() && visible_) form_->UpdateHint(*this);
}

void Control::ApplyDpi() {
    if (align_ == Align::None) ApplyBounds(ScaleToDpi(design_, Dpi()));
    if (hwnd_) ::SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(DrawFont()), FALSE);
}

void Control::SetLeft(int x) {
    const RECT r = Bounds();
    SetBounds(x, r.top, r.right - r.left, r.bottom - r.top);
}
void Control::SetTop(int y) {
    const RECT r = Bounds();
    SetBounds(r.left, y, r.right - r.left, r.bottom - r.top);
}
void Control::SetWidth(int width) {
    const RECT r = Bounds();
    SetBounds(r.left, r.top, width, r.bottom - r.top);
}
void Control::SetHeight(int height) {
    const RECT r = Bounds();
    SetBounds(r.left, r.top, r.right - r.left, height);
}

std::string Control::Text() const {
    if (graphic_) return text_;
    if (!hwnd_) return {};
    const int length = ::GetWindowTextLengthW(hwnd_);
    if (length <= 0) return {};
    std::wstring buffer(static_cast<std::size_t>(length) + 1, L'\0');
    const int got = ::GetWindowTextW(hwnd_, buffer.data(), length + 1);
    buffer.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return Narrow(buffer);
}

void Control::SetText(std::string_view text) {
    if (graphic_) {
        if (text_ == text) return;
        text_ = std::string(text);
        InvalidateGraphic();
        return;
    }
    if (!hwnd_) return;
    ::SetWindowTextW(hwnd_, Widen(text).c_str());
}

void Control::SetFont(const FontSpec& font) {
    if (font_ == font) return;
    font_ = font;
    if (hwnd_) ::SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(DrawFont()), TRUE);
    InvalidateGraphic();
}

void Control::SetTextColour(Colour colour) {
    if (textColour_ == colour) return;
    textColour_ = colour;
    Invalidate();
}

void Control::SetBackground(Colour colour) {
    background_ = colour;
    Invalidate();
}

void Control::SetHint(std::string_view hint) {
    if (hint_ == hint) return;
    const bool had = !hint_.empty();
    hint_ = std::string(hint);
    if (!form_ || !Exists() || (graphic_ && !visible_)) return;
    if (hint_.empty()) {
        if (had) form_->RemoveHint(*this);
    } else {
        form_->UpdateHint(*this);
    }
}

bool Control::CanFocus() const {
    if (!hwnd_ || !::IsWindowVisible(hwnd_)) return false;
    for (HWND w = hwnd_; w; w = ::GetAncestor(w, GA_PARENT)) {
        if (!::IsWindowEnabled(w)) return false;
        if (w == ::GetAncestor(hwnd_, GA_ROOT)) break;
    }
    return true;
}

bool Control::Focused() const {
    return hwnd_ && ::GetFocus() == hwnd_;
}

bool Control::SetFocus() {
    if (!CanFocus()) return false;
    ::SetFocus(hwnd_);
    return Focused();
}

void Control::Invalidate() {
    if (graphic_) {
        if (visible_) InvalidateGraphic();
    } else if (hwnd_) {
        ::InvalidateRect(hwnd_, nullptr, TRUE);
    }
}

void Control::Repaint() {
    if (graphic_) {
        Invalidate();
        if (parent_ && parent_->ContainerHandle()) ::UpdateWindow(parent_->ContainerHandle());
    } else if (hwnd_) {
        ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}

}  // namespace win
