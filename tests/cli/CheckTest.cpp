#include "CliRun.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using cfg::test::Cli_Result;
using cfg::test::Program_Folder;
using cfg::test::read_bytes;
using cfg::test::tool_path;
using cfg::test::write_bytes;

// One stored value of the passing configuration changed.
struct Edit {
    std::string file;
    std::string from;
    std::string to;
};

const Edit parameter_failure{"ParGen.xml", "<EtherCAT_Slave_Node_Address>5<",
                             "<EtherCAT_Slave_Node_Address>0<"};
const Edit listener_failure{"NMEA_0183_Set_Access.xml", "Position=\"6\"", "Position=\"2000\""};
const Edit ethercat_failure{"EtherCAT_Slave.xml", "Length=\"4\" Name=\"Id\"", "Length=\"300\" Name=\"Id\""};
const Edit mqtt_failure{"MQTT_Set_Topic.xml", "Dimension=\"2\"", "Dimension=\"3\""};

// Changes the stored text in the configuration folder; the edit must find its text.
void apply(const std::filesystem::path& folder, const Edit& edit) {
    std::string content = read_bytes(folder / edit.file);
    const std::size_t at = content.find(edit.from);
    ASSERT_NE(at, std::string::npos) << edit.from;
    write_bytes(folder / edit.file, content.replace(at, edit.from.size(), edit.to));
}

const std::string parameter_message = "Error EtherCAT Slave!! Node Address must be between 1 and 192\n";
const std::string listener_message = "Error row 2!! Position Must be Between 0 and 2000\n";
const std::string ethercat_message = "Error row 4!! Length must be a whole number between 0 and 255\n";
const std::string mqtt_message = "Error row 1!! [MQTT Publish] Dimension must be equal to 1 or 2 or 4 or 8\n";

struct CheckCase {
    const char* name;
    std::vector<Edit> edits;
    int code;
    std::string err;
};

void PrintTo(const CheckCase& c, std::ostream* out) {
    *out << c.name;
}

class Check : public Program_Folder, public testing::WithParamInterface<CheckCase> {};

