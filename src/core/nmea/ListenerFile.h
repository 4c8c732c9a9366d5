#pragma once

#include "core/common/FileBytes.h"
#include "core/nmea/ListenerTable.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// NMEA_0183_Set_Access.xml as the listener screen reads and writes it.
namespace cfg::nmea {

// Loading filters: each gives the text from the file back unchanged when it is an allowed value
// (exact, case-sensitive, untrimmed comparison), and an empty text otherwise.
std::string Get_Serial_Channel(std::string_view value, const std::vector<std::string>& SerialChannel_SL);
// An offered sentence code.
std::string Get_Sentence(std::string_view value);
// The description of one field of Sentence (already filtered).
std::string Get_DataField(std::string_view value, std::string_view Sentence);
// One of the post operations.
std::string Get_PostOperatin(std::string_view value);

// Resets the table, then fills row i + 1 from the i-th row element of the file. A missing file
// leaves the table reset. Rows past the table's Listener_Row_Count are left out, as by every
// reader of the file; the result is how many (0 normally). A file that cannot be read, is not
// well-formed or lacks NMEA_Listener raises ConfigError and leaves the table reset.
int Load_Listener_Table(Listener_Table& table, const std::filesystem::path& file);
// The same for the content of the file held in memory.
int Load_Listener_Table(Listener_Table& table, const File_Bytes& file);

// Rows 1, 2, ... up to the first unused row (rows below it are not saved, see
// Rows_Save_Would_Drop), each with its ten attributes.
std::string Listener_Table_Bytes(const Listener_Table& table);

// Writes Listener_Table_Bytes through the safe writer.
void Save_Listener_Table(const Listener_Table& table, const std::filesystem::path& file);

// The used rows that Save_Listener_Table would leave out because they lie below an unused row,
// so that the screen can ask before they are lost. Empty when the save keeps every used row.
std::vector<int> Rows_Save_Would_Drop(const Listener_Table& table);

} // namespace cfg::nmea
