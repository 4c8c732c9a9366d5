#include "cli/Usage.h"

#include <algorithm>
#include <cstddef>

namespace cfg::cli {
namespace {

constexpr std::string_view Intro = R"(Usage: configurator-cli [--home DIR] COMMAND [ARGS]
       configurator-cli --version | --help

  --home DIR   the program folder whose PROJECTS, MASTER and LANGUAGE subfolders and Morvel.xml are
               used, and where update looks for Ethernet_Update (default: the folder of
               configurator-cli when it can be written, else $XDG_DATA_HOME/configurator, by default
               ~/.local/share/configurator, or %APPDATA%\configurator on Windows)
  --version    the version, as the desktop program gives it
)";

constexpr std::string_view Config_Operand =
    R"(  CONFIG       a configuration name under PROJECTS, or a path to a configuration folder: one in
               PROJECTS or one holding at least one of its files (an argument holding a path
               separator is a path)
)";

constexpr std::string_view Closing =
    R"(Read-only commands create nothing; new, job and update create the data folder with MASTER,
PROJECTS and LANGUAGE when they are missing.

--json writes one object, one member a line, every list one item a line (messages still go to
standard error, the exit status stays the same):
  list     {"projects": FOLDER, "configurations": [NAME, ...]}
  check    {"configuration": FOLDER, "passed": true|false,
            "screens": [{"file", "rows_left_out", "failure": MESSAGE|null}, ...],
            "array_findings": [LINE, ...] (with --strict), "esi_warning": MESSAGE|null}
  layout   {"configuration": FOLDER, "array_bytes": 2000,
            "fields": [{"row", "first_byte", "last_byte", "sentence", "data_field",
                        "overlapping_rows": [ROW, ...], "outside_array"}, ...],
            "slave_to_master_bytes", "slave_to_master": [{"row", "enabled", "type", "name",
                        "position", "bit", "bytes"}, ...],
            "master_to_slave_bytes", "master_to_slave": [...], "findings": [LINE, ...] (with --strict)}
  inspect  {"file": FILE, "fields": [{"offset", "name", "value"}, ...], "faults": [MESSAGE, ...]}
  diff     {"a": FOLDER, "b": FOLDER, "banks_only", "same",
            "differences": [{"area", "change", "row"|null, "item"|null,
                             "values": [{"key", "name", "old", "new"}, ...]}, ...]}
  preview  the model's note, the log's counts, "sentence_counts", "sentences_of_further_codes",
           "rows", "rows_whose_sentence_never_appeared", "variables" and "array"

Exit status: 0 done, 1 a check failed, 2 a usage error, 3 a file could not be read or written,
4 the device did not answer or could not be asked, 5 the updater failed, is missing or still runs,
6 update --check-only checked the files and sent nothing, 7 update found the check program in the
maker's updater's place and sent nothing.
)";

// Descriptions start in this column; a longer synopsis puts its description on the next line.
constexpr std::size_t Description_Column = 28;

void append_indented(std::string& text, std::string_view lines, std::size_t indent,
                     std::size_t first_indent) {
    for (std::size_t at = 0, line = 0; at < lines.size(); ++line) {
        const std::size_t end = std::min(lines.find('\n', at), lines.size());
        text.append(line == 0 ? first_indent : indent, ' ');
        text.append(lines.substr(at, end - at));
        text += '\n';
        at = end + 1;
    }
}

std::string command_line(const Command_Definition& command) {
    std::string line(command.name);
    if (!command.synopsis.empty())
        line += " " + std::string(command.synopsis);
    return line;
}

bool takes_configuration(const Command_Definition& command) {
    return std::find(command.operands.begin(), command.operands.end(), "CONFIG") != command.operands.end();
}

} // namespace

std::string usage_text(std::span<const Command_Definition> commands) {
    std::string text(Intro);
    text += Config_Operand;
    text += "\nCommands:\n";
    for (const Command_Definition& command : commands) {
        const std::string head = "  " + command_line(command);
        text += head;
        if (head.size() + 2 <= Description_Column) {
            append_indented(text, command.description, Description_Column, Description_Column - head.size());
        } else {
            text += '\n';
            append_indented(text, command.description, Description_Column, Description_Column);
        }
    }
    text += '\n';
    text += Closing;
    return text;
}

std::string command_help(const Command_Definition& command) {
    std::string text = "Usage: configurator-cli [--home DIR] " + command_line(command) + "\n\n";
    append_indented(text, command.description, 2, 2);
    if (takes_configuration(command)) {
        text += '\n';
        text += Config_Operand;
    }
    return text;
}

} // namespace cfg::cli
