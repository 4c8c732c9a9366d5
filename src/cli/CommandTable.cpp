#include "cli/Command.h"

namespace cfg::cli {

std::optional<std::string> Invocation::value(std::string_view option) const {
    const auto found = options.find(option);
    if (found == options.end())
        return std::nullopt;
    return found->second;
}

std::span<const Command_Definition> command_definitions() {
    static const std::vector<Command_Definition> definitions = {
        {"list", {}, {}, run_list},
        {"new", {"NAME"}, {}, run_new},
        {"check", {"CONFIG"}, {{"--strict", false}}, run_check},
        {"compile", {"CONFIG"}, {}, run_compile},
        {"esi", {"CONFIG", "FILE"}, {}, run_esi},
        {"map", {"CONFIG", "FILE"}, {}, run_map},
        {"job", {"CONFIG"}, {{"--ip", true}, {"--option", true}, {"--read-back", false}}, run_job},
        {"update", {"CONFIG"}, {{"--address", true}, {"--option", true}, {"--read-back", false}}, run_update},
        {"inspect", {"FILE"}, {{"--json", false}}, run_inspect},
        {"layout", {"CONFIG"}, {{"--strict", false}, {"--svg", true}}, run_layout},
        {"texts", {}, {{"--language", true}}, run_texts},
        {"preview",
         {"CONFIG", "LOG"},
         {{"--json", false}, {"--array", false}, {"--ethercat", false}},
         run_preview},
        {"learn", {"CONFIG", "LOG"}, {{"--sentences", true}, {"--apply", false}}, run_learn},
    };
    return definitions;
}

} // namespace cfg::cli
