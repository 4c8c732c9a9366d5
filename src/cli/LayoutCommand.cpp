#include "cli/Command.h"
#include "cli/ConfigurationArgument.h"
#include "cli/ExitCode.h"
#include "cli/TextColumns.h"
#include "core/ethercat/EtherCATSlaveFile.h"
#include "core/ethercat/PositionBit.h"
#include "core/ethercat/VariableColumns.h"
#include "core/ethercat/VariableTable.h"
#include "core/nmea/ArrayLayout.h"
#include "core/nmea/ListenerFile.h"
#include "core/nmea/ListenerPositions.h"

namespace cfg::cli {
namespace {

// Column headers come from the catalogue where the screens have one.
constexpr int Text_Listener_Number = 1014;
constexpr int Text_Listener_Sentence = 1017;
constexpr int Text_Listener_DataField = 1018;
constexpr int Text_Slave_To_Master = 1534;
constexpr int Text_Master_To_Slave = 1535;

std::string bytes_text(const nmea::Array_Field& field) {
    if (field.size == 1)
        return std::to_string(field.first_byte);
    return std::to_string(field.first_byte) + "-" + std::to_string(field.last_byte());
}

std::string rows_text(const std::vector<int>& rows) {
    std::string text = rows.size() == 1 ? "overlaps row " : "overlaps rows ";
    for (std::size_t i = 0; i < rows.size(); ++i)
        text += (i > 0 ? ", " : "") + std::to_string(rows[i]);
    return text;
}

std::string marks_text(const nmea::Array_Field& field) {
    std::vector<std::string> marks;
    if (!field.overlapping_rows.empty())
        marks.push_back(rows_text(field.overlapping_rows));
    if (field.first_byte < 0)
        marks.push_back("before byte 0");
    if (field.last_byte() >= nmea::NMEA_Array_Size)
        marks.push_back("past byte " + std::to_string(nmea::NMEA_Array_Size - 1));
    std::string text;
    for (const std::string& mark : marks)
        text += (text.empty() ? "" : "; ") + mark;
    return text;
}

std::vector<std::string> nmea_lines(const Application& app) {
    nmea::Listener_Table table;
    nmea::Load_Listener_Table(table, app.File_NMEA_0183_Set_Access);
    const std::vector<nmea::Array_Field> fields = nmea::Array_Layout(table);
    std::vector<std::string> lines = {"NMEA data array, bytes 0 to " +
                                      std::to_string(nmea::NMEA_Array_Size - 1) + ": " +
                                      std::to_string(fields.size()) + " fields"};
    if (fields.empty())
        return lines;
    const Lang_Strings& texts = app.Lang_Strings;
    std::vector<std::vector<std::string>> rows = {{texts[Text_Listener_Number], "Bytes",
                                                   texts[Text_Listener_Sentence],
                                                   texts[Text_Listener_DataField], "Marks"}};
    for (const nmea::Array_Field& field : fields)
        rows.push_back({std::to_string(field.row), bytes_text(field), field.Sentence, field.DataField,
                        marks_text(field)});
    for (std::string& line : aligned_columns(rows))
        lines.push_back(std::move(line));
    return lines;
}

// A direction's image as the variable screen lays it out; a disabled row shows 0 / 0 there and
// takes no place.
std::vector<std::string> ethercat_lines(const Application& app, Table table, bool SlaveMaster) {
    using Column = ethercat::VariableColumn;
    const ethercat::Variable_Columns columns = ethercat::variable_columns(SlaveMaster);
    const std::int64_t size = ethercat::Calc_Position_Bit(table, SlaveMaster);
    const Lang_Strings& texts = app.Lang_Strings;
    const auto& headers = SlaveMaster ? std::span<const int>(ethercat::Slave_To_Master_Headers)
                                      : std::span<const int>(ethercat::Master_To_Slave_Headers);
    const int used = ethercat::used_row_count(table);
    std::vector<std::string> lines = {
        "EtherCAT process image, " + texts[SlaveMaster ? Text_Slave_To_Master : Text_Master_To_Slave] + ": " +
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

} // namespace

int run_layout(Context& context) {
    open_configuration(context.app, context.invocation.operands[0]);
    const Application& app = context.app;
    ethercat::EtherCAT_Tables tables = ethercat::Load_EtherCAT_Slave(app.File_EtherCAT_Slave);
    write_lines(context.out, nmea_lines(app));
    context.out << '\n';
    write_lines(context.out, ethercat_lines(app, std::move(tables.slave_to_master), true));
    // This model sends nothing from the master, but a file may still hold such rows for the ESI file.
    if (ethercat::used_row_count(tables.master_to_slave) > 0) {
        context.out << '\n';
        write_lines(context.out, ethercat_lines(app, std::move(tables.master_to_slave), false));
    }
    return Exit_Done;
}

} // namespace cfg::cli
