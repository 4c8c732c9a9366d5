#pragma once

#include "core/ethercat/EsiSources.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace cfg::ethercat {

// n in decimal with leading zeros to at least three digits: "007", "042", "1000".
std::string Pdo_Number_Text(int n);

// The hex digits of sync manager 2's start address: after the inputs' three buffers from 0x1000,
// rounded up to a multiple of 4, at least four digits ("1018" for 7 bytes of inputs).
std::string sync_manager2_address(std::int64_t inputs_size);

// The ESI file's text in UTF-8, every line ending with CR LF.
std::string ESI_File_Text(const ESI_Sources& sources);

// Writes the text through the safe writer.
void Write_ESI_File(const ESI_Sources& sources, const std::filesystem::path& file);

// Reads both sources completely, then writes the ESI file in one step: a failure while reading
// writes nothing. Returns what the file was made from.
ESI_Sources Create_ESI_File(const std::filesystem::path& file_pargen,
                            const std::filesystem::path& file_ethercat_slave,
                            const std::filesystem::path& file);

} // namespace cfg::ethercat
