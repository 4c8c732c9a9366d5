#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace cfg::preview {

// Bytes as lower-case hexadecimal pairs with the separator between them: "0c 00 ff".
std::string Hex_Bytes(std::span<const std::uint8_t> bytes, std::string_view separator = " ");

// Bytes as text up to the first zero byte; a byte outside printable ASCII shows as "\xhh".
std::string Printable_Text(std::span<const std::uint8_t> bytes);

// A single as the shortest decimal text without an exponent that reads back as the same single.
std::string Single_Text(float value);

} // namespace cfg::preview
