#include "Concatenated.h"
#include "EsiTestFiles.h"
#include "VariableTestTable.h"

#include "core/ethercat/EsiSources.h"
#include "core/ethercat/EtherCATSlaveFile.h"
#include "core/ethercat/PositionBit.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

using cfg::ethercat::ESI_Data_Type;
using cfg::ethercat::Load_ESI_Sources;
using cfg::test::TempDir;

std::vector<std::string> described(const std::vector<cfg::ethercat::TEtherCAT_Rule>& rules) {
    std::vector<std::string> result;
    for (const auto& rule : rules)
        result.push_back(rule.DataType + " " + std::to_string(rule.Length) + " " + rule.Name);
    return result;
}

TEST(EsiSources, TheWorkedExample) {
    const auto project = cfg::test::fixture("ethercat/worked_example");
    const cfg::ethercat::ESI_Sources sources =
        Load_ESI_Sources(project / "ParGen.xml", project / "EtherCAT_Slave.xml");
    EXPECT_EQ(sources.ESI_Device_Name, "EtherCAT Slave");
    EXPECT_EQ(sources.ESI_Revision_Number, 1u);
    EXPECT_EQ(sources.ESI_Node_Address, 1);
    EXPECT_EQ(sources.ESI_Product_Code, "00000C40");
    EXPECT_EQ(sources.ESI_Inputs_Size, 7);
    EXPECT_EQ(described(sources.ESI_Inputs),
              (std::vector<std::string>{"BIT 1 Run", "BIT 1 Alarm", "INT 16 Speed", "STRING(n) 32 Id"}));
    EXPECT_TRUE(sources.ESI_Outputs.empty());
}

TEST(EsiSources, TheInputsSizeIsTheImageSizeOfTheTable) {
    // The layout's worked example, saved by the screen and read back by the generator.
    std::vector<cfg::test::Variable_Row> rows{{"Bool", "1"},        {"Bool", "1"}, {"Int16", "2"},
                                              {"Bool", "1", false}, {"Bool", "1"}, {"String", "10"}};
    rows = cfg::test::concatenated(rows, std::vector<cfg::test::Variable_Row>(9, {"Bool", "1"}),
                                   std::vector<cfg::test::Variable_Row>{{"Float32", "4"}});
    cfg::Table table = cfg::test::variable_table(true, rows);
    ASSERT_EQ(cfg::ethercat::Calc_Position_Bit(table, true), 20);
    TempDir dir;
    cfg::ethercat::Save_EtherCAT_Slave(table, dir / "EtherCAT_Slave.xml");
    EXPECT_EQ(Load_ESI_Sources(dir / "ParGen.xml", dir / "EtherCAT_Slave.xml").ESI_Inputs_Size, 20);
}

// The master gets the variables the screen shows: those among the first 256 rows of each table.
TEST(EsiSources, OnlyTheRowsOfEachTableGiveEntries) {
    struct Case {
        int disabled; // Slave To Master rows in front
        int inputs;   // enabled Slave To Master rows after them
        int outputs;  // enabled Master To Slave rows
        std::size_t input_entries;
        std::size_t output_entries;
    };
    for (const Case& c : {Case{0, 256, 256, 256, 256}, Case{0, 257, 300, 256, 256}, Case{255, 3, 0, 1, 0}}) {
        std::vector<cfg::test::Stored_Row> slave_to_master(static_cast<std::size_t>(c.disabled),
                                                           {"Int8", "1", "off", "N"});
        slave_to_master.insert(slave_to_master.end(), static_cast<std::size_t>(c.inputs),
                               {"Int8", "1", "in"});
        const std::vector<cfg::test::Stored_Row> master_to_slave(static_cast<std::size_t>(c.outputs),
                                                                 {"Int8", "1", "out"});
        TempDir dir;
        cfg::test::write_bytes(dir / "EtherCAT_Slave.xml",
                               cfg::test::ethercat_slave_xml(slave_to_master, master_to_slave));
        const cfg::ethercat::ESI_Sources sources =
            Load_ESI_Sources(dir / "ParGen.xml", dir / "EtherCAT_Slave.xml");
        EXPECT_EQ(sources.ESI_Inputs.size(), c.input_entries) << c.disabled << " + " << c.inputs;
        EXPECT_EQ(sources.ESI_Inputs_Size, static_cast<std::int64_t>(c.input_entries));
        EXPECT_EQ(sources.ESI_Outputs.size(), c.output_entries) << c.outputs;
    }
}

TEST(EsiSources, DataTypesIgnoreCaseAndBlanks) {
    struct Case {
        const char* type;
        const char* data_type;
        std::int64_t bits;
    };
    const Case cases[] = {
        {"Bool", "BIT", 1},
        {" bool\t", "BIT", 1},
        {"Int8", "SINT", 8},
        {"INT16", "INT", 16},
        {"Int32", "DINT", 32},
        {"uint8", "USINT", 8},
        {"UInt16", "UINT", 16},
        {"UInt32", "UDINT", 32},
        {"Float32", "REAL", 32},
        {"String", "STRING(n)", 40},
        {" string ", "STRING(n)", 40},
        {"ByteString", "BIT", 1},
        {"", "BIT", 1},
        {"Int 8", "BIT", 1},
    };
    for (const Case& c : cases) {
        const cfg::ethercat::ESI_Type type = ESI_Data_Type(c.type, 5);
        EXPECT_EQ(type.DataType, c.data_type) << '"' << c.type << '"';
        EXPECT_EQ(type.bits, c.bits) << '"' << c.type << '"';
    }
}

} // namespace
