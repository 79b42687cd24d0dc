#include "win/Label.h"

#include "win/Text.h"

namespace win {

bool Label::Create(const LabelParams& params) {
    alignment_ = params.alignment;
    transparent_ = params.transparent;
    wordWrap_ = params.wordWrap;
    autoSize_ = params.autoSize;
    const ControlParams common = CommonParams(params);
    // A windowed label's STATIC carries the text (screen readers read it); we paint it
    // ourselves so colours, transparency and alignment are ours on every Windows version.
    const bool created =
        params.windowed ? CreateWindowFor(common, L"STATIC", SS_LEFT | SS_NOPREFIX, 0, params.text)
                        : CreateGraphic(common, params.text);
    if (!created) return false;
    if (autoSize_) FitToText();
    return true;
}

void Label::SetText(std::string_view text) {
    if (!Exists() || Text() == text) return;
    Control::SetText(text);
    if (autoSize_) FitToText();
    Invalidate();
}

void Label::SetAlignment(TextAlign alignment) {
    alignment_ = alignment;
    Invalidate();
}

void Label::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Invalidate();
}

namespace {

UINT DrawFlags(TextAlign alignment, bool wordWrap) {
    UINT flags = DT_NOPREFIX | (wordWrap ? DT_WORDBREAK : DT_SINGLELINE);
    if (alignment == TextAlign::Centre) flags |= DT_CENTER;
    if (alignment == TextAlign::Right) flags |= DT_RIGHT;
    return flags;
}

}  // namespace

void Label::FitToText() {
    const std::wstring text = Widen(Text());
    WindowDc screen(nullptr);
    if (!screen) return;
    SelectGuard font(screen.Get(), DrawFont());
    const RECT now = PixelBounds();
    RECT r{0, 0, wordWrap_ ? now.right - now.left : 0, 0};
    ::DrawTextW(screen.Get(), text.c_str(), static_cast<int>(text.size()), &r,
                DrawFlags(TextAlign::Left, wordWrap_) | DT_CALCRECT);
    SetPixelBounds({now.left, now.top, now.left + r.right - r.left, now.top + r.bottom - r.top});
}

void Label::DpiChanged() {
    if (autoSize_) FitToText();
}

void Label::PaintGraphic(HDC dc, const RECT& bounds) {
    Paint(dc, bounds);
}

void Label::Paint(HDC dc, const RECT& r) {
    RECT client = r;
    if (!transparent_) {
        FillSolid(dc, client, Background());
    } else if (!Graphic()) {
        PaintParentBackground(dc);  // a graphic label lies on what its container painted
    }
    const std::wstring text = Widen(Text());
    SelectGuard font(dc, DrawFont());
    ::SetBkMode(dc, TRANSPARENT);
    const UINT flags = DrawFlags(alignment_, wordWrap_);
    if (Enabled()) {
        ::SetTextColor(dc, ToColorRef(TextColour()));
        ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client, flags);
    } else {
        // Disabled text: embossed, as Windows draws it.
        RECT shadow = client;
        ::OffsetRect(&shadow, LineWidthAt(Dpi()), LineWidthAt(Dpi()));
        ::SetTextColor(dc, ToColorRef(clBtnHighlight));
        ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &shadow, flags);
        ::SetTextColor(dc, ToColorRef(clBtnShadow));
        ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client, flags);
    }
}

std::optional<LRESULT> Label::WindowMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;  // all painting is in WM_PAINT
        case WM_PAINT: {
            PaintGuard paint(Handle());
            RECT client{};
            ::GetClientRect(Handle(), &client);
            if (paint.Dc()) Paint(paint.Dc(), client);
            return 0;
        }
        case WM_PRINTCLIENT: {
            RECT client{};
            ::GetClientRect(Handle(), &client);
            Paint(reinterpret_cast<HDC>(wp), client);
            return 0;
        }
        case WM_SETTEXT: {
            // The STATIC would paint its own way at once; store the text and paint ours.
            const LRESULT result = ::DefWindowProcW(Handle(), msg, wp, lp);
            Invalidate();
            return result;
        }
        case WM_ENABLE:
            Invalidate();
            return 0;
        default:
            break;
    }
    return std::nullopt;
}

}  // namespace win
