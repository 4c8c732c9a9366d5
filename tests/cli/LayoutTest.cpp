#include "CliRun.h"

#include <gtest/gtest.h>

namespace {

using cfg::test::Cli_Result;
using cfg::test::Program_Folder;

// Rows 1 and 3 share byte 3, the XDR string at 1990 runs past the array; the EtherCAT table is the
// worked example of the packing, a disabled "Bool" row in the middle of a run included.
TEST_F(Program_Folder, LayoutMarksOverlapsAndFieldsPastTheArray) {
    copy_configuration("cli/layout/Overlap", "Overlap");
    const Cli_Result result = cli({"layout", "Overlap"});
    EXPECT_EQ(result.code, 0) << testing::PrintToString(result);
    EXPECT_EQ(result.out, cfg::test::read_bytes(cfg::test::fixture("cli/expected/layout_overlap.txt")));
    EXPECT_EQ(result.err, "");
}

TEST_F(Program_Folder, LayoutOfAConfigurationWithoutFiles) {
    make_configuration("Empty", {});
    EXPECT_EQ(cli({"layout", "Empty"}).out,
              "NMEA data array, bytes 0 to 1999: 0 fields\n"
              "\n"
              "EtherCAT process image, Slave To Master: 0 bytes, 0 variables\n");
}

} // namespace
