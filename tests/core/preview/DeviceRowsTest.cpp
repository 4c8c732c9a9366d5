#include "core/preview/DeviceRows.h"

#include "core/nmea/ListenerFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

using cfg::test::fixture;

bool same_rows(const std::vector<cfg::image::Listener_Image_Row>& a,
               const std::vector<cfg::image::Listener_Image_Row>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const auto& x, const auto& y) { return x.row == y.row && x.entry == y.entry; });
}

// The screen's table is compiled as its saved file would be: the same rows, an edit shows at once, and
// a row below one whose sentence the screen emptied is not given, as a save leaves it out.
TEST(DeviceRows, ATableOnTheScreenGivesTheRowsItsFileWouldGive) {
    const auto pargen = fixture("preview/Ship/ParGen.xml");
    const auto file = fixture("preview/Ship/NMEA_0183_Set_Access.xml");
    cfg::nmea::Listener_Table table;
    cfg::nmea::Load_Listener_Table(table, file);
    auto from_file = cfg::preview::Read_Device_Rows(pargen, file);
    const std::vector<int> dropped = cfg::nmea::Rows_Save_Would_Drop(table); // below the not offered RMB
    ASSERT_FALSE(dropped.empty());
    std::erase_if(from_file, [&](const auto& row) { return row.row >= dropped.front(); });
    ASSERT_GE(from_file.size(), 2u);
    EXPECT_TRUE(same_rows(cfg::preview::Table_Device_Rows(pargen, table), from_file));

    table.set_checked(from_file.front().row, cfg::nmea::Listener_Column::Enable, false);
    const auto edited = cfg::preview::Table_Device_Rows(pargen, table);
    EXPECT_TRUE(same_rows(edited, {from_file.begin() + 1, from_file.end()}));

    EXPECT_TRUE(cfg::preview::Table_Device_Rows(fixture("preview/no such ParGen.xml"), table).empty());
}

} // namespace
