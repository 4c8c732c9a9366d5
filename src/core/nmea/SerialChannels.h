#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cfg::nmea {

// The serial ports a row may name, in the order of their bits in a port mask
// (bit 0 "RS232", bit 1 "RS485 / RS422", bit 2 "RS485 2").
inline constexpr std::string_view Serial_RS232 = "RS232";
inline constexpr std::string_view Serial_RS485_RS422 = "RS485 / RS422";
inline constexpr std::string_view Serial_RS485_2 = "RS485 2";

// SerialChannel_SL: the names of the ports whose bit is set in Enable_Serial, in bit order.
std::vector<std::string> Serial_Channel_List(int Enable_Serial);

// Whether the text (already trimmed and upper-cased by the caller) names a port whose bit is set.
bool Check_Serial(std::string_view text, int Enable_Serial);

} // namespace cfg::nmea
