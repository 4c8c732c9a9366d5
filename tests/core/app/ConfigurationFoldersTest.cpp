#include "core/app/ConfigurationFolders.h"
#include "core/app/NameLabels.h"
#include "core/common/ConfigError.h"
#include "core/lang/NewConfigurationTexts.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>

namespace {

namespace name_text = cfg::new_configuration_text;

using cfg::test::TempDir;
using cfg::test::write_bytes;
using testing::ElementsAre;
using testing::IsEmpty;

// Every path below the folder, to show that a refused action changed nothing on disk.
std::set<std::filesystem::path> tree(const std::filesystem::path& folder) {
    std::set<std::filesystem::path> paths;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        paths.insert(entry.path());
    return paths;
}

class ConfigurationFolders : public testing::Test {
protected:
    TempDir dir;
    cfg::Application app = cfg::Start_Application(dir.path());

    void make_configuration(const std::string& name) {
        std::filesystem::create_directories(app.Path_Projects / name);
    }
};

TEST_F(ConfigurationFolders, CreatingMakesAnEmptyFolderWithAnEmptyBinAndActivatesIt) {
    ASSERT_EQ(cfg::Create_New_Project(app, "Plant A"), std::nullopt);
    const std::filesystem::path folder = dir / "PROJECTS" / "Plant A";
    EXPECT_EQ(tree(folder), std::set<std::filesystem::path>{folder / "bin"});
    EXPECT_TRUE(std::filesystem::is_directory(folder / "bin"));
    EXPECT_EQ(app.Name_Project, "Plant A");
    EXPECT_EQ(app.Path_Project, folder);
    EXPECT_EQ(app.File_ParGen, folder / "ParGen.xml");
    EXPECT_EQ(app.File_EtherCAT_Slave, folder / "EtherCAT_Slave.xml");
    for (const auto& file :
         {app.File_ParGen, app.File_NMEA_0183_Set_Access, app.File_MQTT_Set_Topic, app.File_EtherCAT_Slave})
        EXPECT_FALSE(std::filesystem::exists(file)) << file;
    EXPECT_EQ(cfg::Configuration_Name_Labels(app).L_Name_Conf_L2, "Plant A");
}

TEST_F(ConfigurationFolders, TheNameIsTakenAsTyped) {
    ASSERT_EQ(cfg::Create_New_Project(app, "plant  B"), std::nullopt);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "PROJECTS" / "plant  B" / "bin"));
    EXPECT_EQ(app.Name_Project, "plant  B");
}

struct NameCase {
    const char* name;
    std::string typed;
    int text;       // the refusal's text, 0 for a name that is taken
    int reason = 0; // the text of the line under 105 that says why, 0 for none
};

void PrintTo(const NameCase& c, std::ostream* out) {
    *out << c.name;
}

class NewConfigurationName : public ConfigurationFolders, public testing::WithParamInterface<NameCase> {};

// A refused name changes nothing and says why; a taken one makes its folder.
TEST_P(NewConfigurationName, IsTakenOrRefusedWithItsReason) {
    make_configuration("Existing");
    write_bytes(app.Path_Projects / "Notes", "a file, not a folder");
    make_configuration("Active");
    cfg::Open_Project(app, "Active");
    const std::set<std::filesystem::path> before = tree(dir.path());

    const NameCase& c = GetParam();
    const std::optional<cfg::Name_Refusal> refused = cfg::Create_New_Project(app, c.typed);
    if (c.text == 0) {
        EXPECT_EQ(refused, std::nullopt) << refused->message;
        EXPECT_TRUE(std::filesystem::is_directory(app.Path_Projects / c.typed / "bin"));
        EXPECT_EQ(app.Name_Project, c.typed);
        return;
    }
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->text, c.text);
    const std::string expected =
        c.reason ? app.Lang_Strings[c.text] + "\n" + app.Lang_Strings[c.reason] : app.Lang_Strings[c.text];
    EXPECT_THAT(refused->message, testing::StartsWith(expected));
    EXPECT_EQ(tree(dir.path()), before);
    EXPECT_EQ(app.Name_Project, "Active");
    EXPECT_EQ(app.Path_Project, app.Path_Projects / "Active");
    EXPECT_EQ(app.File_ParGen, app.Path_Projects / "Active" / "ParGen.xml");
}

