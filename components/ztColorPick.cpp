#include "components/ztColorPick.h"

#include <algorithm>
#include <string_view>

namespace colorpick {

namespace {

constexpr Colour kButtonFace = 0x80000000u | 15;  // the system's button-face colour

// Pixel (x, y) strictly inside rect.
bool StrictlyInside(const CanvasRect& r, int x, int y) {
    return r.left < x && x < r.right && r.top < y && y < r.bottom;
}

CanvasRect Grown(const CanvasRect& r, int by) {
    return {r.left - by, r.top - by, r.right + by, r.bottom + by};
}

}  // namespace

// clang-format off
const std::array<std::array<Colour, kColumns>, kRows> ColorTable = {{
    {0xFFFFFF, 0x000000, 0xC0C0C0, 0x808080},  // white, black, silver, grey
    {0x0000FF, 0x000080, 0x00FFFF, 0x008080},  // red, maroon, yellow, olive
    {0x00FF00, 0x008000, 0xFFFF00, 0x808000},  // lime, green, aqua, teal
    {0xFF0000, 0x800000, 0xFF00FF, 0x800080},  // blue, navy, fuchsia, purple
    {0xC0DCC0, 0xF0CAA6, 0xF0FBFF, 0xA4A0A0},  // money green, sky blue, cream, medium grey
}};
// clang-format on

CanvasRect CellRect(int column, int row) {
    const int left = 18 * column - 14;
    const int top = 18 * row - 14;
    return {left, top, left + 16, top + 16};
}

CanvasRect PreviewRect(int width, int height) {
    return {width - 20, height - 20, width - 4, height - 4};
}

CanvasRect OtherButtonRect(int height) {
    return {3, height - 21, 56, height - 3};
}

Colour CellColour(HotCell cell) {
    if (!cell.IsGridCell()) return 0;
    return ColorTable[static_cast<std::size_t>(cell.row - 1)]
                     [static_cast<std::size_t>(cell.column - 1)];
}

HotCell InitialHotCell(Colour current) {
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 1; column <= kColumns; ++column) {
            if (CellColour({column, row}) == current) return {column, row};
        }
    }
    return kPreviewCell;
}

HotCell HotCellAt(int x, int y, int width, int height) {
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 1; column <= kColumns; ++column) {
            if (StrictlyInside(Grown(CellRect(column, row), 2), x, y)) return {column, row};
        }
    }
    return StrictlyInside(PreviewRect(width, height), x, y) ? kPreviewCell : kNoCell;
}

DropDownAction ClickAction(HotCell hot, int x, int y, int height) {
    if (hot.IsGridCell()) return DropDownAction::ChooseCell;
    // The preview square reaches into the other button's area (x up to 65); a click on the
    // square keeps the current colour rather than opening the colour dialog.
    if (hot.IsPreview()) return DropDownAction::ChooseCurrent;
    if (3 <= x && x <= 65 && height - 21 <= y && y <= height - 3) {
        return DropDownAction::OtherColour;
    }
    return DropDownAction::None;
}

namespace {

constexpr int kPreviewIndex = kRows * kColumns;  // after the last grid cell

int ReadingIndex(HotCell cell) {
    return cell.IsPreview() ? kPreviewIndex : (cell.row - 1) * kColumns + (cell.column - 1);
}

HotCell FromReadingIndex(int index) {
    if (index >= kPreviewIndex) return kPreviewCell;
    return {index % kColumns + 1, index / kColumns + 1};
}

}  // namespace

HotCell MoveHotCell(HotCell from, GridKey key) {
    if (!from.IsGridCell() && !from.IsPreview()) return {1, 1};  // the first key enters the grid
    switch (key) {
        case GridKey::Left:
            return FromReadingIndex(std::max(0, ReadingIndex(from) - 1));
        case GridKey::Right:
            return FromReadingIndex(ReadingIndex(from) + 1);
        case GridKey::Up:
            if (from.IsPreview()) return {kColumns, kRows};
            return {from.column, std::max(1, from.row - 1)};
        case GridKey::Down:
            if (from.IsPreview() || from.row == kRows) return kPreviewCell;
            return {from.column, from.row + 1};
        case GridKey::Home:
            return {1, 1};
        case GridKey::End:
            return kPreviewCell;
    }
    return from;
}

DropDownAction KeyAction(HotCell hot) {
    if (hot.IsGridCell()) return DropDownAction::ChooseCell;
    if (hot.IsPreview()) return DropDownAction::ChooseCurrent;
    return DropDownAction::None;
}

wchar_t OtherButtonKey(TztLanguage language) {
    const std::string_view text = OtherButtonText(language);
    const std::size_t amp = text.find('&');
    const char key = amp + 1 < text.size() ? text[amp + 1] : 'o';
    return static_cast<wchar_t>(key >= 'A' && key <= 'Z' ? key - 'A' + 'a' : key);
}

