#include "core/app/Application.h"
#include "core/app/NameLabels.h"
#include "core/app/SettingsFile.h"
#include "core/common/ConfigError.h"
#include "core/lang/Language.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using cfg::test::TempDir;
using cfg::test::write_bytes;

void remember_configuration(const TempDir& dir, const std::string& name) {
    cfg::Saved_Settings saved;
    saved.Name_Project = name;
    cfg::Write_Settings(dir / "Morvel.xml", saved);
}

void expect_no_active_configuration(const cfg::Application& app) {
    EXPECT_FALSE(app.has_active_configuration());
    EXPECT_TRUE(app.Path_Project.empty());
    EXPECT_TRUE(app.File_ParGen.empty());
    EXPECT_TRUE(app.File_NMEA_0183_Set_Access.empty());
    EXPECT_TRUE(app.File_MQTT_Set_Topic.empty());
    EXPECT_TRUE(app.File_EtherCAT_Slave.empty());
    const cfg::Name_Labels labels = cfg::Configuration_Name_Labels(app);
    EXPECT_EQ(labels.L_Name_Conf, app.Lang_Strings[9]);
    EXPECT_EQ(labels.L_Name_Conf_L2, app.Lang_Strings[10]);
}

TEST(Application, FirstStartInAnEmptyFolder) {
    TempDir dir;
    const cfg::Application app = cfg::Start_Application(dir.path());
    EXPECT_EQ(app.Path_Exe, dir.path());
    EXPECT_EQ(app.Path_Master, dir / "MASTER");
    EXPECT_EQ(app.Path_Projects, dir / "PROJECTS");
    EXPECT_EQ(app.Path_Language, dir / "LANGUAGE");
    for (const char* folder : {"MASTER", "PROJECTS", "LANGUAGE"})
        EXPECT_TRUE(std::filesystem::is_directory(dir / folder)) << folder;

    EXPECT_EQ(app.Name_Project, "");
    expect_no_active_configuration(app);
    EXPECT_EQ(cfg::Configuration_Name_Labels(app).L_Name_Conf, "None Configuration Opened ");
    EXPECT_EQ(app.App_Settings, cfg::App_Settings{});
    EXPECT_FALSE(cfg::Timer_Update_Enabled(app.App_Settings));
    for (int index = 0; index < cfg::Lang_Count; ++index)
        ASSERT_EQ(app.Lang_Strings[index], cfg::default_texts()[index]) << index;
    EXPECT_TRUE(app.Row_Clipboard.texts.empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "Morvel.xml"));
}

TEST(Application, TheProgramFolderIsTakenWithoutATrailingSeparator) {
    TempDir dir;
    EXPECT_EQ(cfg::Start_Application(dir.path() / "").Path_Exe, dir.path());
}

TEST(Application, RestoresTheRememberedConfiguration) {
    TempDir dir;
    std::filesystem::create_directories(dir / "PROJECTS" / "Plant A");
    remember_configuration(dir, "Plant A");
    const cfg::Application app = cfg::Start_Application(dir.path());
    EXPECT_TRUE(app.has_active_configuration());
    EXPECT_EQ(app.Name_Project, "Plant A");
    EXPECT_EQ(app.Path_Project, dir / "PROJECTS" / "Plant A");
    EXPECT_EQ(app.File_ParGen, dir / "PROJECTS" / "Plant A" / "ParGen.xml");
    EXPECT_EQ(app.File_NMEA_0183_Set_Access, dir / "PROJECTS" / "Plant A" / "NMEA_0183_Set_Access.xml");
    EXPECT_EQ(app.File_MQTT_Set_Topic, dir / "PROJECTS" / "Plant A" / "MQTT_Set_Topic.xml");
    EXPECT_EQ(app.File_EtherCAT_Slave, dir / "PROJECTS" / "Plant A" / "EtherCAT_Slave.xml");
    const cfg::Name_Labels labels = cfg::Configuration_Name_Labels(app);
    EXPECT_EQ(labels.L_Name_Conf, "Opened Configuration of the Converter : ");
    EXPECT_EQ(labels.L_Name_Conf_L2, "Plant A");
}

struct RememberedCase {
    const char* name;
    std::string remembered; // the name in Morvel.xml
};

void PrintTo(const RememberedCase& c, std::ostream* out) {
    *out << c.name;
}

class RememberedConfiguration : public testing::TestWithParam<RememberedCase> {};

// A name whose folder is gone, or that names a folder outside PROJECTS, leaves no configuration
// active; the name is kept and written back unchanged.
TEST_P(RememberedConfiguration, WithoutItsFolderIsNotActiveAndKept) {
    TempDir dir;
    std::filesystem::create_directories(dir / "Outside");
    std::filesystem::create_directories(dir / "PROJECTS" / "Plant A");
    write_bytes(dir / "PROJECTS" / "Notes", "a file, not a folder");
    remember_configuration(dir, GetParam().remembered);

    cfg::Application app = cfg::Start_Application(dir.path());
    EXPECT_EQ(app.Name_Project, GetParam().remembered);
    expect_no_active_configuration(app);

    // Also after a language change the labels say that no configuration is open.
    write_bytes(dir / "LANGUAGE" / "Italiano.lng", "STR9 =Nessuna\r\nSTR10 =Usa il passo 1\r\n");
    app.App_Settings.Language_Name = "Italiano";
    cfg::Load_Language(app.Lang_Strings, app.Path_Language, app.App_Settings.Language_Name);
    EXPECT_EQ(cfg::Configuration_Name_Labels(app).L_Name_Conf, "Nessuna");
    EXPECT_EQ(cfg::Configuration_Name_Labels(app).L_Name_Conf_L2, "Usa il passo 1");

    cfg::Save_Setting(app);
    EXPECT_EQ(cfg::Read_Settings(dir / "Morvel.xml").Name_Project, GetParam().remembered);
}

