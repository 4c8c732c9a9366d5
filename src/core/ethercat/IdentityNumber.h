#pragma once

#include <cstdint>
#include <string_view>

namespace cfg::ethercat {

// A 32-bit identity value of the slave (revision, vendor, product code, serial number) read from
// its text: the 64-bit form of Text_To_Int, keeping the low 32 bits. The parameter check accepts
// 0 to 4294967295 with the same reader, so every accepted text reaches the device as typed.
std::uint32_t read_identity_u32(std::string_view text, std::uint32_t default_value);

} // namespace cfg::ethercat
