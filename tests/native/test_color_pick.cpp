// The colour picker drawn into pictures: both looks of the button and the drop-down pinned at
// their coordinates, the grid's hit test with its gaps, the click areas and the input states.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "components/ztColorPick.h"

namespace {

using namespace colorpick;

constexpr Colour kBackdrop = MakeColour(1, 2, 3);  // never drawn by the looks
constexpr Colour kSwatch = MakeColour(0x12, 0x34, 0x56);
const Colour kFace = ClassicColour(0x80000000u | 15);

Picture RenderPicker(const PickerLook& look) {
    Picture p(look.width, look.height, kBackdrop);
    PictureCanvas canvas(p);
    PaintPicker(canvas, look);
    return p;
}

Picture RenderDropDown(const DropDownLook& look,
                       std::vector<PictureCanvas::TextRun>* texts = nullptr) {
    Picture p(look.width, look.height, kBackdrop);
    PictureCanvas canvas(p);
    PaintDropDown(canvas, look);
    if (texts) *texts = canvas.Texts();
    return p;
}

// Every pixel of [left, right) x [top, bottom) has the colour.
::testing::AssertionResult AllOf(const Picture& p, CanvasRect r, Colour c) {
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            if (p.At(x, y) != c) {
                return ::testing::AssertionFailure() << "pixel (" << x << "," << y << ") is "
                                                     << std::hex << p.At(x, y) << ", not " << c;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

std::set<std::pair<int, int>> Differences(const Picture& a, const Picture& b) {
    std::set<std::pair<int, int>> points;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            if (a.At(x, y) != b.At(x, y)) points.insert({x, y});
    return points;
}

// The pixels of one-pixel outlines just inside each rectangle.
std::set<std::pair<int, int>> Outlines(std::initializer_list<CanvasRect> rects) {
    std::set<std::pair<int, int>> points;
    for (const CanvasRect& r : rects) {
        for (int x = r.left; x < r.right; ++x) {
            points.insert({x, r.top});
            points.insert({x, r.bottom - 1});
        }
        for (int y = r.top; y < r.bottom; ++y) {
            points.insert({r.left, y});
            points.insert({r.right - 1, y});
        }
    }
    return points;
}

struct Region {
    CanvasRect rect;
    Colour colour;
    const char* what;
};

TEST(ColorPickerLook, NormalLookAtItsCoordinates) {
    // 42 x 21, so q = 10: divider at x 30/31, swatch up to x 26, arrow from x 33.
    const Picture p = RenderPicker({.color = kSwatch});
    const Region regions[] = {
        {{6, 5, 26, 16}, kSwatch, "swatch"},
        {{5, 4, 27, 5}, kBlack, "swatch border, top"},
        {{5, 16, 27, 17}, kBlack, "swatch border, bottom"},
        {{5, 4, 6, 17}, kBlack, "swatch border, left"},
        {{26, 4, 27, 17}, kBlack, "swatch border, right"},
        {{4, 4, 5, 17}, kFace, "left of the border"},
        {{27, 4, 30, 17}, kFace, "between border and divider"},
        {{5, 3, 27, 4}, kFace, "above the border"},
        {{5, 17, 27, 19}, kFace, "below the border"},
        {{30, 3, 31, 17}, kGrey, "divider, grey stroke"},
        {{30, 17, 31, 19}, kFace, "below the grey stroke"},
        {{31, 3, 32, 18}, kWhite, "divider, white stroke"},
        {{31, 18, 32, 19}, kFace, "below the white stroke"},
        {{30, 2, 32, 3}, kFace, "above the divider"},
        {{33, 9, 38, 10}, kBlack, "arrow, first row"},
        {{34, 10, 37, 11}, kBlack, "arrow, second row"},
        {{35, 11, 36, 12}, kBlack, "arrow, tip"},
        {{32, 9, 33, 12}, kFace, "left of the arrow"},
        {{38, 9, 40, 12}, kFace, "right of the arrow"},
        {{33, 10, 34, 11}, kFace, "beside the arrow's second row"},
        {{33, 12, 38, 13}, kFace, "under the tip"},
    };
    for (const Region& r : regions) EXPECT_TRUE(AllOf(p, r.rect, r.colour)) << r.what;
}

TEST(ColorPickerLook, DisabledShowsSilverBorderAndDividerAndNoArrow) {
    const Picture p = RenderPicker({.color = kSwatch, .enabled = false});
    EXPECT_TRUE(AllOf(p, {5, 4, 27, 5}, kSilver));
    EXPECT_TRUE(AllOf(p, {26, 4, 27, 17}, kSilver));
    EXPECT_TRUE(AllOf(p, {6, 5, 26, 16}, kSwatch));
    EXPECT_TRUE(AllOf(p, {30, 3, 31, 17}, kSilver));
    EXPECT_TRUE(AllOf(p, {31, 3, 32, 18}, kWhite));
    EXPECT_TRUE(AllOf(p, {32, 8, 39, 13}, kFace)) << "no arrow";
}

TEST(ColorPickerLook, PressedLookIsTheNormalOneMovedRightAndDown) {
    for (const bool focused : {false, true}) {
        SCOPED_TRACE(focused);
        const Picture normal = RenderPicker({.color = kSwatch, .focused = focused});
        const Picture pressed =
            RenderPicker({.color = kSwatch, .focused = focused, .pressed = true});
        // Everything inside the two-pixel frames, one pixel further on.
        for (int y = 2; y <= 17; ++y) {
            for (int x = 2; x <= 38; ++x) {
                ASSERT_EQ(pressed.At(x + 1, y + 1), normal.At(x, y)) << x << "," << y;
            }
        }
        EXPECT_TRUE(AllOf(pressed, {7, 6, 27, 17}, kSwatch));
        EXPECT_TRUE(AllOf(pressed, {34, 10, 39, 11}, kBlack)) << "arrow";
        EXPECT_NE(pressed.At(0, 0), normal.At(0, 0)) << "the frame is pushed in";
    }
}

TEST(ColorPickerLook, PressedLookShowsTheArrowEvenWhenDisabledAndIsNeverFlat) {
    const Picture pressed = RenderPicker({.enabled = false, .flat = true, .pressed = true});
    EXPECT_TRUE(AllOf(pressed, {34, 10, 39, 11}, kBlack));
    EXPECT_EQ(pressed, RenderPicker({.enabled = false, .pressed = true}));
    EXPECT_TRUE(AllOf(pressed, {31, 4, 32, 18}, kGrey)) << "grey divider, not silver";
}

TEST(ColorPickerLook, FocusRectangleLiesThreePixelsInside) {
    struct Case {
        bool pressed;
        CanvasRect outline;
    };
    for (const Case& c : {Case{false, {3, 3, 39, 18}}, Case{true, {4, 4, 40, 19}}}) {
        SCOPED_TRACE(c.pressed);
        const Picture plain = RenderPicker({.color = kSwatch, .pressed = c.pressed});
        const Picture focused =
            RenderPicker({.color = kSwatch, .focused = true, .pressed = c.pressed});
        const auto changed = Differences(plain, focused);
        const auto outline = Outlines({c.outline});
        EXPECT_FALSE(changed.empty());
        for (const auto& point : changed)
            EXPECT_TRUE(outline.count(point)) << point.first << "," << point.second;
        EXPECT_TRUE(changed.count({c.outline.left, c.outline.top}));
    }
}

TEST(ColorPickerLook, FlatChangesOnlyTheFrame) {
    const auto changed = Differences(RenderPicker({.color = kSwatch}),
                                     RenderPicker({.color = kSwatch, .flat = true}));
    EXPECT_FALSE(changed.empty());
    for (const auto& [x, y] : changed) {
        EXPECT_TRUE(x < 2 || y < 2 || x >= 40 || y >= 19) << x << "," << y;
    }
}

TEST(ColorDropDown, GridPreviewAndSeparatorAtTheirCoordinates) {
    const Picture p = RenderDropDown({.current = kSwatch});
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 1; column <= kColumns; ++column) {
            SCOPED_TRACE(std::to_string(column) + "," + std::to_string(row));
            const int l = 18 * column - 14, t = 18 * row - 14;
            EXPECT_TRUE(AllOf(p, {l + 2, t + 2, l + 14, t + 14}, CellColour({column, row})));
            EXPECT_TRUE(AllOf(p, {l, t, l + 15, t + 1}, kGrey)) << "top";
            EXPECT_TRUE(AllOf(p, {l, t, l + 1, t + 15}, kGrey)) << "left";
            EXPECT_TRUE(AllOf(p, {l + 15, t, l + 16, t + 16}, kWhite)) << "right";
            EXPECT_TRUE(AllOf(p, {l, t + 15, l + 16, t + 16}, kWhite)) << "bottom";
            EXPECT_TRUE(AllOf(p, {l + 1, t + 1, l + 14, t + 2}, kBlack)) << "inner top";
            EXPECT_TRUE(AllOf(p, {l + 1, t + 1, l + 2, t + 14}, kBlack)) << "inner left";
            EXPECT_TRUE(AllOf(p, {l + 14, t + 1, l + 15, t + 15}, kLightGrey)) << "inner right";
            EXPECT_TRUE(AllOf(p, {l + 1, t + 14, l + 15, t + 15}, kLightGrey)) << "inner bottom";
            EXPECT_TRUE(AllOf(p, {l + 16, t, l + 18, t + 16}, kFace)) << "gap to the right";
        }
    }
    EXPECT_EQ(p.At(4, 4), kGrey);
    EXPECT_TRUE(AllOf(p, {60, 102, 72, 114}, kSwatch)) << "preview (58,100)-(74,116) inside";
    EXPECT_TRUE(AllOf(p, {58, 100, 73, 101}, kGrey));
    EXPECT_TRUE(AllOf(p, {73, 100, 74, 116}, kWhite));
    EXPECT_TRUE(AllOf(p, {4, 95, 74, 96}, kGrey)) << "separator, grey line at H - 25";
    EXPECT_TRUE(AllOf(p, {4, 96, 73, 97}, kWhite)) << "separator, white line at H - 24";
    EXPECT_EQ(p.At(73, 96), kGrey);
    EXPECT_EQ(p.At(3, 95), kFace);
    EXPECT_EQ(p.At(74, 95), kFace);
    EXPECT_TRUE(AllOf(p, {4, 94, 74, 95}, kFace));
}

TEST(ColorDropDown, HotFramesOutlineTheCellOrThePreview) {
    const Picture plain = RenderDropDown({.current = kSwatch});
    struct Case {
        HotCell hot;
        CanvasRect rect;
    };
    for (const Case& c : {Case{{2, 3}, {22, 40, 38, 56}}, Case{{4, 5}, {58, 76, 74, 92}},
                          Case{kPreviewCell, {58, 100, 74, 116}}}) {
        SCOPED_TRACE(std::to_string(c.hot.column) + "," + std::to_string(c.hot.row));
        const Picture hot = RenderDropDown({.current = kSwatch, .hot = c.hot});
        const CanvasRect r = c.rect;
        const auto frames = Outlines({{r.left - 1, r.top - 1, r.right + 1, r.bottom + 1},
                                      r,
                                      {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}});
        for (const auto& point : Differences(plain, hot)) EXPECT_TRUE(frames.count(point));
        EXPECT_TRUE(AllOf(hot, {r.left - 1, r.top - 1, r.right + 1, r.top}, kBlack));
        EXPECT_TRUE(AllOf(hot, {r.left, r.top, r.right, r.top + 1}, kWhite));
        EXPECT_TRUE(AllOf(hot, {r.left + 1, r.top + 1, r.right - 1, r.top + 2}, kBlack));
        EXPECT_TRUE(AllOf(hot, {r.left + 2, r.top + 2, r.right - 2, r.bottom - 2},
                          plain.At(r.left + 5, r.top + 5)))
            << "the colour stays visible";
    }
    EXPECT_EQ(RenderDropDown({.current = kSwatch, .hot = kNoCell}), plain);
}

TEST(ColorDropDown, OtherButtonTextPerLanguage) {
    const std::pair<TztLanguage, const char*> cases[] = {{lgNederlands, "&Andere..."},
                                                         {lgEnglish, "&Other..."},
                                                         {lgFrancais, "&Autre..."},
                                                         {lgDeutsch, "&Other..."},
                                                         {lgEspagnol, "&Other..."}};
    for (const auto& [language, text] : cases) {
        std::vector<PictureCanvas::TextRun> texts;
        RenderDropDown({.language = language}, &texts);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].text, text);
        EXPECT_EQ(texts[0].rect, (CanvasRect{3, 99, 56, 117}));
        EXPECT_EQ(texts[0].background, 0x80000000u | 15) << "the button face";
    }
}

