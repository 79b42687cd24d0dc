#include <gtest/gtest.h>

#include <climits>

#include "ui/MainLayout.h"
#include "ui/MainPosition.h"

namespace {

RecRec WithSelected(std::initializer_list<int> slots) {
    RecRec rec;
    for (int s = 1; s <= kSlotCount; ++s) rec.Geselecteerd[s] = false;
    for (int s : slots) rec.Geselecteerd[s] = true;
    return rec;
}

const MainGeometry kGeometry{
    .buttonHeight = 22, .groupBoxTop = 6, .panelConvertHeight = 67, .toolBarHeight = 36};

TEST(MainLayout, TenListedSlotsGiveGroupBoxesOf242) {
    const RecRec rec = WithSelected({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    const MainLayout layout = ComputeMainLayout(rec, true, kGeometry);
    EXPECT_EQ(layout.rows.size(), 10u);
    EXPECT_EQ(layout.groupBoxHeight, 242);
    EXPECT_EQ(layout.bevelOnderTop, 6 + 242 - 6);
    EXPECT_EQ(layout.clientHeight, 67 + 36 + 6 + 242 + 10);
    EXPECT_EQ(layout.lijst, 2);
}

TEST(MainLayout, RowsFollowSlotOrderAndSkipUnlistedSlots) {
    const RecRec rec = WithSelected({19, 1, 16, 22});
    const MainLayout layout = ComputeMainLayout(rec, true, kGeometry);
    ASSERT_EQ(layout.rows.size(), 4u);
    const int expected[] = {1, 16, 19, 22};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(layout.rows[i].slot, expected[i]);
        EXPECT_EQ(layout.rows[i].buttonTop, 14 + i * 22);
        // the caption sits a quarter button lower than the button, level with its middle
        EXPECT_EQ(layout.rows[i].labelTop, 6 + i * 22 + 22 / 4 + 14);
    }
}

TEST(MainLayout, CompactViewKeepsOnlyToolBarAndAmountPanel) {
    RecRec rec = WithSelected({1, 2});
    rec.Lijst = 2;
    const MainLayout layout = ComputeMainLayout(rec, false, kGeometry);
    EXPECT_EQ(layout.clientHeight, 36 + 67 + 2);
    EXPECT_EQ(layout.lijst, 1);
    EXPECT_EQ(layout.rows.size(), 2u);  // the rows keep their slots for the next switch
}

TEST(MainLayout, NoListedSlotLeavesOneEmptyRowOfSpace) {
    const MainLayout layout = ComputeMainLayout(WithSelected({}), true, kGeometry);
    EXPECT_TRUE(layout.rows.empty());
    EXPECT_EQ(layout.groupBoxHeight, 22);
}

// A window of 332 x 500 on a work area of 1280 x 994 starting at (0, 30): the centre is (474, 277).
struct PlacementCase {
    const char* what;
    WindowPosition saved;
    WindowPosition expected;
};

class MainPosition : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(MainPosition, MovesAReachablePositionOntoTheWorkAreaAndCentresAnyOther) {
    const PlacementCase& c = GetParam();
    const ScreenRect work{.left = 0, .top = 30, .right = 1280, .bottom = 1024};
    const WindowPosition placed = PlaceOnWorkArea(c.saved, 332, 500, work);
    EXPECT_EQ(placed.left, c.expected.left) << c.what;
    EXPECT_EQ(placed.top, c.expected.top) << c.what;
}

constexpr WindowPosition kCentre{.top = 30 + (994 - 500) / 2, .left = (1280 - 332) / 2};

INSTANTIATE_TEST_SUITE_P(
    Cases, MainPosition,
    ::testing::Values(
        PlacementCase{"inside", {.top = 100, .left = 200}, {.top = 100, .left = 200}},
        PlacementCase{"partly off the right edge, 41 pixels left to grab",
                      {.top = 100, .left = 1239},
                      {.top = 100, .left = 1280 - 332}},
        PlacementCase{"only 40 pixels on the right edge", {.top = 100, .left = 1240}, kCentre},
        PlacementCase{
            "41 pixels on the left edge", {.top = 100, .left = -291}, {.top = 100, .left = 0}},
        PlacementCase{"only 40 pixels on the left edge", {.top = 100, .left = -292}, kCentre},
        PlacementCase{"caption 10 pixels above the work area",
                      {.top = 20, .left = 200},
                      {.top = 30, .left = 200}},
        PlacementCase{"caption 11 pixels above", {.top = 19, .left = 200}, kCentre},
        PlacementCase{"caption 31 pixels above the bottom",
                      {.top = 993, .left = 200},
                      {.top = 1024 - 500, .left = 200}},
        PlacementCase{"caption 30 pixels above the bottom", {.top = 994, .left = 200}, kCentre},
        PlacementCase{"a minimised window's place", {.top = -32000, .left = -32000}, kCentre},
        PlacementCase{"the largest numbers", {.top = INT_MAX, .left = INT_MAX}, kCentre},
        PlacementCase{"the smallest numbers", {.top = INT_MIN, .left = INT_MIN}, kCentre}));

}  // namespace
