#pragma once

#include <array>
#include <string_view>

namespace cfg {

// The fixed choice texts of a serial port, by index. The language file does not change them; the
// index is what the device receives (parity 0 none, 1 odd, 2 even; stop bits index + 1).
inline constexpr std::array<std::string_view, 8> Baud_Texts{"1200",  "2400",  "4800",  "9600",
                                                            "19200", "38400", "57600", "115200"};
inline constexpr std::array<std::string_view, 3> Parity_Texts{"NONE", "ODD", "EVEN"};
inline constexpr std::array<std::string_view, 2> StopBits_Texts{"1 bit", "2 bits"};

// The number in the text (decimal or hexadecimal) as a baud index; anything unlisted is 4800.
int Baud_to_Index(std::string_view Baud);

// "NONE", "ODD" or "EVEN" in any letter case; anything else is none.
int Parity_to_Index(std::string_view Par);

// "1 bit" or "2 bits" in any letter case; anything else is one stop bit.
int StopBits_to_Index(std::string_view Stop);

} // namespace cfg
