#include "cli/Command.h"
#include "core/common/PathText.h"

namespace cfg::cli {

std::optional<std::string> Invocation::value(std::string_view option) const {
    const auto found = options.find(option);
    if (found == options.end())
        return std::nullopt;
    return found->second;
}

std::filesystem::path Invocation::path_operand(std::size_t index) const {
    return path_from_utf8(operands.at(index));
}

std::optional<std::filesystem::path> Invocation::path_value(std::string_view option) const {
    const std::optional<std::string> text = value(option);
    return text ? std::optional(path_from_utf8(*text)) : std::nullopt;
}

std::span<const Command_Definition> command_definitions() {
    using enum Data_Folders;
    static const std::vector<Command_Definition> definitions = {
        {"list", {}, {{"--json", false}}, run_list, As_Found},
        {"new", {"NAME"}, {}, run_new, Made},
        {"check", {"CONFIG"}, {{"--strict", false}, {"--json", false}}, run_check, As_Found},
        {"compile", {"CONFIG"}, {}, run_compile, As_Found},
        {"esi", {"CONFIG", "FILE"}, {}, run_esi, As_Found},
        {"map", {"CONFIG", "FILE"}, {}, run_map, As_Found},
        {"job", {"CONFIG"}, {{"--ip", true}, {"--option", true}, {"--read-back", false}}, run_job, Made},
        {"update",
         {"CONFIG"},
         {{"--address", true}, {"--option", true}, {"--read-back", false}, {"--check-only", false}},
         run_update,
         Made},
        {"inspect", {"FILE"}, {{"--json", false}}, run_inspect, As_Found},
        {"layout",
         {"CONFIG"},
         {{"--strict", false}, {"--svg", true}, {"--json", false}},
         run_layout,
         As_Found},
        {"texts", {}, {{"--language", true}, {"--english-file", false}}, run_texts, As_Found},
        {"preview",
         {"CONFIG", "LOG"},
         {{"--json", false}, {"--array", false}, {"--ethercat", false}},
         run_preview,
         As_Found},
        {"learn", {"CONFIG", "LOG"}, {{"--sentences", true}, {"--apply", false}}, run_learn, As_Found},
        {"table",
         {"CONFIG", "TABLE"},
         {{"--export", true}, {"--import", true}, {"--apply", false}},
         run_table,
         As_Found},
        {"report", {"CONFIG", "FILE"}, {}, run_report, As_Found},
        {"diff", {"A", "B"}, {{"--json", false}}, run_diff, As_Found},
    };
    return definitions;
}

} // namespace cfg::cli
