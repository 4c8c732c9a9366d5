#include "core/report/ConfigurationDiff.h"

#include "core/common/PathText.h"
#include "core/ethercat/VariableColumns.h"
#include "core/ethercat/VariableTable.h"
#include "core/image/BankFiles.h"
#include "core/lang/ListenerTexts.h"
#include "core/lang/TextFill.h"
#include "core/mqtt/TopicColumns.h"
#include "core/nmea/ArrayLayout.h"
#include "core/nmea/ArrayMarks.h"
#include "core/report/ParameterList.h"
#include "core/report/ReportTexts.h"
#include "core/report/RowComparison.h"

#include <map>
#include <utility>

namespace cfg::report {
namespace {

std::string flag_text(bool on) {
    return on ? "Y" : "N";
}

// --- parameters ---

std::vector<Difference> compare_parameters(const ParGen_Set& a, const ParGen_Set& b,
                                           const Lang_Strings& texts) {
    std::vector<Difference> differences;
    const std::vector<Parameter_Group> old_groups = Parameter_Groups(a, texts);
    const std::vector<Parameter_Group> new_groups = Parameter_Groups(b, texts);
    for (std::size_t g = 0; g < old_groups.size(); ++g) {
        for (std::size_t e = 0; e < old_groups[g].entries.size(); ++e) {
            const Parameter_Entry& old_entry = old_groups[g].entries[e];
            const Parameter_Entry& new_entry = new_groups[g].entries[e];
            if (old_entry.value != new_entry.value)
                differences.push_back({Diff_Area::Parameters,
                                       Diff_Change::Changed,
                                       0,
                                       old_entry.key,
                                       {{old_entry.key, old_entry.label, old_entry.value, new_entry.value}}});
        }
    }
    return differences;
}

// --- listener rows ---

using nmea::Listener_Column;

constexpr std::pair<Listener_Column, const char*> Listener_Compared[] = {
    {Listener_Column::Enable, "Enable"},
    {Listener_Column::Sentence, "Sentence"},
    {Listener_Column::Index, "Index"},
    {Listener_Column::DataField, "DataField"},
    {Listener_Column::PortOperation, "PortOperation"},
    {Listener_Column::SwapAll, "SwapAll"},
    {Listener_Column::Swap16, "Swap16"},
    {Listener_Column::Position, "Position"},
    {Listener_Column::Mnemonic, "Mnemonic"},
};

bool is_flag(Listener_Column column) {
    return column == Listener_Column::Enable || column == Listener_Column::SwapAll ||
           column == Listener_Column::Swap16;
}

Row_Shape listener_shape(const Lang_Strings& texts) {
    Row_Shape shape;
    for (const auto& [column, key] : Listener_Compared)
        shape.entered.push_back(
            {key, texts[nmea::Listener_Columns()[static_cast<std::size_t>(column)].header_text]});
    shape.place.push_back({"bytes", texts[listener_text::Bytes_Header]});
    return shape;
}

std::vector<Row_Values> listener_rows(const nmea::Listener_Table& table, const Lang_Strings& texts) {
    const std::vector<nmea::Row_Place> places = nmea::Row_Places(nmea::Array_Layout(table), texts);
    std::vector<Row_Values> rows;
    for (int row = 1; row <= Listener_Rows_Shown(table); ++row) {
        Row_Values values;
        for (const auto& [column, key] : Listener_Compared)
            values.entered.push_back(is_flag(column) ? flag_text(table.is_checked(row, column))
                                                     : table.text(row, column));
        values.place = {places[static_cast<std::size_t>(row)].bytes};
        rows.push_back(std::move(values));
    }
    return rows;
}

// --- variables ---

struct Variable_Column {
    int column;
    const char* key;
};

std::vector<Variable_Column> variable_columns_compared(bool SlaveMaster) {
    const ethercat::Variable_Columns columns = ethercat::variable_columns(SlaveMaster);
    using C = ethercat::VariableColumn;
    std::vector<Variable_Column> compared = {
        {C::Enable, "Enable"}, {C::Type, "Type"}, {C::Length, "Length"}, {C::Name, "Name"}};
    if (columns.init_value >= 0)
        compared.push_back({columns.init_value, "InitValue"});
    compared.push_back({columns.mnemonic, "Mnemonic"});
    return compared;
}

Row_Shape variable_shape(bool SlaveMaster, const Lang_Strings& texts) {
    const auto& headers = SlaveMaster ? std::span<const int>(ethercat::Slave_To_Master_Headers)
                                      : std::span<const int>(ethercat::Master_To_Slave_Headers);
    const auto header = [&](int column) { return texts[headers[static_cast<std::size_t>(column)]]; };
    const ethercat::Variable_Columns columns = ethercat::variable_columns(SlaveMaster);
    Row_Shape shape;
    for (const Variable_Column& column : variable_columns_compared(SlaveMaster))
        shape.entered.push_back({column.key, header(column.column)});
    shape.place = {{"Position", header(columns.position)}, {"BitStart", header(columns.bit_start)}};
    return shape;
}

// The place is the one the screen shows: none for a disabled row.
std::vector<Row_Values> variable_rows(const Table& table, bool SlaveMaster) {
    const ethercat::Variable_Columns columns = ethercat::variable_columns(SlaveMaster);
    const auto shown = [&](int row, int column) {
        return ethercat::is_variable_text_shown(table, SlaveMaster, row, column) ? table.text(row, column)
                                                                                 : std::string();
    };
    std::vector<Row_Values> rows;
    for (int row = 1; row <= ethercat::used_row_count(table); ++row) {
        Row_Values values;
        for (const Variable_Column& column : variable_columns_compared(SlaveMaster))
            values.entered.push_back(column.column == ethercat::VariableColumn::Enable
                                         ? flag_text(table.is_checked(row, column.column))
                                         : table.text(row, column.column));
        values.place = {shown(row, columns.position), shown(row, columns.bit_start)};
        rows.push_back(std::move(values));
    }
    return rows;
}

// --- topics ---

Row_Shape topic_shape(std::span<const mqtt::TopicColumn> columns, const Lang_Strings& texts) {
    Row_Shape shape;
    for (const mqtt::TopicColumn& column : columns)
        if (column.attribute)
            shape.entered.push_back({column.attribute, texts[column.header_text]});
    return shape;
}

std::vector<Row_Values> topic_rows(const Table& table, std::span<const mqtt::TopicColumn> columns) {
    std::vector<Row_Values> rows;
    for (int row = 1; row <= mqtt::used_topic_rows(table); ++row) {
        Row_Values values;
        for (std::size_t column = 0; column < columns.size(); ++column)
            if (columns[column].attribute)
                values.entered.push_back(table.text(row, static_cast<int>(column)));
        rows.push_back(std::move(values));
    }
    return rows;
}

// --- ESI ---

std::string esi_text(const std::optional<ethercat::ESI_Record>& record, const Lang_Strings& texts) {
    if (!record)
        return texts[text::No_ESI_Written];
    return Fill_Text(texts[text::ESI_Written], {record->written_at, utf8_path(record->file)});
}

std::vector<Difference> compare_esi(const std::optional<ethercat::ESI_Record>& a,
                                    const std::optional<ethercat::ESI_Record>& b, const Lang_Strings& texts) {
    const auto image = [](const std::optional<ethercat::ESI_Record>& record) {
        return record ? std::optional(record->process_image) : std::nullopt;
    };
    if (image(a) == image(b))
        return {};
    const Diff_Change change = !a ? Diff_Change::Added : !b ? Diff_Change::Removed : Diff_Change::Changed;
    return {{Diff_Area::ESI,
             change,
             0,
             "process_image",
             {{"process_image", texts[text::ESI_Differs], esi_text(a, texts), esi_text(b, texts)}}}};
}

// --- banks ---

// A field by its name and, for names that recur (the fixed values of bank1), the how-manieth it is.
using Field_Key = std::pair<std::string, int>;

std::map<Field_Key, std::string> fields_by_name(const image::Bank_Decoding& decoding) {
    std::map<Field_Key, std::string> fields;
    std::map<std::string, int> seen;
    for (const image::Decoded_Field& field : decoding.fields)
        fields.emplace(Field_Key{field.name, seen[field.name]++}, field.value);
    return fields;
}

std::string field_item(const Field_Key& key) {
    return key.second == 0 ? key.first : key.first + " (" + std::to_string(key.second + 1) + ")";
}

void compare_fields(std::vector<Difference>& differences, Diff_Area area, const image::Bank_Decoding& a,
                    const image::Bank_Decoding& b) {
    const std::map<Field_Key, std::string> old_fields = fields_by_name(a);
    const std::map<Field_Key, std::string> new_fields = fields_by_name(b);
    // In the order of the old bank, then the fields only the new bank has.
    const auto add = [&](Diff_Change change, const Field_Key& key, const std::string& old_value,
                         const std::string& new_value) {
        const std::string item = field_item(key);
        differences.push_back({area, change, 0, item, {{key.first, item, old_value, new_value}}});
    };
    std::map<std::string, int> seen;
    for (const image::Decoded_Field& field : a.fields) {
        const Field_Key key{field.name, seen[field.name]++};
        const auto other = new_fields.find(key);
        if (other == new_fields.end())
            add(Diff_Change::Removed, key, field.value, "");
        else if (other->second != field.value)
            add(Diff_Change::Changed, key, field.value, other->second);
    }
    seen.clear();
    for (const image::Decoded_Field& field : b.fields) {
        const Field_Key key{field.name, seen[field.name]++};
        if (!old_fields.contains(key))
            add(Diff_Change::Added, key, "", field.value);
    }
}

} // namespace

std::string Bank_File_Name(Diff_Area area) {
    const int bank = static_cast<int>(area) - static_cast<int>(Diff_Area::Bank1);
    if (bank < 0 || bank > 2)
        return {};
    return utf8_path(image::Bank_File_Paths({})[static_cast<std::size_t>(bank)].filename());
}

std::vector<Difference> Compare_Bank_Files(const Bank_Files& a, const Bank_Files& b,
                                           const Lang_Strings& texts) {
    std::vector<Difference> differences;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto area = static_cast<Diff_Area>(static_cast<int>(Diff_Area::Bank1) + static_cast<int>(i));
        const std::string file = Bank_File_Name(area);
        const auto size = [](const Bank_File_Info& bank) {
            return bank.present ? std::to_string(bank.size) : std::string();
        };
        if (a[i].present != b[i].present) {
            differences.push_back({area,
                                   a[i].present ? Diff_Change::Removed : Diff_Change::Added,
                                   0,
                                   file,
                                   {{"size", texts[text::Size], size(a[i]), size(b[i])}}});
        } else if (a[i].decoding && b[i].decoding) {
            compare_fields(differences, area, *a[i].decoding, *b[i].decoding);
        } else if (a[i].sha256 != b[i].sha256) {
            differences.push_back({area,
                                   Diff_Change::Changed,
                                   0,
                                   file,
                                   {{"sha256", texts[text::File_Sha256], a[i].sha256, b[i].sha256}}});
        }
    }
    return differences;
}

