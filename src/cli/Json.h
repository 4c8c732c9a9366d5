#pragma once

#include <string>
#include <string_view>

namespace cfg::cli {

// The text as a JSON string, quotes included. A byte sequence that is not UTF-8 becomes U+FFFD, so
// the output stays valid whatever a bank file holds.
std::string json_string(std::string_view text);

} // namespace cfg::cli
