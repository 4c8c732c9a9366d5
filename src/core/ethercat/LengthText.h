#pragma once

#include <cstdint>
#include <string_view>

namespace cfg::ethercat {

// A Length cell read as a decimal number (blanks in front and a sign allowed), 0 when it is not one.
std::int32_t decimal_length(std::string_view text);

// Whether a Length is plain decimal digits from 0 to 255: the device keeps a string's length in one
// byte, and every reader of the file then agrees on it.
bool is_byte_length(std::string_view text);

} // namespace cfg::ethercat
