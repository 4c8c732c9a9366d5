#include "cli/ArrayFindings.h"
#include "cli/Command.h"
#include "cli/ConfigurationArgument.h"
#include "cli/ExitCode.h"
#include "cli/Json.h"
#include "cli/TextColumns.h"
#include "core/bytemap/ByteMapBuilder.h"
#include "core/bytemap/ByteMapSvg.h"
#include "core/common/ByteRange.h"
#include "core/common/PathText.h"
#include "core/common/SafeFile.h"
#include "core/ethercat/EtherCATSlaveFile.h"
#include "core/ethercat/PositionBit.h"
#include "core/ethercat/ProcessImage.h"
#include "core/ethercat/VariableColumns.h"
#include "core/ethercat/VariableTable.h"
#include "core/lang/EtherCATTexts.h"
#include "core/lang/ListenerTexts.h"
#include "core/nmea/ArrayMarks.h"
#include "core/nmea/ListenerPositions.h"

namespace cfg::cli {
namespace {

// Column headers come from the catalogue where the screens have one.

std::vector<std::string> nmea_lines(const std::vector<nmea::Array_Field>& fields, const Lang_Strings& texts) {
    std::vector<std::string> lines = {"NMEA data array, bytes 0 to " +
                                      std::to_string(nmea::NMEA_Array_Size - 1) + ": " +
                                      std::to_string(fields.size()) + " fields"};
    if (fields.empty())
        return lines;
    std::vector<std::vector<std::string>> rows = {
        {texts[listener_text::Number_Header], texts[listener_text::Bytes_Header],
         texts[listener_text::Sentence_Header], texts[listener_text::Data_Field_Header], "Marks"}};
    for (const nmea::Array_Field& field : fields)
        rows.push_back({std::to_string(field.row), Byte_Range_Text(field.first_byte, field.last_byte(), "-"),
                        field.Sentence, field.DataField, nmea::Field_Marks(field, texts)});
    for (std::string& line : aligned_columns(rows))
        lines.push_back(std::move(line));
    return lines;
}

// A direction's image as the variable screen lays it out; a disabled row keeps 0 / 0 in its cells
// and takes no place.
std::vector<std::string> ethercat_lines(const Application& app, Table table, bool SlaveMaster) {
    using Column = ethercat::VariableColumn;
    const ethercat::Variable_Columns columns = ethercat::variable_columns(SlaveMaster);
    const std::int64_t size = ethercat::Calc_Position_Bit(table, SlaveMaster);
    const Lang_Strings& texts = app.Lang_Strings;
    const auto& headers = SlaveMaster ? std::span<const int>(ethercat::Slave_To_Master_Headers)
                                      : std::span<const int>(ethercat::Master_To_Slave_Headers);
    const int used = ethercat::used_row_count(table);
    std::vector<std::string> lines = {
        "EtherCAT process image, " +
        texts[SlaveMaster ? ethercat_text::Slave_To_Master : ethercat_text::Master_To_Slave] + ": " +
        std::to_string(size) + " bytes, " + std::to_string(used) + " variables"};
    if (used == 0)
        return lines;
    const auto header = [&](int column) { return texts[headers[static_cast<std::size_t>(column)]]; };
    std::vector<std::vector<std::string>> rows = {{header(Column::Number), header(columns.position),
                                                   header(columns.bit_start), header(Column::Type),
                                                   header(Column::Length), header(Column::Name), "Marks"}};
    for (int row = 1; row <= used; ++row) {
        const bool enabled = table.is_checked(row, Column::Enable);
        rows.push_back({std::to_string(row), table.text(row, columns.position),
                        table.text(row, columns.bit_start), table.text(row, Column::Type),
                        table.text(row, Column::Length), table.text(row, Column::Name),
                        enabled ? "" : "disabled"});
    }
    for (std::string& line : aligned_columns(rows))
        lines.push_back(std::move(line));
    return lines;
}

std::string json_numbers(const std::vector<int>& numbers) {
    std::string list = "[";
    for (int number : numbers)
        list += (list.size() > 1 ? ", " : "") + std::to_string(number);
    return list + "]";
}

std::string field_json(const nmea::Array_Field& field) {
    return json_line_object({{"row", std::to_string(field.row)},
                             {"first_byte", std::to_string(field.first_byte)},
                             {"last_byte", std::to_string(field.last_byte())},
                             {"sentence", json_string(field.Sentence)},
                             {"data_field", json_string(field.DataField)},
                             {"overlapping_rows", json_numbers(field.overlapping_rows)},
                             {"outside_array", json_bool(field.outside_array)}});
}

std::string place_json(const ethercat::Variable_Place& place) {
    return json_line_object({{"row", std::to_string(place.row)},
                             {"enabled", json_bool(place.enabled)},
                             {"type", json_string(place.Type)},
                             {"name", json_string(place.Name)},
                             {"position", std::to_string(place.position)},
                             {"bit", std::to_string(place.bit)},
                             {"bytes", std::to_string(place.size)}});
}

void write_json(std::ostream& out, const Application& app, const std::vector<nmea::Array_Field>& fields,
                const ethercat::EtherCAT_Tables& tables, const std::vector<std::string>& findings) {
    Json_Document json(out);
    json.member("configuration", json_string(utf8_path(app.Path_Project)));
    json.member("array_bytes", std::to_string(nmea::NMEA_Array_Size));
    json.list("fields", fields, field_json);
    for (const auto& [name, table] : {std::pair{"slave_to_master", &tables.slave_to_master},
                                      std::pair{"master_to_slave", &tables.master_to_slave}}) {
        const ethercat::Process_Image image = ethercat::Process_Image_Layout(*table);
        json.member(std::string(name) + "_bytes", std::to_string(image.size));
        json.list(name, image.places, place_json);
    }
    json.list("findings", findings, json_string);
    json.end();
}

} // namespace

int run_layout(Context& context) {
    open_configuration(context.app, context.invocation.operands[0]);
    const Application& app = context.app;
    const std::vector<nmea::Array_Field> fields = nmea::Array_Layout_Of_File(app.File_NMEA_0183_Set_Access);
    ethercat::EtherCAT_Tables tables = ethercat::Load_EtherCAT_Slave(app.File_EtherCAT_Slave);
    if (const std::optional<std::filesystem::path> svg = context.invocation.path_value("--svg"))
        write_file_safely(
            *svg, bytemap::Byte_Map_Svg(bytemap::Build_Byte_Map(
                      {fields, ethercat::Process_Image_Layout(tables.slave_to_master)}, app.Lang_Strings)));
    const bool strict = context.invocation.has("--strict");
    const std::vector<std::string> findings =
        strict ? array_findings(app.File_NMEA_0183_Set_Access, fields, app.Lang_Strings)
               : std::vector<std::string>();
    if (context.invocation.has("--json")) {
        write_json(context.out, app, fields, tables, findings);
    } else {
        write_lines(context.out, nmea_lines(fields, app.Lang_Strings));
        context.out << '\n';
        write_lines(context.out, ethercat_lines(app, std::move(tables.slave_to_master), true));
        // This model sends nothing from the master, but a file may still hold such rows for the ESI file.
        if (ethercat::used_row_count(tables.master_to_slave) > 0) {
            context.out << '\n';
            write_lines(context.out, ethercat_lines(app, std::move(tables.master_to_slave), false));
        }
    }
    write_lines(context.err, findings);
    return findings.empty() ? Exit_Done : Exit_Check_Failed;
}

} // namespace cfg::cli
