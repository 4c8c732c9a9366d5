#include "core/app/OwnFiles.h"
#include "core/app/ConfigurationFolders.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace {

namespace fs = std::filesystem;
using cfg::test::TempDir;

struct Target {
    const char* name;
    const char* relative;     // the chosen file, from the data folder
    const char* own_relative; // the own file it is, or null for a file the program may write
};

void PrintTo(const Target& target, std::ostream* out) {
    *out << target.name;
}

const Target targets[] = {
    {"Parameters", "PROJECTS/Ship/ParGen.xml", "PROJECTS/Ship/ParGen.xml"},
    {"Listener", "PROJECTS/Ship/NMEA_0183_Set_Access.xml", "PROJECTS/Ship/NMEA_0183_Set_Access.xml"},
    {"Variables", "PROJECTS/Ship/EtherCAT_Slave.xml", "PROJECTS/Ship/EtherCAT_Slave.xml"},
    {"Topics", "PROJECTS/Ship/MQTT_Set_Topic.xml", "PROJECTS/Ship/MQTT_Set_Topic.xml"},
    {"EsiRecord", "PROJECTS/Ship/ESI_Record.xml", "PROJECTS/Ship/ESI_Record.xml"},
    {"Bank", "PROJECTS/Ship/bin/bank2.bin", "PROJECTS/Ship/bin/bank2.bin"},
    {"Job", "Ethernet_Update.xml", "Ethernet_Update.xml"},
    {"Settings", "Morvel.xml", "Morvel.xml"},
    {"AnotherSpelling", "PROJECTS/Ship/bin/../EtherCAT_Slave.xml", "PROJECTS/Ship/EtherCAT_Slave.xml"},
    {"ThroughALink", "Link/EtherCAT_Slave.xml", "PROJECTS/Ship/EtherCAT_Slave.xml"},
    {"ANewFileBeside", "PROJECTS/Ship/device.xml", nullptr},
    {"AnotherConfigurationsFile", "PROJECTS/Other/ParGen.xml", nullptr},
};

class OwnFiles : public testing::TestWithParam<Target> {};

TEST_P(OwnFiles, AreTheActiveConfigurationsAndTheProgramsOwn) {
    const Target& target = GetParam();
    TempDir dir;
    cfg::Application app = cfg::Start_Application(dir.path());
    ASSERT_EQ(cfg::Create_New_Project(app, "Ship"), std::nullopt);
    cfg::test::write_bytes(app.File_EtherCAT_Slave, "<EtherCAT_Slave/>");
    fs::create_directory_symlink(app.Path_Project, dir / "Link");

    const std::optional<fs::path> own = cfg::Own_File_At(app, dir / target.relative);
    if (target.own_relative)
        EXPECT_EQ(own, std::optional(app.Path_Data / target.own_relative));
    else
        EXPECT_EQ(own, std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Targets, OwnFiles, testing::ValuesIn(targets),
                         [](const testing::TestParamInfo<Target>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
