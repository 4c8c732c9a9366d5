#include "core/nmea/ListenerPositions.h"

#include "ListenerRows.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace cfg::nmea;
using cfg::nmea::test::listener_table;
using cfg::nmea::test::Row;

const std::string gga_hours = "UTC of position, Hours [decimal]";
const std::string gga_fraction = "UTC of position, decimal-fraction of seconds [decimal]";
const std::string gga_latitude = "Latitude, Minutes [floating point]";
const std::string gga_station = "Differential reference station ID [decimal]";

struct ProposalCase {
    const char* name;
    std::vector<Row> above; // rows 1.. above the row that gets the proposal
    std::string sentence;
    std::string data_field;
    std::string expected;
};

std::ostream& operator<<(std::ostream& out, const ProposalCase& c) {
    return out << c.name;
}

class ProposalTest : public testing::TestWithParam<ProposalCase> {};

TEST_P(ProposalTest, ProposesTheByteAfterTheNearestValidRow) {
    const ProposalCase& c = GetParam();
    Listener_Table table = listener_table(c.above);
    const int row = static_cast<int>(c.above.size()) + 1;
    table.set_text(row, Listener_Column::Position, "999");
    Set_Position(table, row, c.sentence, c.data_field);
    EXPECT_EQ(table.text(row, Listener_Column::Position), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Listener, ProposalTest,
    testing::Values(
        ProposalCase{"FirstRowOneByteField", {}, "GGA", gga_hours, "1"},
        ProposalCase{"FirstRowTwoByteField", {}, "GGA", gga_fraction, "0"},
        ProposalCase{"FirstRowFourByteField", {}, "GGA", gga_latitude, "0"},
        ProposalCase{
            "AfterFourBytesAtTenOneByteField", {{true, "GGA", gga_latitude, "10"}}, "GGA", gga_hours, "15"},
        ProposalCase{"AfterFourBytesAtTenTwoByteField",
                     {{true, "GGA", gga_latitude, "10"}},
                     "GGA",
                     gga_fraction,
                     "14"},
        ProposalCase{"DatumCodeAfterAFieldEndingAtEight",
                     {{true, "DTM", "Latitude offset, Minutes [floating point]", "4"}},
                     "DTM",
                     "Local datum code [string of 3 characters]",
                     "9"},
        ProposalCase{"TwentyByteFieldGetsNoExtraByte",
                     {{true, "GGA", gga_hours, "1"}},
                     "XDR",
                     "Transducer ID [character string] (20 characters)",
                     "2"},
        ProposalCase{"InactiveRowsArePassedOver",
                     {{true, "GGA", gga_latitude, "10"}, {false, "GGA", gga_latitude, "100"}},
                     "GGA",
                     gga_fraction,
                     "14"},
        ProposalCase{"RowsOutsideTheCatalogueArePassedOver",
                     {{true, "GGA", gga_latitude, "10"},
                      {true, "gga", gga_latitude, "100"},
                      {true, "GGA", "Not a field", "200"},
                      {true, "BWC", "", "300"}},
                     "GGA",
                     gga_fraction,
                     "14"},
        ProposalCase{"TheNearestValidRowDecidesEvenBelowAHigherOne",
                     {{true, "GGA", gga_latitude, "100"}, {true, "GGA", gga_latitude, "10"}},
                     "GGA",
                     gga_fraction,
                     "14"},
        ProposalCase{"APositionThatIsNotANumberCountsAsZero",
                     {{true, "GGA", gga_latitude, "ten"}},
                     "GGA",
                     gga_fraction,
                     "4"},
        ProposalCase{"UnknownChoiceGetsNoExtraByte", {{true, "GGA", gga_latitude, "10"}}, "GGA", "", "14"},
        ProposalCase{"AHugePositionDoesNotOverflow",
                     {{true, "GGA", gga_latitude, "2147483647"}},
                     "GGA",
                     gga_hours,
                     "2147483647"}),
    [](const testing::TestParamInfo<ProposalCase>& info) { return std::string(info.param.name); });

TEST(ListenerPositions, TheGgaExampleProposesOneTwoAndSix) {
    Listener_Table table;
    const std::vector<std::string> fields = {gga_hours, gga_latitude, gga_station};
    std::vector<std::string> positions;
    for (int row = 1; row <= 3; ++row) {
        table.set_text(row, Listener_Column::Sentence, "GGA");
        Choose_DataField(table, row, fields[static_cast<std::size_t>(row - 1)]);
        positions.push_back(table.text(row, Listener_Column::Position));
    }
    EXPECT_EQ(positions, (std::vector<std::string>{"1", "2", "6"}));
}

TEST(ListenerPositions, RowOneNeverLooksAtOtherRows) {
    Listener_Table table =
        listener_table({{true, "GGA", gga_latitude, "10"}, {true, "GGA", gga_latitude, "20"}});
    EXPECT_EQ(Get_Last_Position(table, 1), 0);
    EXPECT_EQ(Get_Last_Position(table, 0), 0);
    EXPECT_EQ(Get_Last_Position(table, 3), 24);
}

TEST(ListenerPositions, ChoosingGsvFillsItsFirstFieldOpensTheIndexAndProposesAPosition) {
    Listener_Table table = listener_table({{true, "GGA", gga_latitude, "10"}});
    table.set_text(2, Listener_Column::Index, "7");
    EXPECT_FALSE(table.is_cell_editable(2, static_cast<int>(Listener_Column::Index)));
    Choose_Sentence(table, 2, "GSV");
    EXPECT_EQ(table.text(2, Listener_Column::DataField), "Total number of sentences [decimal]");
    EXPECT_TRUE(table.is_cell_editable(2, static_cast<int>(Listener_Column::Index)));
    EXPECT_EQ(table.text(2, Listener_Column::Index), "7");
    EXPECT_EQ(table.text(2, Listener_Column::Position), "15");
    EXPECT_EQ(table.text(2, Listener_Column::PortOperation), "None");
}

TEST(ListenerPositions, ChoosingASentenceKeepsAChosenPostOperation) {
    Listener_Table table = listener_table({{true, "GGA", gga_latitude, "10"}});
    table.set_text(1, Listener_Column::PortOperation, "x 100");
    Choose_Sentence(table, 1, "HDT");
    EXPECT_EQ(table.text(1, Listener_Column::PortOperation), "x 100");
}

} // namespace
