#include "CliRun.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace {

using cfg::test::tool_path;
namespace fs = std::filesystem;
using cfg::test::Cli_Result;
using cfg::test::read_bytes;
using cfg::test::TempDir;
using cfg::test::write_bytes;
using testing::HasSubstr;

// Every path below the folder, so a test sees whatever a command left behind.
std::set<fs::path> everything_in(const fs::path& folder) {
    std::set<fs::path> paths;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder))
        paths.insert(entry.path());
    return paths;
}

// XDG_DATA_HOME for the tools the test starts, restored at the end.
class Data_Home_Variable {
public:
    explicit Data_Home_Variable(const fs::path& folder) {
        if (const char* value = std::getenv("XDG_DATA_HOME"))
            saved_ = value;
        setenv("XDG_DATA_HOME", folder.c_str(), 1);
    }
    ~Data_Home_Variable() {
        if (saved_)
            setenv("XDG_DATA_HOME", saved_->c_str(), 1);
        else
            unsetenv("XDG_DATA_HOME");
    }
    Data_Home_Variable(const Data_Home_Variable&) = delete;
    Data_Home_Variable& operator=(const Data_Home_Variable&) = delete;

private:
    std::optional<std::string> saved_;
};

enum class Layout { Portable, Installed };

void PrintTo(Layout layout, std::ostream* out) {
    *out << (layout == Layout::Portable ? "Portable" : "Installed");
}

// A copy of the tool and the check program: in a folder of their own (a portable copy, whose data
// live beside it), or in bin/ and libexec/configurator of an installation (share/configurator beside
// them), whose data live in the user's data folder.
class Tool_Copy {
public:
    explicit Tool_Copy(Layout layout) : xdg_(dir / "xdg") {
        fs::create_directories(bin());
        fs::copy_file(cfg::test::tool().cli, program());
        const fs::path helpers = layout == Layout::Installed ? dir / "libexec" / "configurator" : bin();
        fs::create_directories(helpers);
        fs::copy_file(cfg::test::tool().check_program,
                      helpers / cfg::test::program_file_name("configurator-check-update"));
        if (layout == Layout::Installed)
            fs::create_directories(dir / "share" / "configurator");
        data = layout == Layout::Installed ? dir / "xdg" / "configurator" : bin();
    }

    fs::path bin() const { return dir / "bin"; }
    fs::path program() const { return bin() / cfg::test::program_file_name("configurator-cli"); }
    Cli_Result run(const std::vector<std::string>& args) const { return cfg::test::run_cli(args, program()); }

    TempDir dir;
    fs::path data;

private:
    Data_Home_Variable xdg_;
};

struct Reading_Case {
    const char* name;
    std::vector<std::string> args; // @CONFIG@ is a configuration folder outside the data folder
    int code;
};

void PrintTo(const Reading_Case& c, std::ostream* out) {
    *out << c.name;
}

class Reading_Command : public testing::TestWithParam<std::tuple<Layout, Reading_Case>> {};

