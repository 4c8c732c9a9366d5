#include "cli/Json.h"
#include "cli/PreviewReport.h"
#include "core/nmea/SentenceCatalogue.h"
#include "core/preview/ByteText.h"
#include "core/preview/EntryTexts.h"

#include <ostream>

namespace cfg::cli {
namespace {

std::string json_bool(bool value) {
    return value ? "true" : "false";
}

std::string json_bytes(std::span<const std::uint8_t> bytes) {
    return json_string(preview::Hex_Bytes(bytes, ""));
}

// Items of a list, each on its own line, as "inspect --json" writes them.
template <typename Items, typename Write>
void write_list(std::ostream& out, const char* name, const Items& items, Write write) {
    out << ",\n  \"" << name << "\": [";
    bool first = true;
    for (const auto& item : items) {
        out << (first ? "" : ",") << "\n    ";
        write(item);
        first = false;
    }
    out << (first ? "]" : "\n  ]");
}

void write_row(std::ostream& out, const image::Listener_Image_Row& row, const preview::Row_State& state) {
    const image::Listener_Entry& entry = row.entry;
    const preview::Entry_Texts texts = preview::Texts_Of_Entry(entry);
    const bool stored = !state.bytes.empty();
    out << "{\"row\": " << row.row << ", \"sentence\": " << json_string(texts.sentence)
        << ", \"index\": " << int{entry.Index} << ", \"data_field\": " << json_string(texts.data_field)
        << ", \"post_operation\": " << json_string(texts.post_operation)
        << ", \"swap_all\": " << json_bool(entry.swap_flags & image::Swap_All_Bit)
        << ", \"swap_16\": " << json_bool(entry.swap_flags & image::Swap_16_Bit)
        << ", \"position\": " << entry.Position
        << ", \"received\": " << (state.received ? json_string(*state.received) : "null")
        << ", \"value\": " << (stored ? json_string(state.value) : "null")
        << ", \"bytes\": " << json_bytes(state.bytes)
        << ", \"state\": " << json_string(state_word(state.state)) << "}";
}

void write_variable(std::ostream& out, const preview::Master_Variable& variable) {
    out << "{\"row\": " << variable.row << ", \"name\": " << json_string(variable.Name)
        << ", \"type\": " << json_string(variable.Type) << ", \"position\": " << variable.position
        << ", \"bit\": " << variable.bit << ", \"length\": " << variable.length
        << ", \"value\": " << (variable.outside_array ? "null" : json_string(variable.value))
        << ", \"bytes\": " << json_bytes(variable.bytes) << "}";
}

} // namespace

void write_preview_json(std::ostream& out, const std::string& configuration, const Preview_Report& report,
                        const std::vector<preview::Master_Variable>& variables) {
    const nmea::Log_Summary& log = report.summary;
    out << "{\n  \"model\": " << json_string(Model_Note)
        << ",\n  \"configuration\": " << json_string(configuration)
        << ",\n  \"log\": " << json_string(report.log.string()) << ",\n  \"lines\": " << log.lines
        << ",\n  \"sentences\": " << log.sentences << ",\n  \"checksum_failures\": " << log.bad_checksums
        << ",\n  \"malformed\": " << log.malformed;
    write_list(out, "sentence_counts", log.sentences_by_code, [&](const auto& code_count) {
        out << "{\"code\": " << json_string(code_count.first) << ", \"count\": " << code_count.second
            << ", \"offered\": "
            << json_bool(nmea::Is_Offered_Sentence(nmea::Find_Sentence(code_count.first))) << "}";
    });
    std::size_t i = 0;
    write_list(out, "rows", report.model.rows(), [&](const image::Listener_Image_Row& row) {
        write_row(out, row, report.model.states()[i++]);
    });
    write_list(out, "rows_whose_sentence_never_appeared", report.rows_never_reached,
               [&](int row) { out << row; });
    write_list(out, "variables", variables,
               [&](const preview::Master_Variable& variable) { write_variable(out, variable); });
    out << ",\n  \"array\": " << json_bytes(report.model.array()) << "\n}\n";
}

} // namespace cfg::cli
