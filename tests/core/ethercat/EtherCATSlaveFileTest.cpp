#include "VariableTestTable.h"

#include "core/common/ConfigError.h"
#include "core/ethercat/EtherCATSlaveFile.h"
#include "core/ethercat/VariableColumns.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <utility>

namespace {

using cfg::ethercat::EtherCAT_Tables;
using cfg::ethercat::Load_EtherCAT_Slave;
using cfg::ethercat::MasterToSlave;
using cfg::ethercat::Save_EtherCAT_Slave;
using cfg::ethercat::SlaveToMaster;
using cfg::ethercat::VariableColumn;
using cfg::test::read_bytes;
using cfg::test::TempDir;
using cfg::test::write_bytes;

EtherCAT_Tables load_text(const TempDir& dir, const std::string& text) {
    write_bytes(dir / "EtherCAT_Slave.xml", text);
    return Load_EtherCAT_Slave(dir / "EtherCAT_Slave.xml");
}

std::string wrapped(const std::string& slave_to_master, const std::string& master_to_slave = "") {
    return "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>" + slave_to_master +
           "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave>" + master_to_slave +
           "</EtherCAT_Master_To_Slave></EtherCAT_Slave_Variables></EtherCAT_Slave><!--SW_VERSION = 1.000-->";
}

bool is_empty(const cfg::Table& table) {
    for (int row = 1; row < table.row_count(); ++row) {
        if (!table.is_checked(row, VariableColumn::Enable) || !table.text(row, VariableColumn::Type).empty())
            return false;
    }
    return true;
}

TEST(EtherCATSlaveFile, WithoutAFileBothTablesAreEmptyAndEnabled) {
    TempDir dir;
    const EtherCAT_Tables tables = Load_EtherCAT_Slave(dir / "EtherCAT_Slave.xml");
    EXPECT_TRUE(is_empty(tables.slave_to_master));
    EXPECT_TRUE(is_empty(tables.master_to_slave));
    EXPECT_EQ(tables.slave_to_master.column_count(), 9);
    EXPECT_EQ(tables.master_to_slave.column_count(), 8);
}

TEST(EtherCATSlaveFile, LoadsEveryAttributeIntoItsCellAndLaysBothTablesOut) {
    TempDir dir;
    const EtherCAT_Tables tables = load_text(
        dir,
        wrapped("<row Enable=\"Y\" Type=\"Bool\" Length=\"1\" Name=\"Run\" InitValue=\"1\" Position=\"9\" "
                "BitStart=\"9\" Mnemonic=\" m \"/>"
                "<row Enable=\"Y\" Type=\"String\" Length=\"20\" Name=\" a &amp; b \" InitValue=\"x\" "
                "Position=\"\" BitStart=\"\" Mnemonic=\"\"/>"
                "<row Type=\"Int8\" Length=\"1\"/>",
                "<row Enable=\"Y\" Type=\"Int16\" Length=\"2\" Name=\"Out\" InitValue=\"7\" Position=\"5\" "
                "BitStart=\"5\" Mnemonic=\"o\"/><row Enable=\"Y\" Type=\"Int8\" Length=\"1\" Name=\"B\"/>"));
    const cfg::Table& stm = tables.slave_to_master;
    EXPECT_EQ(stm.text(1, SlaveToMaster::Name), "Run");
    EXPECT_EQ(stm.text(1, SlaveToMaster::InitValue), "1");
    EXPECT_EQ(stm.text(1, SlaveToMaster::Mnemonic), " m ");
    EXPECT_EQ(stm.text(2, SlaveToMaster::Length), "20"); // a stored length wins over the type's
    EXPECT_EQ(stm.text(2, SlaveToMaster::Name), " a & b ");
    EXPECT_EQ(stm.text(2, SlaveToMaster::InitValue), "x");
    EXPECT_TRUE(stm.is_checked(3, SlaveToMaster::Enable)); // no Enable attribute
    EXPECT_EQ(cfg::test::places(stm, true, 3), (std::vector<std::string>{"0/0", "1/0", "21/0"}));

    const cfg::Table& mts = tables.master_to_slave;
    EXPECT_EQ(mts.text(1, MasterToSlave::Name), "Out");
    EXPECT_EQ(mts.text(1, MasterToSlave::Mnemonic), "o");
    EXPECT_EQ(cfg::test::places(mts, false, 2), (std::vector<std::string>{"0/0", "2/0"}));
}

TEST(EtherCATSlaveFile, OnlyAnExactNUnchecksEnable) {
    TempDir dir;
    const std::pair<const char*, bool> cases[] = {{"N", false}, {"n", true}, {"no", true},
                                                  {"Y", true},  {"", true},  {" N", true}};
    std::string rows;
    for (const auto& [enable, checked] : cases)
        rows += "<row Enable=\"" + std::string(enable) + "\" Type=\"Int8\" Length=\"1\"/>";
    const EtherCAT_Tables tables = load_text(dir, wrapped(rows));
    int row = 1;
    for (const auto& [enable, checked] : cases)
        EXPECT_EQ(tables.slave_to_master.is_checked(row++, VariableColumn::Enable), checked)
            << '"' << enable << '"';
}

TEST(EtherCATSlaveFile, AMissingLengthEmptiesTheCellAlsoForAFixedType) {
    TempDir dir;
    const EtherCAT_Tables tables = load_text(
        dir, wrapped("<row Enable=\"Y\" Type=\"Int16\"/><row Enable=\"Y\" Type=\"Int8\" Length=\"1\"/>",
                     "<row Enable=\"Y\" Type=\"String\"/>"));
    EXPECT_EQ(tables.slave_to_master.text(1, VariableColumn::Length), "");
    EXPECT_EQ(tables.slave_to_master.text(2, SlaveToMaster::Position), "2"); // the size comes from the type
    EXPECT_EQ(tables.master_to_slave.text(1, VariableColumn::Length), "");
}

TEST(EtherCATSlaveFile, AFileWithoutItsTableElementsLoadsAsEmptyTables) {
    const std::string row = "<row Enable=\"Y\" Type=\"Int8\" Length=\"1\"/>";
    const std::string cases[] = {
        "<EtherCAT_Slave/>",
        "<EtherCAT_Slave><EtherCAT_Slave_To_Master>" + row + "</EtherCAT_Slave_To_Master></EtherCAT_Slave>",
        "<EtherCAT_Slave><EtherCAT_Slave_Variables/></EtherCAT_Slave>",
    };
    for (const std::string& text : cases) {
        TempDir dir;
        const EtherCAT_Tables tables = load_text(dir, text);
        EXPECT_TRUE(is_empty(tables.slave_to_master)) << text;
        EXPECT_TRUE(is_empty(tables.master_to_slave)) << text;
    }
}

TEST(EtherCATSlaveFile, OneTableMayBeMissingWhileTheOtherLoads) {
    TempDir dir;
    const EtherCAT_Tables tables = load_text(
        dir, "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Master_To_Slave><row Type=\"Int8\"/>"
             "</EtherCAT_Master_To_Slave></EtherCAT_Slave_Variables></EtherCAT_Slave>");
    EXPECT_TRUE(is_empty(tables.slave_to_master));
    EXPECT_EQ(tables.master_to_slave.text(1, VariableColumn::Type), "Int8");
}

// `count` rows named v1, v2, ..., each followed by the filler, which takes no row.
std::string numbered_rows(int count, const std::string& filler = "") {
    std::string rows;
    for (int i = 1; i <= count; ++i)
        rows += "<row Enable=\"Y\" Type=\"Int8\" Length=\"1\" Name=\"v" + std::to_string(i) + "\"/>" + filler;
    return rows;
}

struct CapacityCase {
    int slave_to_master;
    int master_to_slave;
    const char* filler;
    int rows_left_out;
};

std::ostream& operator<<(std::ostream& out, const CapacityCase& c) {
    return out << c.slave_to_master << " and " << c.master_to_slave << " rows, filler " << c.filler;
}

class VariableCapacity : public testing::TestWithParam<CapacityCase> {};

TEST_P(VariableCapacity, EachTableLoadsItsFirst256RowsAndTheRestAreCounted) {
    const CapacityCase& c = GetParam();
    TempDir dir;
    const EtherCAT_Tables tables = load_text(
        dir, wrapped(numbered_rows(c.slave_to_master, c.filler), numbered_rows(c.master_to_slave, c.filler)));
    EXPECT_EQ(tables.rows_left_out, c.rows_left_out);
    const std::pair<const cfg::Table*, int> loaded[] = {{&tables.slave_to_master, c.slave_to_master},
                                                        {&tables.master_to_slave, c.master_to_slave}};
    for (const auto& [table, rows] : loaded) {
        const int last = std::min(rows, 256);
        if (last > 0) {
            EXPECT_EQ(table->text(last, VariableColumn::Name), "v" + std::to_string(last));
        }
    }
    if (c.slave_to_master >= 256) {
        EXPECT_EQ(tables.slave_to_master.text(256, SlaveToMaster::Position), "255");
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, VariableCapacity,
                         testing::Values(CapacityCase{256, 256, "", 0}, CapacityCase{257, 0, "", 1},
                                         CapacityCase{0, 300, "", 44}, CapacityCase{300, 260, "", 48},
                                         CapacityCase{256, 0, "<!-- note --><other/>", 0},
                                         CapacityCase{258, 0, "<other/>", 2}));

TEST(EtherCATSlaveFile, AMalformedFileIsReported) {
    TempDir dir;
    write_bytes(dir / "EtherCAT_Slave.xml", "<EtherCAT_Slave><row></EtherCAT_Slave>");
    EXPECT_THROW(Load_EtherCAT_Slave(dir / "EtherCAT_Slave.xml"), cfg::ConfigError);
}

TEST(EtherCATSlaveFile, SavesUsedSlaveToMasterRowsWithEveryAttributeAsHeld) {
    TempDir dir;
    cfg::Table table =
        cfg::test::variable_table(true, {{"Bool", "1", false, "a&b"}, {" Int8", "", true, " x "}});
    table.set_text(1, SlaveToMaster::InitValue, "<1>");
    table.set_text(2, SlaveToMaster::Position, "3");
    table.set_text(2, SlaveToMaster::BitStart, "0");
    table.set_text(2, SlaveToMaster::Mnemonic, "m");
    table.set_text(4, VariableColumn::Type, "Int8"); // after the first empty Type: not saved
    Save_EtherCAT_Slave(table, dir / "EtherCAT_Slave.xml");
    EXPECT_EQ(
        read_bytes(dir / "EtherCAT_Slave.xml"),
        "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>"
        "<row Enable=\"N\" Type=\"Bool\" Length=\"1\" Name=\"a&amp;b\" InitValue=\"&lt;1>\" Position=\"\" "
        "BitStart=\"\" Mnemonic=\"\"/>"
        "<row Enable=\"Y\" Type=\" Int8\" Length=\"\" Name=\" x \" InitValue=\"\" Position=\"3\" "
        "BitStart=\"0\" "
        "Mnemonic=\"m\"/>"
        "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave/></EtherCAT_Slave_Variables></EtherCAT_Slave>"
        "<!--SW_VERSION = 1.000-->");
}

TEST(EtherCATSlaveFile, ATableWhoseFirstTypeIsEmptySavesNoRows) {
    TempDir dir;
    Save_EtherCAT_Slave(cfg::test::variable_table(true, {{"", "1"}, {"Int8", "1"}}),
                        dir / "EtherCAT_Slave.xml");
    EXPECT_NE(read_bytes(dir / "EtherCAT_Slave.xml").find("<EtherCAT_Slave_To_Master/>"), std::string::npos);
}

TEST(EtherCATSlaveFile, LoadAndSaveRecomputesPlacesAndDropsMasterToSlaveRows) {
    TempDir dir;
    const std::string row =
        "<row Enable=\"Y\" Type=\"Int16\" Length=\"2\" Name=\"a\" InitValue=\"\" Position=\"7\" "
        "BitStart=\"7\" Mnemonic=\"\"/>";
    const EtherCAT_Tables tables = load_text(dir, wrapped(row + row, row));
    Save_EtherCAT_Slave(tables.slave_to_master, dir / "EtherCAT_Slave.xml");
    EXPECT_EQ(
        read_bytes(dir / "EtherCAT_Slave.xml"),
        "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>"
        "<row Enable=\"Y\" Type=\"Int16\" Length=\"2\" Name=\"a\" InitValue=\"\" Position=\"0\" "
        "BitStart=\"0\" "
        "Mnemonic=\"\"/>"
        "<row Enable=\"Y\" Type=\"Int16\" Length=\"2\" Name=\"a\" InitValue=\"\" Position=\"2\" "
        "BitStart=\"0\" "
        "Mnemonic=\"\"/>"
        "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave/></EtherCAT_Slave_Variables></EtherCAT_Slave>"
        "<!--SW_VERSION = 1.000-->");
}

TEST(EtherCATSlaveFile, AFailedWriteIsReported) {
    TempDir dir;
    EXPECT_THROW(
        Save_EtherCAT_Slave(cfg::test::variable_table(true, {}), dir / "missing" / "EtherCAT_Slave.xml"),
        cfg::ConfigError);
}

} // namespace
