#include "CliRun.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

namespace {

namespace fs = std::filesystem;
using cfg::test::Cli_Result;
using cfg::test::Program_Folder;
using cfg::test::tool_path;

void replace_in(const fs::path& file, const std::string& from, const std::string& to) {
    std::string content = cfg::test::read_bytes(file);
    content.replace(content.find(from), from.size(), to);
    cfg::test::write_bytes(file, content);
}

TEST_F(Program_Folder, ReportWritesAPageAParserReads) {
    copy_configuration("cli/good", "Plant");
    const fs::path page = home / "plant.html";
    const Cli_Result result = cli({"report", "Plant", tool_path(page)});
    EXPECT_EQ(result.code, 0) << testing::PrintToString(result);
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_file(page.c_str()));
    EXPECT_TRUE(doc.select_node("/html/body/h1[.='Configuration Report']"));
    EXPECT_TRUE(doc.select_node("//tr[th='Configuration' and td='Plant']"));
}

TEST_F(Program_Folder, AReportThatCannotBeWrittenIsReported) {
    copy_configuration("cli/good", "Plant");
    const fs::path page = home / "no such folder" / "plant.html";
    const Cli_Result result = cli({"report", "Plant", tool_path(page)});
    EXPECT_EQ(result.code, 3);
    EXPECT_NE(result.err.find("plant.html"), std::string::npos) << result.err;
    EXPECT_FALSE(fs::exists(page));
}

TEST_F(Program_Folder, DiffExitsZeroForTheSameAndOneForDifferentConfigurations) {
    copy_configuration("cli/good", "A");
    const fs::path b = copy_configuration("cli/good", "B");
    Cli_Result result = cli({"diff", "A", "B"});
    EXPECT_EQ(result.code, 0) << testing::PrintToString(result);
    EXPECT_EQ(result.out, "The configurations are the same.\n");

    replace_in(b / "NMEA_0183_Set_Access.xml", "Mnemonic=\"Gyro\"", "Mnemonic=\"Gyro 2\"");
    result = cli({"diff", "A", tool_path(b)});
    EXPECT_EQ(result.code, 1) << testing::PrintToString(result);
    EXPECT_EQ(result.out, "NMEA 0183 Access\n  Row 2 changed: Mnemonic: \"Gyro\" → \"Gyro 2\"\n");
    EXPECT_EQ(result.err, "");
}

TEST_F(Program_Folder, DiffAsJson) {
    const fs::path a = copy_configuration("cli/good", "A");
    const fs::path b = copy_configuration("cli/good", "B");
    replace_in(b / "ParGen.xml", "<Ethernet_IP4>10<", "<Ethernet_IP4>20<");
    const Cli_Result result = cli({"diff", "A", "B", "--json"});
    EXPECT_EQ(result.code, 1) << testing::PrintToString(result);
    EXPECT_EQ(
        result.out,
        "{\n  \"a\": \"" + cfg::test::tool_json_path(a) + "\",\n  \"b\": \"" + cfg::test::tool_json_path(b) +
            "\",\n  \"banks_only\": false,\n  \"same\": false,\n  \"differences\": [\n"
            R"(    {"area": "parameters", "change": "changed", "row": null, "item": "Ethernet_IP", "values": [{"key": "Ethernet_IP", "name": "IP Address", "old": "192.168.0.10", "new": "192.168.0.20"}]})"
            "\n  ]\n}\n");
}

// What was kept of an earlier compile against a configuration compiled since: the banks alone.
TEST_F(Program_Folder, DiffComparesAFolderOfBanksFieldByField) {
    const fs::path a = copy_configuration("cli/good", "A");
    ASSERT_EQ(cli({"compile", "A"}).code, 0);
    const fs::path kept = home / "kept";
    fs::copy(a / "bin", kept);
    replace_in(a / "ParGen.xml", "<EtherCAT_Slave_Node_Address>5<", "<EtherCAT_Slave_Node_Address>6<");
    replace_in(a / "ParGen.xml", "<Ethernet_IP4>10<", "<Ethernet_IP4>20<");
    ASSERT_EQ(cli({"compile", "A"}).code, 0);
    Cli_Result result = cli({"diff", tool_path(kept), "A"});
    EXPECT_EQ(result.code, 1) << testing::PrintToString(result);
    EXPECT_EQ(result.out, "bank1.bin\n  IP address: \"192.168.0.10\" → \"192.168.0.20\"\n"
                          "  Checksum: \"0x00000DA6\" → \"0x00000DB0\"\n"
                          "bank3.bin\n  Node address: \"5\" → \"6\"\n");

    fs::remove(kept / "bank3.bin");
    result = cli({"diff", tool_path(kept), tool_path(kept)});
    EXPECT_EQ(result.code, 0) << testing::PrintToString(result);
    result = cli({"diff", "A", tool_path(kept), "--json"});
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.out.find("\"banks_only\": true"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find(R"({"area": "bank3", "change": "removed", "row": null, "item": "bank3.bin")"),
              std::string::npos)
        << result.out;
}

TEST_F(Program_Folder, DiffOfAMissingConfigurationIsAFileFailure) {
    copy_configuration("cli/good", "A");
    const Cli_Result result = cli({"diff", "A", "Nothing"});
    EXPECT_EQ(result.code, 3);
    EXPECT_NE(result.err.find("Nothing"), std::string::npos) << result.err;
    EXPECT_EQ(cli({"diff", "A"}).code, 2);
}

} // namespace
