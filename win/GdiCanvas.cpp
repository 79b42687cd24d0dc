#include "win/GdiCanvas.h"

#include "win/Gdi.h"
#include "win/Text.h"

namespace win {

namespace {

RECT ToRect(const CanvasRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

void PaintOn(HWND window, HDC dc, HFONT font, const CanvasPainter& paint, int dpi) {
    RECT client{};
    ::GetClientRect(window, &client);
    Offscreen offscreen(dc, client.right, client.bottom);
    GdiCanvas canvas(offscreen.Dc() ? offscreen.Dc() : dc, font);
    if (dpi > 0) {
        ScaledCanvas scaled(canvas, dpi);
        paint(scaled, ScaleFromDpi(static_cast<int>(client.right), dpi),
              ScaleFromDpi(static_cast<int>(client.bottom), dpi));
    } else {
        paint(canvas, client.right, client.bottom);
    }
    offscreen.Copy();
}

}  // namespace

void GdiCanvas::FillRect(const CanvasRect& rect, Colour colour) {
    FillSolid(dc_, ToRect(rect), colour);
}

void GdiCanvas::ButtonFrame(const CanvasRect& rect, ButtonFrameKind kind) {
    RECT r = ToRect(rect);
    UINT state = DFCS_BUTTONPUSH;
    if (kind == ButtonFrameKind::Flat) state |= DFCS_FLAT;
    if (kind == ButtonFrameKind::Pushed) state |= DFCS_PUSHED;
    ::DrawFrameControl(dc_, &r, DFC_BUTTON, state);
}

void GdiCanvas::Text(const CanvasRect& rect, std::string_view text, Colour background) {
    RECT r = ToRect(rect);
    const std::wstring wide = Widen(text);
    SelectGuard font(dc_, font_);
    const int oldMode = ::SetBkMode(dc_, OPAQUE);
    const COLORREF oldBack = ::SetBkColor(dc_, ToColorRef(background));
    const COLORREF oldText = ::SetTextColor(dc_, ::GetSysColor(COLOR_BTNTEXT));
    ::DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &r,
                DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    ::SetTextColor(dc_, oldText);
    ::SetBkColor(dc_, oldBack);
    ::SetBkMode(dc_, oldMode);
}

void GdiCanvas::FocusRect(const CanvasRect& rect) {
    RECT r = ToRect(rect);
    // DrawFocusRect inverts with the text and background colours: keep them plain.
    const COLORREF oldText = ::SetTextColor(dc_, RGB(0, 0, 0));
    const COLORREF oldBack = ::SetBkColor(dc_, RGB(255, 255, 255));
    ::DrawFocusRect(dc_, &r);
    ::SetTextColor(dc_, oldText);
    ::SetBkColor(dc_, oldBack);
}

Offscreen::Offscreen(HDC target, int width, int height)
    : target_(target), width_(width), height_(height), memory_(::CreateCompatibleDC(target)) {
    if (!memory_ || width <= 0 || height <= 0) return;
    bitmap_.Reset(::CreateCompatibleBitmap(target, width, height));
    if (bitmap_) old_ = ::SelectObject(memory_.Get(), bitmap_.Get());
}

Offscreen::~Offscreen() {
    if (old_) ::SelectObject(memory_.Get(), old_);
}

void Offscreen::Copy() {
    if (Dc()) ::BitBlt(target_, 0, 0, width_, height_, memory_.Get(), 0, 0, SRCCOPY);
}

std::optional<LRESULT> PaintMessage(HWND window, UINT msg, WPARAM wp, HFONT font,
                                    const CanvasPainter& paint, int dpi) {
    switch (msg) {
        case WM_PAINT: {
            PaintGuard guard(window);
            if (guard.Dc()) PaintOn(window, guard.Dc(), font, paint, dpi);
            return 0;
        }
        case WM_PRINTCLIENT:
            PaintOn(window, reinterpret_cast<HDC>(wp), font, paint, dpi);
            return 0;
        case WM_ERASEBKGND:
            return 1;  // painting covers everything
        default:
            return std::nullopt;
    }
}

}  // namespace win
