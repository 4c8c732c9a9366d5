#pragma once

#include <string_view>

namespace cfg {

// The fixed texts of this converter model.
inline constexpr std::string_view App_Title = "Brimlow - Configurator SW52C40 - EtherCAT Slave / NMEA0183 ";
inline constexpr std::string_view SW_Code = "SW52C40";
inline constexpr std::string_view SW_Description = "EtherCAT Slave / NMEA0183 - Converter";
inline constexpr std::string_view Program_Version = "1.000";
inline constexpr std::string_view Doc_Code = "MN52C40";

// What --version tells after the version line.
inline constexpr std::string_view Licence_Notice =
    "License GPL-3.0-or-later: GNU GPL version 3 or later <https://www.gnu.org/licenses/gpl-3.0.html>\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

} // namespace cfg
