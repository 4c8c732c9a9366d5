#pragma once

#include "core/app/Application.h"
#include "core/nmea/NmeaSentence.h"
#include "core/preview/ConverterModel.h"
#include "core/preview/ProcessData.h"

#include <filesystem>
#include <string>
#include <vector>

namespace cfg::cli {

// Said with every preview: what it shows comes from a model, whose choices the docs list.
inline constexpr const char* Model_Note =
    "A model of the converter, not the device: docs/preview-model.md lists the choices it makes.";

// The state after a whole log: the converter model and the log's counts.
struct Preview_Report {
    std::filesystem::path log;
    preview::Converter_Model model;
    nmea::Log_Summary summary;
    std::vector<int> rows_never_reached; // rows whose sentence never appeared
};

// Runs the log through a model of the active configuration, as a compile would give it the rows.
Preview_Report Run_Preview(const Application& app, const std::filesystem::path& log);

// The Slave To Master variables of the active configuration, read from the array the model holds.
std::vector<preview::Master_Variable> master_variables(const Application& app, const Preview_Report& report);

// The kept codes and their counts, sorted by code.
std::vector<nmea::Code_Counts::Entry> entries_by_code(const nmea::Code_Counts& counts);

// Said when a log held more codes than are kept by name: how many sentences were only counted.
std::string further_codes_line(std::size_t sentences);

// One word for a row's state: "waiting", "stored", "did-not-fit", "empty" or "not-a-number".
std::string state_word(preview::Value_State state);

// The whole report, the variables and the array as one JSON object; the configuration and the log
// named as the command line names them.
void write_preview_json(std::ostream& out, const std::string& configuration, const Preview_Report& report,
                        const std::vector<preview::Master_Variable>& variables);

} // namespace cfg::cli
