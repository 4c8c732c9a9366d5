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
        {"list",
         {},
         {{"--json", false}},
         run_list,
         As_Found,
         "[--json]",
         "the configurations, one name per line"},
        {"new", {"NAME"}, {}, run_new, Made, "NAME", "create a configuration"},
        {"check",
         {"CONFIG"},
         {{"--strict", false}, {"--json", false}},
         run_check,
         As_Found,
         "CONFIG [--strict] [--json]",
         "run the checks of the screens on the stored files; exit 1 when one fails\n"
         "(a file holding more rows than its table is named, with the rows left out;\n"
         "a warning when the last ESI file describes another process image);\n"
         "--strict also fails on listener fields that overlap or leave the data array"},
        {"compile",
         {"CONFIG"},
         {},
         run_compile,
         As_Found,
         "CONFIG",
         "write bin/bank1.bin, bin/bank2.bin and bin/bank3.bin of the configuration"},
        {"esi", {"CONFIG", "FILE"}, {}, run_esi, As_Found, "CONFIG FILE", "write the ESI file to FILE"},
        {"map",
         {"CONFIG", "FILE"},
         {},
         run_map,
         As_Found,
         "CONFIG FILE",
         "write the objects-map CSV to FILE"},
        {"job",
         {"CONFIG"},
         {{"--ip", true}, {"--option", true}, {"--read-back", false}},
         run_job,
         Made,
         "CONFIG --ip ADDRESS [--option 0|1|2] [--read-back]",
         "write Ethernet_Update.xml into the data folder\n"
         "(0 firmware + configuration, 1 firmware, 2 configuration)"},
        {"update",
         {"CONFIG"},
         {
             {"--address", true},
             {"--option", true},
             {"--read-back", false},
             {"--check-only", false},
         },
         run_update,
         Made,
         "CONFIG --address ADDRESS [--option 0|1|2] [--read-back] [--check-only]",
         "step 6: compile the banks, test the device at ADDRESS, write the job,\n"
         "start the maker's updater Ethernet_Update and wait for it (at most 150 s);\n"
         "it is looked for beside configurator-cli and in the data folder (put it\n"
         "into the data folder of an installed tool; Ethernet_Update.exe runs\n"
         "through Wine); --check-only starts configurator-check-update instead,\n"
         "which checks the job and its files and sends nothing to the device.\n"
         "Exit status: 0 the maker's updater ended well (the only success),\n"
         "4 device not found, 6 check only: the files were checked, nothing sent,\n"
         "1 check only: the check found faults, 7 the updater found is the check\n"
         "program (nothing sent), 5 updater missing, would not start, failed or\n"
         "still runs, 3 a file is missing or cannot be written"},
        {"inspect",
         {"FILE"},
         {{"--json", false}},
         run_inspect,
         As_Found,
         "FILE [--json]",
         "decode a bank file (bank1, bank2 or bank3, told by its size)"},
        {"layout",
         {"CONFIG"},
         {{"--strict", false}, {"--svg", true}, {"--json", false}},
         run_layout,
         As_Found,
         "CONFIG [--strict] [--svg FILE] [--json]",
         "the NMEA data array and the EtherCAT process image; --svg writes the byte\n"
         "map to FILE; --strict exits 1 when listener fields overlap or leave the array"},
        {"texts",
         {},
         {{"--language", true}, {"--english-file", false}},
         run_texts,
         As_Found,
         "[--language NAME | --english-file]",
         "the 1600 texts in language-file form, built in or with LANGUAGE/NAME.lng;\n"
         "--english-file the built-in texts as the shipped English.lng"},
        {"preview",
         {"CONFIG", "LOG"},
         {{"--json", false}, {"--array", false}, {"--ethercat", false}},
         run_preview,
         As_Found,
         "CONFIG LOG [--json | [--array] [--ethercat]]",
         "run an NMEA 0183 log through a model of the converter: each listener\n"
         "row's last text, value and bytes; --array the data array as hexdump -C\n"
         "shows it, --ethercat the Slave To Master variables the master reads\n"
         "from it, --json all of it as one object"},
        {"learn",
         {"CONFIG", "LOG"},
         {{"--sentences", true}, {"--apply", false}},
         run_learn,
         As_Found,
         "CONFIG LOG [--sentences CODE,...] [--apply]",
         "the listener rows for every field the log gave a value, after the last\n"
         "used row; --apply saves them after the listener screen's checks"},
        {"table",
         {"CONFIG", "TABLE"},
         {{"--export", true}, {"--import", true}, {"--apply", false}},
         run_table,
         As_Found,
         "CONFIG TABLE --export FILE | --import FILE [--apply]",
         "a table (listener, ethercat, topics or legacy) as a CSV file for\n"
         "spreadsheets; --import replaces the table's rows with the file's and says\n"
         "what the screen's checks find; --apply then saves them when they pass"},
        {"report",
         {"CONFIG", "FILE"},
         {},
         run_report,
         As_Found,
         "CONFIG FILE",
         "write the configuration's report to FILE as one self-contained HTML page\n"
         "(parameters, listener rows, variables, byte map, ESI identity, banks)"},
        {"diff",
         {"A", "B"},
         {{"--json", false}},
         run_diff,
         As_Found,
         "A B [--json]",
         "what differs from configuration A to B: parameters, listener rows,\n"
         "variables and their offsets, topics, the ESI files' process images and,\n"
         "when both are compiled, the banks' fields; exit 1 when they differ.\n"
         "A or B may be a folder of bank files alone: then the banks are compared\n"
         "field by field"},
    };
    return definitions;
}

} // namespace cfg::cli
