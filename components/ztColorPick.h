// The colour picker's rules without a window: its two looks and the drop-down's grid, their
// drawing routines, the hit test of the grid and the picker's input states. The windows
// (ztColorPick_win) draw through a Canvas and act on what these routines decide.
#pragma once

#include <array>

#include "util/Canvas.h"
#include "util/Colour.h"
#include "util/zt_Misc.h"

namespace colorpick {

inline constexpr int kPickerWidth = 42;
inline constexpr int kPickerHeight = 21;
inline constexpr int kDropDownWidth = 78;
inline constexpr int kDropDownHeight = 120;
inline constexpr int kColumns = 4;
inline constexpr int kRows = 5;

inline constexpr Colour kWhite = MakeColour(255, 255, 255);
inline constexpr Colour kBlack = 0;
inline constexpr Colour kSilver = MakeColour(192, 192, 192);
inline constexpr Colour kGrey = MakeColour(128, 128, 128);
inline constexpr Colour kLightGrey = MakeColour(223, 223, 223);

// The twenty fixed colours, by row and then column (both from 0 here).
extern const std::array<std::array<Colour, kColumns>, kRows> ColorTable;

// A cell of the drop-down: column 1..4 and row 1..5, (0, 0) for none, (4, 6) for the preview.
struct HotCell {
    int column = 0;
    int row = 0;
    bool operator==(const HotCell&) const = default;
    bool IsGridCell() const {
        return column >= 1 && column <= kColumns && row >= 1 && row <= kRows;
    }
    bool IsPreview() const { return column == 4 && row == 6; }
};
inline constexpr HotCell kNoCell{0, 0};
inline constexpr HotCell kPreviewCell{4, 6};

CanvasRect CellRect(int column, int row);
CanvasRect PreviewRect(int width, int height);
CanvasRect OtherButtonRect(int height);
Colour CellColour(HotCell cell);  // a grid cell's table colour

// The cell highlighted when the drop-down opens: the first (row by row) holding the colour,
// else the preview square.
HotCell InitialHotCell(Colour current);
// The cell under a point: the cells grown by 2 (so the gaps between them belong to a cell, the
// first in row order winning), else the preview square itself, else none.
HotCell HotCellAt(int x, int y, int width, int height);

// What a mouse button pressed at a point of the drop-down does.
enum class DropDownAction { None, ChooseCell, ChooseCurrent, OtherColour };
DropDownAction ClickAction(HotCell hot, int x, int y, int height);

// The keys that move the drop-down's highlight. Left and Right go in reading order through the
// grid and on to the preview square after the last cell; Up and Down go by rows, the preview
// square below the last row; Home and End go to the first cell and the preview square.
enum class GridKey { Left, Right, Up, Down, Home, End };
HotCell MoveHotCell(HotCell from, GridKey key);
// What Enter or Space does on the highlighted cell: a grid cell chooses its colour, the
// preview square keeps the current one.
DropDownAction KeyAction(HotCell hot);

// The other button's caption, and its access key (lower case) that opens the colour dialog.
const char* OtherButtonText(TztLanguage language);
wchar_t OtherButtonKey(TztLanguage language);

// ---- drawing routines
void DrawBevelFrame(Canvas& c, CanvasRect rect, Colour top, Colour bottom, int width);
void DrawSunkenCell(Canvas& c, const CanvasRect& rect);
void DrawHotFrame(Canvas& c, const CanvasRect& rect);
void DrawDropArrow(Canvas& c, int x, int y);

struct PickerLook {
    int width = kPickerWidth;
    int height = kPickerHeight;
    Colour color = 0;
    bool enabled = true;
    bool flat = false;
    bool focused = false;
    bool pressed = false;  // the pressed look
};
void PaintPicker(Canvas& c, const PickerLook& look);

struct DropDownLook {
    int width = kDropDownWidth;
    int height = kDropDownHeight;
    Colour current = 0;
    HotCell hot = kNoCell;
    TztLanguage language = lgNederlands;
};
void PaintDropDown(Canvas& c, const DropDownLook& look);

// The picker's flags and what its input leads to.
class PickerState {
  public:
    bool Pressed() const { return pressed_; }
    bool PointerInside() const { return inside_; }
    bool SpaceHeld() const { return spaceHeld_; }
    // Pressed while the pointer is over it or Space is held.
    bool PressedLook() const { return pressed_ && (inside_ || spaceHeld_); }

    void MouseDown() { pressed_ = true; }
    // True when the release makes a click (the pointer still over the picker).
    bool MouseUp();
    void SetPointerInside(bool inside) { inside_ = inside; }
    // True when the look changed (a repeated key-down changes nothing).
    bool SpaceDown();
    // True when the drop-down opens: Space went down on this picker before.
    bool SpaceUp();
    // A lost focus or mouse capture ends any press.
    void Cancel();

  private:
    bool pressed_ = false;
    bool inside_ = false;
    bool spaceHeld_ = false;
};

}  // namespace colorpick
