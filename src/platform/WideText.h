#pragma once

#include "core/common/Text.h"

#include <string>
#include <string_view>

namespace platform {

// The program's UTF-8 texts and the UTF-16 the Windows calls take (wchar_t holds UTF-16 there).
inline std::wstring wide_from_utf8(std::string_view utf8) {
    const std::u16string units = cfg::utf8_to_utf16(utf8);
    return std::wstring(units.begin(), units.end());
}

inline std::string utf8_from_wide(std::wstring_view wide) {
    return cfg::utf16_to_utf8(std::u16string(wide.begin(), wide.end()));
}

} // namespace platform