std::vector<Difference> Compare_Configurations(const Configuration_Content& a, const Configuration_Content& b,
                                               const Lang_Strings& texts) {
    std::vector<Difference> differences = compare_parameters(a.parameters, b.parameters, texts);
    const auto append = [&differences](std::vector<Difference> more) {
        differences.insert(differences.end(), std::make_move_iterator(more.begin()),
                           std::make_move_iterator(more.end()));
    };
    append(Compare_Rows(Diff_Area::Listener, listener_shape(texts), listener_rows(a.listeners, texts),
                        listener_rows(b.listeners, texts)));
    for (const bool SlaveMaster : {true, false}) {
        const auto table = [SlaveMaster](const Configuration_Content& content) -> const Table& {
            return SlaveMaster ? content.variables.slave_to_master : content.variables.master_to_slave;
        };
        append(Compare_Rows(SlaveMaster ? Diff_Area::Slave_To_Master : Diff_Area::Master_To_Slave,
                            variable_shape(SlaveMaster, texts), variable_rows(table(a), SlaveMaster),
                            variable_rows(table(b), SlaveMaster)));
    }
    append(Compare_Rows(Diff_Area::Publish_Topics, topic_shape(mqtt::publish_columns(), texts),
                        topic_rows(a.topics.publish, mqtt::publish_columns()),
                        topic_rows(b.topics.publish, mqtt::publish_columns())));
    append(Compare_Rows(Diff_Area::Subscribe_Topics, topic_shape(mqtt::subscribe_columns(), texts),
                        topic_rows(a.topics.subscribe, mqtt::subscribe_columns()),
                        topic_rows(b.topics.subscribe, mqtt::subscribe_columns())));
    append(compare_esi(a.esi_record, b.esi_record, texts));
    if (Any_Bank_Present(a.banks) && Any_Bank_Present(b.banks))
        append(Compare_Bank_Files(a.banks, b.banks, texts));
    return differences;
}

std::filesystem::path Compared_Folder::bank_folder() const {
    return banks_only ? folder : image::Bank_File_Paths(folder)[0].parent_path();
}

std::vector<Difference> Compare_Folders(const Compared_Folder& a, const Compared_Folder& b,
                                        const Lang_Strings& texts) {
    // A folder of banks has nothing else to compare with.
    if (a.banks_only || b.banks_only)
        return Compare_Bank_Files(Read_Bank_Files(a.bank_folder()), Read_Bank_Files(b.bank_folder()), texts);
    return Compare_Configurations(Read_Configuration_Content(a.folder), Read_Configuration_Content(b.folder),
                                  texts);
}

} // namespace cfg::report
