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

// Runs the built configurator-cli (or another copy of it) with the arguments and waits for it.
Cli_Result run_cli(const std::vector<std::string>& args,
                   const std::filesystem::path& executable = CONFIGURATOR_CLI);

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
