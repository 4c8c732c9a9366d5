#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace cfg::cli {

// Runs one command line (the arguments after the program name) and gives the exit code. Results
// go to out, messages to err; executable_folder is the folder the tool runs from.
int run(const std::vector<std::string>& args, const std::filesystem::path& executable_folder,
        std::ostream& out, std::ostream& err);

} // namespace cfg::cli
