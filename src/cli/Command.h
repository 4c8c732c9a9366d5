#pragma once

#include "core/app/Application.h"

#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cfg::cli {

// The operands and options given after a command; a flag maps to an empty value.
struct Invocation {
    std::vector<std::string> operands;
    std::map<std::string, std::string, std::less<>> options;

    bool has(std::string_view option) const { return options.find(option) != options.end(); }
    std::optional<std::string> value(std::string_view option) const;
    // An operand or an option's value that names a file or a folder.
    std::filesystem::path path_operand(std::size_t index) const;
    std::optional<std::filesystem::path> path_value(std::string_view option) const;
};

// What a command works with: the application on the program's folders, its arguments, and
// the two output streams.
struct Context {
    Application& app;
    const Invocation& invocation;
    std::ostream& out;
    std::ostream& err;
};

// Runs a command and gives its exit code. Failures it does not handle itself are thrown:
// Usage_Error for a wrong command line, ConfigError for a file that cannot be read or written.
using Handler = int (*)(Context&);

struct Option_Definition {
    std::string_view name; // with its leading "--"
    bool takes_value;
};

// What a command does with the data folder and its MASTER, PROJECTS and LANGUAGE: a command that
// creates a configuration or writes the job makes the ones missing; every other leaves the disk as
// it found it and writes only into a configuration or a file it is given.
enum class Data_Folders { As_Found, Made };

struct Command_Definition {
    std::string_view name;
    std::vector<std::string_view> operands; // their names, for the messages
    std::vector<Option_Definition> options;
    Handler run;
    Data_Folders data_folders;
    // For the help: the arguments after the name, and what the command does, lines apart by "\n".
    std::string_view synopsis;
    std::string_view description;
};

// Every command of the tool.
std::span<const Command_Definition> command_definitions();

int run_list(Context& context);
int run_new(Context& context);
int run_check(Context& context);
int run_compile(Context& context);
int run_esi(Context& context);
int run_map(Context& context);
int run_job(Context& context);
int run_update(Context& context);
int run_inspect(Context& context);
int run_layout(Context& context);
int run_texts(Context& context);
int run_preview(Context& context);
int run_learn(Context& context);
int run_table(Context& context);
int run_report(Context& context);
int run_diff(Context& context);

} // namespace cfg::cli
