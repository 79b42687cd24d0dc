#include "components/ztLinkLabel_win.h"

#include "components/ztLinkLabel.h"
#include "win/Application.h"
#include "win/Form.h"
#include "win/Message.h"
#include "win/Shell.h"

namespace {

constexpr Colour kLinkBlue = MakeColour(0, 0, 255);
constexpr Colour kLinkPurple = MakeColour(128, 0, 128);

}  // namespace

bool TztLinkLabel::Create(const LinkLabelParams& params) {
    if (!win::Label::Create({.parent = params.parent,
                             .name = params.name,
                             .x = params.x,
                             .y = params.y,
                             .width = params.width,
                             .height = params.height,
                             .tag = params.tag,
                             .visible = params.visible,
                             .enabled = params.enabled,
                             .align = params.align,
                             .hint = params.hint,
                             .font = params.font,
                             .textColour = params.textColour,
                             .colour = params.colour,
                             .popupMenu = params.popupMenu,
                             .text = params.caption,
                             .alignment = params.alignment,
                             .transparent = params.transparent,
                             .autoSize = params.autoSize,
                             .windowed = true})) {  // Tab reaches it
        return false;
    }
    Link = params.link;
    standard_ = {Font(), win::clWindowText};
    highlight_ = {Font(), kLinkBlue};
    highlight_.font.underline = true;
    usedFont_ = {Font(), kLinkPurple};
    // A link is reached with Tab like a button.
    ::SetWindowLongPtrW(Handle(), GWL_STYLE, ::GetWindowLongPtrW(Handle(), GWL_STYLE) | WS_TABSTOP);
    return true;
}

void TztLinkLabel::SetUsed(bool used) {
    used_ = used;
    Show(used ? usedFont_ : standard_);
}

void TztLinkLabel::Show(const LinkFont& font) {
    SetFont(font.font);
    SetTextColour(font.colour);
    Invalidate();
}

bool TztLinkLabel::HasLink() const {
    return LinkLabelRequest(Link, Viewer, Parameters).has_value();
}

void TztLinkLabel::Click() {
    if (const auto request = LinkLabelRequest(Link, Viewer, Parameters)) {
        win::Form* main = win::Application::MainForm();
        win::ShellOpen(main ? main->Handle() : nullptr, *request);
    }
    used_ = true;
    Show(usedFont_);
    if (OnClick) OnClick();
}

void TztLinkLabel::MouseEnter() {
    hot_ = true;
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
    ::TrackMouseEvent(&track);
    Show(highlight_);
}

void TztLinkLabel::MouseLeave() {
    hot_ = false;
    pressed_ = false;
    Show(used_ ? usedFont_ : standard_);
}

bool TztLinkLabel::WantsKey(WPARAM vk) const {
    return vk == VK_RETURN || win::Label::WantsKey(vk);
}

std::optional<LRESULT> TztLinkLabel::WindowMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_NCHITTEST:
            return HTCLIENT;  // a plain static lets the mouse through
        case WM_MOUSEMOVE:
            if (!hot_) MouseEnter();
            return 0;
        case WM_MOUSELEAVE:
            MouseLeave();
            return 0;
        case WM_SETCURSOR:
            if (hot_ && HasLink()) {
                ::SetCursor(::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));
                return TRUE;
            }
            return std::nullopt;
        case WM_LBUTTONDOWN:
            pressed_ = true;
            return 0;
        case WM_LBUTTONUP: {
            RECT client{};
            ::GetClientRect(Handle(), &client);
            const win::Point p = win::MousePoint(lp);
            const bool inside = ::PtInRect(&client, POINT{p.x, p.y});
            const bool wasPressed = pressed_;
            pressed_ = false;
            if (wasPressed && inside) Click();
            return 0;
        }
        case WM_KEYDOWN:
            if (wp == VK_RETURN || wp == VK_SPACE) {
                // Once per press: a held key repeats its key-down, bit 30 marking the repeats.
                if (!(lp & (LPARAM{1} << 30))) Click();
                return 0;
            }
            return std::nullopt;
        case WM_CHAR:
            return 0;  // Space and Enter were handled as keys
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_UPDATEUISTATE:
            Invalidate();
            return std::nullopt;
        case WM_PAINT: {
            win::PaintGuard paint(Handle());
            if (!paint.Dc()) return 0;
            win::Label::WindowMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(paint.Dc()), 0);
            const auto ui = ::SendMessageW(Handle(), WM_QUERYUISTATE, 0, 0);
            if (Focused() && !(ui & UISF_HIDEFOCUS)) {
                RECT client{};
                ::GetClientRect(Handle(), &client);
                ::SetTextColor(paint.Dc(), RGB(0, 0, 0));
                ::SetBkColor(paint.Dc(), RGB(255, 255, 255));
                ::DrawFocusRect(paint.Dc(), &client);
            }
            return 0;
        }
        default:
            return win::Label::WindowMessage(msg, wp, lp);
    }
}
