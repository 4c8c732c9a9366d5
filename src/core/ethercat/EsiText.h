#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace cfg::ethercat {

// Upper-case hexadecimal digits of the value, with leading zeros up to min_digits.
std::string hex_upper(std::uint32_t value, int min_digits);

// A name as the content of an ESI element: the characters XML reserves become references, and
// what XML cannot hold at all (bytes that are not UTF-8, control characters) becomes U+FFFD,
// so no name can make the file malformed.
std::string esi_escaped(std::string_view text);

} // namespace cfg::ethercat
