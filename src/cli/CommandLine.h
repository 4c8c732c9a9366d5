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
    // --help or -h before "--": print the usage, or the command's help when it comes after the
    // command, and do nothing else.
    bool help = false;
    bool version = false; // --version before the command: print the version and do nothing else
    std::optional<std::filesystem::path> home;
    const Command_Definition* command = nullptr; // unset for a help before the command
    Invocation invocation;
};

// Options start with "--" and may come anywhere after the command, a value either as the next
// argument or after "="; "--" makes every later argument an operand. Throws Usage_Error for an
// unknown command or option, a missing value, or a wrong number of operands.
Command_Line parse_command_line(const std::vector<std::string>& args,
                                std::span<const Command_Definition> commands);

} // namespace cfg::cli