TEST(ColorDropDown, HitTestCoversTheGapsFirstCellWinning) {
    struct Case {
        int x, y;
        HotCell expected;
        const char* what;
    };
    const Case cases[] = {
        {10, 10, {1, 1}, "inside the first cell"},
        {3, 3, {1, 1}, "grown by 2, first pixel inside"},
        {2, 10, kNoCell, "on the grown edge: strict inequality"},
        {10, 2, kNoCell, "above the grid"},
        {20, 10, {1, 1}, "gap between columns 1 and 2, first pixel"},
        {21, 10, {1, 1}, "gap, second pixel: both grown cells, the first wins"},
        {22, 10, {2, 1}, "second cell"},
        {10, 21, {1, 1}, "gap between rows, the upper wins"},
        {10, 22, {1, 2}, "second row"},
        {21, 21, {1, 1}, "the corner where four grown cells meet"},
        {75, 10, {4, 1}, "right of the last column, still grown"},
        {76, 10, kNoCell, "beyond"},
        {40, 93, {3, 5}, "below the last row, still grown"},
        {40, 94, kNoCell, "beyond the last row"},
        {59, 101, kPreviewCell, "preview, first pixel strictly inside"},
        {58, 105, kNoCell, "preview's edge"},
        {73, 115, kPreviewCell, "preview, last pixel"},
        {74, 110, kNoCell, "right of the preview"},
        {20, 108, kNoCell, "the other button"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HotCellAt(c.x, c.y, kDropDownWidth, kDropDownHeight), c.expected) << c.what;
    }
}