// A command that only reads leaves no data folder, no MASTER, PROJECTS or LANGUAGE and no
// settings file behind, wherever the data live.
TEST_P(Reading_Command, CreatesNothing) {
    const auto& [layout, c] = GetParam();
    if (layout == Layout::Installed)
        SKIP_FOR_WINDOWS_TOOL(
            "an installed program's data folder is %APPDATA%, which Wine keeps in its prefix");
    const Tool_Copy copy(layout);
    const fs::path configuration = copy.dir / "work" / "Plant";
    fs::create_directories(configuration);
    fs::copy(cfg::test::fixture("cli/good"), configuration, fs::copy_options::recursive);
    const std::set<fs::path> before = everything_in(copy.dir.path());

    std::vector<std::string> args;
    for (const std::string& arg : c.args)
        args.push_back(arg == "@CONFIG@" ? tool_path(configuration) : arg);
    const Cli_Result result = copy.run(args);
    EXPECT_EQ(result.code, c.code) << testing::PrintToString(result);
    EXPECT_EQ(everything_in(copy.dir.path()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, Reading_Command,
    testing::Combine(
        testing::Values(Layout::Portable, Layout::Installed),
        testing::Values(
            Reading_Case{"List", {"list"}, 0}, Reading_Case{"ListJson", {"list", "--json"}, 0},
            Reading_Case{"Check", {"check", "@CONFIG@"}, 0},
            Reading_Case{"Layout", {"layout", "@CONFIG@"}, 0},
            Reading_Case{"CheckByName", {"check", "Plant"}, 3},
            Reading_Case{
                "Inspect", {"inspect", tool_path(cfg::test::fixture("cli/expected/full_bank3.bin"))}, 0},
            Reading_Case{"Texts", {"texts"}, 0},
            Reading_Case{
                "Preview", {"preview", "@CONFIG@", tool_path(cfg::test::fixture("preview/ship.log"))}, 0},
            Reading_Case{"Version", {"--version"}, 0})),
    [](const auto& info) {
        return std::string(std::get<0>(info.param) == Layout::Portable ? "Portable" : "Installed") +
               std::get<1>(info.param).name;
    });

// The job goes where the program can write and the updater is started there: beside a portable
// copy, in the user's data folder for an installed one, whose bin/ stays as it was. A check-only run
// finds the check program the installation ships and says that nothing was sent; the check program
// put where the maker's updater goes is found out and never reported as an update.
class Update_In_Layout : public testing::TestWithParam<Layout> {};

TEST_P(Update_In_Layout, TheUpdaterFindsTheJobInTheDataFolder) {
    const Layout layout = GetParam();
    if (layout == Layout::Installed)
        SKIP_FOR_WINDOWS_TOOL(
            "an installed program's data folder is %APPDATA%, which Wine keeps in its prefix");
    if (!cfg::test::loopback_can_be_tested())
        GTEST_SKIP() << "this system lets no ICMP echo out: neither a socket nor the ping program";
    const Tool_Copy copy(layout);
    ASSERT_EQ(copy.run({"new", "Full"}).code, 0);
    fs::copy(cfg::test::fixture("cli/full"), copy.data / "PROJECTS" / "Full", fs::copy_options::recursive);
    ASSERT_EQ(copy.run({"compile", "Full"}).code, 0);
    const std::set<fs::path> programs = everything_in(copy.bin());
    const std::vector<std::string> update = {"update", "Full", "--address", "127.0.0.1", "--option", "2"};

    std::vector<std::string> check_only = update;
    check_only.push_back("--check-only");
    const Cli_Result checked = copy.run(check_only);
    EXPECT_EQ(checked.code, 6) << testing::PrintToString(checked);
    EXPECT_THAT(checked.err, HasSubstr("Nothing was sent to the device."));
    EXPECT_THAT(read_bytes(copy.data / "Ethernet_Update.xml"), HasSubstr("127.0.0.1"));
    EXPECT_THAT(read_bytes(copy.data / "configurator-check-update.log"),
                HasSubstr("Checked: every file could go into the device; nothing was sent."));
    if (layout == Layout::Installed) {
        EXPECT_EQ(everything_in(copy.bin()), programs);
    }

    fs::copy_file(cfg::test::tool().check_program,
                  copy.data / cfg::test::program_file_name("Ethernet_Update"),
                  fs::copy_options::overwrite_existing);
    const Cli_Result as_updater = copy.run(update);
    EXPECT_EQ(as_updater.code, 7) << testing::PrintToString(as_updater);
    EXPECT_THAT(as_updater.err, HasSubstr("is the check program, not the maker's updater"));
}

INSTANTIATE_TEST_SUITE_P(Layouts, Update_In_Layout, testing::Values(Layout::Portable, Layout::Installed),
                         [](const auto& info) {
                             return std::string(info.param == Layout::Portable ? "Portable" : "Installed");
                         });

struct Unusable_Case {
    const char* name;
    void (*prepare)(const fs::path& dir);
    const char* home;   // below the temporary folder
    const char* named;  // the folder the message names, below the temporary folder
    const char* reason; // the system's words
    bool read_only;     // the superuser may write anyway
};

void PrintTo(const Unusable_Case& c, std::ostream* out) {
    *out << c.name;
}

void read_only_folder(const fs::path& folder) {
    fs::create_directories(folder);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
}

class New_In_Unusable_Folder : public testing::TestWithParam<Unusable_Case> {};

// "new" reports a folder it cannot make or write with its path and the system's reason, as a file
// error, never as a name that is not valid.
TEST_P(New_In_Unusable_Folder, ExitsWithThreeNamingTheFolder) {
    SKIP_FOR_WINDOWS_TOOL("the system's words for these failures are Windows' own, and Wine lets root write");
    const Unusable_Case& c = GetParam();
    TempDir dir;
    c.prepare(dir.path());
    const fs::path probe = (dir / c.named).parent_path() / "probe";
    if (c.read_only && std::ofstream(probe)) {
        fs::remove(probe);
        GTEST_SKIP() << "this user may write into read-only folders (root)";
    }
    const Cli_Result result = cfg::test::run_cli({"--home", tool_path(dir / c.home), "new", "Plant"});
    EXPECT_EQ(result.code, 3) << testing::PrintToString(result);
    EXPECT_THAT(result.err, HasSubstr("\"" + tool_path(dir / c.named) + "\" cannot be created: " + c.reason));
    EXPECT_THAT(result.err, testing::Not(HasSubstr("not valid")));
    EXPECT_EQ(result.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Folders, New_In_Unusable_Folder,
    testing::Values(Unusable_Case{"HomeUnderAFile",
                                  [](const fs::path& dir) { write_bytes(dir / "file", ""); }, "file/home",
                                  "file/home", "Not a directory", false},
                    Unusable_Case{"ProjectsIsAFile",
                                  [](const fs::path& dir) { write_bytes(dir / "home" / "PROJECTS", ""); },
                                  "home", "home/PROJECTS", "Not a directory", false},
                    Unusable_Case{"ReadOnlyHome", [](const fs::path& dir) { read_only_folder(dir / "home"); },
                                  "home", "home/MASTER", "Permission denied", true},
                    Unusable_Case{"ReadOnlyProjects",
                                  [](const fs::path& dir) {
                                      for (const char* folder : {"MASTER", "LANGUAGE"})
                                          fs::create_directories(dir / "home" / folder);
                                      read_only_folder(dir / "home" / "PROJECTS");
                                  },
                                  "home", "home/PROJECTS/Plant", "Permission denied", true}));

// A --home that does not exist yet is made by the command that writes into it.
TEST(DataFolder, NewMakesAMissingHome) {
    TempDir dir;
    const fs::path home = dir / "a" / "new" / "home";
    const Cli_Result result = cfg::test::run_cli({"--home", tool_path(home), "new", "Plant"});
    EXPECT_EQ(result.code, 0) << testing::PrintToString(result);
    EXPECT_TRUE(fs::is_directory(home / "PROJECTS" / "Plant" / "bin"));
    for (const char* folder : {"MASTER", "LANGUAGE"})
        EXPECT_TRUE(fs::is_directory(home / folder)) << folder;
}

} // namespace
