#pragma once

#include "core/common/FileBytes.h"
#include "core/nmea/LegacyTable.h"

#include <filesystem>
#include <vector>

// NMEA_0183_Set_Access.xml in the older form the legacy sentence table reads and writes.
namespace cfg::nmea::legacy {

// Resets the table, then fills row i + 1 from the i-th row element of the file; extra attributes
// (a listener file's) are ignored. Rows past Legacy_Row_Count are left out; the result is how many
// (0 normally). A missing file leaves the table reset; a file that cannot be read, is not
// well-formed or lacks NMEA_Listener raises ConfigError.
int Load_Legacy_Table(Legacy_Table& table, const std::filesystem::path& file);
// The same for the content of the file held in memory.
int Load_Legacy_Table(Legacy_Table& table, const File_Bytes& file);

// Rows 1, 2, ... up to the first unused row, with the comment "SW_VERSION = 1.006". Index is
// written only for XDR and $PJELA rows (trimmed, in any letter case, as the load takes it), empty
// for every other.
std::string Legacy_Table_Bytes(const Legacy_Table& table);

// Writes Legacy_Table_Bytes through the safe writer.
void Save_Legacy_Table(const Legacy_Table& table, const std::filesystem::path& file);

// The used rows that Save_Legacy_Table would leave out because they lie below an unused row.
std::vector<int> Rows_Save_Would_Drop(const Legacy_Table& table);

} // namespace cfg::nmea::legacy
