#pragma once

#include <string_view>

namespace cfg {

// The fixed texts of this converter model.
inline constexpr std::string_view App_Title = "Brimlow - Configurator SW52C40 - EtherCAT Slave / NMEA0183 ";
inline constexpr std::string_view SW_Code = "SW52C40";
inline constexpr std::string_view SW_Description = "EtherCAT Slave / NMEA0183 - Converter";
inline constexpr std::string_view Program_Version = "1.000";
inline constexpr std::string_view Doc_Code = "MN52C40";

} // namespace cfg
