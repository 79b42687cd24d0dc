#include "util/Canvas.h"

#include <algorithm>

namespace {

// System colour indexes (COLOR_xxx) and their values in the classic scheme of Windows 2000,
// whose button face differs from silver.
struct ClassicEntry {
    unsigned index;
    Colour value;
};
constexpr ClassicEntry kClassic[] = {
    {5, MakeColour(255, 255, 255)},   // window
    {8, MakeColour(0, 0, 0)},         // window text
    {15, MakeColour(212, 208, 200)},  // button face
    {16, MakeColour(128, 128, 128)},  // button shadow
    {17, MakeColour(128, 128, 128)},  // grey text
    {18, MakeColour(0, 0, 0)},        // button text
    {20, MakeColour(255, 255, 255)},  // button highlight
    {21, MakeColour(64, 64, 64)},     // 3-D dark shadow
    {22, MakeColour(212, 208, 200)},  // 3-D light
};

constexpr Colour kSystemFlag = 0x80000000u;
constexpr Colour kFace = kSystemFlag | 15;
constexpr Colour kShadow = kSystemFlag | 16;
constexpr Colour kHighlight = kSystemFlag | 20;
constexpr Colour kDarkShadow = kSystemFlag | 21;
constexpr Colour kLight = kSystemFlag | 22;

// Top and left edges in one colour, bottom and right in another, just inside rect.
void Edges(Canvas& c, const CanvasRect& r, Colour topLeft, Colour bottomRight) {
    c.FillRect({r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    c.FillRect({r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    c.FillRect({r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    c.FillRect({r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

CanvasRect Shrunk(const CanvasRect& r, int by) {
    return {r.left + by, r.top + by, r.right - by, r.bottom - by};
}

}  // namespace

void Canvas::Line(int x0, int y0, int x1, int y1, Colour colour) {
    if (x0 == x1 && y0 != y1) {
        // From y0 toward y1, y1 itself left out.
        const int top = y0 < y1 ? y0 : y1 + 1;
        const int bottom = y0 < y1 ? y1 : y0 + 1;
        FillRect({x0, top, x0 + 1, bottom}, colour);
    } else if (y0 == y1 && x0 != x1) {
        const int left = x0 < x1 ? x0 : x1 + 1;
        const int right = x0 < x1 ? x1 : x0 + 1;
        FillRect({left, y0, right, y0 + 1}, colour);
    }
}

void Canvas::FrameRect(const CanvasRect& r, Colour colour) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    FillRect({r.left, r.top, r.right, r.top + 1}, colour);
    FillRect({r.left, r.bottom - 1, r.right, r.bottom}, colour);
    FillRect({r.left, r.top, r.left + 1, r.bottom}, colour);
    FillRect({r.right - 1, r.top, r.right, r.bottom}, colour);
}

Colour ClassicColour(Colour colour) {
    if ((colour & 0xFF000000u) != kSystemFlag) return colour & 0x00FFFFFFu;
    const unsigned index = colour & 0xFFu;
    for (const ClassicEntry& e : kClassic) {
        if (e.index == index) return e.value;
    }
    return MakeColour(212, 208, 200);
}

void PictureCanvas::FillRect(const CanvasRect& r, Colour colour) {
    target_.FillRect(r.left, r.top, r.right, r.bottom, ClassicColour(colour));
}

void PictureCanvas::ButtonFrame(const CanvasRect& r, ButtonFrameKind kind) {
    FillRect(r, kFace);
    switch (kind) {
        case ButtonFrameKind::Raised:
            Edges(*this, r, kHighlight, kDarkShadow);
            Edges(*this, Shrunk(r, 1), kLight, kShadow);
            break;
        case ButtonFrameKind::Flat:
            FrameRect(r, kShadow);
            break;
        case ButtonFrameKind::Pushed:
            Edges(*this, r, kShadow, kHighlight);
            Edges(*this, Shrunk(r, 1), kDarkShadow, kLight);
            break;
    }
}

void PictureCanvas::Text(const CanvasRect& rect, std::string_view text, Colour background) {
    texts_.push_back({rect, std::string(text), background});
}

void PictureCanvas::FocusRect(const CanvasRect& r) {
    const int right = std::min(r.right, target_.width);
    const int bottom = std::min(r.bottom, target_.height);
    auto invert = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= right || y >= bottom || (x + y) % 2 != 0) return;
        target_.Set(x, y, target_.At(x, y) ^ 0x00FFFFFFu);
    };
    for (int x = r.left; x < r.right; ++x) {
        invert(x, r.top);
        if (r.bottom - 1 != r.top) invert(x, r.bottom - 1);
    }
    for (int y = r.top + 1; y < r.bottom - 1; ++y) {
        invert(r.left, y);
        if (r.right - 1 != r.left) invert(r.right - 1, y);
    }
}

void ScaledCanvas::FillRect(const CanvasRect& rect, Colour colour) {
    target_.FillRect(ScaleToDpi(rect, dpi_), colour);
}

void ScaledCanvas::ButtonFrame(const CanvasRect& rect, ButtonFrameKind kind) {
    target_.ButtonFrame(ScaleToDpi(rect, dpi_), kind);
}

void ScaledCanvas::Text(const CanvasRect& rect, std::string_view text, Colour background) {
    target_.Text(ScaleToDpi(rect, dpi_), text, background);
}

void ScaledCanvas::FocusRect(const CanvasRect& rect) {
    target_.FocusRect(ScaleToDpi(rect, dpi_));
}
