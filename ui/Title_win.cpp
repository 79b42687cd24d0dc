#include "ui/Title_win.h"

#include "win/Gdi.h"
#include "win/Text.h"

namespace {

const win::FontSpec kTitleFont{.face = "Arial", .height = -29, .bold = true};
constexpr Colour kTeal = MakeColour(0, 0x80, 0x80);
constexpr Colour kWhite = MakeColour(0xFF, 0xFF, 0xFF);

void DrawTitle(HDC dc, int x, int y, Colour colour, int dpi) {
    const std::wstring title = win::Widen("Valomat");
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, win::ToColorRef(colour));
    win::SelectGuard font(dc, win::SharedFont(kTitleFont, dpi));
    TextOutW(dc, ScaleToDpi(x, dpi), ScaleToDpi(y, dpi), title.c_str(),
             static_cast<int>(title.size()));
}

}  // namespace

void DrawProductTitle(HDC dc, int left, int top, int shadowX, int shadowY, int dpi) {
    DrawTitle(dc, left + shadowX, top + shadowY, kWhite, dpi);
    DrawTitle(dc, left, top, kTeal, dpi);
}
