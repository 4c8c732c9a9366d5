#include "cli/PreviewReport.h"

#include "core/ethercat/EtherCATSlaveFile.h"
#include "core/preview/DeviceRows.h"

#include <algorithm>

namespace cfg::cli {

Preview_Report Run_Preview(const Application& app, const std::filesystem::path& log) {
    preview::Converter_Model model(preview::Read_Device_Rows(app.File_ParGen, app.File_NMEA_0183_Set_Access));
    const nmea::Log_Summary summary =
        nmea::Read_Nmea_Log_File(log, [&](const nmea::Received_Sentence& sentence) { model.Feed(sentence); });
    std::vector<int> never = preview::Rows_Whose_Sentence_Never_Appeared(model.rows(), summary);
    return {log, std::move(model), summary, std::move(never)};
}

std::vector<preview::Master_Variable> master_variables(const Application& app, const Preview_Report& report) {
    return preview::Read_Master_Variables(
        ethercat::Load_EtherCAT_Slave(app.File_EtherCAT_Slave).slave_to_master, report.model.array());
}

std::vector<nmea::Code_Counts::Entry> entries_by_code(const nmea::Code_Counts& counts) {
    std::vector<nmea::Code_Counts::Entry> entries = counts.entries();
    std::ranges::sort(entries, {}, &nmea::Code_Counts::Entry::code);
    return entries;
}

std::string further_codes_line(std::size_t sentences) {
    return "Sentences of further codes, only counted: " + std::to_string(sentences) +
           " (the catalogue's codes and the first " + std::to_string(nmea::Code_Counts::Other_Codes_Kept) +
           " others are kept by name)";
}

std::string state_word(preview::Value_State state) {
    switch (state) {
    case preview::Value_State::Waiting:
        return "waiting";
    case preview::Value_State::Stored:
        return "stored";
    case preview::Value_State::Did_Not_Fit:
        return "did-not-fit";
    case preview::Value_State::Empty:
        return "empty";
    case preview::Value_State::Not_A_Number:
        return "not-a-number";
    }
    return "";
}

} // namespace cfg::cli
