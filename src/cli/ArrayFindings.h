#pragma once

#include "core/lang/LangStrings.h"
#include "core/nmea/ArrayLayout.h"

#include <filesystem>
#include <string>
#include <vector>

namespace cfg::cli {

// What --strict refuses: the listener fields that share a byte with another or leave the data
// array, one line each, "FILE: Row 3: overlaps row 1".
std::vector<std::string> array_findings(const std::filesystem::path& file,
                                        const std::vector<nmea::Array_Field>& fields,
                                        const Lang_Strings& texts);

} // namespace cfg::cli
