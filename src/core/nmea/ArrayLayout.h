#pragma once

#include "core/nmea/ListenerTable.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace cfg::nmea {

// The bytes of the NMEA data array that one listener row fills, as its Position stands.
struct Array_Field {
    int row = 0;
    std::string Sentence;
    std::string DataField; // the field's description in the catalogue
    std::int64_t first_byte = 0;
    int size = 0;
    std::vector<int> overlapping_rows; // the other rows that share at least one byte with it
    bool outside_array = false;        // starts before byte 0 or reaches past the last byte
    std::string Mnemonic = "";         // for the labels of the byte map

    std::int64_t last_byte() const { return first_byte + size - 1; }
    bool operator==(const Array_Field&) const = default;
};

// The fields of the rows that take part in the positions, in row order. Positions are read as the
// position proposals read them (0 for a text that is no number). The checks let overlapping fields
// and a field that starts on a valid byte but runs past the array through, so both are marked here.
std::vector<Array_Field> Array_Layout(const Listener_Table& table);

// The byte after the last byte any of those fields takes, wherever its row stands; 0 when none does.
std::int64_t End_Of_Used_Bytes(const Listener_Table& table);
// The fields of an NMEA_0183_Set_Access.xml as the listener screen would show them; none when there
// is no file. Raises ConfigError when the file cannot be read.
std::vector<Array_Field> Array_Layout_Of_File(const std::filesystem::path& file);

} // namespace cfg::nmea
