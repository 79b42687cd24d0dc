// Pictures, colours and fonts at the GDI edge.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "util/DpiScale.h"
#include "util/zt_Graph.h"
#include "win/Handle.h"

namespace win {

// A Colour whose high byte is 0x80 names a system colour by its index (COLOR_xxx); the colour
// follows the user's scheme. Any other value is a plain RGB colour.
constexpr Colour SystemColour(int index) {
    return 0x80000000u | static_cast<Colour>(index);
}
inline constexpr Colour clWindow = SystemColour(COLOR_WINDOW);
inline constexpr Colour clWindowText = SystemColour(COLOR_WINDOWTEXT);
inline constexpr Colour clBtnFace = SystemColour(COLOR_BTNFACE);
inline constexpr Colour clBtnText = SystemColour(COLOR_BTNTEXT);
inline constexpr Colour clBtnShadow = SystemColour(COLOR_BTNSHADOW);
inline constexpr Colour clBtnHighlight = SystemColour(COLOR_BTNHIGHLIGHT);
inline constexpr Colour clGrayText = SystemColour(COLOR_GRAYTEXT);
inline constexpr Colour clHighlight = SystemColour(COLOR_HIGHLIGHT);
inline constexpr Colour clHighlightText = SystemColour(COLOR_HIGHLIGHTTEXT);
inline constexpr Colour clInfoBk = SystemColour(COLOR_INFOBK);
inline constexpr Colour clInfoText = SystemColour(COLOR_INFOTEXT);

// The COLORREF to draw with: system colours resolved through GetSysColor.
COLORREF ToColorRef(Colour colour);

// A 24-bit top-down DIB section holding the picture; empty for an empty picture or on failure.
BitmapHandle MakeBitmap(const Picture& picture);
// The pixels of any bitmap; nothing when it cannot be read.
std::optional<Picture> ReadBitmap(HBITMAP bitmap);

// Draws the picture with its top-left corner at (x, y); pixels of the transparent colour are
// left out when one is given. Does nothing for an empty picture.
void DrawPicture(HDC dc, const Picture& picture, int x, int y,
                 std::optional<Colour> transparent = std::nullopt);

// A font by face and size. height is in 96-DPI pixels as in LOGFONT (negative: character height,
// positive: cell height); points, when not 0, takes its place. Both are made for a DPI.
struct FontSpec {
    std::string face = "MS Sans Serif";
    int height = -11;
    int points = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const FontSpec&) const = default;
};
FontHandle MakeFont(const FontSpec& desc, int dpi);

// Fonts and solid brushes shared by every window for the whole run: controls keep only their
// description, never a handle. The caches are bounded by the few fonts and colours in use.
HFONT SharedFont(const FontSpec& desc, int dpi);
HBRUSH SharedBrush(Colour colour);

// Fills a rectangle with a colour.
void FillSolid(HDC dc, const RECT& rect, Colour colour);

enum class BevelKind { None, Lowered, Raised };
// Draws a 3-D frame `width` pixels wide just inside rect and returns the rectangle inside it.
RECT DrawBevel(HDC dc, RECT rect, BevelKind kind, int width = 1);

}  // namespace win
