#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace cfg::ethercat {

// The 8 initial-value bytes of a variable of the given type code. Integer types read the text as
// a 64-bit integer and keep the bits their size holds ("Bool" only bit 0), in two's complement;
// "Float32" stores the IEEE 754 single of a decimal number (0 when the text is not one). A text
// that is not a number stores nothing; strings and unknown types store nothing either.
std::array<std::uint8_t, 8> Init_Value_Bytes(std::uint8_t Data_Type, std::string_view InitValue);

// A decimal number with "." or "," as the decimal separator and an optional exponent, blanks
// allowed around it; nothing when the text is not such a number or lies beyond a single's range.
std::optional<float> Decimal_Text_To_Single(std::string_view text);

// Whether a "Float32" initial value is stored as the value it shows: a number Decimal_Text_To_Single
// reads, or no value at all (blanks at most), which is stored as 0 on purpose. Any other text would
// silently become 0 in the image.
bool Is_Float32_Init_Value(std::string_view InitValue);

} // namespace cfg::ethercat
