#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace cfg {

// The dash the screens put between the first and the last byte of a range (U+2013).
inline constexpr std::string_view En_Dash = "\xE2\x80\x93";

// "12–15" for the bytes 12 to 15, "12" for a single byte.
std::string Byte_Range_Text(std::int64_t first, std::int64_t last, std::string_view dash = En_Dash);

} // namespace cfg
