#pragma once

#include "core/common/ColumnDescription.h"
#include "core/common/Table.h"

#include <array>
#include <string>
#include <vector>

namespace cfg::nmea {

// The columns of the listener table; hiding Serial_Channel never renumbers the others.
enum class Listener_Column : int {
    Number = 0,
    Enable = 1,
    Serial_Channel = 2,
    Sentence = 3,
    Index = 4,
    DataField = 5,
    PortOperation = 6,
    SwapAll = 7,
    Swap16 = 8,
    Position = 9,
    Mnemonic = 10,
};

constexpr int Listener_Column_Count = 11;
constexpr int Listener_Row_Count = 100;

// The ports this model listens on: RS232 alone.
constexpr int Listener_Enable_Serial = 1;

// Headers, widths, editors and hints of the listener screen's columns, by column.
const std::array<Column_Description, Listener_Column_Count>& Listener_Columns();

// The screen's read-only column beside Position that shows the bytes a row's field takes. The
// table does not hold it: it follows from the row.
const Column_Description& Listener_Bytes_Column();

// The listener table of step 3: rows 1 to 100 of the ten values of a listener row. Enable, SwapAll
// and Swap16 are check-box cells of the check-box table family; every other value is a text held
// exactly as typed or picked. grid() is what the shared row operations and the screen's grid work on.
class Listener_Table {
public:
    Listener_Table();

    Table& grid() { return grid_; }
    const Table& grid() const { return grid_; }

    const std::string& text(int row, Listener_Column column) const;
    void set_text(int row, Listener_Column column, std::string text);
    bool is_checked(int row, Listener_Column column) const;
    void set_checked(int row, Listener_Column column, bool checked);

    // The values of an empty row: Enable on, Serial_Channel "RS232", the rest empty and off.
    void Reset_Row(int row);
    void Reset();

    // The screen's delete and insert: the check-box family's row operations with Enable on in the
    // emptied or new row, which also listens on RS232 like every other row.
    void Delete_Row(int row);
    void Insert_Row(int row);

    // Used rows are those whose Sentence holds more than blanks.
    bool is_used(int row) const;

    // The Index cell opens only for the sentences that take an Index (GSV, XDR, $PJELA); the row
    // numbers are fixed. Derived from the row's Sentence, so it follows rows moved by the row
    // operations.
    bool is_cell_editable(int row, int column) const;

    // The items a list cell offers: the serial channels, the offered sentence codes, the fields of
    // the row's sentence (none when it is not a known code) or the post operations.
    std::vector<std::string> choices(int row, int column) const;

private:
    Table grid_;
};

// The rules of Listener_Table on its grid alone, for code that works on the shared table model.
void Reset_Listener_Row(Table& grid, int row);
bool Listener_Cell_Editable(const Table& grid, int row, int column);
std::vector<std::string> Listener_Choices(const Table& grid, int row, int column);

// Whether the Index cell of a row holding this Sentence text is editable (sentence 10, 34 or 35).
bool Index_Cell_Editable(const std::string& Sentence);

} // namespace cfg::nmea
