#pragma once

#include <string>
#include <string_view>

namespace cfg {

// The 8-bit code page of the files other programs read (objects-map CSV) and of language
// files written without a byte-order mark.
std::string utf8_to_windows1252(std::string_view utf8); // a character it cannot hold becomes "?"
std::string windows1252_to_utf8(std::string_view bytes);

} // namespace cfg
