#include "core/nmea/ArrayLayout.h"

#include "core/common/TextToInt.h"
#include "core/nmea/ListenerFile.h"
#include "core/nmea/ListenerPositions.h"

#include <algorithm>

namespace cfg::nmea {
namespace {

bool share_a_byte(const Array_Field& a, const Array_Field& b) {
    return a.size > 0 && b.size > 0 && a.first_byte <= b.last_byte() && b.first_byte <= a.last_byte();
}

} // namespace

std::vector<Array_Field> Array_Layout(const Listener_Table& table) {
    std::vector<Array_Field> fields;
    for (int row = 1; row <= Listener_Row_Count; ++row) {
        const TFieldSentence* field = Position_Field(table, row);
        if (!field)
            continue;
        Array_Field placed;
        placed.row = row;
        placed.Sentence = table.text(row, Listener_Column::Sentence);
        placed.DataField = field->Field;
        placed.first_byte = Text_To_Int(table.text(row, Listener_Column::Position), 0);
        placed.size = field->Dimension;
        placed.outside_array = placed.first_byte < 0 || placed.last_byte() >= NMEA_Array_Size;
        placed.Mnemonic = table.text(row, Listener_Column::Mnemonic);
        fields.push_back(std::move(placed));
    }
    for (Array_Field& a : fields) {
        for (const Array_Field& b : fields) {
            if (&a != &b && share_a_byte(a, b))
                a.overlapping_rows.push_back(b.row);
        }
    }
    return fields;
}

std::int64_t End_Of_Used_Bytes(const Listener_Table& table) {
    std::int64_t end = 0;
    for (const Array_Field& field : Array_Layout(table))
        end = std::max(end, field.last_byte() + 1);
    return end;
}

std::vector<Array_Field> Array_Layout_Of_File(const std::filesystem::path& file) {
    Listener_Table table;
    Load_Listener_Table(table, file);
    return Array_Layout(table);
}

} // namespace cfg::nmea
