#include "CliRun.h"
#include "core/app/ConfigurationLock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <future>
#include <optional>
#include <string>
#include <vector>

namespace {

using cfg::test::Cli_Result;
using cfg::test::fixture;
using cfg::test::Program_Folder;
using cfg::test::read_bytes;
using cfg::test::tool_path;

const std::string Model_Note =
    "A model of the converter, not the device: docs/preview-model.md lists the choices it makes.\n";

std::string ship_log() {
    return tool_path(fixture("preview/ship.log"));
}

std::string expected(const char* name) {
    return read_bytes(fixture(std::string("cli/expected/") + name));
}

// The recorded log holds every offered sentence, talkers of all kinds, a tag block, a time stamp, a
// wrong checksum, noise and a line without an end; the configuration takes every kind of field with
// every post operation and swap. The bytes were worked out by hand.
TEST_F(Program_Folder, PreviewOfTheRecordedLog) {
    copy_configuration("preview/Ship", "Ship");
    struct Output {
        std::vector<std::string> options;
        const char* file;
        std::string err;
    };
    for (const Output& output :
         {Output{{}, "preview_ship.txt", ""}, Output{{"--array"}, "preview_ship_array.txt", Model_Note},
          Output{{"--ethercat"}, "preview_ship_ethercat.txt", Model_Note}}) {
        std::vector<std::string> args = {"preview", "Ship", ship_log()};
        args.insert(args.end(), output.options.begin(), output.options.end());
        const Cli_Result result = cli(args);
        EXPECT_EQ(result.code, 0) << testing::PrintToString(result);
        EXPECT_EQ(result.out, expected(output.file)) << output.file;
        EXPECT_EQ(result.err, output.err) << output.file;
    }
}

TEST_F(Program_Folder, PreviewAsJson) {
    copy_configuration("preview/Ship", "Ship");
    const Cli_Result result = cli({"preview", "Ship", ship_log(), "--json"});
    EXPECT_EQ(result.code, 0) << testing::PrintToString(result);
    std::string out = result.out;
    const std::string log = "\"log\": \"" + cfg::test::tool_json_path(fixture("preview/ship.log")) + "\"";
    ASSERT_NE(out.find(log), std::string::npos);
    out.replace(out.find(log), log.size(), "\"log\": \"ship.log\"");
    EXPECT_EQ(out, expected("preview_ship.json"));
}

const std::string Hdt_Row =
    "<row Enable=\"Y\" Serial_Channel=\"RS232\" Sentence=\"HDT\" Index=\"\" "
    "DataField=\"Heading, degrees True, Number [floating point]\" PortOperation=\"None\" "
    "SwapAll=\"N\" Swap16=\"N\" Position=\"0\" Mnemonic=\"\"/>";

std::string listener_file(const std::string& rows) {
    return "<NMEA_0183><NMEA_Listener>" + rows + "</NMEA_Listener></NMEA_0183>";
}

TEST_F(Program_Folder, PreviewNamesRowsWhoseSentenceNeverAppeared) {
    make_configuration("Gyro", {{"ParGen.xml", read_bytes(fixture("preview/Ship/ParGen.xml"))},
                                {"NMEA_0183_Set_Access.xml", listener_file(Hdt_Row)}});
    cfg::test::write_bytes(home / "gps.log", "$GPZDA,201530.25,10,12,2026,-05,30*4B\r\n");
    const Cli_Result result = cli({"preview", "Gyro", tool_path(home / "gps.log")});
    EXPECT_EQ(result.code, 0) << testing::PrintToString(result);
    EXPECT_EQ(result.out,
              Model_Note +
                  "Lines read: 1; sentences: 1; wrong checksums: 0; malformed: 0; without checksum: 0\n"
                  "\n"
                  "Sentence  Count\n"
                  "ZDA       1\n"
                  "\n"
                  "N  Sentence  Index  Data Field                                      Post Ope  Swap All  "
                  "Swap 16  Position  Received  Value  Bytes  State\n"
                  "1  HDT              Heading, degrees True, Number [floating point]  None              "
                  "           0                                 waiting\n"
                  "Rows whose sentence never appeared: 1\n");
}

// A log of endless codes: preview and learn keep the catalogue's codes and the first 64 others by
// name and say how many sentences of further codes they only counted.
TEST_F(Program_Folder, PreviewAndLearnSayWhatTheyOnlyCounted) {
    make_configuration("Gyro", {{"ParGen.xml", read_bytes(fixture("preview/Ship/ParGen.xml"))},
                                {"NMEA_0183_Set_Access.xml", listener_file(Hdt_Row)}});
    std::string log;
    for (int i = 0; i < 64 + 300; ++i)
        log += "$PX" + std::to_string(i) + ",1\r\n";
    log += "$HEHDT,272.5,T\r\n";
    cfg::test::write_bytes(home / "noisy.log", log);
    const std::string further =
        "Sentences of further codes, only counted: 300 (the catalogue's codes and the first 64 others are "
        "kept by name)\n";

    const Cli_Result text = cli({"preview", "Gyro", tool_path(home / "noisy.log")});
    EXPECT_EQ(text.code, 0) << testing::PrintToString(text);
    EXPECT_NE(text.out.find("; without checksum: 365\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("HDT       1\n" + further + "\n"), std::string::npos) << text.out;
    EXPECT_EQ(text.out.find("$PX64 "), std::string::npos) << text.out;

    const Cli_Result json = cli({"preview", "Gyro", tool_path(home / "noisy.log"), "--json"});
    EXPECT_NE(json.out.find("\n  \"without_checksum\": 365,\n"), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\n  \"sentences_of_further_codes\": 300,\n"), std::string::npos) << json.out;
    EXPECT_EQ(json.out.find("\"$PX64\""), std::string::npos) << json.out;

    const Cli_Result learned = cli({"learn", "Gyro", tool_path(home / "noisy.log")});
    EXPECT_EQ(learned.code, 0) << testing::PrintToString(learned);
    EXPECT_NE(learned.out.find(", HDT 1. " + further), std::string::npos) << learned.out;
}

// Without ParGen.xml the compile gives the device no listener row, and the preview says so.
TEST_F(Program_Folder, PreviewWithoutParGenGivesTheDeviceNoRow) {
    make_configuration("Bare", {{"NMEA_0183_Set_Access.xml", listener_file(Hdt_Row)}});
    const Cli_Result result = cli({"preview", "Bare", ship_log()});
    EXPECT_EQ(result.code, 0) << testing::PrintToString(result);
    EXPECT_NE(result.out.find(
                  "\n\nThe device is given no listener row.\nRows whose sentence never appeared: none\n"),
              std::string::npos)
        << result.out;
}

struct Failure_Case {
    const char* label;
    std::vector<std::string> args;
    int code;
    std::string err_start;
};

TEST_F(Program_Folder, PreviewAndLearnRefuseWhatTheyCannotDo) {
    copy_configuration("preview/Ship", "Ship");
    const std::string missing = tool_path(home / "missing.log");
    const Failure_Case cases[] = {
        {"a log that is not there",
         {"preview", "Ship", missing},
         3,
         "Cannot read the log \"" + missing + "\": No such file or directory\n"},
        {"a folder for a log",
         {"learn", "Ship", tool_path(home.path())},
         3,
         "Cannot read the log \"" + tool_path(home.path()) + "\": it is a folder\n"},
        {"JSON with the array",
         {"preview", "Ship", ship_log(), "--json", "--array"},
         2,
         "--json gives the whole preview and goes with neither --array nor --ethercat\n\nUsage:"},
        {"a sentence the table cannot take",
         {"learn", "Ship", ship_log(), "--sentences", "GGA,RMB"},
         2,
         "--sentences: \"RMB\" is not a sentence of the listener's list\n\nUsage:"},
    };
    for (const Failure_Case& c : cases) {
        const Cli_Result result = cli(c.args);
        EXPECT_EQ(result.code, c.code) << c.label;
        EXPECT_EQ(result.err.substr(0, c.err_start.size()), c.err_start) << c.label;
    }
}

const std::string Learned_Xte_Rows =
    "3  XTE              status 1 [character]                             7         A\n"
    "4  XTE              status 2 [character]                             9         A\n"
    "5  XTE              Magnitude of Cross-Track-Error [floating point]  10        0.25\n"
    "6  XTE              direction to steer, L/R [character]              15        L\n"
    "7  XTE              units [character]                                17        N\n"
    "8  XTE              mode Indicator [character]                       19        D\n";

// The rows follow the last used byte (the GGA hour at 5); without --apply nothing is written.
TEST_F(Program_Folder, LearnListsTheRowsAndAppliesThemOnlyWhenAsked) {
    const std::filesystem::path folder = copy_configuration("preview/Learn", "Learn");
    const std::string before = read_bytes(folder / "NMEA_0183_Set_Access.xml");
    const std::string rows =
        "N  Sentence  Index  Data Field                                       Position  Sample\n" +
        Learned_Xte_Rows;

    const Cli_Result listed = cli({"learn", "Learn", ship_log(), "--sentences", "XTE"});
    EXPECT_EQ(listed.code, 0) << testing::PrintToString(listed);
    EXPECT_EQ(listed.out.substr(listed.out.find('\n') + 1), rows);
    EXPECT_EQ(read_bytes(folder / "NMEA_0183_Set_Access.xml"), before);

    const Cli_Result applied = cli({"learn", "Learn", ship_log(), "--sentences", "XTE", "--apply"});
    EXPECT_EQ(applied.code, 0) << testing::PrintToString(applied);
    EXPECT_EQ(applied.out.substr(applied.out.find('\n') + 1),
              rows + "Rows 3 to 8 added to " + tool_path(folder / "NMEA_0183_Set_Access.xml") + "\n");
    const auto row = [](const std::string& field, const std::string& position) {
        return "<row Enable=\"Y\" Serial_Channel=\"RS232\" Sentence=\"XTE\" Index=\"\" DataField=\"" + field +
               "\" PortOperation=\"None\" SwapAll=\"N\" Swap16=\"N\" Position=\"" + position +
               "\" Mnemonic=\"\"/>";
    };
    const std::string kept = before.substr(0, before.find("</NMEA_Listener>"));
    EXPECT_EQ(read_bytes(folder / "NMEA_0183_Set_Access.xml"),
              kept + row("status 1 [character]", "7") + row("status 2 [character]", "9") +
                  row("Magnitude of Cross-Track-Error [floating point]", "10") +
                  row("direction to steer, L/R [character]", "15") + row("units [character]", "17") +
                  row("mode Indicator [character]", "19") +
                  "</NMEA_Listener></NMEA_0183><!--SW_VERSION = 1.000-->");
}

// The listener screen would not save these rows without asking or at all: nothing is written.
TEST_F(Program_Folder, LearnWritesNothingTheScreenWouldRefuse) {
    const std::string gap = listener_file(Hdt_Row + "<row Enable=\"Y\" Sentence=\"\"/>" + Hdt_Row);
    const std::string unreadable = "<NMEA_0183><NMEA_Listener>";
    std::string ninety_five_rows;
    for (int i = 0; i < 95; ++i)
        ninety_five_rows += Hdt_Row;
    struct Refusal {
        const char* label;
        std::string file;
        std::vector<std::string> options;
        int code;
        std::string err;
    };
    const std::string listener = tool_path(home / "PROJECTS" / "Plant" / "NMEA_0183_Set_Access.xml");
    const Refusal cases[] = {
        {"rows after an empty row",
         gap,
         {"--sentences", "XTE", "--apply"},
         1,
         listener + ": rows after an empty Sentence would not be saved, the first of them row 3\n"
                    "Nothing was written.\n"},
        {"no room",
         listener_file(ninety_five_rows),
         {"--sentences", "XTE"},
         1,
         "The listener table has room for 5 more rows; the log gives 6 (--sentences takes fewer)\n"
         "--apply would write nothing.\n"},
        {"unreadable file", unreadable, {"--sentences", "XTE", "--apply"}, 3, ""},
    };
    for (const Refusal& c : cases) {
        const std::filesystem::path folder =
            make_configuration("Plant", {{"NMEA_0183_Set_Access.xml", c.file}});
        std::vector<std::string> args = {"learn", "Plant", ship_log()};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const Cli_Result result = cli(args);
        EXPECT_EQ(result.code, c.code) << c.label;
        if (!c.err.empty()) {
            EXPECT_EQ(result.err, c.err) << c.label;
        }
        EXPECT_EQ(read_bytes(folder / "NMEA_0183_Set_Access.xml"), c.file) << c.label;
    }
}

int rows_of(const std::string& sentence, const std::string& file) {
    const std::string attribute = "Sentence=\"" + sentence + "\"";
    int rows = 0;
    for (std::size_t at = file.find(attribute); at != std::string::npos; at = file.find(attribute, at + 1))
        ++rows;
    return rows;
}

// Two runs that add rows to one configuration at the same moment: each keeps the other's rows.
TEST_F(Program_Folder, TwoLearnRunsAtOnceKeepEachOthersRows) {
    const std::filesystem::path listener =
        copy_configuration("preview/Learn", "Learn") / "NMEA_0183_Set_Access.xml";
    const std::string before = read_bytes(listener);
    for (int round = 0; round < 5; ++round) {
        cfg::test::write_bytes(listener, before);
        const auto learn = [this](const char* sentences) {
            return cli({"learn", "Learn", ship_log(), "--sentences", sentences, "--apply"});
        };
        std::future<Cli_Result> other = std::async(std::launch::async, learn, "HDT");
        const Cli_Result xte = learn("XTE");
        const Cli_Result hdt = other.get();
        EXPECT_EQ(xte.code, 0) << testing::PrintToString(xte);
        EXPECT_EQ(hdt.code, 0) << testing::PrintToString(hdt);
        const std::string after = read_bytes(listener);
        ASSERT_EQ(rows_of("XTE", after), rows_of("XTE", before) + 6) << after;
        ASSERT_EQ(rows_of("HDT", after), rows_of("HDT", before) + 2) << after;
    }
}

// While another program holds the configuration, learn --apply says that it waits and neither reads
// nor writes the table: the rows added meanwhile stay.
TEST_F(Program_Folder, LearnWaitsForAnotherWriterOfTheConfiguration) {
    SKIP_FOR_WINDOWS_TOOL("Wine's file locks are not those of this system");
    const std::filesystem::path folder = copy_configuration("preview/Learn", "Learn");
    const std::filesystem::path listener = folder / "NMEA_0183_Set_Access.xml";
    std::optional<cfg::Configuration_Lock> held;
    held.emplace(folder, std::chrono::milliseconds(0), [](const std::string& told) { FAIL() << told; });

    std::string command = "'" + cfg::test::tool().cli.string() + "' --home '" + home.path().string() +
                          "' learn Learn '" + ship_log() + "' --sentences XTE --apply 2>&1";
    std::FILE* run = ::popen(command.c_str(), "r");
    ASSERT_NE(run, nullptr);
    char line[512] = {};
    // The line of the log's sentences comes first, then the one telling the wait; a run that does not
    // wait goes on to its end.
    const std::string waiting = "Another command is changing the configuration \"" + folder.string() +
                                "\"; waiting for it to end (at most 30 s).\n";
    while (std::fgets(line, sizeof line, run) != nullptr && line != waiting) {
    }
    ASSERT_EQ(line, waiting);
    // The other writer adds its row while it holds the configuration.
    const std::string with_hdt = read_bytes(listener);
    cfg::test::write_bytes(listener,
                           with_hdt.substr(0, with_hdt.find("</NMEA_Listener>")) +
                               R"(<row Enable="Y" Serial_Channel="RS232" Sentence="HDT" Index="" )"
                               R"(DataField="Heading, degrees True, Number [floating point]" )"
                               R"(PortOperation="None" SwapAll="N" Swap16="N" Position="6" Mnemonic=""/>)" +
                               with_hdt.substr(with_hdt.find("</NMEA_Listener>")));
    held.reset();
    while (std::fgets(line, sizeof line, run) != nullptr) {
    }
    EXPECT_EQ(::pclose(run), 0);
    const std::string after = read_bytes(listener);
    EXPECT_EQ(rows_of("HDT", after), rows_of("HDT", with_hdt) + 1) << after;
    EXPECT_EQ(rows_of("XTE", after), rows_of("XTE", with_hdt) + 6) << after;
}

} // namespace
