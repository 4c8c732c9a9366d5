#pragma once

#include "core/common/FileBytes.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The objects map: a semicolon-separated list of how the whole sentences of the active listener rows
// lie one after the other in a data array, field by field, starting at byte 0 without gaps. It
// follows its own layout, not the rows' positions.
namespace cfg::nmea {

// The byte numbers first, first + 1, ..., first + size - 1 joined by "-"; empty for size 0.
std::string Byte_Range_Text(int first_byte, int size);

// The header line and one line per field of every active row's sentence, read from the listener
// file (header alone when it does not exist). ConfigError when the file cannot be read, is not
// well-formed or lacks NMEA_Listener.
std::vector<std::string> Objects_Map_Lines(const std::filesystem::path& listener_file);
// The same for the content of the listener file held in memory.
std::vector<std::string> Objects_Map_Lines(const File_Bytes& listener_file);

// Writes the objects map of the listener file to target (Windows-1252, CR LF, safe writer). Nothing
// is written when the listener file cannot be read.
void Export_Objects_Map(const std::filesystem::path& listener_file, const std::filesystem::path& target);

// The name the map is written to: the chosen name, with ".csv" appended unless it already ends in
// ".csv" in any letter case.
std::string Objects_Map_File_Name(std::string_view chosen);

} // namespace cfg::nmea
