#include "core/image/EepromConfig.h"

#include "core/common/Text.h"
#include "core/common/TextToInt.h"

#include <string>

namespace cfg::image {

std::array<std::uint8_t, Eeprom_Config_Size> Eeprom_Config_Bytes(std::string_view text) {
    std::array<std::uint8_t, Eeprom_Config_Size> bytes{};
    std::size_t taken = 0;
    // The text is cut into pieces of two characters (UTF-16 code units, as everywhere a limit
    // counts characters); a piece that is not two hexadecimal digits is passed over.
    const std::u16string units = utf8_to_utf16(text);
    for (std::size_t start = 0; start < units.size() && taken < bytes.size(); start += 2) {
        const std::string piece = utf16_to_utf8(std::u16string_view(units).substr(start, 2));
        const std::int32_t value = Text_To_Int("$" + piece, -1);
        if (value >= 0)
            bytes[taken++] = static_cast<std::uint8_t>(value);
    }
    return bytes;
}

} // namespace cfg::image
