#include "CliRun.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using cfg::test::Cli_Result;
using cfg::test::Program_Folder;
using cfg::test::read_bytes;
using cfg::test::tool_path;
using cfg::test::write_bytes;

class Table : public Program_Folder {};

// Every table of the passing configuration goes out and comes back; --apply then writes a file that
// reads as the same table, so the configuration still passes its checks.
TEST_F(Table, ExportThenImportApplyKeepsEveryTable) {
    const std::filesystem::path folder = copy_configuration("cli/good", "Plant");
    for (const std::string table : {"listener", "ethercat", "topics"}) {
        const std::filesystem::path csv = home.path() / (table + ".csv");
        const Cli_Result exported = cli({"table", "Plant", table, "--export", tool_path(csv)});
        ASSERT_EQ(exported.code, 0) << testing::PrintToString(exported);
        EXPECT_TRUE(read_bytes(csv).starts_with("\xEF\xBB\xBF")) << table;
        const Cli_Result applied = cli({"table", "Plant", table, "--import", tool_path(csv), "--apply"});
        ASSERT_EQ(applied.code, 0) << testing::PrintToString(applied);
        const Cli_Result again = cli({"table", "Plant", table, "--export", tool_path(csv) + ".2"});
        EXPECT_EQ(read_bytes(csv.string() + ".2"), read_bytes(csv)) << table;
    }
    EXPECT_EQ(cli({"check", "Plant"}).code, 0);
}

struct Import_Case {
    const char* name;
    std::string csv;
    bool apply;
    int code;
    std::string err; // after the CSV file's path when it starts with ": "
    bool written;
};

void PrintTo(const Import_Case& c, std::ostream* out) {
    *out << c.name;
}

class TableImport : public Program_Folder, public testing::WithParamInterface<Import_Case> {};

// Without --apply nothing is written; with it only what the screen would save.
TEST_P(TableImport, SavesOnlyWhatTheScreenWouldSave) {
    const std::filesystem::path folder = copy_configuration("cli/good", "Plant");
    const std::string before = read_bytes(folder / "EtherCAT_Slave.xml");
    const std::filesystem::path csv = home.path() / "variables.csv";
    write_bytes(csv, GetParam().csv);
    std::vector<std::string> args = {"table", "Plant", "ethercat", "--import", tool_path(csv)};
    if (GetParam().apply)
        args.push_back("--apply");
    const Cli_Result result = cli(args);
    EXPECT_EQ(result.code, GetParam().code) << testing::PrintToString(result);
    EXPECT_EQ(result.err,
              GetParam().err.starts_with(": ") ? tool_path(csv) + GetParam().err : GetParam().err);
    EXPECT_EQ(read_bytes(folder / "EtherCAT_Slave.xml") != before, GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TableImport,
    testing::Values(
        Import_Case{"passes_without_apply", "Type;Name\r\nInt16;a\r\n", false, 0, "", false},
        Import_Case{"passes_with_apply", "Type;Name\r\nInt16;a\r\n", true, 0, "", true},
        Import_Case{"refused_value", "Type,Name\r\nInt3,a\r\n", true, 1,
                    ": Row 1, column \"Type\": \"Int3\" is not one of the column's choices. Nothing "
                    "was imported.\n",
                    false},
        Import_Case{"check_fails_with_apply", "Type,Length\r\nString,300\r\n", true, 1,
                    "Error row 1!! Length must be a whole number between 0 and 255\nNothing was written.\n",
                    false},
        Import_Case{"check_fails_without_apply", "Type,Length\r\nString,300\r\n", false, 1,
                    "Error row 1!! Length must be a whole number between 0 and 255\n--apply would write "
                    "nothing.\n",
                    false}),
    [](const testing::TestParamInfo<Import_Case>& info) { return std::string(info.param.name); });

struct Usage_Case {
    const char* name;
    std::vector<std::string> args;
};

void PrintTo(const Usage_Case& c, std::ostream* out) {
    *out << c.name;
}

class TableUsage : public Program_Folder, public testing::WithParamInterface<Usage_Case> {};

TEST_P(TableUsage, IsAUsageError) {
    copy_configuration("cli/good", "Plant");
    std::vector<std::string> args = {"table", "Plant"};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    EXPECT_EQ(cli(args).code, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TableUsage,
    testing::Values(Usage_Case{"unknown_table", {"parameters", "--export", "x.csv"}},
                    Usage_Case{"neither", {"listener"}},
                    Usage_Case{"both", {"listener", "--export", "x", "--import", "y"}},
                    Usage_Case{"apply_with_export", {"listener", "--export", "x", "--apply"}}),
    [](const testing::TestParamInfo<Usage_Case>& info) { return std::string(info.param.name); });

} // namespace
