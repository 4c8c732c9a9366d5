#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// The four bytes of an IPv4 address in dotted decimal, in network order. Dotted decimal only, so
// that a typing mistake never turns into a name lookup.
std::optional<std::array<std::uint8_t, 4>> ipv4_bytes(const std::string& text);

} // namespace platform
