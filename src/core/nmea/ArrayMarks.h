#pragma once

#include "core/lang/LangStrings.h"
#include "core/nmea/ArrayLayout.h"

#include <string>
#include <vector>

// What the listener screen, its byte map and configurator-cli say about fields that collide.
// These are warnings: the checks of OK let overlapping fields and fields leaving the array through.
namespace cfg::nmea {

// Whether the field shares a byte with another or does not lie wholly in the array.
bool Is_Marked(const Array_Field& field);

// "overlaps row 3", "overlaps rows 3, 8", "before byte 0" and "past byte 1999", joined by "; ";
// empty for a field without marks.
std::string Field_Marks(const Array_Field& field, const Lang_Strings& texts);

// "bytes used: 0–45 of 0–1999; 2 overlaps; 1 outside the array": the span from the lowest to the
// highest byte taken, then the counts that are not 0.
std::string Array_Status(const std::vector<Array_Field>& fields, const Lang_Strings& texts);

// What the table shows of a row's field: its bytes ("12–15") and its marks; both empty for a row
// that takes part in no position.
struct Row_Place {
    std::string bytes;
    std::string marks;
};

// Indexed by row, 0 to 100 (row 0 unused).
std::vector<Row_Place> Row_Places(const std::vector<Array_Field>& fields, const Lang_Strings& texts);

} // namespace cfg::nmea