TEST(ColorDropDown, ClickActions) {
    struct Case {
        HotCell hot;
        int x, y;
        DropDownAction expected;
        const char* what;
    };
    const Case cases[] = {
        {{3, 2}, 45, 25, DropDownAction::ChooseCell, "a cell"},
        {kPreviewCell, 60, 105, DropDownAction::ChooseCurrent,
         "the preview, inside the button area"},
        {kNoCell, 3, 99, DropDownAction::OtherColour, "other button, top-left end"},
        {kNoCell, 56, 117, DropDownAction::OtherColour, "other button, bottom-right corner"},
        {kNoCell, 65, 110, DropDownAction::OtherColour, "the area reaches x 65"},
        {kNoCell, 2, 110, DropDownAction::None, "left of it"},
        {kNoCell, 66, 98, DropDownAction::None, "right and above"},
        {kNoCell, 30, 98, DropDownAction::None, "above it"},
        {kNoCell, 30, 118, DropDownAction::None, "below it"},
    };
    for (const Case& c : cases) EXPECT_EQ(ClickAction(c.hot, c.x, c.y, 120), c.expected) << c.what;
}

TEST(ColorDropDown, KeysMoveTheHighlightAndEnterChooses) {
    struct Case {
        HotCell from;
        GridKey key;
        HotCell expected;
        const char* what;
    };
    const Case cases[] = {
        {kNoCell, GridKey::Down, {1, 1}, "the first key enters the grid"},
        {{1, 1}, GridKey::Left, {1, 1}, "nothing before the first cell"},
        {{4, 1}, GridKey::Right, {1, 2}, "right of a row's end: the next row"},
        {{4, 5}, GridKey::Right, kPreviewCell, "after the last cell: the preview"},
        {kPreviewCell, GridKey::Left, {4, 5}, "left of the preview: the last cell"},
        {{2, 1}, GridKey::Up, {2, 1}, "nothing above the first row"},
        {{1, 5}, GridKey::Down, kPreviewCell, "below the last row: the preview"},
        {kPreviewCell, GridKey::Up, {4, 5}, "above the preview"},
        {{3, 4}, GridKey::End, kPreviewCell, "End"},
    };
    for (const Case& c : cases) EXPECT_EQ(MoveHotCell(c.from, c.key), c.expected) << c.what;

    EXPECT_EQ(KeyAction({3, 2}), DropDownAction::ChooseCell);
    EXPECT_EQ(KeyAction(kPreviewCell), DropDownAction::ChooseCurrent);
    EXPECT_EQ(KeyAction(kNoCell), DropDownAction::None);
    EXPECT_EQ(OtherButtonKey(lgNederlands), L'a');
    EXPECT_EQ(OtherButtonKey(lgEnglish), L'o');
    EXPECT_EQ(OtherButtonKey(lgFrancais), L'a');
}

