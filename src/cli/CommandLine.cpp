#include "cli/CommandLine.h"

#include "cli/UsageError.h"
#include "core/common/PathText.h"

#include <algorithm>
#include <cstddef>

namespace cfg::cli {
namespace {

bool is_help(std::string_view arg) {
    return arg == "--help" || arg == "-h";
}

// The option's name and, when given after "=", its value.
std::pair<std::string, std::optional<std::string>> split_option(const std::string& arg) {
    const std::size_t equals = arg.find('=');
    if (equals == std::string::npos)
        return {arg, std::nullopt};
    return {arg.substr(0, equals), arg.substr(equals + 1)};
}

// The value of an option: after "=" or the next argument.
std::string option_value(const std::string& name, const std::optional<std::string>& inline_value,
                         const std::vector<std::string>& args, std::size_t& i) {
    if (inline_value)
        return *inline_value;
    if (i + 1 >= args.size())
        throw Usage_Error("The option " + name + " needs a value");
    return args[++i];
}

const Command_Definition& find_command(const std::string& name,
                                       std::span<const Command_Definition> commands) {
    const auto found =
        std::find_if(commands.begin(), commands.end(),
                     [&](const Command_Definition& definition) { return definition.name == name; });
    if (found == commands.end())
        throw Usage_Error("Unknown command \"" + name + "\"");
    return *found;
}

const Option_Definition& find_option(const Command_Definition& command, const std::string& name) {
    const auto found =
        std::find_if(command.options.begin(), command.options.end(),
                     [&](const Option_Definition& definition) { return definition.name == name; });
    if (found == command.options.end())
        throw Usage_Error("The command " + std::string(command.name) + " has no option " + name);
    return *found;
}

std::string operand_names(const Command_Definition& command) {
    if (command.operands.empty())
        return "no operands";
    std::string names;
    for (std::string_view operand : command.operands)
        names += (names.empty() ? "" : " ") + std::string(operand);
    return names;
}

} // namespace

Command_Line parse_command_line(const std::vector<std::string>& args,
                                std::span<const Command_Definition> commands) {
    Command_Line line;
    std::size_t i = 0;
    for (; i < args.size() && args[i].starts_with("-"); ++i) {
        if (is_help(args[i])) {
            line.help = true;
            return line;
        }
        if (args[i] == "--version") {
            line.version = true;
            return line;
        }
        const auto [name, inline_value] = split_option(args[i]);
        if (name != "--home")
            throw Usage_Error("Unknown option " + name);
        line.home = path_from_utf8(option_value(name, inline_value, args, i));
        if (line.home->empty())
            throw Usage_Error("The option --home needs a folder, not an empty text");
    }
    if (i == args.size())
        throw Usage_Error("No command given");
    line.command = &find_command(args[i], commands);

    bool options_ended = false;
    for (++i; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!options_ended && is_help(arg)) {
            line.help = true;
            return line;
        }
        if (options_ended || !arg.starts_with("--")) {
            line.invocation.operands.push_back(arg);
        } else if (arg == "--") {
            options_ended = true;
        } else {
            const auto [name, inline_value] = split_option(arg);
            const Option_Definition& option = find_option(*line.command, name);
            if (!option.takes_value && inline_value)
                throw Usage_Error("The option " + name + " takes no value");
            line.invocation.options[name] =
                option.takes_value ? option_value(name, inline_value, args, i) : std::string();
        }
    }
    if (line.invocation.operands.size() != line.command->operands.size())
        throw Usage_Error("The command " + std::string(line.command->name) + " takes " +
                          operand_names(*line.command));
    return line;
}

} // namespace cfg::cli
