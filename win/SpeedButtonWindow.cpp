// A speed button that Tab reaches: a window of its own that paints as the graphic button does,
// takes the mouse as its container would give it, and the keys of a push button.
#include "win/Form.h"
#include "win/Message.h"
#include "win/SpeedButton.h"
#include "win/WindowClasses.h"

namespace win {

bool SpeedButton::CreateTabStop(const ControlParams& params, std::string_view caption) {
    if (!detail::EnsureClasses()) return false;
    return CreateWindowFor(params, detail::kContainerClass, WS_TABSTOP, 0, caption);
}

bool SpeedButton::WantsKey(WPARAM vk) const {
    // Enter presses a focused push button, as in a dialog; a toggle leaves it to the dialog.
    return Control::WantsKey(vk) || (vk == VK_RETURN && PushLike() && Handle());
}

std::optional<LRESULT> SpeedButton::WindowMessage(UINT msg, WPARAM wp, LPARAM lp) {
    HWND self = Handle();
    if (!self) return std::nullopt;
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;  // the paint covers the whole button
        case WM_PAINT: {
            PaintGuard paint(self);
            RECT client{};
            ::GetClientRect(self, &client);
            if (paint.Dc()) PaintGraphic(paint.Dc(), client);
            return 0;
        }
        case WM_PRINTCLIENT: {
            RECT client{};
            ::GetClientRect(self, &client);
            PaintGraphic(reinterpret_cast<HDC>(wp), client);
            return 0;
        }
        case WM_GETDLGCODE: {
            LRESULT code = DLGC_BUTTON;  // its access key sends it BM_CLICK
            const auto* m = reinterpret_cast<const MSG*>(lp);
            if (m && m->message == WM_KEYDOWN && WantsKey(m->wParam)) code |= DLGC_WANTMESSAGE;
            // A form that previews the keys (the calculator) has them all, letters included.
            if (OwnerForm() && OwnerForm()->KeyPreview) code |= DLGC_WANTCHARS;
            return code;
        }
        case WM_KEYDOWN:
            if (wp != VK_SPACE) return std::nullopt;
            if (!IsKeyRepeat(lp) && Enabled()) {
                spaceHeld_ = true;
                pressed_ = true;
                hot_ = true;
                Invalidate();
            }
            return 0;
        case WM_KEYUP:
            if (wp != VK_SPACE) return std::nullopt;
            if (spaceHeld_) {
                spaceHeld_ = false;
                pressed_ = false;
                hot_ = false;
                Invalidate();
                Click();
            }
            return 0;
        case WM_CHAR:
            // After the form's key preview, which may have taken the key already.
            if (wp == L'\r' && PushLike()) {
                Click();
                return 0;
            }
            return wp == L' ' ? std::optional<LRESULT>(0) : std::nullopt;
        case BM_CLICK:  // the access key, from the dialog navigation
            Click();
            return 0;
        case WM_SETFOCUS:
            Invalidate();
            return std::nullopt;  // the form notes its focused control
        case WM_KILLFOCUS:
            if (spaceHeld_) {
                spaceHeld_ = false;
                pressed_ = false;
            }
            Invalidate();
            return std::nullopt;
        case WM_SETTEXT:
        case WM_ENABLE:
        case WM_UPDATEUISTATE: {
            const LRESULT result = DefaultProc(msg, wp, lp);
            Invalidate();
            return result;
        }
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            // As on a graphic button: the focus stays where it is.
            if (!Enabled()) return 0;
            ::SetCapture(self);
            MouseDown(MousePoint(lp), msg == WM_LBUTTONDBLCLK);
            return 0;
        case WM_MOUSEMOVE:
            if (::GetCapture() != self) {
                if (!trackingLeave_) {
                    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, self, 0};
                    trackingLeave_ = ::TrackMouseEvent(&track) != FALSE;
                }
                if (!hot_) MouseEnter();
            }
            MouseMove(MousePoint(lp));
            return 0;
        case WM_MOUSELEAVE:
            trackingLeave_ = false;
            if (::GetCapture() != self) MouseLeave();
            return 0;
        case WM_LBUTTONUP:
            if (::GetCapture() == self) {
                // Released first: the click may open a modal window.
                releasingCapture_ = true;
                ::ReleaseCapture();
                releasingCapture_ = false;
            }
            MouseUp(MousePoint(lp));
            return 0;
        case WM_CAPTURECHANGED:
            if (!releasingCapture_) MouseCaptureLost();
            return 0;
        default:
            return std::nullopt;
    }
}

}  // namespace win
