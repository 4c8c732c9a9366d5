#include "core/preview/ProcessData.h"
#include "core/ethercat/VariableColumns.h"
#include "core/ethercat/VariableTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using C = cfg::ethercat::SlaveToMaster;
using Bytes = std::vector<std::uint8_t>;

struct Variable_Row {
    std::string Type;
    std::string Length;
    bool enabled = true;
};

cfg::Table slave_to_master(const std::vector<Variable_Row>& rows) {
    cfg::Table table = cfg::ethercat::make_variable_table(true);
    int row = 1;
    for (const Variable_Row& r : rows) {
        table.set_text(row, C::Type, r.Type);
        table.set_text(row, C::Length, r.Length);
        table.set_text(row, C::Name, "v" + std::to_string(row));
        table.set_check_box(row, C::Enable, r.enabled);
        ++row;
    }
    return table;
}

// The variables lie where the screen lays them out; each is read by its type.
TEST(ProcessData, EveryTypeReadAtItsPosition) {
    cfg::preview::Data_Array array{};
    const Bytes bytes = {0b10, 0xfb, 0xfe, 0xff, 0xfe, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff,
                         0xff, 0xff, 0x00, 0x00, 0x48, 0x41, 'W',  '8',  '4',  0x00, 0x01, 0x02};
    std::copy(bytes.begin(), bytes.end(), array.begin());
    const std::vector<cfg::preview::Master_Variable> variables =
        cfg::preview::Read_Master_Variables(slave_to_master({{"Bool", "1"},
                                                             {"Bool", "1"},
                                                             {"Int8", "1"},
                                                             {"Int8", "1", false},
                                                             {"Int16", "2"},
                                                             {"UInt16", "2"},
                                                             {"Int32", "4"},
                                                             {"UInt32", "4"},
                                                             {"Float32", "4"},
                                                             {"String", "4"},
                                                             {"ByteString", "2"},
                                                             {"String", "2000"}}),
                                            array);
    struct Expected {
        int row;
        std::int64_t position;
        int bit;
        std::string value;
        bool outside;
    };
    const std::vector<Expected> expected = {
        {1, 0, 0, "0", false},           {2, 0, 1, "1", false},     {3, 1, 0, "-5", false},
        {5, 2, 0, "-2", false},          {6, 4, 0, "65534", false}, {7, 6, 0, "-1", false},
        {8, 10, 0, "4294967295", false}, {9, 14, 0, "12.5", false}, {10, 18, 0, "W84", false},
        {11, 22, 0, "01 02", false},     {12, 24, 0, "", true},
    };
    ASSERT_EQ(variables.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(variables[i].row, expected[i].row) << i;
        EXPECT_EQ(variables[i].position, expected[i].position) << i;
        EXPECT_EQ(variables[i].bit, expected[i].bit) << i;
        EXPECT_EQ(variables[i].value, expected[i].value) << i;
        EXPECT_EQ(variables[i].outside_array, expected[i].outside) << i;
    }
    EXPECT_EQ(variables[0].bytes, Bytes{0b10});
    EXPECT_EQ(variables[7].bytes, (Bytes{0x00, 0x00, 0x48, 0x41}));
}

} // namespace
