#include "core/common/SavedRows.h"

#include <gtest/gtest.h>

namespace {

// A text, a check box's state and a check box taken away each make a row differ; putting the
// saved rows back gives the table as it was, check boxes included.
TEST(SavedRows, PutBackWhatDiffered) {
    cfg::Table before(7, 3);
    for (int row = 1; row < 7; ++row) {
        before.set_text(row, 1, "row " + std::to_string(row));
        before.set_check_box(row, 2, row % 2 == 0);
    }
    cfg::Table after = before;
    after.set_text(2, 1, "changed");
    after.set_check_box(4, 2, false);
    after.remove_check_box(5, 2);
    after.set_text(0, 1, "a header is no data row");

    const std::vector<int> rows = cfg::Differing_Rows(before, after);
    EXPECT_EQ(rows, (std::vector<int>{2, 4, 5}));
    const std::vector<cfg::Saved_Row> saved = cfg::Save_Rows(before, rows);
    cfg::Table restored = after;
    cfg::Restore_Rows(restored, saved);
    restored.set_text(0, 1, before.text(0, 1));
    EXPECT_EQ(restored, before);
    cfg::Restore_Rows(restored, cfg::Save_Rows(after, rows));
    EXPECT_TRUE(cfg::Differing_Rows(restored, after).empty());
}

} // namespace
