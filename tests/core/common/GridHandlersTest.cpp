#include "core/common/GridHandlers.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct Case {
    int row, column;
    int expected_row, expected_column;
};

std::ostream& operator<<(std::ostream& out, const Case& c) {
    return out << "row " << c.row << " column " << c.column;
}

class EnterJump : public testing::TestWithParam<Case> {};

// Three data rows, columns 1 to 4 with column 2 hidden.
TEST_P(EnterJump, MovesAlongTheVisibleColumnsAndWrapsToRowOne) {
    cfg::Table table(4, 5);
    table.set_column_visible(2, false);
    cfg::GridCursor cursor{GetParam().row, GetParam().column};
    EXPECT_TRUE(cfg::Grid_Enter_Jump(table, cursor, cfg::Enter_Key, true));
    EXPECT_EQ(cursor.row, GetParam().expected_row);
    EXPECT_EQ(cursor.column, GetParam().expected_column);
}

INSTANTIATE_TEST_SUITE_P(Cases, EnterJump,
                         testing::Values(Case{1, 1, 1, 3}, Case{1, 3, 1, 4}, Case{1, 4, 2, 1},
                                         Case{3, 4, 1, 1}, Case{0, 2, 0, 2}, Case{2, 0, 2, 0}));

TEST(EnterJump, PassesTheKeyThroughWhenOffOrNotEnter) {
    cfg::Table table(3, 3);
    cfg::GridCursor cursor{1, 1};
    EXPECT_FALSE(cfg::Grid_Enter_Jump(table, cursor, cfg::Enter_Key, false));
    EXPECT_FALSE(cfg::Grid_Enter_Jump(table, cursor, 9, true));
    EXPECT_EQ(cursor.row, 1);
    EXPECT_EQ(cursor.column, 1);
}

TEST(HeaderDoubleClick, AutoSizesOnlyAHeaderCellWithTheOptionOn) {
    EXPECT_TRUE(cfg::Grid_Header_DblClick(0, true));
    EXPECT_FALSE(cfg::Grid_Header_DblClick(0, false));
    EXPECT_FALSE(cfg::Grid_Header_DblClick(1, true));
}

} // namespace
