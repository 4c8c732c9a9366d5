#pragma once

#include <cstdint>
#include <string_view>

namespace cfg {

// The whole-text integer conversion used by every check and every reader of stored numbers.
// Leading blanks, an optional sign, then decimal digits within the signed range, or hexadecimal
// digits after "$", "x", "X", "0x" or "0X" taken as a bit pattern. The digits must run to the end
// of the text; anything else (a trailing blank, an empty text, an overflow) gives the default.
std::int32_t Text_To_Int(std::string_view text, std::int32_t default_value);

// The same rules with 64-bit limits (up to sixteen hexadecimal digits).
std::int64_t Text_To_Int64(std::string_view text, std::int64_t default_value);

} // namespace cfg
