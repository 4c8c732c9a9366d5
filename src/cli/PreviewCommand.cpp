#include "cli/Command.h"
#include "cli/ConfigurationArgument.h"
#include "cli/ExitCode.h"
#include "cli/HexDump.h"
#include "cli/ListenerHeader.h"
#include "cli/PreviewReport.h"
#include "cli/TextColumns.h"
#include "cli/UsageError.h"
#include "core/ethercat/VariableColumns.h"
#include "core/nmea/SentenceCatalogue.h"
#include "core/preview/ByteText.h"
#include "core/preview/EntryTexts.h"

namespace cfg::cli {
namespace {

std::string counts_line(const nmea::Log_Summary& log) {
    return "Lines read: " + std::to_string(log.lines) + "; sentences: " + std::to_string(log.sentences) +
           "; wrong checksums: " + std::to_string(log.bad_checksums) +
           "; malformed: " + std::to_string(log.malformed) +
           "; without checksum: " + std::to_string(log.without_checksum);
}

std::vector<std::string> sentence_lines(const nmea::Log_Summary& log) {
    std::vector<std::vector<std::string>> rows = {{"Sentence", "Count", ""}};
    for (const auto& [code, count] : entries_by_code(log.sentences_by_code)) {
        const bool offered = nmea::Is_Offered_Sentence(nmea::Find_Sentence(code));
        rows.push_back({code, std::to_string(count), offered ? "" : "not in the sentence list"});
    }
    std::vector<std::string> lines = aligned_columns(rows);
    if (const std::size_t further = log.sentences_by_code.sentences_not_kept(); further > 0)
        lines.push_back(further_codes_line(further));
    return lines;
}

std::vector<std::string> row_lines(const Lang_Strings& texts, const preview::Converter_Model& model) {
    if (model.rows().empty())
        return {"The device is given no listener row."};
    using C = nmea::Listener_Column;
    std::vector<std::vector<std::string>> rows = {
        {listener_header(texts, C::Number), listener_header(texts, C::Sentence),
         listener_header(texts, C::Index), listener_header(texts, C::DataField),
         listener_header(texts, C::PortOperation), listener_header(texts, C::SwapAll),
         listener_header(texts, C::Swap16), listener_header(texts, C::Position), "Received", "Value", "Bytes",
         "State"}};
    for (std::size_t i = 0; i < model.rows().size(); ++i) {
        const image::Listener_Entry& entry = model.rows()[i].entry;
        const preview::Row_State& state = model.states()[i];
        const preview::Entry_Texts row = preview::Texts_Of_Entry(entry);
        rows.push_back({std::to_string(model.rows()[i].row), row.sentence, row.index, row.data_field,
                        row.post_operation, entry.swap_flags & image::Swap_All_Bit ? "Y" : "",
                        entry.swap_flags & image::Swap_16_Bit ? "Y" : "", std::to_string(entry.Position),
                        state.received.value_or(""), state.value, preview::Hex_Bytes(state.bytes),
                        state_word(state.state)});
    }
    return aligned_columns(rows);
}

std::string never_line(const Preview_Report& report) {
    std::string line = "Rows whose sentence never appeared:";
    for (const int row : report.rows_never_reached)
        line += " " + std::to_string(row);
    return report.rows_never_reached.empty() ? line + " none" : line;
}

std::vector<std::string> variable_lines(const Lang_Strings& texts,
                                        const std::vector<preview::Master_Variable>& variables) {
    if (variables.empty())
        return {"The master reads no Slave To Master variable."};
    const auto header = [&](int column) {
        return texts[ethercat::Slave_To_Master_Headers[static_cast<std::size_t>(column)]];
    };
    using C = ethercat::SlaveToMaster;
    std::vector<std::vector<std::string>> rows = {{header(C::Number), header(C::Name), header(C::Type),
                                                   header(C::Position), header(C::BitStart),
                                                   header(C::Length), "Value", "Bytes"}};
    for (const preview::Master_Variable& variable : variables)
        rows.push_back({std::to_string(variable.row), variable.Name, variable.Type,
                        std::to_string(variable.position), std::to_string(variable.bit),
                        std::to_string(variable.length),
                        variable.outside_array ? "outside the array" : variable.value,
                        preview::Hex_Bytes(variable.bytes)});
    return aligned_columns(rows);
}

void write_report(std::ostream& out, const Lang_Strings& texts, const Preview_Report& report) {
    write_lines(out, {Model_Note, counts_line(report.summary), ""});
    write_lines(out, sentence_lines(report.summary));
    out << '\n';
    write_lines(out, row_lines(texts, report.model));
    write_lines(out, {never_line(report)});
}

} // namespace

// The whole log goes through the model first; then the report, or only the array (--array) and the
// master's variables (--ethercat), which scripts compare with a dump of a device.
int run_preview(Context& context) {
    const Invocation& invocation = context.invocation;
    const bool array = invocation.has("--array");
    const bool ethercat = invocation.has("--ethercat");
    if (invocation.has("--json") && (array || ethercat))
        throw Usage_Error("--json gives the whole preview and goes with neither --array nor --ethercat");
    open_configuration(context.app, invocation.operands[0]);
    const Application& app = context.app;
    const Preview_Report report = Run_Preview(app, invocation.path_operand(1));
    if (invocation.has("--json")) {
        write_preview_json(context.out, invocation.operands[0], report, master_variables(app, report));
        return Exit_Done;
    }
    if (!array && !ethercat)
        write_report(context.out, app.Lang_Strings, report);
    else
        write_lines(context.err, {Model_Note}); // beside the output, which stays comparable with a dump
    if (array)
        write_lines(context.out, hexdump_lines(report.model.array()));
    if (array && ethercat)
        context.out << '\n';
    if (ethercat)
        write_lines(context.out, variable_lines(app.Lang_Strings, master_variables(app, report)));
    return Exit_Done;
}

} // namespace cfg::cli
