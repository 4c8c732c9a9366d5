#include "core/image/EepromConfig.h"

#include "core/common/TextToInt.h"

#include <string>

namespace cfg::image {

std::array<std::uint8_t, Eeprom_Config_Size> Eeprom_Config_Bytes(std::string_view text) {
    std::array<std::uint8_t, Eeprom_Config_Size> bytes{};
    std::size_t taken = 0;
    for (std::size_t start = 0; start < text.size() && taken < bytes.size(); start += 2) {
        // Two hexadecimal digits at most, so every number read here fits in a byte.
        const std::int32_t value = Text_To_Int("$" + std::string(text.substr(start, 2)), -1);
        if (value >= 0)
            bytes[taken++] = static_cast<std::uint8_t>(value);
    }
    return bytes;
}

} // namespace cfg::image
