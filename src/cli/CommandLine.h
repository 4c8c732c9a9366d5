#pragma once

#include "cli/Command.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace cfg::cli {

// A command line taken apart: "configurator-cli [--home DIR] COMMAND [ARGS]".
struct Command_Line {
    bool help = false;    // --help anywhere: print the usage and do nothing else
    bool version = false; // --version before the command: print the version and do nothing else
    std::optional<std::filesystem::path> home;
    const Command_Definition* command = nullptr; // set unless help
    Invocation invocation;
};

// Options start with "--" and may come anywhere after the command, a value either as the next
// argument or after "="; "--" makes every later argument an operand. Throws Usage_Error for an
// unknown command or option, a missing value, or a wrong number of operands.
Command_Line parse_command_line(const std::vector<std::string>& args,
                                std::span<const Command_Definition> commands);

} // namespace cfg::cli
