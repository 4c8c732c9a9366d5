#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace cfg {

inline constexpr std::string_view Lower_Hex_Digits = "0123456789abcdef";

enum class Hex_Letters { Lower, Upper };

// Appends the lowest `digits` hexadecimal digits of value, most significant first, zeros in front.
void append_hex(std::string& text, std::uint64_t value, int digits, Hex_Letters letters = Hex_Letters::Lower);
std::string hex_text(std::uint64_t value, int digits, Hex_Letters letters = Hex_Letters::Lower);

} // namespace cfg
