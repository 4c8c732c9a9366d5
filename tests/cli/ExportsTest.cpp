#include "CliRun.h"
#include "EsiValidation.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using cfg::test::Cli_Result;
using cfg::test::fixture;
using cfg::test::Program_Folder;
using cfg::test::read_bytes;
using cfg::test::tool_path;
using cfg::test::write_bytes;

// The target is replaced without a question and named exactly as given; the file is the one the
// generator writes from the configuration's two files (checked line by line in the EtherCAT tests).
TEST_F(Program_Folder, EsiWritesTheFileOfTheConfigurationToTheGivenName) {
    const std::filesystem::path folder = copy_configuration("ethercat/worked_example", "Worked");
    const std::string expected = cfg::test::create_valid_esi(
        folder / "ParGen.xml", folder / "EtherCAT_Slave.xml", home / "expected.xml");
    const std::filesystem::path target = home / "out" / "Worked ESI";
    write_bytes(target, "an older file");
    const Cli_Result result = cli({"esi", "Worked", tool_path(target)});
    ASSERT_EQ(result.code, 0) << testing::PrintToString(result);
    EXPECT_EQ(result.out + result.err, "");
    EXPECT_EQ(read_bytes(target), expected);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(target.parent_path()), {}), 1);
    cfg::test::validate_esi(target);
}

TEST_F(Program_Folder, MapWritesTheObjectsMapToTheGivenNameExactly) {
    copy_configuration("cli/good", "Plant");
    const std::filesystem::path target = home / "out" / "map.txt";
    write_bytes(target, "an older file");
    const Cli_Result result = cli({"map", "Plant", tool_path(target)});
    ASSERT_EQ(result.code, 0) << testing::PrintToString(result);
    EXPECT_EQ(result.out + result.err, "");
    EXPECT_EQ(read_bytes(target), read_bytes(fixture("cli/expected/good_objects_map.csv")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(target.parent_path()), {}), 1);
}

} // namespace
