#include "core/nmea/LegacyTable.h"

#include "core/common/Text.h"
#include "core/nmea/SentenceCatalogue.h"
#include "core/nmea/SerialChannels.h"

namespace cfg::nmea::legacy {
namespace {

int column_index(Legacy_Column column) {
    return static_cast<int>(column);
}

} // namespace

const std::array<Column_Description, Legacy_Column_Count>& Legacy_Columns() {
    static const std::array<Column_Description, Legacy_Column_Count> columns = {{
        {614, 40, Cell_Editor::Fixed, -1, true},
        {615, 50, Cell_Editor::Check_Box, 619, true},
        {616, 120, Cell_Editor::List, 620, true},
        {628, 120, Cell_Editor::Text, 629, true},
        {617, 120, Cell_Editor::List, 621, true},
        {618, 275, Cell_Editor::Text, 622, true},
    }};
    return columns;
}

Legacy_Table::Legacy_Table() : grid_(Legacy_Row_Count + 1, Legacy_Column_Count) {
    grid_.set_check_box_editor_column(column_index(Legacy_Column::Enable), true);
    Reset();
}

const std::string& Legacy_Table::text(int row, Legacy_Column column) const {
    return grid_.text(row, column_index(column));
}

void Legacy_Table::set_text(int row, Legacy_Column column, std::string text) {
    grid_.set_text(row, column_index(column), std::move(text));
}

void Reset_Legacy_Row(Table& grid, int row) {
    for (int c = 1; c < Legacy_Column_Count; ++c)
        grid.set_text(row, c, "");
    grid.set_text(row, column_index(Legacy_Column::Number), std::to_string(row));
    grid.set_text(row, column_index(Legacy_Column::Enable), "Y");
}

void Legacy_Table::Reset_Row(int row) {
    Reset_Legacy_Row(grid_, row);
}

void Legacy_Table::Reset() {
    for (int row = 1; row <= Legacy_Row_Count; ++row)
        Reset_Row(row);
}

bool Legacy_Table::is_used(int row) const {
    return !trimmed(text(row, Legacy_Column::Sentence)).empty();
}

bool Enable_Index_Cell(const Legacy_Table& table, int row) {
    return Legacy_Cell_Editable(table.grid(), row, column_index(Legacy_Column::Index));
}

bool Legacy_Cell_Editable(const Table& grid, int row, int column) {
    if (row < 1 || column < 1)
        return false;
    if (column == column_index(Legacy_Column::Index)) {
        const int n = Find_Sentence(grid.text(row, column_index(Legacy_Column::Sentence)));
        return n == Sentence_XDR || n == Sentence_PJELA;
    }
    return true;
}

bool Legacy_Table::is_cell_editable(int row, int column) const {
    return Legacy_Cell_Editable(grid_, row, column);
}

std::vector<std::string> Legacy_Table::choices(int column) const {
    return Legacy_Choices(column);
}

std::vector<std::string> Legacy_Choices(int column) {
    switch (static_cast<Legacy_Column>(column)) {
    case Legacy_Column::Sentence:
        return Sorted_Offered_Sentence_Codes();
    case Legacy_Column::Serial_Channel:
        return Serial_Channel_List(Legacy_Enable_Serial);
    default:
        return {};
    }
}

std::string Get_Serial_Channel(std::string_view value) {
    const std::string name = upper_ascii(trimmed(value));
    if (name == Serial_RS485_RS422 || name == "RS485 1")
        return std::string(Serial_RS485_RS422);
    return std::string(value);
}

} // namespace cfg::nmea::legacy