TEST_P(Check, PrintsTheFirstFailureOfEachScreen) {
    const std::filesystem::path folder = copy_configuration("cli/good", "Plant");
    for (const Edit& edit : GetParam().edits)
        apply(folder, edit);
    const Cli_Result result = cli({"check", "Plant"});
    EXPECT_EQ(result.code, GetParam().code) << testing::PrintToString(result);
    EXPECT_EQ(result.err, GetParam().err + cfg::test::No_ESI_Warning);
    EXPECT_EQ(result.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Screens, Check,
    testing::Values(CheckCase{"AllPass", {}, 0, ""},
                    CheckCase{"Parameters", {parameter_failure}, 1, parameter_message},
                    CheckCase{"Listener", {listener_failure}, 1, listener_message},
                    CheckCase{"EtherCATStringLength", {ethercat_failure}, 1, ethercat_message},
                    CheckCase{"Mqtt", {mqtt_failure}, 1, mqtt_message},
                    CheckCase{"EveryScreenInTheOrderOfTheSteps",
                              {mqtt_failure, ethercat_failure, listener_failure, parameter_failure},
                              1,
                              parameter_message + listener_message + ethercat_message + mqtt_message}));

const Edit overlapping_heading{"NMEA_0183_Set_Access.xml", "Position=\"6\"", "Position=\"4\""};
const Edit heading_past_the_array{"NMEA_0183_Set_Access.xml", "Position=\"6\"", "Position=\"1998\""};

struct StrictCase {
    const char* name;
    std::vector<Edit> edits;
    int code;
    std::vector<std::string> marks; // after the listener file's path
    std::string messages = "";      // of the checks, before the marks
};

void PrintTo(const StrictCase& c, std::ostream* out) {
    *out << c.name;
}

class StrictCheck : public Program_Folder, public testing::WithParamInterface<StrictCase> {};

// The listener's check lets overlapping fields and fields leaving the array through; --strict
// refuses them too, naming the rows, after what the checks found.
TEST_P(StrictCheck, AlsoFailsOnFieldsThatCollide) {
    const std::filesystem::path folder = copy_configuration("cli/good", "Plant");
    for (const Edit& edit : GetParam().edits)
        apply(folder, edit);
    EXPECT_EQ(cli({"check", "Plant"}).code, GetParam().messages.empty() ? 0 : 1);
    std::string err = GetParam().messages;
    for (const std::string& mark : GetParam().marks)
        err += tool_path(folder / "NMEA_0183_Set_Access.xml") + ": " + mark + "\n";
    const Cli_Result result = cli({"check", "Plant", "--strict"});
    EXPECT_EQ(result.code, GetParam().code) << testing::PrintToString(result);
    EXPECT_EQ(result.err, err + cfg::test::No_ESI_Warning);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, StrictCheck,
    testing::Values(
        StrictCase{"NoCollision", {}, 0, {}},
        StrictCase{"Overlap", {overlapping_heading}, 1, {"Row 1: overlaps row 2", "Row 2: overlaps row 1"}},
        StrictCase{"PastTheArray", {heading_past_the_array}, 1, {"Row 2: past byte 1999"}},
        StrictCase{"AfterTheChecks",
                   {overlapping_heading, parameter_failure},
                   1,
                   {"Row 1: overlaps row 2", "Row 2: overlaps row 1"},
                   parameter_message}));

// What the lines say, for a script: each screen's file, its rows left out and its failure, the
// fields --strict refuses and the ESI warning.
TEST_F(Program_Folder, CheckAsJson) {
    const std::filesystem::path folder = copy_configuration("cli/good", "Plant");
    for (const Edit& edit : {overlapping_heading, parameter_failure})
        apply(folder, edit);
    const Cli_Result result = cli({"check", "Plant", "--strict", "--json"});
    EXPECT_EQ(result.code, 1) << testing::PrintToString(result);
    const std::string listener = cfg::test::tool_json_path(folder / "NMEA_0183_Set_Access.xml");
    const auto screen = [&](const char* file, const std::string& failure) {
        return "    {\"file\": \"" + cfg::test::tool_json_path(folder / file) +
               "\", \"rows_left_out\": 0, \"failure\": " + failure + "}";
    };
    EXPECT_EQ(result.out,
              "{\n  \"configuration\": \"" + cfg::test::tool_json_path(folder) +
                  "\",\n  \"passed\": false,\n  \"screens\": [\n" +
                  screen("ParGen.xml", "\"Error EtherCAT Slave!! Node Address must be between 1 and 192\"") +
                  ",\n" + screen("NMEA_0183_Set_Access.xml", "null") + ",\n" +
                  screen("EtherCAT_Slave.xml", "null") + ",\n" + screen("MQTT_Set_Topic.xml", "null") +
                  "\n  ],\n  \"array_findings\": [\n    \"" + listener +
                  ": Row 1: overlaps row 2\",\n    \"" + listener +
                  ": Row 2: overlaps row 1\"\n  ],\n  \"esi_warning\": \"" +
                  cfg::test::No_ESI_Warning.substr(0, cfg::test::No_ESI_Warning.size() - 1) + "\"\n}\n");
    // The messages stay where they always are.
    EXPECT_EQ(result.err, cli({"check", "Plant", "--strict"}).err);
}

// A new configuration has no files yet: every screen starts from its defaults, which pass.
TEST_F(Program_Folder, CheckPassesAConfigurationWithoutFiles) {
    ASSERT_EQ(cli({"new", "Empty"}).code, 0);
    const Cli_Result result = cli({"check", "Empty"});
    EXPECT_EQ(result.code, 0) << testing::PrintToString(result);
    EXPECT_EQ(result.err, cfg::test::No_ESI_Warning);
}

// The master reads the process image from the ESI file written last: check says when the variables
// have changed since, and passes all the same.
TEST_F(Program_Folder, CheckWarnsWhenTheEsiFileDescribesAnotherProcessImage) {
    const std::filesystem::path folder = copy_configuration("cli/good", "Plant");
    const std::filesystem::path esi = home / "plant.xml";
    ASSERT_EQ(cli({"esi", "Plant", tool_path(esi)}).code, 0);
    EXPECT_EQ(cli({"check", "Plant"}).err, "");

    apply(folder, {"EtherCAT_Slave.xml", "Name=\"Id\"", "Name=\"Ident\""});
    const Cli_Result result = cli({"check", "Plant"});
    EXPECT_EQ(result.code, 0) << testing::PrintToString(result);
    EXPECT_THAT(result.err, testing::MatchesRegex("Warning: the ESI written on [-0-9]+ [0-9:]+ UTC to .*"));
    EXPECT_THAT(result.err,
                testing::EndsWith(" UTC to " + tool_path(esi) +
                                  " describes another process image: write it again and import it "
                                  "in the master\n"));
}

TEST_F(Program_Folder, CheckMessagesComeInTheLanguageOfTheSettings) {
    apply(copy_configuration("cli/good", "Plant"), listener_failure);
    write_bytes(home / "Morvel.xml",
                "<Conf_Settings><lastlang><language>Italiano</language></lastlang></Conf_Settings>");
    write_bytes(home / "LANGUAGE" / "Italiano.lng",
                "STR1033 =\xC2\xB6"
                "Errore riga \xC2\xB6\r\nSTR1038 =!! Posizione tra 0 e \r\n");
    EXPECT_EQ(cli({"check", "Plant"}).err,
              "Errore riga 2!! Posizione tra 0 e2000\n" + cfg::test::No_ESI_Warning);
}

} // namespace
