#include "EsiTestFiles.h"

#include "core/app/Application.h"
#include "core/app/ConfigurationFolders.h"
#include "core/app/EsiStep.h"
#include "core/ethercat/EsiRecord.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using cfg::test::ethercat_slave_xml;
using cfg::test::pargen_xml;
using cfg::test::Stored_Row;
using cfg::test::write_bytes;
using namespace std::chrono;

const Stored_Row run{"Bool", "1", "Run"};
const Stored_Row speed{"Int16", "2", "Speed"};

// A program folder with the configuration "Ship" active, holding these two files.
struct Program {
    cfg::test::TempDir dir;
    cfg::Application app = cfg::Start_Application(dir.path());

    Program() { EXPECT_FALSE(cfg::Create_New_Project(app, "Ship")); }

    void store(const std::string& pargen, const std::string& ethercat_slave) const {
        write_bytes(app.File_ParGen, pargen);
        write_bytes(app.File_EtherCAT_Slave, ethercat_slave);
    }
};

struct StepCase {
    const char* name;
    std::string pargen_after;
    std::string ethercat_after;
    bool warns;
};

std::ostream& operator<<(std::ostream& out, const StepCase& c) {
    return out << c.name;
}

class EsiStep : public testing::TestWithParam<StepCase> {};

// The ESI file is written for Run and Speed of the device "Bridge"; then the files change.
TEST_P(EsiStep, WarnsWhenTheProcessImageHasChanged) {
    Program program;
    program.store(pargen_xml("1", "Bridge", "1"), ethercat_slave_xml({run, speed}));
    cfg::ethercat::Write_Configuration_ESI(program.app, program.dir / "bridge.xml", system_clock::now());
    program.store(GetParam().pargen_after, GetParam().ethercat_after);
    EXPECT_EQ(cfg::ethercat::ESI_Step_Warning(program.app).has_value(), GetParam().warns);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, EsiStep,
    testing::Values(
        StepCase{"nothing", pargen_xml("1", "Bridge", "1"), ethercat_slave_xml({run, speed}), false},
        StepCase{"the identity only", pargen_xml("7", "Engine", "3"), ethercat_slave_xml({run, speed}),
                 false},
        StepCase{"a name", pargen_xml("1", "Bridge", "1"),
                 ethercat_slave_xml({run, {"Int16", "2", "Speed_2"}}), true},
        StepCase{"a type", pargen_xml("1", "Bridge", "1"),
                 ethercat_slave_xml({run, {"UInt16", "2", "Speed"}}), true},
        StepCase{"the order", pargen_xml("1", "Bridge", "1"), ethercat_slave_xml({speed, run}), true},
        StepCase{"a variable more", pargen_xml("1", "Bridge", "1"),
                 ethercat_slave_xml({run, speed, {"Bool", "1", "Alarm"}}), true},
        StepCase{"a disabled variable more, which the image leaves out", pargen_xml("1", "Bridge", "1"),
                 ethercat_slave_xml({run, speed, {"Bool", "1", "Alarm", "N"}}), false},
        StepCase{"a variable from the master", pargen_xml("1", "Bridge", "1"),
                 ethercat_slave_xml({run, speed}, {{"Bool", "1", "Reset"}}), true}));

TEST(EsiStep, SaysWhenAndWhereTheOtherImageWasWritten) {
    Program program;
    program.store(pargen_xml("1", "Bridge", "1"), ethercat_slave_xml({run}));
    const system_clock::time_point written = sys_days{year{2025} / March / 4} + hours{13} + minutes{5};
    cfg::ethercat::Write_Configuration_ESI(program.app, program.dir / "bridge.xml", written);
    program.store(pargen_xml("1", "Bridge", "1"), ethercat_slave_xml({speed}));
    EXPECT_EQ(cfg::ethercat::ESI_Step_Warning(program.app),
              "Warning: the ESI written on 2025-03-04 13:05 UTC to " + (program.dir / "bridge.xml").string() +
                  " describes another process image: write it again and import it in the master");
}

TEST(EsiStep, WarnsWhenNoEsiFileWasEverWritten) {
    Program program;
    EXPECT_EQ(cfg::ethercat::ESI_Step_Warning(program.app),
              "Warning: no ESI file has been written for this configuration: write it (step 5) and import it "
              "in the master");
}

// A record or a variable file that cannot be read leaves nothing to compare: that is said, and the
// update may go on.
TEST(EsiStep, WarnsWhenTheImagesCannotBeCompared) {
    const struct {
        const char* file;
        const char* content;
    } unreadable[] = {{"ESI_Record.xml", "<ESI_Record><Written>x</Written>"},
                      {"ESI_Record.xml", "<ESI_Record><Written>x</Written></ESI_Record>"},
                      {"EtherCAT_Slave.xml", "<EtherCAT_Slave><EtherCAT_Slave_Variables>"}};
    for (const auto& [file, content] : unreadable) {
        Program program;
        write_bytes(program.app.Path_Project / file, content);
        const std::optional<std::string> warning = cfg::ethercat::ESI_Step_Warning(program.app);
        ASSERT_TRUE(warning) << content;
        EXPECT_TRUE(warning->starts_with("Warning: the ESI file written last cannot be compared with this "
                                         "configuration (The file \"" +
                                         (program.app.Path_Project / file).string()))
            << *warning;
    }
}

// A path with characters outside ASCII comes back as it went in.
TEST(EsiRecord, KeepsWhatItWasGiven) {
    cfg::test::TempDir dir;
    const cfg::ethercat::ESI_Record record{"2025-03-04 13:05 UTC", dir / "Brücke Ø.xml", "0123456789ABCDEF"};
    cfg::ethercat::Write_ESI_Record(dir.path(), record);
    const std::optional<cfg::ethercat::ESI_Record> read = cfg::ethercat::Read_ESI_Record(dir.path());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->written_at, record.written_at);
    EXPECT_EQ(read->file, record.file);
    EXPECT_EQ(read->process_image, record.process_image);
}

} // namespace