INSTANTIATE_TEST_SUITE_P(
    Names, RememberedConfiguration,
    testing::Values(RememberedCase{"FolderDeleted", "Deleted"}, RememberedCase{"AFileNotAFolder", "Notes"},
                    RememberedCase{"ParentFolder", ".."}, RememberedCase{"CurrentFolder", "."},
                    RememberedCase{"OutsideProjects", "../Outside"},
                    RememberedCase{"InsideAnotherConfiguration", "Plant A/."},
                    RememberedCase{"BackslashSeparator", "..\\Outside"},
                    RememberedCase{"AbsolutePath", (std::filesystem::temp_directory_path()).string()}),
    [](const testing::TestParamInfo<RememberedCase>& info) { return std::string(info.param.name); });

TEST(Application, StartsInTheRememberedLanguage) {
    TempDir dir;
    write_bytes(dir / "LANGUAGE" / "Deutsch.lng", "STR15 =Neue Konfiguration\r\n");
    write_bytes(dir / "Morvel.xml",
                "<Conf_Settings><lastlang><language>Deutsch</language></lastlang></Conf_Settings>");
    const cfg::Application app = cfg::Start_Application(dir.path());
    EXPECT_EQ(app.App_Settings.Language_Name, "Deutsch");
    EXPECT_EQ(app.Lang_Strings[15], "Neue Konfiguration");
    EXPECT_EQ(app.App_Settings.Last_IP_Address, "192.168.2.205");
    EXPECT_FALSE(app.App_Settings.enable_internet || app.App_Settings.enable_update ||
                 app.App_Settings.enable_jump_field_tables || app.App_Settings.Double_Click_Auto_Size);
    expect_no_active_configuration(app);
}

TEST(Application, AMissingLanguageIsStoredAsEnglish) {
    TempDir dir;
    write_bytes(dir / "Morvel.xml",
                "<Conf_Settings><lastlang><language>Klingon</language></lastlang></Conf_Settings>");
    const cfg::Application app = cfg::Start_Application(dir.path());
    EXPECT_EQ(app.App_Settings.Language_Name, "English");
    cfg::Save_Setting(app);
    EXPECT_EQ(cfg::Read_Settings(dir / "Morvel.xml").settings.Language_Name, "English");
}

TEST(Application, AFolderThatCannotBeCreatedIsNotReported) {
    TempDir dir;
    write_bytes(dir / "PROJECTS", "a file where the folder belongs");
    const cfg::Application app = cfg::Start_Application(dir.path());
    EXPECT_EQ(app.Path_Projects, dir / "PROJECTS");
    EXPECT_TRUE(std::filesystem::is_directory(dir / "LANGUAGE"));
    expect_no_active_configuration(app);
}

TEST(Application, WritesTheSettingsAndReportsAWriteThatFails) {
    TempDir dir;
    std::filesystem::create_directory(dir / "program");
    cfg::Application app = cfg::Start_Application(dir / "program");
    app.App_Settings.Last_IP_Address = "10.0.0.9";
    cfg::Save_Setting(app);
    EXPECT_EQ(cfg::Read_Settings(dir / "program" / "Morvel.xml").settings.Last_IP_Address, "10.0.0.9");

    app.Path_Data = dir / "gone";
    EXPECT_THROW(cfg::Save_Setting(app), cfg::ConfigError);
}

// Reading tools open the application on folders that may not exist yet and leave the disk alone.
TEST(Application, OpeningCreatesNothing) {
    TempDir dir;
    const cfg::Program_Folders folders{dir / "program", dir / "user" / "data", {}};
    const cfg::Application app = cfg::Open_Application(folders);
    EXPECT_EQ(app.Path_Projects, dir / "user" / "data" / "PROJECTS");
    expect_no_active_configuration(app);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));

    cfg::Make_Data_Folders(app);
    for (const char* folder : {"MASTER", "PROJECTS", "LANGUAGE"})
        EXPECT_TRUE(std::filesystem::is_directory(dir / "user" / "data" / folder)) << folder;
}

// Every folder that can be made is made; the first that cannot is named with the system's reason.
TEST(Application, AFolderThatCannotBeMadeIsNamedWithTheReason) {
    TempDir dir;
    write_bytes(dir / "MASTER", "a file where the folder belongs");
    const cfg::Application app = cfg::Open_Application({dir.path(), dir.path(), {}});
    try {
        cfg::Make_Data_Folders(app);
        ADD_FAILURE() << "no error";
    } catch (const cfg::ConfigError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "The folder \"" + (dir / "MASTER").string() +
                      "\" cannot be created: " + std::make_error_code(std::errc::not_a_directory).message());
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir / "PROJECTS"));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "LANGUAGE"));
}

TEST(Application, TheVersionCheckRunsOnlyWithBothInternetOptions) {
    for (const bool internet : {false, true}) {
        for (const bool update : {false, true}) {
            cfg::App_Settings settings;
            settings.enable_internet = internet;
            settings.enable_update = update;
            EXPECT_EQ(cfg::Timer_Update_Enabled(settings), internet && update) << internet << update;
        }
    }
}

} // namespace
