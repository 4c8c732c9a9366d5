#pragma once

#include "core/common/FileBytes.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

// What the fuzz targets share: the input as text, split into files, and the way a broken promise
// is reported so that libFuzzer keeps the input.
namespace cfg::fuzz {

std::string_view as_text(const std::uint8_t* data, std::size_t size);

// The input as the contents of the named files in that order, separated by NUL bytes (which no
// configuration file holds); a file the input does not reach is missing, and the last file takes
// the rest of the input.
std::vector<std::optional<File_Bytes>> split_files(std::string_view input,
                                                   std::initializer_list<const char*> names);

// Stops the run with the message when a promise of the reader does not hold: libFuzzer saves the
// input as a finding.
void require(bool holds, const char* promise);

} // namespace cfg::fuzz
