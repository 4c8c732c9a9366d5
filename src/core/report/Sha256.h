#pragma once

#include <string>
#include <string_view>

namespace cfg::report {

// The SHA-256 digest of the bytes as 64 lower-case hex digits, as sha256sum prints it, so a file
// named in a report can be checked with the tools every system has.
std::string Sha256_Hex(std::string_view bytes);

} // namespace cfg::report
