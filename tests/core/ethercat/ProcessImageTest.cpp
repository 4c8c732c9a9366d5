#include "VariableTestTable.h"

#include "core/common/ConfigError.h"
#include "core/ethercat/ProcessImage.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace cfg::ethercat {

void PrintTo(const Variable_Place& p, std::ostream* out) {
    *out << "row " << p.row << (p.enabled ? "" : " disabled") << " " << p.Type << " " << p.Name << " at "
         << p.position << "." << p.bit << " size " << p.size << (p.is_bit ? " bit" : "");
}

} // namespace cfg::ethercat

namespace {

using cfg::ethercat::Process_Image;
using cfg::ethercat::Variable_Place;
using cfg::test::Variable_Row;

struct ImageCase {
    const char* label;
    std::vector<Variable_Row> rows;
    std::vector<Variable_Place> places;
    std::int64_t size;
};

void PrintTo(const ImageCase& c, std::ostream* os) {
    *os << c.label;
}

Variable_Place bit(int row, std::int64_t position, int bit, const std::string& name) {
    return {row, true, "Bool", name, position, bit, 0, true};
}

Variable_Place bytes(int row, const std::string& type, std::int64_t position, std::int64_t size,
                     const std::string& name) {
    return {row, true, type, name, position, 0, size, false};
}

Variable_Place disabled(int row, const std::string& type, const std::string& name) {
    return {row, false, type, name, 0, 0, 0, false};
}

class ProcessImageCases : public testing::TestWithParam<ImageCase> {};

// Both column orders hold Enable, Type, Length and Name at the same place.
TEST_P(ProcessImageCases, PlacesEveryUsedRow) {
    const ImageCase& c = GetParam();
    for (const bool SlaveMaster : {true, false}) {
        const Process_Image image =
            cfg::ethercat::Process_Image_Layout(cfg::test::variable_table(SlaveMaster, c.rows));
        EXPECT_EQ(image.places, c.places) << SlaveMaster;
        EXPECT_EQ(image.size, c.size) << SlaveMaster;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProcessImageCases,
    testing::Values(
        ImageCase{"a bool run, a disabled row in it taking no bit",
                  {{"Bool", "1", true, "Run"}, {"Bool", "1", false, "Off"}, {"Bool", "1", true, "Alarm"}},
                  {bit(1, 0, 0, "Run"), disabled(2, "Bool", "Off"), bit(3, 0, 1, "Alarm")},
                  1},
        ImageCase{"the ninth bool starts the next byte; a word closes the run",
                  {{"Bool", "1", true, "B1"},
                   {"Bool", "1", true, "B2"},
                   {"Bool", "1", true, "B3"},
                   {"Bool", "1", true, "B4"},
                   {"Bool", "1", true, "B5"},
                   {"Bool", "1", true, "B6"},
                   {"Bool", "1", true, "B7"},
                   {"Bool", "1", true, "B8"},
                   {"Bool", "1", true, "B9"},
                   {"Int16", "2", true, "Speed"}},
                  {bit(1, 0, 0, "B1"), bit(2, 0, 1, "B2"), bit(3, 0, 2, "B3"), bit(4, 0, 3, "B4"),
                   bit(5, 0, 4, "B5"), bit(6, 0, 5, "B6"), bit(7, 0, 6, "B7"), bit(8, 0, 7, "B8"),
                   bit(9, 1, 0, "B9"), bytes(10, "Int16", 2, 2, "Speed")},
                  4},
        ImageCase{
            "strings of 0 and 255 bytes",
            {{"String", "0", true, "Empty"}, {"String", "255", true, "Long"}, {"Int8", "1", true, "After"}},
            {bytes(1, "String", 0, 0, "Empty"), bytes(2, "String", 0, 255, "Long"),
             bytes(3, "Int8", 255, 1, "After")},
            256},
        ImageCase{"a disabled variable takes no bytes",
                  {{"Float32", "4", false, "Off"}, {"UInt32", "4", true, "Count"}},
                  {disabled(1, "Float32", "Off"), bytes(2, "UInt32", 0, 4, "Count")},
                  4},
        ImageCase{"rows end at the first empty type",
                  {{"Int8", "1"}, {"", "1"}, {"Int8", "1"}},
                  {bytes(1, "Int8", 0, 1, "")},
                  1}));

TEST(ProcessImage, WithoutAFileTheImageIsEmpty) {
    const cfg::test::TempDir dir;
    EXPECT_EQ(cfg::ethercat::Process_Image_Of_File(dir.path() / "EtherCAT_Slave.xml"), Process_Image{});
}

TEST(ProcessImage, AFileThatIsNotXmlIsRefused) {
    const cfg::test::TempDir dir;
    cfg::test::write_bytes(dir.path() / "EtherCAT_Slave.xml", "<EtherCAT_Slave>");
    EXPECT_THROW(cfg::ethercat::Process_Image_Of_File(dir.path() / "EtherCAT_Slave.xml"), cfg::ConfigError);
}

} // namespace
