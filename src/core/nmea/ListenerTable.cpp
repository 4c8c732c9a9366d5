#include "core/nmea/ListenerTable.h"

#include "core/common/RowOperations.h"
#include "core/common/Text.h"
#include "core/nmea/PostOperations.h"
#include "core/nmea/SentenceCatalogue.h"
#include "core/nmea/SerialChannels.h"

namespace cfg::nmea {
namespace {

int column_index(Listener_Column column) {
    return static_cast<int>(column);
}

} // namespace

const std::array<Column_Description, Listener_Column_Count>& Listener_Columns() {
    static const std::array<Column_Description, Listener_Column_Count> columns = {{
        {1014, 40, Cell_Editor::Fixed, -1, true},
        {1015, 50, Cell_Editor::Check_Box, 1024, true},
        {1016, 120, Cell_Editor::List, 1025, false},
        {1017, 120, Cell_Editor::List, 1026, true},
        {1040, 50, Cell_Editor::Text, 1041, true},
        {1018, 280, Cell_Editor::List, 1027, true},
        {1019, 120, Cell_Editor::List, 1028, true},
        {1020, 60, Cell_Editor::Check_Box, 1029, true},
        {1021, 60, Cell_Editor::Check_Box, 1030, true},
        {1022, 60, Cell_Editor::Text, 1031, true},
        {1023, 160, Cell_Editor::Text, 1032, true},
    }};
    return columns;
}

const Column_Description& Listener_Bytes_Column() {
    static const Column_Description column{1047, 80, Cell_Editor::Fixed, 1048, true};
    return column;
}

void Reset_Listener_Row(Table& grid, int row) {
    for (int c = 1; c < Listener_Column_Count; ++c)
        grid.set_text(row, c, "");
    grid.set_text(row, column_index(Listener_Column::Number), std::to_string(row));
    grid.set_check_box(row, column_index(Listener_Column::Enable), true);
    grid.set_text(row, column_index(Listener_Column::Serial_Channel), std::string(Serial_RS232));
    grid.set_check_box(row, column_index(Listener_Column::SwapAll), false);
    grid.set_check_box(row, column_index(Listener_Column::Swap16), false);
}

bool Listener_Cell_Editable(const Table& grid, int row, int column) {
    if (row < 1 || column < 1)
        return false;
    if (column == column_index(Listener_Column::Index))
        return Index_Cell_Editable(grid.text(row, column_index(Listener_Column::Sentence)));
    return true;
}

std::vector<std::string> Listener_Choices(const Table& grid, int row, int column) {
    switch (static_cast<Listener_Column>(column)) {
    case Listener_Column::Serial_Channel:
        return Serial_Channel_List(Listener_Enable_Serial);
    case Listener_Column::Sentence:
        return Offered_Sentence_Codes();
    case Listener_Column::DataField:
        return Field_Descriptions(GetIndexSentence(grid.text(row, column_index(Listener_Column::Sentence))));
    case Listener_Column::PortOperation:
        return PostOpe_SL();
    default:
        return {};
    }
}

Listener_Table::Listener_Table() : grid_(Listener_Row_Count + 1, Listener_Column_Count) {
    for (int c = 0; c < Listener_Column_Count; ++c)
        grid_.set_column_visible(c, Listener_Columns()[static_cast<std::size_t>(c)].visible);
    Reset();
}

const std::string& Listener_Table::text(int row, Listener_Column column) const {
    return grid_.text(row, column_index(column));
}

void Listener_Table::set_text(int row, Listener_Column column, std::string text) {
    grid_.set_text(row, column_index(column), std::move(text));
}

bool Listener_Table::is_checked(int row, Listener_Column column) const {
    return grid_.is_checked(row, column_index(column));
}

void Listener_Table::set_checked(int row, Listener_Column column, bool checked) {
    grid_.set_check_box(row, column_index(column), checked);
}

void Listener_Table::Reset_Row(int row) {
    Reset_Listener_Row(grid_, row);
}

void Listener_Table::Reset() {
    for (int row = 1; row <= Listener_Row_Count; ++row)
        Reset_Row(row);
}

void Listener_Table::Delete_Row(int row) {
    Delete_Row_CB(row, grid_, true);
    set_text(Listener_Row_Count, Listener_Column::Serial_Channel, std::string(Serial_RS232));
}

void Listener_Table::Insert_Row(int row) {
    Insert_Row_CB(row, grid_, true);
    set_text(row, Listener_Column::Serial_Channel, std::string(Serial_RS232));
}

bool Listener_Table::is_used(int row) const {
    return !trimmed(text(row, Listener_Column::Sentence)).empty();
}

bool Index_Cell_Editable(const std::string& Sentence) {
    return Sentence_Takes_Index(GetIndexSentence(Sentence));
}

bool Listener_Table::is_cell_editable(int row, int column) const {
    return Listener_Cell_Editable(grid_, row, column);
}

std::vector<std::string> Listener_Table::choices(int row, int column) const {
    return Listener_Choices(grid_, row, column);
}

} // namespace cfg::nmea
