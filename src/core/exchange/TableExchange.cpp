#include "core/exchange/TableExchange.h"

#include "core/common/Text.h"
#include "core/exchange/TableExchangeTexts.h"
#include "core/lang/LangStrings.h"
#include "core/lang/TextFill.h"

#include <algorithm>

namespace cfg {
namespace {

constexpr std::string_view Checked = "Y";
constexpr std::string_view Unchecked = "N";

const Column_Description& description(const Table_Rules& rules, int column) {
    return rules.columns[static_cast<std::size_t>(column)];
}

std::string refused(int text, const Table_Rules& rules, const Cell_Value& cell, const Lang_Strings& texts) {
    return Fill_Text(texts[text], {std::to_string(cell.row),
                                   trimmed(texts[description(rules, cell.column).header_text]), cell.value});
}

// One value into its cell, or the message that refuses it.
std::optional<std::string> set_cell(Table& table, const Table& held, const Table_Rules& rules,
                                    const Cell_Value& cell, const Lang_Strings& texts) {
    if (!rules.editable(table, cell.row, cell.column))
        return std::nullopt;
    const bool is_check_state = cell.value == Checked || cell.value == Unchecked;
    if (table.has_check_box(cell.row, cell.column)) {
        if (!is_check_state)
            return refused(Text_Exchange_Not_A_Check_State, rules, cell, texts);
        table.set_check_box(cell.row, cell.column, cell.value == Checked);
        return std::nullopt;
    }
    const Cell_Editor editor = description(rules, cell.column).editor;
    if (editor == Cell_Editor::Check_Box && !is_check_state && !cell.value.empty())
        return refused(Text_Exchange_Not_A_Check_State, rules, cell, texts);
    if (editor == Cell_Editor::List && !cell.value.empty() &&
        cell.value != held.text(cell.row, cell.column)) {
        const std::vector<std::string> items = rules.choices(table, cell.row, cell.column);
        if (std::find(items.begin(), items.end(), cell.value) == items.end())
            return refused(Text_Exchange_Not_A_Choice, rules, cell, texts);
    }
    table.set_text(cell.row, cell.column, cell.value);
    return std::nullopt;
}

bool all_empty(const Csv_Record& record) {
    return std::all_of(record.begin(), record.end(), [](const std::string& field) { return field.empty(); });
}

// The table column each field of the header names, or the message that refuses the header.
struct Header_Columns {
    std::vector<int> columns;
    std::string refusal;
};

Header_Columns header_columns(const Table& table, const Table_Rules& rules, const Csv_Record& header,
                              std::span<const Lang_Strings> languages, const Lang_Strings& texts) {
    const std::vector<int> exchanged = Exchanged_Columns(table, rules);
    Header_Columns found;
    for (const std::string& field : header) {
        const std::string name = trimmed(field);
        std::optional<int> column;
        for (std::size_t language = 0; language < languages.size() && !column; ++language)
            for (int candidate : exchanged)
                if (equal_ignoring_ascii_case(
                        name, trimmed(languages[language][description(rules, candidate).header_text])))
                    column = candidate;
        if (!column)
            return {{}, Fill_Text(texts[Text_Exchange_Unknown_Column], {field})};
        if (std::find(found.columns.begin(), found.columns.end(), *column) != found.columns.end())
            return {{}, Fill_Text(texts[Text_Exchange_Column_Twice], {field})};
        found.columns.push_back(*column);
    }
    return found;
}

// The values of the records below the header, or the message that refuses them.
std::optional<std::string> record_values(std::span<const Csv_Record> records, const std::vector<int>& columns,
                                         int table_rows, std::vector<Cell_Value>& values,
                                         const Lang_Strings& texts) {
    if (static_cast<int>(records.size()) > table_rows)
        return Fill_Text(texts[Text_Exchange_Too_Many_Rows],
                         {std::to_string(records.size()), std::to_string(table_rows)});
    for (std::size_t r = 0; r < records.size(); ++r) {
        const int row = static_cast<int>(r) + 1;
        const Csv_Record& record = records[r];
        if (all_empty(record))
            continue;
        if (record.size() > columns.size() &&
            !all_empty(
                Csv_Record(record.begin() + static_cast<std::ptrdiff_t>(columns.size()), record.end())))
            return Fill_Text(texts[Text_Exchange_Values_Beyond_Header], {std::to_string(row)});
        for (std::size_t field = 0; field < std::min(record.size(), columns.size()); ++field)
            values.push_back({row, columns[field], record[field]});
    }
    return std::nullopt;
}

Table_Import refusal(const std::string& reason, const Lang_Strings& texts) {
    return {std::nullopt, 0, reason + " " + texts[Text_Exchange_Nothing_Imported]};
}

} // namespace

std::function<std::vector<std::string>(const Table&, int row, int column)>
Described_Choices(std::span<const Column_Description> columns) {
    return [columns](const Table&, int, int column) {
        return columns[static_cast<std::size_t>(column)].choices;
    };
}

std::string Exchange_Text(const Table& table, int row, int column) {
    if (table.has_check_box(row, column))
        return std::string(table.is_checked(row, column) ? Checked : Unchecked);
    return table.text(row, column);
}

std::vector<int> Exchanged_Columns(const Table& table, const Table_Rules& rules) {
    std::vector<int> shown;
    std::vector<int> hidden;
    const int count = std::min(table.column_count(), static_cast<int>(rules.columns.size()));
    for (int column = 1; column < count; ++column) {
        const Column_Description& described = description(rules, column);
        if (described.editor != Cell_Editor::Fixed)
            (described.visible ? shown : hidden).push_back(column);
    }
    shown.insert(shown.end(), hidden.begin(), hidden.end());
    return shown;
}

std::optional<std::string> Set_Cells(Table& table, const Table& held, const Table_Rules& rules,
                                     std::vector<Cell_Value> values, const Lang_Strings& texts) {
    std::stable_sort(values.begin(), values.end(), [](const Cell_Value& a, const Cell_Value& b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    Table changed = table;
    for (const Cell_Value& cell : values)
        if (std::optional<std::string> message = set_cell(changed, held, rules, cell, texts))
            return message;
    if (rules.recompute)
        rules.recompute(changed);
    table = std::move(changed);
    return std::nullopt;
}

std::string Export_Table_Csv(const Table& table, const Table_Rules& rules) {
    const Lang_Strings english = default_texts();
    const std::vector<int> columns = Exchanged_Columns(table, rules);
    Table empty = table;
    int last_row = 0;
    for (int row = 1; row < table.row_count(); ++row) {
        rules.reset_row(empty, row);
        for (int column : columns)
            if (Exchange_Text(table, row, column) != Exchange_Text(empty, row, column))
                last_row = row;
    }
    std::vector<Csv_Record> records(1);
    for (int column : columns)
        records.front().push_back(trimmed(english[description(rules, column).header_text]));
    for (int row = 1; row <= last_row; ++row) {
        Csv_Record& record = records.emplace_back();
        for (int column : columns)
            record.push_back(Exchange_Text(table, row, column));
    }
    return Csv_Bytes(records);
}

Table_Import Import_Table_Csv(const Table& table, const Table_Rules& rules, std::string_view bytes,
                              std::span<const Lang_Strings> languages, const Lang_Strings& texts) {
    Csv_Read read = Read_Csv(bytes);
    if (read.unclosed_quote_record)
        return refusal(Fill_Text(texts[Text_Exchange_Quote_Not_Closed],
                                 {std::to_string(*read.unclosed_quote_record - 1)}),
                       texts);
    while (!read.records.empty() && all_empty(read.records.back()))
        read.records.pop_back();
    if (read.records.empty())
        return refusal(texts[Text_Exchange_No_Header], texts);
    const Header_Columns header = header_columns(table, rules, read.records.front(), languages, texts);
    if (!header.refusal.empty())
        return refusal(header.refusal, texts);
    std::vector<Cell_Value> values;
    const std::span<const Csv_Record> rows = std::span(read.records).subspan(1);
    if (std::optional<std::string> message =
            record_values(rows, header.columns, table.row_count() - 1, values, texts))
        return refusal(*message, texts);
    Table imported = table;
    for (int row = 1; row < imported.row_count(); ++row)
        rules.reset_row(imported, row);
    if (std::optional<std::string> message = Set_Cells(imported, table, rules, std::move(values), texts))
        return refusal(*message, texts);
    return {std::move(imported), static_cast<int>(rows.size()), {}};
}

} // namespace cfg
