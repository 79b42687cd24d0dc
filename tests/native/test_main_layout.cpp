#include <gtest/gtest.h>

#include "ui/MainLayout.h"

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

}  // namespace
