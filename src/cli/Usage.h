#pragma once

#include "cli/Command.h"

#include <span>
#include <string>

namespace cfg::cli {

// The text --help prints and every usage error repeats, its commands as the table describes them.
std::string usage_text(std::span<const Command_Definition> commands);

// What COMMAND --help prints: the command's line, what it does and, for one taking CONFIG, what
// CONFIG may be.
std::string command_help(const Command_Definition& command);

} // namespace cfg::cli
