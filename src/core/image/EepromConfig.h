#pragma once

#include "core/image/EtherCATHeader.h"

#include <string_view>

namespace cfg::image {

// What the device gets when ParGen.xml does not name its EEPROM configuration.
inline constexpr std::string_view Default_Eeprom_Config = "800F00CC8813ff00000000800000";

// The text cut from the left into pieces of two characters (the last may have one). A piece of
// hexadecimal digits becomes the next byte; any other piece is passed over without taking one.
// Bytes the text does not reach stay 0; pieces beyond the fourteenth byte are ignored.
std::array<std::uint8_t, Eeprom_Config_Size> Eeprom_Config_Bytes(std::string_view text);

} // namespace cfg::image
