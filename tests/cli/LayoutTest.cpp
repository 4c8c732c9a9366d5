#include "CliRun.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

namespace {

using cfg::test::Cli_Result;
using cfg::test::Program_Folder;
using cfg::test::tool_path;

// Rows 1 and 3 share byte 3, the XDR string at 1990 runs past the array; the EtherCAT table is the
// worked example of the packing, a disabled "Bool" row in the middle of a run included.
TEST_F(Program_Folder, LayoutMarksOverlapsAndFieldsPastTheArray) {
    copy_configuration("cli/layout/Overlap", "Overlap");
    const Cli_Result result = cli({"layout", "Overlap"});
    EXPECT_EQ(result.code, 0) << testing::PrintToString(result);
    EXPECT_EQ(result.out, cfg::test::read_bytes(cfg::test::fixture("cli/expected/layout_overlap.txt")));
    EXPECT_EQ(result.err, "");
}

// The same output; the exit status and the marks on standard error are for a CI job.
TEST_F(Program_Folder, StrictLayoutFailsOnOverlapsAndFieldsPastTheArray) {
    const std::filesystem::path file =
        copy_configuration("cli/layout/Overlap", "Overlap") / "NMEA_0183_Set_Access.xml";
    const Cli_Result result = cli({"layout", "Overlap", "--strict"});
    EXPECT_EQ(result.code, 1) << testing::PrintToString(result);
    EXPECT_EQ(result.out, cfg::test::read_bytes(cfg::test::fixture("cli/expected/layout_overlap.txt")));
    EXPECT_EQ(result.err, tool_path(file) + ": Row 1: overlaps row 3\n" + tool_path(file) +
                              ": Row 3: overlaps row 1\n" + tool_path(file) + ": Row 5: past byte 1999\n");

    copy_configuration("cli/good", "Plant");
    EXPECT_EQ(cli({"layout", "Plant", "--strict"}).code, 0);
}

// The same layout for a script: every field and variable with its bytes, the marks as lists.
TEST_F(Program_Folder, LayoutAsJson) {
    const std::filesystem::path folder = copy_configuration("cli/layout/Overlap", "Overlap");
    const Cli_Result result = cli({"layout", "Overlap", "--strict", "--json"});
    EXPECT_EQ(result.code, 1) << testing::PrintToString(result);
    std::string expected = cfg::test::read_bytes(cfg::test::fixture("cli/expected/layout_overlap.json"));
    const auto replace_all = [&expected](const std::string& mark, const std::string& text) {
        for (std::size_t at = expected.find(mark); at != std::string::npos; at = expected.find(mark, at))
            expected.replace(at, mark.size(), text);
    };
    replace_all("{FOLDER}/NMEA_0183_Set_Access.xml",
                cfg::test::tool_json_path(folder / "NMEA_0183_Set_Access.xml"));
    replace_all("{FOLDER}", cfg::test::tool_json_path(folder));
    EXPECT_EQ(result.out, expected);
    const std::string file = tool_path(folder / "NMEA_0183_Set_Access.xml");
    EXPECT_EQ(result.err, file + ": Row 1: overlaps row 3\n" + file + ": Row 3: overlaps row 1\n" + file +
                              ": Row 5: past byte 1999\n");
}

TEST_F(Program_Folder, LayoutWritesTheByteMapAsSvg) {
    copy_configuration("cli/layout/Overlap", "Overlap");
    const std::filesystem::path svg = home / "map.svg";
    const Cli_Result result = cli({"layout", "Overlap", "--svg", tool_path(svg)});
    EXPECT_EQ(result.code, 0) << testing::PrintToString(result);
    EXPECT_EQ(result.out, cfg::test::read_bytes(cfg::test::fixture("cli/expected/layout_overlap.txt")));
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_file(svg.c_str()));
    EXPECT_STREQ(doc.document_element().name(), "svg");
    // Both lanes: a listener field with its marks, and a variable of the image.
    EXPECT_TRUE(doc.select_node("//title[starts-with(., 'Row 5') and contains(., 'past byte 1999')]"));
    EXPECT_TRUE(doc.select_node("//title[starts-with(., 'Row 16') and contains(., 'Type: Float32')]"));
}

TEST_F(Program_Folder, ASvgThatCannotBeWrittenIsReported) {
    copy_configuration("cli/layout/Overlap", "Overlap");
    const std::filesystem::path svg = home / "no such folder" / "map.svg";
    const Cli_Result result = cli({"layout", "Overlap", "--svg", tool_path(svg)});
    EXPECT_EQ(result.code, 3);
    EXPECT_NE(result.err.find("map.svg"), std::string::npos) << result.err;
    EXPECT_FALSE(std::filesystem::exists(svg));
}

TEST_F(Program_Folder, LayoutOfAConfigurationWithoutFiles) {
    make_configuration("Empty", {});
    EXPECT_EQ(cli({"layout", "Empty"}).out,
              "NMEA data array, bytes 0 to 1999: 0 fields\n"
              "\n"
              "EtherCAT process image, Slave To Master: 0 bytes, 0 variables\n");
}

} // namespace
