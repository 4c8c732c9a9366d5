#pragma once

#include "core/common/ColumnDescription.h"
#include "core/common/Table.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The legacy sentence table of the sibling models: whole sentences to convert, each with its
// occurrence Index, serial port and description. A table of the plain family: Enable is a
// check-box column that stores "Y" or "N" as its text.
namespace cfg::nmea::legacy {

enum class Legacy_Column : int {
    Number = 0,
    Enable = 1,
    Sentence = 2,
    Index = 3,
    Serial_Channel = 4,
    Mnemonic = 5,
};

constexpr int Legacy_Column_Count = 6;
constexpr int Legacy_Row_Count = 100;

// All three serial ports are offered on this screen.
constexpr int Legacy_Enable_Serial = 7;

// Headers, widths, editors and hints of the legacy screen's columns, by column.
const std::array<Column_Description, Legacy_Column_Count>& Legacy_Columns();

class Legacy_Table {
public:
    Legacy_Table();

    Table& grid() { return grid_; }
    const Table& grid() const { return grid_; }

    const std::string& text(int row, Legacy_Column column) const;
    void set_text(int row, Legacy_Column column, std::string text);

    // An empty row: Enable "Y", every other cell empty.
    void Reset_Row(int row);
    void Reset();

    // Used rows are those whose Sentence holds more than blanks; the used rows end at the first unused one.
    bool is_used(int row) const;

    // The Index cell opens only for XDR and $PJELA (Enable_Index_Cell); the row numbers are fixed.
    bool is_cell_editable(int row, int column) const;

    // The items a list cell offers: the sorted offered sentence codes or the three serial channels.
    std::vector<std::string> choices(int column) const;

private:
    Table grid_;
};

// The rules of Legacy_Table on its grid alone, for code that works on the shared table model.
void Reset_Legacy_Row(Table& grid, int row);
bool Legacy_Cell_Editable(const Table& grid, int row, int column);
std::vector<std::string> Legacy_Choices(int column);

// Whether the Index cell of a row is editable: its Sentence cell, as it stands, is XDR or $PJELA.
bool Enable_Index_Cell(const Legacy_Table& table, int row);

// Loading filter: a port named "RS485 / RS422" or by its old name "RS485 1" (trimmed, any letter
// case) becomes "RS485 / RS422"; any other text passes unchanged.
std::string Get_Serial_Channel(std::string_view value);

} // namespace cfg::nmea::legacy
