#include "cli/Json.h"
#include "cli/PreviewReport.h"
#include "core/common/PathText.h"
#include "core/nmea/SentenceCatalogue.h"
#include "core/preview/ByteText.h"
#include "core/preview/EntryTexts.h"

#include <ostream>

namespace cfg::cli {
namespace {

std::string json_bytes(std::span<const std::uint8_t> bytes) {
    return json_string(preview::Hex_Bytes(bytes, ""));
}

std::string row_json(const image::Listener_Image_Row& row, const preview::Row_State& state) {
    const image::Listener_Entry& entry = row.entry;
    const preview::Entry_Texts texts = preview::Texts_Of_Entry(entry);
    const bool stored = !state.bytes.empty();
    return json_line_object({{"row", std::to_string(row.row)},
                             {"sentence", json_string(texts.sentence)},
                             {"index", std::to_string(int{entry.Index})},
                             {"data_field", json_string(texts.data_field)},
                             {"post_operation", json_string(texts.post_operation)},
                             {"swap_all", json_bool(entry.swap_flags & image::Swap_All_Bit)},
                             {"swap_16", json_bool(entry.swap_flags & image::Swap_16_Bit)},
                             {"position", std::to_string(entry.Position)},
                             {"received", json_string_or_null(state.received)},
                             {"value", stored ? json_string(state.value) : "null"},
                             {"bytes", json_bytes(state.bytes)},
                             {"state", json_string(state_word(state.state))}});
}

std::string variable_json(const preview::Master_Variable& variable) {
    return json_line_object({{"row", std::to_string(variable.row)},
                             {"name", json_string(variable.Name)},
                             {"type", json_string(variable.Type)},
                             {"position", std::to_string(variable.position)},
                             {"bit", std::to_string(variable.bit)},
                             {"length", std::to_string(variable.length)},
                             {"value", variable.outside_array ? "null" : json_string(variable.value)},
                             {"bytes", json_bytes(variable.bytes)}});
}

} // namespace

void write_preview_json(std::ostream& out, const std::string& configuration, const Preview_Report& report,
                        const std::vector<preview::Master_Variable>& variables) {
    const nmea::Log_Summary& log = report.summary;
    Json_Document json(out);
    json.member("model", json_string(Model_Note));
    json.member("configuration", json_string(configuration));
    json.member("log", json_string(utf8_path(report.log)));
    json.member("lines", std::to_string(log.lines));
    json.member("sentences", std::to_string(log.sentences));
    json.member("checksum_failures", std::to_string(log.bad_checksums));
    json.member("malformed", std::to_string(log.malformed));
    json.member("without_checksum", std::to_string(log.without_checksum));
    json.list("sentence_counts", entries_by_code(log.sentences_by_code), [](const auto& code_count) {
        return json_line_object(
            {{"code", json_string(code_count.code)},
             {"count", std::to_string(code_count.count)},
             {"offered", json_bool(nmea::Is_Offered_Sentence(nmea::Find_Sentence(code_count.code)))}});
    });
    json.member("sentences_of_further_codes", std::to_string(log.sentences_by_code.sentences_not_kept()));
    std::size_t i = 0;
    json.list("rows", report.model.rows(), [&](const image::Listener_Image_Row& row) {
        return row_json(row, report.model.states()[i++]);
    });
    json.list("rows_whose_sentence_never_appeared", report.rows_never_reached,
              [](int row) { return std::to_string(row); });
    json.list("variables", variables, variable_json);
    json.member("array", json_bytes(report.model.array()));
    json.end();
}

} // namespace cfg::cli
