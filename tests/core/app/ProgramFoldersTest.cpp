#include "core/app/ProgramFolders.h"
#include "core/app/Application.h"
#include "core/common/ConfigError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using cfg::test::TempDir;
using cfg::test::write_bytes;
namespace fs = std::filesystem;

struct Folders_Case {
    const char* label;
    bool installed; // share/configurator beside the program's folder
    std::map<std::string, std::string> environment;
    const char* data; // relative to the test's folder
    const char* shipped;
};

// The case's environment; "@" at the start of a value stands for the test's folder.
cfg::Environment environment_of(const Folders_Case& c, const TempDir& dir) {
    return [&c, &dir](const char* name) -> std::optional<std::string> {
        const auto found = c.environment.find(name);
        if (found == c.environment.end())
            return std::nullopt;
        std::string value = found->second;
        if (value.starts_with('@'))
            value = dir.path().string() + value.substr(1);
        return value;
    };
}

TEST(ProgramFolders, ACopyKeepsItsDataBesideItAnInstallationInTheUsersDataFolder) {
    const Folders_Case cases[] = {
        {"portable copy", false, {{"HOME", "/home/u"}}, "usr/bin", ""},
        {"installed",
         true,
         {{"XDG_DATA_HOME", "@/xdg"}, {"HOME", "/home/u"}},
         "xdg/configurator",
         "usr/share/configurator/LANGUAGE"},
        {"installed, no XDG_DATA_HOME",
         true,
         {{"HOME", "@/home"}},
         "home/.local/share/configurator",
         "usr/share/configurator/LANGUAGE"},
        {"installed, a relative XDG_DATA_HOME is ignored",
         true,
         {{"XDG_DATA_HOME", "xdg"}, {"HOME", "@/home"}},
         "home/.local/share/configurator",
         "usr/share/configurator/LANGUAGE"},
    };
    for (const Folders_Case& c : cases) {
        const TempDir dir;
        fs::create_directories(dir / "usr/bin");
        if (c.installed)
            fs::create_directories(dir / "usr/share/configurator/LANGUAGE");
        const cfg::Environment environment = environment_of(c, dir);
        const cfg::Program_Folders folders = cfg::Find_Program_Folders(dir / "usr/bin", environment);
        EXPECT_EQ(folders.program, dir / "usr/bin") << c.label;
        EXPECT_EQ(folders.data, dir / c.data) << c.label;
        EXPECT_EQ(folders.shipped_languages, *c.shipped ? dir / c.shipped : fs::path()) << c.label;
        EXPECT_TRUE(fs::is_empty(dir / "usr/bin")) << c.label << ": the writability probe was left behind";
    }
}

// Without an absolute HOME (and no absolute XDG_DATA_HOME) an installed program would make its data
// folder below the folder it was started in: it refuses, naming the variable. A portable copy needs
// neither.
TEST(ProgramFolders, AnInstalledProgramWithoutAHomeRefusesToGuess) {
    const Folders_Case cases[] = {
        {"no HOME", true, {}, "", ""},
        {"an empty HOME", true, {{"HOME", ""}}, "", ""},
        {"a relative HOME", true, {{"HOME", "home"}}, "", ""},
        {"a relative XDG_DATA_HOME and no HOME", true, {{"XDG_DATA_HOME", "xdg"}}, "", ""},
        {"a portable copy without HOME", false, {}, "usr/bin", ""},
    };
    for (const Folders_Case& c : cases) {
        const TempDir dir;
        fs::create_directories(dir / "usr/bin");
        if (c.installed)
            fs::create_directories(dir / "usr/share/configurator");
        const cfg::Environment environment = environment_of(c, dir);
        if (!c.installed) {
            EXPECT_EQ(cfg::Find_Program_Folders(dir / "usr/bin", environment).data, dir / c.data) << c.label;
            continue;
        }
        try {
            cfg::Find_Program_Folders(dir / "usr/bin", environment);
            ADD_FAILURE() << c.label << ": no error";
        } catch (const cfg::ConfigError& error) {
            EXPECT_NE(std::string(error.what()).find("HOME"), std::string::npos)
                << c.label << ": " << error.what();
        }
    }
}

// An installed program makes its data folder at start and finds the shipped languages there too.
TEST(ProgramFolders, AnInstalledProgramStartsInTheUsersDataFolder) {
    const TempDir dir;
    write_bytes(dir / "usr/share/configurator/LANGUAGE/Italiano.lng", "STR15 =Nuova Configurazione\r\n");
    fs::create_directories(dir / "usr/bin");
    write_bytes(dir / "xdg/configurator/Morvel.xml",
                "<Conf_Settings><lastlang><language>Italiano</language></lastlang></Conf_Settings>");
    const cfg::Application app = cfg::Start_Application(
        cfg::Find_Program_Folders(dir / "usr/bin", [&](const char* name) -> std::optional<std::string> {
            if (std::string_view(name) == "XDG_DATA_HOME")
                return (dir / "xdg").string();
            return std::nullopt;
        }));
    EXPECT_EQ(app.Path_Exe, dir / "usr/bin");
    for (const char* folder : {"MASTER", "PROJECTS", "LANGUAGE"})
        EXPECT_TRUE(fs::is_directory(dir / "xdg/configurator" / folder)) << folder;
    EXPECT_EQ(app.App_Settings.Language_Name, "Italiano");
    EXPECT_EQ(app.Lang_Strings[15], "Nuova Configurazione");
    EXPECT_TRUE(fs::is_empty(dir / "usr/bin"));
}

} // namespace