TEST(ColorDropDown, OpensOnTheCurrentColoursCellOrThePreview) {
    EXPECT_EQ(InitialHotCell(0x000000), (HotCell{2, 1}));
    EXPECT_EQ(InitialHotCell(0xC0C0C0), (HotCell{3, 1}));
    EXPECT_EQ(InitialHotCell(0x800000), (HotCell{2, 4})) << "navy";
    EXPECT_EQ(InitialHotCell(0xA4A0A0), (HotCell{4, 5}));
    EXPECT_EQ(InitialHotCell(kSwatch), kPreviewCell);
    EXPECT_EQ(InitialHotCell(0x8000000F), kPreviewCell) << "a system colour";
    for (int row = 1; row <= kRows; ++row)
        for (int column = 1; column <= kColumns; ++column)
            EXPECT_EQ(InitialHotCell(CellColour({column, row})), (HotCell{column, row}));
}

TEST(ColorPickerInput, SpaceHeldShowsThePressedLookAndItsReleaseOpens) {
    PickerState s;
    EXPECT_FALSE(s.SpaceUp()) << "a release without a press opens nothing";
    EXPECT_TRUE(s.SpaceDown());
    EXPECT_TRUE(s.PressedLook()) << "the pointer is elsewhere";
    EXPECT_FALSE(s.SpaceDown()) << "key repeat";
    EXPECT_TRUE(s.SpaceUp());
    EXPECT_FALSE(s.PressedLook());
    EXPECT_FALSE(s.SpaceUp());
}

TEST(ColorPickerInput, MousePressLooksPressedOnlyWhileThePointerIsOver) {
    PickerState s;
    s.SetPointerInside(true);
    s.MouseDown();
    EXPECT_TRUE(s.PressedLook());
    s.SetPointerInside(false);
    EXPECT_FALSE(s.PressedLook());
    EXPECT_TRUE(s.Pressed());
    EXPECT_FALSE(s.MouseUp()) << "released outside: no click";
    s.SetPointerInside(true);
    s.MouseDown();
    EXPECT_TRUE(s.MouseUp());
    EXPECT_FALSE(s.MouseUp()) << "a release without a press";
    s.MouseDown();
    s.Cancel();
    EXPECT_FALSE(s.PressedLook());
}

}  // namespace