INSTANTIATE_TEST_SUITE_P(
    Names, NewConfigurationName,
    testing::Values(NameCase{"Plain", "Plant A", 0},
                    NameCase{"NonAscii", "Temp\xC3\xA9rature \xE8\x88\xB9", 0},
                    NameCase{"InnerDot", "Plant.A", 0}, NameCase{"DeviceNameInside", "CONSOLE", 0},
                    NameCase{"PortBeyondNine", "COM10", 0},
                    NameCase{"LongestAllowed", std::string(255, 'x'), 0}, NameCase{"Empty", "", 107},
                    NameCase{"FolderExists", "Existing", 106}, NameCase{"FolderExistsActive", "Active", 106},
                    NameCase{"AFileHasTheName", "Notes", 105, name_text::Name_Taken_By_File},
                    NameCase{"LineBreak", "Plant\nA", 105, name_text::Name_Control_Character},
                    NameCase{"Tab", "Plant\tA", 105, name_text::Name_Control_Character},
                    NameCase{"Delete", "Plant\x7F", 105, name_text::Name_Control_Character},
                    NameCase{"Nul", std::string("Plant\0A", 7), 105, name_text::Name_Control_Character},
                    NameCase{"NotUtf8", "Plant \xB6", 105, name_text::Name_Not_Utf8},
                    NameCase{"Overlong", "Plant \xC0\xAF", 105, name_text::Name_Not_Utf8},
                    NameCase{"LeadingBlank", " Plant", 105, name_text::Name_Leading_Blank_Or_Dot},
                    NameCase{"Hidden", ".hidden", 105, name_text::Name_Leading_Blank_Or_Dot},
                    NameCase{"Current", ".", 105, name_text::Name_Leading_Blank_Or_Dot},
                    NameCase{"Parent", "..", 105, name_text::Name_Leading_Blank_Or_Dot},
                    NameCase{"OutsideProjects", "../Escaped", 105, name_text::Name_Leading_Blank_Or_Dot},
                    NameCase{"TrailingBlank", "Plant ", 105, name_text::Name_Trailing_Dot_Or_Blank},
                    NameCase{"TrailingDot", "Plant.", 105, name_text::Name_Trailing_Dot_Or_Blank},
                    NameCase{"Separator", "Existing/Sub", 105, name_text::Name_Windows_Character},
                    NameCase{"Backslash", "Up\\Escaped", 105, name_text::Name_Windows_Character},
                    NameCase{"Absolute", "/tmp/Escaped", 105, name_text::Name_Windows_Character},
                    NameCase{"Drive", "C:Plant", 105, name_text::Name_Windows_Character},
                    NameCase{"Question", "Plant?", 105, name_text::Name_Windows_Character},
                    NameCase{"Console", "CON", 105, name_text::Name_Windows_Device},
                    NameCase{"NulInLowerCase", "nul", 105, name_text::Name_Windows_Device},
                    NameCase{"DeviceWithExtension", "aux.txt", 105, name_text::Name_Windows_Device},
                    NameCase{"Port", "COM1", 105, name_text::Name_Windows_Device},
                    NameCase{"Printer", "Lpt9", 105, name_text::Name_Windows_Device},
                    NameCase{"TooLong", std::string(256, 'x'), 105, name_text::Name_Too_Long}),
    [](const testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

// A name too long says how long it is and how long it may be.
TEST_F(ConfigurationFolders, ATooLongNameSaysHowLongItMayBe) {
    const std::optional<cfg::Name_Refusal> refused = cfg::Create_New_Project(app, std::string(300, 'x'));
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->message, app.Lang_Strings[105] +
                                    "\nThe name is too long: it takes 300 bytes in UTF-8 and may "
                                    "take at most 255 (a character beyond A to Z takes two to four).");
}

// A folder that exists opens whatever its name: the rules are for new names only.
TEST_F(ConfigurationFolders, AnExistingFolderWithAnOddNameStillOpens) {
    for (const std::string name : {" Plant", "Plant.", "Line\nBreak", "CON"}) {
        make_configuration(name);
        cfg::Open_Project(app, name);
        EXPECT_EQ(app.Path_Project, app.Path_Projects / name) << name;
        EXPECT_THAT(cfg::Load_Existing_Configuration(app.Path_Projects), testing::Contains(name));
    }
}

// A folder the system will not make is no fault of the name: the failure names the folder and the
// system's reason instead of text 105.
TEST_F(ConfigurationFolders, AProjectsFolderThatCannotTakeTheConfigurationIsReportedAsSuch) {
    for (const bool projects_is_a_file : {false, true}) {
        std::filesystem::remove(app.Path_Projects);
        if (projects_is_a_file)
            write_bytes(app.Path_Projects, "");
        try {
            cfg::Create_New_Project(app, "Plant A");
            ADD_FAILURE() << "no error";
        } catch (const cfg::ConfigError& error) {
            EXPECT_THAT(error.what(), testing::HasSubstr((app.Path_Projects / "Plant A").string()));
            EXPECT_THAT(error.what(),
                        testing::HasSubstr(projects_is_a_file ? "Not a directory" : "No such file"));
        }
        EXPECT_FALSE(app.has_active_configuration());
        std::filesystem::remove(app.Path_Projects);
    }
}

TEST_F(ConfigurationFolders, TheListHoldsTheVisibleFoldersSorted) {
    for (const char* name : {"plant b", "Plant A", "Zeta", "alpha", ".hidden"})
        make_configuration(name);
    write_bytes(app.Path_Projects / "Readme.txt", "");
    EXPECT_THAT(cfg::Load_Existing_Configuration(app.Path_Projects),
                ElementsAre("alpha", "Plant A", "plant b", "Zeta"));
    EXPECT_THAT(cfg::Load_Existing_Configuration(dir / "missing"), IsEmpty());
}

TEST(SearchOpenConf, FindsTheFirstEntryRegardlessOfAsciiCase) {
    const std::vector<std::string> SL = {"Alpha", "PLANT a", "Plant A", "Caf\xC3\xA9"};
    EXPECT_EQ(cfg::Search_Open_Conf(SL, "plant a"), 1);
    EXPECT_EQ(cfg::Search_Open_Conf(SL, "alpha"), 0);
    EXPECT_EQ(cfg::Search_Open_Conf(SL, "CAF\xC3\xA9"), 3);
    EXPECT_EQ(cfg::Search_Open_Conf(SL, "CAF\xC3\x89"), -1); // only ASCII letters change case
    EXPECT_EQ(cfg::Search_Open_Conf(SL, "Plant"), -1);
    EXPECT_EQ(cfg::Search_Open_Conf(SL, ""), -1);
    EXPECT_EQ(cfg::Search_Open_Conf({}, "Alpha"), -1);
}

TEST_F(ConfigurationFolders, OpeningPreselectsTheActiveConfigurationAlsoInAnotherCase) {
    make_configuration("Alpha");
    make_configuration("PLANT A");
    make_configuration("Zeta");
    cfg::Open_Project(app, "plant a"); // a name typed in another case on a file system that ignores case
    cfg::Open_Conf_State dialog;
    dialog.FormShow(app);
    EXPECT_THAT(dialog.SL, ElementsAre("Alpha", "PLANT A", "Zeta"));
    EXPECT_EQ(dialog.selected, 1);
    EXPECT_EQ(dialog.Name_Conf, "PLANT A");
}

TEST_F(ConfigurationFolders, OpeningWithTheActiveConfigurationMissingPreselectsTheFirst) {
    make_configuration("Beta");
    make_configuration("Alpha");
    cfg::Open_Project(app, "Gone");
    cfg::Open_Conf_State dialog;
    dialog.FormShow(app);
    EXPECT_EQ(dialog.selected, 0);
    ASSERT_EQ(dialog.Name_Conf, "Alpha");

    cfg::Open_Project(app, dialog.Name_Conf); // OK at once
    EXPECT_EQ(app.Name_Project, "Alpha");
    EXPECT_EQ(app.Path_Project, app.Path_Projects / "Alpha");
    EXPECT_EQ(app.File_ParGen, app.Path_Projects / "Alpha" / "ParGen.xml");
}

TEST_F(ConfigurationFolders, AClickChoosesAnEntry) {
    make_configuration("Alpha");
    make_configuration("Beta");
    cfg::Open_Conf_State dialog;
    dialog.FormShow(app);
    dialog.ListBox1Click(1);
    EXPECT_EQ(dialog.Name_Conf, "Beta");
    dialog.ListBox1Click(2); // no such entry
    EXPECT_EQ(dialog.selected, 1);
    EXPECT_EQ(dialog.Name_Conf, "Beta");
}

TEST_F(ConfigurationFolders, OpeningAnEmptyListLeavesNoConfigurationActive) {
    cfg::Open_Conf_State dialog;
    dialog.FormShow(app);
    EXPECT_THAT(dialog.SL, IsEmpty());
    EXPECT_EQ(dialog.selected, -1);
    EXPECT_EQ(dialog.Name_Conf, "");

    cfg::Open_Project(app, dialog.Name_Conf);
    EXPECT_EQ(app.Name_Project, "");
    EXPECT_FALSE(app.has_active_configuration());
    EXPECT_TRUE(app.File_ParGen.empty());
    EXPECT_EQ(cfg::Configuration_Name_Labels(app).L_Name_Conf, app.Lang_Strings[9]);
    EXPECT_EQ(cfg::Configuration_Name_Labels(app).L_Name_Conf_L2, app.Lang_Strings[10]);
}

// The chosen name survives from one showing to the next, also when the list has become empty; the
// folder is opened by name whether or not it still exists.
TEST_F(ConfigurationFolders, TheChosenNameSurvivesBetweenShowings) {
    make_configuration("Alpha");
    cfg::Open_Conf_State dialog;
    dialog.FormShow(app);
    ASSERT_EQ(dialog.Name_Conf, "Alpha");
    std::filesystem::remove(app.Path_Projects / "Alpha");

    dialog.FormShow(app);
    EXPECT_THAT(dialog.SL, IsEmpty());
    EXPECT_EQ(dialog.selected, -1);
    EXPECT_EQ(dialog.Name_Conf, "Alpha");
    cfg::Open_Project(app, dialog.Name_Conf);
    EXPECT_EQ(app.Path_Project, app.Path_Projects / "Alpha");
}

TEST_F(ConfigurationFolders, AFolderOutsideProjectsOpensUnderItsLastComponent) {
    const std::filesystem::path elsewhere = dir / "checkout" / "Plant B";
    cfg::Open_Project_Folder(app, elsewhere.string() + "/");
    EXPECT_EQ(app.Name_Project, "Plant B");
    EXPECT_EQ(app.Path_Project, elsewhere);
    EXPECT_EQ(app.File_EtherCAT_Slave, elsewhere / "EtherCAT_Slave.xml");
}

} // namespace
