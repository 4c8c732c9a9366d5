#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace cfg {
struct Application;
}

// A log of real-looking NMEA 0183 sentences and a configuration that reads it, for measuring the
// preview at a size no fixture has.
namespace cfg::bench {

inline constexpr const char* Log_Name = "Log";

// One second of a ship's sensors, the seconds counted from midnight: GGA, RMC, VTG, HDT, MWV, DBT,
// MTW, a GSV series of three and XDR, each line with its checksum and CR LF, the values changing
// from second to second as a moving ship's do.
std::string Nmea_Second(long second);

// Writes seconds from midnight on until the log holds at least bytes. ConfigError when it cannot.
void Write_Nmea_Log(const std::filesystem::path& file, std::size_t bytes);

// The rows of Log_Listener_File.
extern const int Log_Rows;

// The rows of a listener table that takes values of every sentence of Nmea_Second: floats, decimals
// and characters, GSV and XDR fields by their Index, a post operation.
std::string Log_Listener_File();

// Creates the configuration Log_Name with these rows and the default parameters. It leaves the application
// with Log_Name open, without making it the active one of Morvel.xml. ConfigError when it cannot.
void Make_Log_Configuration(Application& app);

} // namespace cfg::bench
