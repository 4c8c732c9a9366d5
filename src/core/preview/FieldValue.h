#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cfg::preview {

// How the converter stores a catalogue field in the data array.
enum class Field_Kind {
    Float32,    // IEEE 754 single
    Unsigned,   // whole number of the field's size
    Signed,     // whole number of the field's size, two's complement
    Characters, // the text's bytes, cut or padded with zeros to the field's size
};

// Told by the description: "[floating point]" and the MWD numbers (", Number" without a bracket)
// are singles, "[decimal +/-]" signed and "[decimal]" unsigned whole numbers, the rest
// ("[character]", the MWD units, the strings) text.
Field_Kind Kind_Of(std::string_view description);

// What became of the last text a row took.
enum class Value_State {
    Waiting,      // nothing taken yet
    Stored,       // converted and stored
    Did_Not_Fit,  // stored as near as the field allows: a number at its limit, a text cut
    Empty,        // the field was empty: the array keeps what it held
    Not_A_Number, // a number field held something else: the array keeps what it held
};

struct Field_Value {
    Value_State state = Value_State::Waiting;
    std::string value;               // what is stored, as text; empty when nothing is
    std::vector<std::uint8_t> bytes; // the stored bytes, little-endian, before any swap
    bool operator==(const Field_Value&) const = default;
};

// Converts a field's text to the bytes of a field of that kind and size, the post operation given as
// the power of ten it multiplies by. Numbers are read as NMEA 0183 writes them: a sign, digits and
// decimals. A single is the scaled decimal rounded once to the nearest single; a whole number is the
// scaled decimal rounded to the nearest, halves away from zero. A text takes no post operation.
Field_Value Convert_Field(std::string_view text, Field_Kind kind, int size, int exponent);

} // namespace cfg::preview
