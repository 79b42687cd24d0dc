// Graphic controls: controls without a window of their own, and what their container does for
// them (painting, hit testing, the mouse, hints, context menus).
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "win/Control.h"
#include "win/Form.h"
#include "win/PopupMenu.h"

namespace win {

namespace {

Point Local(const RECT& bounds, Point p) {
    return {p.x - bounds.left, p.y - bounds.top};
}

}  // namespace

// ---- Control

bool Control::CreateGraphic(const ControlParams& params, std::string_view text) {
    if (Exists() || !params.parent) return false;
    Form* form = params.parent->ContainerForm();
    if (!form) return false;
    TakeParams(params, *form);
    graphic_ = true;
    visible_ = params.visible;
    enabled_ = params.enabled;
    bounds_ = ScaleToDpi(design_, Dpi());
    text_ = std::string(text);
    id_ = form->NextControlId();
    parent_->graphics_.push_back(this);
    form_->Register(*this);
    if (!hint_.empty() && visible_) form_->UpdateHint(*this);
    if (align_ != Align::None) parent_->Realign();
    InvalidateGraphic();
    return true;
}

void Control::InvalidateGraphic() {
    if (!graphic_ || !visible_ || !parent_) return;
    // Only the control's own rectangle: what lies under it paints again, then the control. A
    // container out of sight (not shown yet, or drawing suspended) paints whole when it shows;
    // asking would cost a round trip to the window system for nothing.
    HWND container = parent_->ContainerHandle();
    if (container && ::IsWindowVisible(container)) ::InvalidateRect(container, &bounds_, TRUE);
}

void Control::PaintGraphic(HDC, const RECT&) {}

bool Control::TakesMouse(Point) const {
    return true;
}

// ---- Container

RECT PrintArea(HWND window, HDC dc) {
    RECT area{};
    const int kind = ::GetClipBox(dc, &area);
    if (kind == SIMPLEREGION || kind == COMPLEXREGION) return area;
    ::GetClientRect(window, &area);
    return area;
}

Container::~Container() {
    for (Control* c : graphics_) c->parent_ = nullptr;
}

void Container::DetachGraphics() {
    const std::vector<Control*> all = graphics_;
    for (Control* c : all) c->Detach();
    hot_ = nullptr;
    captured_ = nullptr;
}

void Container::PaintGraphics(HDC dc, const RECT& area) {
    for (Control* c : graphics_) {
        RECT meet{};
        if (!c->visible_ || !::IntersectRect(&meet, &c->bounds_, &area)) continue;
        // Each paints inside its own bounds only, whatever it draws.
        const int saved = ::SaveDC(dc);
        ::IntersectClipRect(dc, c->bounds_.left, c->bounds_.top, c->bounds_.right,
                            c->bounds_.bottom);
        c->PaintGraphic(dc, c->bounds_);
        ::RestoreDC(dc, saved);
    }
}

Control* Container::GraphicAt(Point p) const {
    for (auto it = graphics_.rbegin(); it != graphics_.rend(); ++it) {
        Control* c = *it;
        if (c->visible_ && ::PtInRect(&c->bounds_, POINT{p.x, p.y}) && c->TakesMouse(p)) return c;
    }
    return nullptr;
}

void Container::SetHot(Control* control) {
    if (control == hot_) return;
    Control* old = hot_;
    hot_ = control;
    if (old) old->MouseLeave();
    if (control) {
        // The container's leave ends the hot control's too.
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, ContainerHandle(), 0};
        ::TrackMouseEvent(&track);
        control->MouseEnter();
    }
}

std::optional<LRESULT> Container::GraphicMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (graphics_.empty()) return std::nullopt;
    HWND self = ContainerHandle();
    switch (msg) {
        case WM_MOUSEMOVE: {
            const Point p = MousePoint(lp);
            if (captured_) {
                captured_->MouseMove(Local(captured_->bounds_, p));
                return 0;
            }
            Control* hit = GraphicAt(p);
            SetHot(hit);
            if (hit) hit->MouseMove(Local(hit->bounds_, p));
            break;
        }
        case WM_MOUSELEAVE:
            SetHot(nullptr);
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            const Point p = MousePoint(lp);
            Control* hit = GraphicAt(p);
            if (!hit) break;
            // A disabled control swallows the click, as a disabled window does.
            if (!hit->enabled_) return 0;
            SetHot(hit);
            captured_ = hit;
            ::SetCapture(self);
            hit->MouseDown(Local(hit->bounds_, p), msg == WM_LBUTTONDBLCLK);
            return 0;
        }
        case WM_LBUTTONUP: {
            if (!captured_) break;
            Control* c = captured_;
            captured_ = nullptr;  // before the release, whose WM_CAPTURECHANGED is ours
            if (::GetCapture() == self) ::ReleaseCapture();
            c->MouseUp(Local(c->bounds_, MousePoint(lp)));
            return 0;
        }
        case WM_CAPTURECHANGED:
            if (captured_) {
                Control* c = captured_;
                captured_ = nullptr;
                c->MouseCaptureLost();
            }
            break;
        case WM_CONTEXTMENU: {
            // A right click on the container itself: a graphic control under it with a menu
            // shows that menu; otherwise the container's own handling goes on.
            if (reinterpret_cast<HWND>(wp) != self || IsKeyboardContextMenu(lp)) break;
            const Point screen = MousePoint(lp);
            POINT client{screen.x, screen.y};
            ::ScreenToClient(self, &client);
            Control* hit = GraphicAt({client.x, client.y});
            if (hit && hit->popupMenu_) {
                hit->popupMenu_->Popup(screen.x, screen.y);
                return 0;
            }
            break;
        }
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lp);
            Form* form = ContainerForm();
            if (header && form && header->code == TTN_GETDISPINFOW) {
                auto* info = reinterpret_cast<NMTTDISPINFOW*>(lp);
                if (form->AnswerGraphicHint(*info)) return 0;
            }
            break;
        }
        default:
            break;
    }
    return std::nullopt;
}

}  // namespace win
