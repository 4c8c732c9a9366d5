#pragma once

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace cfg::test {

// What one run of the built configurator-cli gave back.
struct Cli_Result {
    int code = -1;
    std::string out;
    std::string err;
};

// The programs under test: the configurator-cli and configurator-check-update of this build, or, when
// CONFIGURATOR_WINDOWS_TOOLS names the folder of a Windows build's, those run under the Wine that
// CONFIGURATOR_WINE names (scripts/cross-windows sets both).
struct Tool {
    std::filesystem::path cli;
    std::filesystem::path check_program; // the stand-in for the maker's updater
    std::string launcher; // a shell command's start that runs the programs; empty: they run alone
    bool windows = false; // a Windows build: names end with .exe, paths are on Wine's drive Z:
};
const Tool& tool();

// Skips the test where the tool under test is a Windows build, saying why.
#define SKIP_FOR_WINDOWS_TOOL(reason)                                                                        \
    if (cfg::test::tool().windows)                                                                           \
    GTEST_SKIP() << "not for the Windows build: " << (reason)

// A program's file name as the tool under test expects it: "Ethernet_Update.exe" for Windows.
std::string program_file_name(std::string_view name);

// A path as the tool under test names it, in what it is given and in what it writes: itself for a
// build of this system; for a Windows build, the same file on Wine's drive Z: ("Z:\tmp\x").
std::string tool_path(const std::filesystem::path& path);
// The same as the tool writes it into a JSON string.
std::string tool_json_path(const std::filesystem::path& path);

// The text with every path below root (up to the next quote, "<" or line end) as tool_path gives it:
// what the tool under test writes where this build writes those paths.
std::string with_tool_paths(std::string text, const std::filesystem::path& root);

// Runs the tool under test (or another copy of it) with the arguments and waits for it.
Cli_Result run_cli(const std::vector<std::string>& args);
Cli_Result run_cli(const std::vector<std::string>& args, const std::filesystem::path& executable);

// Every test runs the tool on its own temporary program folder.
class Program_Folder : public testing::Test {
protected:
    TempDir home;

    // Runs the tool with --home set to the temporary program folder.
    Cli_Result cli(const std::vector<std::string>& args) const;

    // Copies a fixture folder to PROJECTS under the given name and returns its path.
    std::filesystem::path copy_configuration(std::string_view fixture_folder, const std::string& name) const;

    // A configuration of that name with the given files (name, content) and nothing else.
    std::filesystem::path
    make_configuration(const std::string& name,
                       const std::vector<std::pair<std::string, std::string>>& files) const;
};

void PrintTo(const Cli_Result& result, std::ostream* out);

// Whether this system lets the device test reach the loopback address at all.
bool loopback_can_be_tested();

// What check and update say of a configuration for which no ESI file was ever written.
inline const std::string No_ESI_Warning =
    "Warning: no ESI file has been written for this configuration: write it (step 5) and import it in the master\n";

} // namespace cfg::test