const char* OtherButtonText(TztLanguage language) {
    switch (language) {
        case lgNederlands:
            return "&Andere...";
        case lgFrancais:
            return "&Autre...";
        default:
            return "&Other...";
    }
}

void DrawBevelFrame(Canvas& c, CanvasRect r, Colour top, Colour bottom, int width) {
    r.right -= 1;
    r.bottom -= 1;
    for (int i = 0; i < width; ++i) {
        // As two pen strokes: bottom-left, top-left, top-right in the top colour; then
        // top-right, bottom-right, and one pixel left of bottom-left in the bottom colour.
        c.Line(r.left, r.bottom, r.left, r.top, top);
        c.Line(r.left, r.top, r.right, r.top, top);
        c.Line(r.right, r.top, r.right, r.bottom, bottom);
        c.Line(r.right, r.bottom, r.left - 1, r.bottom, bottom);
        r = Grown(r, -1);
    }
}

void DrawSunkenCell(Canvas& c, const CanvasRect& rect) {
    DrawBevelFrame(c, rect, kGrey, kWhite, 1);
    DrawBevelFrame(c, Grown(rect, -1), kBlack, kLightGrey, 1);
}

void DrawHotFrame(Canvas& c, const CanvasRect& rect) {
    c.FrameRect(Grown(rect, 1), kBlack);
    c.FrameRect(rect, kWhite);
    c.FrameRect(Grown(rect, -1), kBlack);
}

void DrawDropArrow(Canvas& c, int x, int y) {
    c.FillRect({x, y, x + 5, y + 1}, kBlack);
    c.FillRect({x + 1, y + 1, x + 4, y + 2}, kBlack);
    c.FillRect({x + 2, y + 2, x + 3, y + 3}, kBlack);
}

void PaintPicker(Canvas& c, const PickerLook& look) {
    const int w = look.width;
    const int h = look.height;
    const int q = w / 4;
    const CanvasRect client{0, 0, w, h};
    if (!look.pressed) {
        c.ButtonFrame(client, look.flat ? ButtonFrameKind::Flat : ButtonFrameKind::Raised);
        const Colour dim = look.enabled ? kGrey : kSilver;
        DrawBevelFrame(c, {w - q - 1, 3, w - q - 1, h - 3}, kWhite, dim, 1);
        c.FillRect({5, 4, w - q - 5, h - 4}, look.enabled ? kBlack : kSilver);
        c.FillRect({6, 5, w - q - 6, h - 5}, look.color);
        if (look.enabled) DrawDropArrow(c, w - q + q / 2 - 4, h / 2 - 1);
        if (look.focused) c.FocusRect({3, 3, w - 3, h - 3});
    } else {
        c.ButtonFrame(client, ButtonFrameKind::Pushed);
        DrawBevelFrame(c, {w - q, 4, w - q, h - 2}, kWhite, kGrey, 1);
        c.FillRect({6, 5, w - q - 4, h - 3}, kBlack);
        c.FillRect({7, 6, w - q - 5, h - 4}, look.color);
        DrawDropArrow(c, w - q + q / 2 - 3, h / 2);
        if (look.focused) c.FocusRect({4, 4, w - 2, h - 2});
    }
}

void PaintDropDown(Canvas& c, const DropDownLook& look) {
    const int w = look.width;
    const int h = look.height;
    c.ButtonFrame({0, 0, w, h}, ButtonFrameKind::Raised);
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 1; column <= kColumns; ++column) {
            const CanvasRect cell = CellRect(column, row);
            DrawSunkenCell(c, cell);
            c.FillRect(Grown(cell, -2), CellColour({column, row}));
        }
    }
    const CanvasRect preview = PreviewRect(w, h);
    DrawSunkenCell(c, preview);
    c.FillRect(Grown(preview, -2), look.current);
    DrawBevelFrame(c, {4, h - 24, w - 4, h - 24}, kWhite, kGrey, 1);
    const CanvasRect other = OtherButtonRect(h);
    c.ButtonFrame(other, ButtonFrameKind::Flat);
    c.Text(other, OtherButtonText(look.language), kButtonFace);
    if (look.hot.IsPreview()) {
        DrawHotFrame(c, preview);
    } else if (look.hot.IsGridCell()) {
        DrawHotFrame(c, CellRect(look.hot.column, look.hot.row));
    }
}

bool PickerState::MouseUp() {
    const bool click = pressed_ && inside_;
    pressed_ = false;
    return click;
}

bool PickerState::SpaceDown() {
    if (spaceHeld_) return false;
    spaceHeld_ = true;
    pressed_ = true;
    return true;
}

bool PickerState::SpaceUp() {
    if (!spaceHeld_) return false;
    spaceHeld_ = false;
    pressed_ = false;
    return true;
}

void PickerState::Cancel() {
    pressed_ = false;
    spaceHeld_ = false;
}

}  // namespace colorpick
