#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace cfg::cli {

// Runs one command line (the arguments after the program name) and gives the exit code. Results
// go to out, messages to err; default_home is the program folder when --home does not name one.
int run(const std::vector<std::string>& args, const std::filesystem::path& default_home, std::ostream& out,
        std::ostream& err);

} // namespace cfg::cli
